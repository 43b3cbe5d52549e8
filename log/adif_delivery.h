#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include "log/adif_parsed_piece.h"
#include "log/adif_reader.h"
#include "log/confirmation_download.h"

// Hands the QSOs of parsed pieces to a sink in file order, numbering them;
// the QSL fields of a confirmation service's file are read as it means them,
// which is said once, before its first QSO.
class AdifDelivery {
  public:
    explicit AdifDelivery(AdifSink& sink,
                          ConfirmationDownload::Kind kind = ConfirmationDownload::Kind::Log)
        : sink_(sink), kind_(kind) {}

    void deliver(const adif::ParsedPiece& piece);

  private:
    void sendMessages(quint8 messages, QByteArrayView callsign, QByteArrayView date);

    AdifSink& sink_;
    ConfirmationDownload::Kind kind_;
    int count_ = 0;
};
