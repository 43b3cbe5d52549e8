#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

class SettingsStore;

// What a station keeps for its direct mail: its own address (the sender's
// block on an envelope and the return-address labels), how many
// return-address labels follow the address labels, and how far the operator
// moved each envelope block (millimetres, right and down).
struct SenderSettings {
    static constexpr int kMostReturnLabels = 1000;
    static constexpr double kLargestShift = 50.0;

    QStringList address;
    int returnLabels = 0;
    QPointF recipientShift;
    QPointF senderShift;

    static SenderSettings load(const SettingsStore& store, const QString& station);
    void save(SettingsStore& store, const QString& station) const;

    // "X Y" in millimetres as stored; nothing when unreadable or out of range.
    static QPointF shiftFrom(const QString& text);
    static QString shiftText(QPointF shift);
};
