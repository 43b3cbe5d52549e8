#include "log/marked_record.h"

#include <algorithm>
#include <array>

#include "log/adif_joined_text.h"
#include "log/adif_tag_scanner.h"

namespace {

// The reader's own byte rules, so that the copy reads a record as it does.
using adif::announcedLength;
using adif::find;
using adif::forEachTagStartingWith;
using adif::isBlank;
using adif::isSpacing;
using adif::tagClose;
using adif::tagNameEnd;
using adif::upper;

constexpr size_t kMarkedCount = 3;
constexpr size_t kDateField = 1;
constexpr size_t kRouteField = 2;
constexpr int kOldDate = 3;  // the date under the name earlier versions gave it

bool sameName(QByteArrayView name, QByteArrayView known) {
    return name.size() == known.size() && std::equal(name.begin(), name.end(), known.begin(),
                                                     [](char a, char b) { return upper(a) == b; });
}

// One tag of a record: "<NAME:..." or "<NAME>" with no "<" before its ":" or ">".
struct Tag {
    qsizetype at = 0;
    qsizetype close = -1;  // its first ">", -1 when none
    qsizetype next = 0;    // the next "<" after it, or the end of the text
    int marked = -1;       // which of the three marked fields, kOldDate, or -1
    bool call = false;
    bool lacksEnd() const { return close < 0 || close > next; }
};

// Where the value of a tag that has its ">" ends, as the reader reads it.
qsizetype valueEnd(QByteArrayView text, const Tag& tag) {
    return adif::valueEnd(text, tag.close + 1,
                          announcedLength(text.sliced(tag.at, tag.close - tag.at)));
}

// Which of the three marked fields a tag's name is, kOldDate, or -1.
int markedFieldOf(QByteArrayView name, const MarkedFields& fields) {
    // Every marked name starts with QSL: most names are ruled out by their first letter.
    if (name.isEmpty() || upper(name[0]) != 'Q') {
        return -1;
    }
    for (size_t i = 0; i < kMarkedCount; ++i) {
        if (sameName(name, fields.names[i])) {
            return static_cast<int>(i);
        }
    }
    return sameName(name, fields.oldDateName) ? kOldDate : -1;
}

// The record's tags up to its <EOR>; `eorAt` is where that starts (the end of
// the text when it has none). With `onlyMarked`, the marked fields' tags only,
// and `wellFormed` false (the list then unfinished) at the first other tag
// that lacks its ">".
// (One list for each thread, reused from record to record.)
const std::vector<Tag>& tagsOf(QByteArrayView text, qsizetype* eorAt, const MarkedFields& fields,
                               bool onlyMarked, bool* wellFormed) {
    thread_local std::vector<Tag> tags;
    tags.clear();
    *eorAt = text.size();
    *wellFormed = true;
    adif::AdifTagScanner scanner(text);
    for (adif::AdifTag found; scanner.next(&found);) {
        if (found.bare() && sameName(found.name, "EOR")) {
            *eorAt = found.at;
            break;
        }
        Tag tag;
        tag.at = found.at;
        tag.close = found.close;
        tag.next = found.next;
        tag.call = sameName(found.name, "CALL");
        tag.marked = markedFieldOf(found.name, fields);
        if (tag.marked < 0 && tag.lacksEnd()) {
            *wellFormed = false;
            if (onlyMarked) {
                return tags;
            }
        }
        if (!onlyMarked || tag.marked >= 0) {
            tags.push_back(tag);
        }
    }
    return tags;
}

// The tag at `at` (its name starting with Q) added to `tags` when it is one
// of the marked fields.
void addIfMarked(QByteArrayView text, qsizetype at, const MarkedFields& fields,
                 std::vector<Tag>& tags) {
    const qsizetype nameEnd = tagNameEnd(text, at);
    if (nameEnd < 0) {
        return;
    }
    Tag tag;
    tag.marked = markedFieldOf(text.sliced(at + 1, nameEnd - at - 1), fields);
    if (tag.marked < 0) {
        return;
    }
    tag.at = at;
    tag.close = tagClose(text, nameEnd);
    const qsizetype next = find(text, '<', at + 1);
    tag.next = next < 0 ? text.size() : next;
    tags.push_back(tag);
}

// The marked fields' tags of a record that the reader read as plain (every
// "<" in it opens a whole tag, its <EOR> last): every marked name starts with
// Q, so only the tags whose name does are looked at. Null when the record
// holds a line break or does not end with its <EOR>: its tags are then read
// one by one. (One list for each thread, reused from record to record.)
const std::vector<Tag>* plainTagsOf(QByteArrayView text, qsizetype* eorAt,
                                    const MarkedFields& fields) {
    const qsizetype size = text.size();
    if (size < 5 || !sameName(text.sliced(size - 4, 3), "EOR") || text[size - 5] != '<' ||
        text[size - 1] != '>') {
        return nullptr;
    }
    thread_local std::vector<Tag> tags;
    tags.clear();
    if (!forEachTagStartingWith<'Q'>(text,
                                     [&](qsizetype at) { addIfMarked(text, at, fields, tags); })) {
        return nullptr;
    }
    *eorAt = size - 5;
    return &tags;
}

QByteArray fieldTextOf(QByteArrayView name, QByteArrayView value) {
    return '<' + name.toByteArray() + ':' + QByteArray::number(value.size()) + '>' +
           value.toByteArray();
}

// The texts a run writes, made once for its sending method and date: each
// marked field's, and for each set of fields a record lacks (bit i: field i)
// and each kind of record end, the text that adds them.
struct RunTexts {
    std::array<QByteArray, kMarkedCount> fields;
    std::array<std::array<QByteArray, 1 << kMarkedCount>, 2> missing;
};

const RunTexts& runTexts(QByteArrayView via, QByteArrayView date, const MarkedFields& fields) {
    thread_local RunTexts texts;
    thread_local const MarkedFields* madeFor = nullptr;
    thread_local QByteArray madeVia;
    thread_local QByteArray madeDate;
    if (madeFor == &fields && QByteArrayView(madeVia) == via && QByteArrayView(madeDate) == date) {
        return texts;
    }
    madeFor = &fields;
    madeVia = via.toByteArray();
    madeDate = date.toByteArray();
    for (size_t i = 0; i < kMarkedCount; ++i) {
        const QByteArrayView value = i == 0 ? QByteArrayView("Y") : i == 1 ? date : via;
        texts.fields[i] = fieldTextOf(fields.names[i], value);
    }
    for (size_t ended = 0; ended < 2; ++ended) {
        for (size_t set = 0; set < texts.missing[ended].size(); ++set) {
            QByteArray& added = texts.missing[ended][set];
            added.clear();
            for (size_t i = 0; i < kMarkedCount; ++i) {
                if ((set & (1u << i)) != 0) {
                    added += ended != 0 ? texts.fields[i] + ' ' : ' ' + texts.fields[i];
                }
            }
        }
    }
    return texts;
}

// The value a well-formed tag reads, without the blanks around it; empty for
// a tag without its ">".
QByteArrayView valueOf(QByteArrayView text, const Tag& tag) {
    if (tag.lacksEnd()) {
        return {};
    }
    const qsizetype begin = tag.close + 1;
    return text.sliced(begin, valueEnd(text, tag) - begin).trimmed();
}

const Tag* firstOf(const std::vector<Tag>& tags, int marked) {
    const auto found = std::find_if(tags.begin(), tags.end(),
                                    [marked](const Tag& tag) { return tag.marked == marked; });
    return found == tags.end() ? nullptr : &*found;
}

bool isLetter(QByteArrayView value, char letter) {
    return value.size() == 1 && upper(value[0]) == letter;
}

// What one record's marking writes: each field's text (empty: none written),
// and which of the record's own fields stay as they are.
// (The texts point to the run's own, or to `kept` ones made for this record.)
struct Marks {
    std::array<const QByteArray*, kMarkedCount> texts{};
    std::array<bool, kMarkedCount> kept{};
    std::array<QByteArray, kMarkedCount> keptTexts;
    const RunTexts* run = nullptr;
};

// A QSO already received on paper (its first status Y or V, its first route
// absent or other than E) keeps its date and route; one confirmed only
// electronically takes the run's date and route with its paper card.
void markOf(Marks& marks, QByteArrayView text, const std::vector<Tag>& tags, QByteArrayView via,
            QByteArrayView date, const MarkedFields& fields) {
    const RunTexts& run = runTexts(via, date, fields);
    for (size_t i = 0; i < kMarkedCount; ++i) {
        marks.texts[i] = &run.fields[i];
        marks.kept[i] = false;
    }
    marks.run = &run;
    const Tag* status = firstOf(tags, 0);
    const Tag* route = firstOf(tags, kRouteField);
    if (!fields.keepReceiptOnPaper || status == nullptr ||
        !(isLetter(valueOf(text, *status), 'Y') || isLetter(valueOf(text, *status), 'V')) ||
        (route != nullptr && isLetter(valueOf(text, *route), 'E'))) {
        return;
    }
    marks.kept[kRouteField] = true;
    const QByteArrayView keptRoute = route == nullptr ? QByteArrayView() : valueOf(text, *route);
    marks.keptTexts[kRouteField] =
        keptRoute.isEmpty() ? QByteArray() : fieldTextOf(fields.names[kRouteField], keptRoute);
    marks.texts[kRouteField] = &marks.keptTexts[kRouteField];
    const Tag* dated = firstOf(tags, kDateField);
    marks.kept[kDateField] = dated != nullptr;
    if (dated == nullptr) {
        dated = firstOf(tags, kOldDate);
    }
    if (dated != nullptr && !valueOf(text, *dated).isEmpty()) {
        marks.keptTexts[kDateField] = fieldTextOf(fields.names[kDateField], valueOf(text, *dated));
        marks.texts[kDateField] = &marks.keptTexts[kDateField];
    }
}

// The text that adds the fields a record lacks: the run's own where the
// record keeps none of its fields (else made in `made`).
QByteArrayView missingText(const Marks& marks, const std::array<bool, kMarkedCount>& present,
                           bool ended, QByteArray& made) {
    unsigned set = 0;
    bool runsOwn = true;
    for (size_t field = 0; field < kMarkedCount; ++field) {
        if (!present[field] && !marks.texts[field]->isEmpty()) {
            set |= 1u << field;
        }
        runsOwn = runsOwn && marks.texts[field] == &marks.run->fields[field];
    }
    if (runsOwn) {
        return marks.run->missing[ended ? 1 : 0][set];
    }
    made.clear();
    for (size_t field = 0; field < kMarkedCount; ++field) {
        if ((set & (1u << field)) != 0) {
            made += ended ? *marks.texts[field] + ' ' : ' ' + *marks.texts[field];
        }
    }
    return made;
}

// Only blanks between `from` and `to`.
bool blankBetween(QByteArrayView text, qsizetype from, qsizetype to) {
    return std::all_of(text.begin() + from, text.begin() + to, isBlank);
}

// Where the text a tag reads ends: its value's end, or for a tag without its
// ">", the end of the value it reads after the first ">" that follows it.
qsizetype reachOf(QByteArrayView text, const Tag& tag) {
    if (!tag.lacksEnd()) {
        return tag.next;
    }
    if (tag.close < 0) {
        return text.size() + 1;  // the first ">" put after it, wherever that is
    }
    const qsizetype after = find(text, '<', tag.close + 1);
    return after < 0 ? text.size() : after;
}

// How far a marked field reaches when it is taken out: its value, and text
// after it that would otherwise join the value before it.
qsizetype removedUpTo(QByteArrayView text, const Tag& tag) {
    qsizetype end = tag.lacksEnd() ? tag.next : valueEnd(text, tag);
    if (!blankBetween(text, end, tag.next)) {
        end = tag.next;
    }
    return end;
}

// A record where a tag lacks its ">" (its value is read from further on):
// nothing is moved. The three fields go first of their names at the first
// place no tag reads past (never the very start of a record that starts with
// its CALL: it may have been cut there, the text before being another QSO's);
// marked fields before that place are taken out, or, where another tag reads
// through them, renamed as this program's own old fields.
void editsAroundOpenTags(const AdifJoinedText& joined, const std::vector<Tag>& tags,
                         qsizetype eorAt, const Marks& marks,
                         std::vector<MarkedRecord::Edit>& edits, QByteArray& inserted) {
    const QByteArrayView text = joined.text();
    const bool startsWithCall = !tags.empty() && tags.front().at == 0 && tags.front().call;
    qsizetype at = eorAt;
    // Else before the <EOR> or at the end, after a ">" that closes the open
    // tags there: each reads an empty value, as it did.
    bool closeFirst = true;
    qsizetype reach = 0;
    for (size_t i = 0; i <= tags.size(); ++i) {
        const qsizetype candidate = i < tags.size() ? tags[i].at : eorAt;
        if (reach <= candidate && (candidate > 0 || !startsWithCall)) {
            at = candidate;
            closeFirst = false;
            break;
        }
        reach = i < tags.size() ? std::max(reach, reachOf(text, tags[i])) : reach;
    }
    for (const Tag& tag : tags) {
        if (tag.at >= at || tag.marked < 0) {
            continue;
        }
        const bool readThrough = std::any_of(tags.begin(), tags.end(), [&](const Tag& other) {
            return other.lacksEnd() && other.at < tag.at && tag.at < reachOf(text, other);
        });
        if (readThrough) {
            const qsizetype name = joined.rawIndex(tag.at) + 1;
            edits.push_back({name, name, "APP_QUENOR_OLD_"});
        } else {
            edits.push_back({joined.rawIndex(tag.at), joined.rawEnd(removedUpTo(text, tag)), {}});
        }
    }
    // The ">" that closes the open tags must not make a tag of a "<" left
    // unfinished at the end of the record: the fields go before that "<".
    const qsizetype unfinished = text.lastIndexOf('<');
    if (closeFirst && at == text.size() && unfinished >= 0 &&
        (tags.empty() || tags.back().at < unfinished)) {
        at = unfinished;
    }
    inserted = closeFirst ? ">" : "";
    for (const QByteArray* field : marks.texts) {
        if (!field->isEmpty()) {
            inserted += at < text.size() ? *field + ' ' : ' ' + *field;
        }
    }
    const qsizetype rawAt = at < text.size() ? joined.rawIndex(at) : joined.rawEnd(at);
    edits.push_back({rawAt, rawAt, inserted});
}

// A record without <EOR> still ends with a value, not with the spacing that
// stood before the fields taken out at its end: where the removal that reaches
// the end starts, joined with the removals just before it.
qsizetype endingRemoval(QByteArrayView record, qsizetype begin,
                        std::vector<MarkedRecord::Edit>& edits) {
    for (;;) {
        while (!edits.empty() && edits.back().text.isEmpty() && edits.back().end == begin) {
            begin = edits.back().begin;
            edits.pop_back();
        }
        const qsizetype kept = edits.empty() ? 0 : edits.back().end;
        if (begin <= kept || !isSpacing(record[begin - 1])) {
            return begin;
        }
        --begin;
    }
}

}  // namespace

