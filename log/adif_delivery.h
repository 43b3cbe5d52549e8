#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include "log/adif_parsed_piece.h"
#include "log/adif_reader.h"

// Hands the QSOs of parsed pieces to a sink in file order, numbering them.
class AdifDelivery {
  public:
    explicit AdifDelivery(AdifSink& sink) : sink_(sink) {}

    void deliver(const adif::ParsedPiece& piece);

  private:
    void sendMessages(quint8 messages, QByteArrayView callsign);

    AdifSink& sink_;
    int count_ = 0;
};
