#pragma once

#include <QByteArray>
#include <QString>

// Writes an ADIF log shaped like a logger's export: a header, then one
// record per line with the usual fields (about 250 bytes a QSO).
bool writeBenchmarkLog(const QString& path, int qsoCount);
QByteArray benchmarkRecord(int index);