const MarkedFields& MarkedFields::sent() {
    static const MarkedFields fields{{"QSL_SENT", "QSLSDATE", "QSL_SENT_VIA"}, "QSL_SDATE", false};
    return fields;
}

const MarkedFields& MarkedFields::received() {
    static const MarkedFields fields{{"QSL_RCVD", "QSLRDATE", "QSL_RCVD_VIA"}, "QSL_RDATE", true};
    return fields;
}

const std::vector<MarkedRecord::Edit>& MarkedRecord::edits(QByteArrayView record,
                                                           QByteArrayView via, QByteArrayView date,
                                                           const MarkedFields& fields,
                                                           bool readAsPlain) {
    if (via == "M") {
        via = "B";
    }
    qsizetype eorAt = 0;
    const std::vector<Tag>* tags = readAsPlain ? plainTagsOf(record, &eorAt, fields) : nullptr;
    const AdifJoinedText joined(record, tags != nullptr);
    const QByteArrayView text = joined.text();
    thread_local Marks marks;
    thread_local std::vector<Edit> edits;
    thread_local QByteArray made;
    edits.clear();
    // Most records are well formed: the marked fields' tags are all they need.
    bool wellFormed = true;
    if (tags == nullptr) {
        tags = &tagsOf(text, &eorAt, fields, true, &wellFormed);
    }
    if (!wellFormed) {
        tags = &tagsOf(text, &eorAt, fields, false, &wellFormed);
        markOf(marks, text, *tags, via, date, fields);
        editsAroundOpenTags(joined, *tags, eorAt, marks, edits, made);
        return edits;
    }
    markOf(marks, text, *tags, via, date, fields);
    const bool ended = eorAt < text.size();
    std::array<bool, kMarkedCount> present = marks.kept;
    for (const Tag& tag : *tags) {
        const size_t field = tag.marked == kOldDate ? kDateField : static_cast<size_t>(tag.marked);
        if (marks.kept[field] && tag.marked != kOldDate) {
            continue;
        }
        // Blanks after the value stay where they are.
        qsizetype end = tag.lacksEnd() ? tag.next : valueEnd(text, tag);
        const qsizetype valueBegin = tag.lacksEnd() ? tag.at + 1 : tag.close + 1;
        while (end > valueBegin && isBlank(text[end - 1])) {
            --end;
        }
        QByteArrayView replacement;
        qsizetype begin = joined.rawIndex(tag.at);
        if (!present[field]) {
            present[field] = true;
            replacement = *marks.texts[field];
        } else {
            end = removedUpTo(text, tag);
            if (!ended && end == text.size()) {
                begin = endingRemoval(record, begin, edits);
            }
        }
        edits.push_back({begin, joined.rawEnd(end), replacement});
    }
    // Before the <EOR> each field is followed by a blank; a record without one
    // ends with its last value, so that the blanks after it stay outside it.
    const QByteArrayView missing = missingText(marks, present, ended, made);
    if (!missing.isEmpty()) {
        const qsizetype rawAt = ended ? joined.rawIndex(eorAt) : record.size();
        edits.push_back({rawAt, rawAt, missing});
    }
    return edits;
}

