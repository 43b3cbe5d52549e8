#include "selection/qsl_round.h"

#include <QFileInfo>

#include "log/country_file.h"
#include "log/qso_log.h"
#include "selection/bureau_order.h"

bool QslRound::isOwed(const QsoRecord& record) {
    const QByteArrayView sent = record.value(QsoField::QslSent);
    return sent.isEmpty() || sent == "N" || sent == "R" || sent == "Q" || sent == "n" ||
           sent == "r" || sent == "q";
}

QsoRecords QslRound::recordsOf(const QsoLog& log, bool owedOnly) {
    QsoRecords records;
    records.reserve(static_cast<size_t>(log.count()));
    for (int i = 0; i < log.count(); ++i) {
        if (!owedOnly || isOwed(log.at(i))) {
            records.push_back(&log.at(i));
        }
    }
    return records;
}

RowList::Order QslRound::rowOrder(Order order) {
    return order == Order::File ? RowList::Order::Unsorted : RowList::Order::Sorted;
}

void QslRound::arrange(RowList& rows, Order order, const QsoRecords& records,
                       std::shared_ptr<const BureauOrder> bureau) {
    if (order == Order::Bureau) {
        rows.orderForBureau(std::move(bureau));
    }
    rows.addAll(records);
}

std::shared_ptr<const BureauOrder> QslRound::bureauOrder(const QString& settingsFile,
                                                         QString* problem) {
    auto countries = std::make_shared<CountryFile>();
    const QString folder = QFileInfo(settingsFile).absolutePath();
    // A country file that could not be read is reported even when another one stands in.
    if (!countries->loadFirst(CountryFile::searchPaths(folder), problem)) {
        countries.reset();
    }
    return std::make_shared<BureauOrder>(std::move(countries));
}
