#include "selection/bureau_order.h"

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

BureauOrder::BureauOrder(std::shared_ptr<const CountryFile> countries)
    : countries_(std::move(countries)) {}

QByteArray BureauOrder::routeOf(const QsoRecord& record) {
    const QByteArrayView via = record.value(QsoField::QslVia);
    return (via.isEmpty() ? record.value(QsoField::Callsign) : via).toByteArray();
}

QByteArray BureauOrder::prefixOf(const QByteArray& route) const {
    const auto known = prefixes_.constFind(route);
    if (known != prefixes_.constEnd()) {
        return *known;
    }
    const QByteArray prefix = countries_ != nullptr
                                  ? countries_->primaryPrefix(QString::fromUtf8(route)).toUtf8()
                                  : leadingLettersAndDigits(route);
    prefixes_.insert(route, prefix);
    return prefix;
}

BureauOrder::Key BureauOrder::keyOf(const QsoRecord& record) const {
    Key key;
    key.route = routeOf(record);
    key.prefix = prefixOf(key.route);
    return key;
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
