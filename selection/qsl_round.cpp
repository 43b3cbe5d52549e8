#include "selection/qsl_round.h"

#include <QFileInfo>

#include "log/country_file.h"
#include "log/qso_log.h"
#include "selection/bureau_order.h"

QslQueue::QslFields QslRound::qslFieldsOf(const QsoRecord& record) {
    return {record.value(QsoField::QslSent), record.value(QsoField::QslSentVia),
            record.value(QsoField::QslRcvd), record.value(QsoField::QslRcvdVia)};
}

bool QslRound::passes(const Filter& filter, const QsoRecord& record) {
    if (filter.letsAllThrough()) {
        return true;
    }
    const QslQueue::QslFields fields = qslFieldsOf(record);
    return QslQueue::isOwed(filter.owed, fields) && QslQueue::takesRoute(filter.route, fields) &&
           !(filter.unconfirmed && confirmedElectronically(record));
}

bool QslRound::confirmedElectronically(const QsoRecord& record) {
    const auto yes = [](QByteArrayView value) {
        return value.size() == 1 && (value[0] == 'Y' || value[0] == 'V');
    };
    return yes(record.value(QsoField::LotwQslRcvd)) || yes(record.value(QsoField::EqslQslRcvd));
}

bool QslRound::cardReceived(const QsoRecord& record) {
    return QslQueue::cardReceived(qslFieldsOf(record));
}

QsoRecords QslRound::recordsOf(const QsoLog& log, const Filter& filter) {
    QsoRecords records;
    records.reserve(static_cast<size_t>(log.count()));
    for (int i = 0; i < log.count(); ++i) {
        if (passes(filter, log.at(i))) {
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
    QString tableProblem;
    auto noBureau = std::make_shared<NoBureauTable>(
        NoBureauTable::load(NoBureauTable::ownFilePath(settingsFile), &tableProblem));
    if (problem != nullptr && !tableProblem.isEmpty()) {
        *problem = problem->isEmpty() ? tableProblem : *problem + QLatin1Char('\n') + tableProblem;
    }
    return std::make_shared<BureauOrder>(std::move(countries), std::move(noBureau));
}
