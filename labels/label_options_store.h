#pragma once

#include <optional>

#include "labels/label_options.h"

class SettingsStore;

// The label options of each station, kept in the station's section of the
// settings store ("F9XQASetup ").
class LabelOptionsStore {
  public:
    explicit LabelOptionsStore(SettingsStore& store) : store_(store) {}

    // The options as the label options window restores them for a station:
    // stored values where they name an option, the window's first choices otherwise.
    LabelOptions load(const QString& station) const;
    // Writes the thirteen keys in the order the program has always written them.
    void save(const LabelOptions& options) const;

    // The stored list position of verticalOffsetBox: -1 (nothing selected) to 4.
    static int offsetPosition(const QString& storedText);
    static int positionOfOffset(const QString& offsetText);
    // "True"/"False" and numbers; nothing for any other text.
    static std::optional<bool> parseBoolean(const QString& text);
    // The leading number of a text, as VB's Val reads it (0 when there is none).
    static double leadingNumber(const QString& text);

  private:
    SettingsStore& store_;
};
