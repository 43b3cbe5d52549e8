#pragma once

#include <QByteArrayView>

#include "log/adif_reader.h"

// Passes QSOs on with their spans moved from the UTF-8 text made of a UTF-16
// log back to the bytes of that log (two per UTF-16 code unit, after the mark).
class AdifUtf16Spans : public AdifSink {
  public:
    AdifUtf16Spans(QByteArrayView utf8, AdifSink& sink) : utf8_(utf8), sink_(sink) {}

    void record(const QsoValues& values) override;
    void message(const AdifMessage& message) override { sink_.message(message); }

  private:
    qint64 unitsUpTo(qint64 offset);

    QByteArrayView utf8_;
    AdifSink& sink_;
    qint64 counted_ = 0;
    qint64 units_ = 0;
};
