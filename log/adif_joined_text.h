#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <algorithm>
#include <cstring>
#include <vector>

// A record's text with its line breaks left out, as the reader reads it, and
// the way back to the record's own bytes. (Inline where the marking of a log
// calls it for every record; the joining itself is rare.)
class AdifJoinedText {
  public:
    // With `withoutBreaks` the caller knows `raw` holds none: it is not looked at.
    explicit AdifJoinedText(QByteArrayView raw, bool withoutBreaks = false) : text_(raw) {
        // An empty view may have no data at all: memchr is not handed a null pointer.
        if (!withoutBreaks && !raw.isEmpty() &&
            (std::memchr(raw.data(), '\n', static_cast<size_t>(raw.size())) != nullptr ||
             std::memchr(raw.data(), '\r', static_cast<size_t>(raw.size())) != nullptr)) {
            join(raw);
        }
    }

    QByteArrayView text() const { return text_; }
    // The record's own offset of the joined text's byte `at`.
    qsizetype rawIndex(qsizetype at) const {
        return at +
               (std::upper_bound(removedAt_.begin(), removedAt_.end(), at) - removedAt_.begin());
    }
    // The record's own offset just past the joined text's first `at` bytes.
    qsizetype rawEnd(qsizetype at) const {
        return at +
               (std::lower_bound(removedAt_.begin(), removedAt_.end(), at) - removedAt_.begin());
    }

  private:
    void join(QByteArrayView raw);

    QByteArrayView text_;
    QByteArray joined_;
    std::vector<qsizetype> removedAt_;
};
