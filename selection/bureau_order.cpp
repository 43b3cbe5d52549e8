#include "selection/bureau_order.h"

#include <algorithm>

#include "log/home_call.h"
#include "log/qsl_via.h"
#include "log/qso_record.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetterOrDigit(char c) {
    return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "DL1ABC" gives "DL1", "3D2AG" gives "3D2": up to the end of the first digits
// after the first letter.
QByteArray leadingLettersAndDigits(const QByteArray& route) {
    qsizetype end = 0;
    bool sawLetter = false;
    bool sawDigitAfterLetter = false;
    while (end < route.size() && isLetterOrDigit(route[end])) {
        const bool digit = isDigit(route[end]);
        if (!digit && sawDigitAfterLetter) {
            break;
        }
        sawLetter = sawLetter || !digit;
        sawDigitAfterLetter = sawDigitAfterLetter || (digit && sawLetter);
        ++end;
    }
    return route.left(end).toUpper();
}

}  // namespace

BureauOrder::BureauOrder(std::shared_ptr<const CountryFile> countries,
                         std::shared_ptr<const NoBureauTable> noBureau)
    : countries_(std::move(countries)), noBureau_(std::move(noBureau)) {}

QByteArray BureauOrder::prefixOf(const QByteArray& route) const {
    return countries_ != nullptr ? countries_->primaryPrefix(QString::fromUtf8(route)).toUtf8()
                                 : leadingLettersAndDigits(route);
}

BureauOrder::Key BureauOrder::makeKey(QByteArrayView via, QByteArrayView call) const {
    const QString viaText = QString::fromUtf8(via);
    const QString manager = QslVia::managerOf(viaText);
    Key key;
    key.route = homeCallOf(manager.isEmpty() ? QString::fromUtf8(call) : manager, countries_.get())
                    .toUtf8();
    key.prefix = prefixOf(key.route);
    if (QslVia::wishOf(viaText) == QslVia::Wish::DirectOnly) {
        key.refusal = Refusal::DirectOnly;
    } else if (hasNoBureau(key)) {
        key.refusal = Refusal::NoBureau;
    }
    return key;
}

// Without a country file the recipient's leading letters and digits are no
// entity's prefix: the longest start of the call that the table lists stands in.
bool BureauOrder::hasNoBureau(const Key& key) const {
    if (noBureau_ == nullptr || key.prefix.isEmpty()) {
        return false;
    }
    if (countries_ != nullptr) {
        return noBureau_->contains(key.prefix);
    }
    for (qsizetype length = std::min<qsizetype>(key.route.size(), 6); length > 0; --length) {
        if (noBureau_->contains(key.route.left(length))) {
            return true;
        }
    }
    return false;
}

BureauOrder::Key BureauOrder::keyOf(const QsoRecord& record) const {
    if ((record.replaced() & QsoRecord::kCallsign) != 0) {
        Key key;
        key.route = record.value(QsoField::Callsign).toByteArray();
        key.refusal = Refusal::NoCallsign;
        return key;
    }
    const QByteArrayView via = record.value(QsoField::QslVia);
    const QByteArrayView call = record.value(QsoField::Callsign);
    QByteArray station;
    station.reserve(via.size() + call.size() + 1);
    station.append(via).append('\0').append(call);
    const auto known = keys_.constFind(station);
    if (known != keys_.constEnd()) {
        return *known;
    }
    Key key = makeKey(via, call);
    keys_.insert(station, key);
    return key;
}

QByteArray BureauOrder::routeOf(const QsoRecord& record) const {
    return keyOf(record).route;
}

int BureauOrder::compare(const Key& a, const Key& b) {
    if (a.prefix != b.prefix) {
        if (a.prefix.isEmpty() || b.prefix.isEmpty()) {
            return a.prefix.isEmpty() ? 1 : -1;
        }
        return a.prefix < b.prefix ? -1 : 1;
    }
    return a.route == b.route ? 0 : (a.route < b.route ? -1 : 1);
}
