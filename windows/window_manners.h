#pragma once

#include <QString>

class QWidget;
class SettingsStore;

// What every window of the program does alike, set up once it is built:
// Enter presses the focused button; a window that stands for a dialog closes
// on Escape; a window comes back at the size and place it had when it last
// closed (kept in the store under its objectName), else where it opened.
class WindowManners {
  public:
    enum class Kind { Main, DialogLike };

    static void apply(QWidget& window, Kind kind, SettingsStore& store);

  private:
    static void pressButtonsWithEnter(QWidget& window);
    static void closeOnEscape(QWidget& window);
    static void keepPlacement(QWidget& window, SettingsStore& store);
};
