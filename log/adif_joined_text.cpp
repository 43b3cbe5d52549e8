#include "log/adif_joined_text.h"

#include "log/adif_text.h"

void AdifJoinedText::join(QByteArrayView raw) {
    joined_.reserve(raw.size());
    for (const char c : raw) {
        if (adif::isLineBreak(c)) {
            removedAt_.push_back(joined_.size());
        } else {
            joined_.append(c);
        }
    }
    text_ = joined_;
}
