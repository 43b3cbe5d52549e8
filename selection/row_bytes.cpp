#include "selection/row_bytes.h"

#include "log/qso_row.h"

namespace {

int upper(int byte) {
    return (byte >= 'a' && byte <= 'z') ? byte - 32 : byte;
}

}  // namespace

RowBytes::RowBytes(const QsoRecord& record) : record_(record) {}

bool RowBytes::startField() {
    while (++field_ < kListedFieldCount) {
        value_ = record_.value(static_cast<QsoField>(field_));
        at_ = 0;
        places_ = 0;
        inValue_ = true;
        return true;
    }
    return false;
}

int RowBytes::next() {
    while (true) {
        if (inValue_) {
            if (at_ < value_.size()) {
                const auto byte = static_cast<unsigned char>(value_[at_++]);
                if ((byte & 0xC0) != 0x80) {
                    places_ += byte >= 0xF0 ? 2 : 1;
                }
                return byte;
            }
            inValue_ = false;
            blanks_ = QsoRow::slotWidth(static_cast<QsoField>(field_)) - places_;
        }
        if (blanks_ > 0) {
            --blanks_;
            return ' ';
        }
        if (!startField()) {
            return -1;
        }
    }
}

int compareRowsIgnoringCase(const QsoRecord& a, const QsoRecord& b) {
    RowBytes left(a);
    RowBytes right(b);
    while (true) {
        const int l = left.next();
        const int r = right.next();
        if (l < 0 || r < 0) {
            return l == r ? 0 : (l < 0 ? -1 : 1);
        }
        if (l != r && upper(l) != upper(r)) {
            return upper(l) < upper(r) ? -1 : 1;
        }
    }
}