QByteArray MarkedRecord::marked(QByteArrayView record, QByteArrayView via, QByteArrayView date,
                                const MarkedFields& fields, bool readAsPlain) {
    QByteArray result;
    result.reserve(record.size() + 64);
    qsizetype copied = 0;
    for (const Edit& edit : edits(record, via, date, fields, readAsPlain)) {
        result.append(record.sliced(copied, edit.begin - copied));
        result.append(edit.text);
        copied = edit.end;
    }
    result.append(record.sliced(copied));
    return result;
}

QByteArray MarkedRecord::markedUtf16(QByteArrayView record, bool littleEndian, QByteArrayView via,
                                     QByteArrayView date, const MarkedFields& fields) {
    const QByteArray utf8 = adif::utf16AsUtf8(record, littleEndian);
    // UTF-16 code units before a byte of the UTF-8 text, counted as the reader counts them.
    qsizetype counted = 0;
    qsizetype units = 0;
    const auto unitsUpTo = [&](qsizetype offset) {
        for (; counted < offset; ++counted) {
            const auto byte = static_cast<unsigned char>(utf8[counted]);
            units += (byte & 0xC0) != 0x80 ? 1 : 0;
            units += byte >= 0xF0 ? 1 : 0;
        }
        return units;
    };
    const auto appendUtf16 = [&](QByteArray& out, QByteArrayView ascii) {
        for (const char c : ascii) {
            out.append(littleEndian ? c : '\0');
            out.append(littleEndian ? '\0' : c);
        }
    };
    QByteArray result;
    qsizetype copiedUnits = 0;
    for (const Edit& edit : edits(utf8, via, date, fields)) {
        const qsizetype begin = unitsUpTo(edit.begin);
        result.append(record.sliced(2 * copiedUnits, 2 * (begin - copiedUnits)));
        appendUtf16(result, edit.text);
        copiedUnits = unitsUpTo(edit.end);
    }
    result.append(record.sliced(2 * copiedUnits));
    return result;
}
