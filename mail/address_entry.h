#pragma once

#include <QString>
#include <QStringList>

// One station of the operator's address book: its call, then the lines of its
// address as they go on the envelope (name, street, town, country...).
struct AddressEntry {
    QString call;
    QStringList lines;

    bool operator==(const AddressEntry& other) const {
        return call == other.call && lines == other.lines;
    }
};
