#include "labels/grouped_label.h"

#include <cmath>

namespace {

constexpr float kHeadingSmallest = 8;
constexpr float kQsoSmallest = 10;

bool isQsoFamily(LineFamily family) {
    return family == LineFamily::Qso42 || family == LineFamily::Qso44;
}

// The lines that carry one QSO's values on an ungrouped label.
bool isQsoValues(LabelLine line) {
    return line == LabelLine::Date || line == LabelLine::Band || line == LabelLine::Contact;
}

bool isKept(LabelLine line) {
    return line == LabelLine::Address || line == LabelLine::From || line == LabelLine::Activation ||
           line == LabelLine::Thanks;
}

}  // namespace

GroupedLabel::GroupedLabel(const LabelComposer& composer, const LabelLayout& layout)
    : composer_(composer), layout_(layout) {
    // The line whose width the others follow: the band line, or the activation's contact line.
    const LabelLine reference = isQsoFamily(layout.family) ? LabelLine::Band : LabelLine::Contact;
    for (const ProfileLine& entry : layout.body) {
        if (entry.line == reference) {
            referenceSize_ = entry.size;
        }
    }
    // A QSO's date and time fill their columns whatever their values.
    LabelFields anyQso;
    anyQso.date = QString(8, QLatin1Char(' '));
    anyQso.time = QString(5, QLatin1Char(' '));
    referenceWidth_ = static_cast<int>(
        composer.side(reference, layout.family, anyQso, LabelComposer::Side::Left).size());
    bool headingPlaced = false;
    for (const ProfileLine& entry : layout.body) {
        Role role = Role::Empty;
        if (isKept(entry.line)) {
            role = Role::Kept;
        } else if (entry.line == LabelLine::Blank && entry.size >= kHeadingSmallest &&
                   !headingPlaced && capacity_ == 0) {
            role = Role::Heading;
            headingPlaced = true;
        } else if (entry.size >= kQsoSmallest) {
            role = Role::Qso;
        }
        roles_.push_back(role);
        qsoOrdinal_.push_back(role == Role::Qso ? capacity_++ : -1);
        if (!isKept(entry.line) && entry.line != LabelLine::Blank && !isQsoValues(entry.line)) {
            extras_.push_back(entry.line);
        }
    }
}

int GroupedLabel::leftWidth(float size) const {
    return static_cast<int>(std::lround(referenceWidth_ * referenceSize_ / size));
}

int GroupedLabel::blanksBefore(int width, int length) {
    // A line of fixed-pitch text moves by whole characters: half a blank left over goes after it.
    return std::max(0, (width - length) / 2);
}

QString GroupedLabel::centred(const QString& text, float size, LabelComposer::Side which) const {
    const int width = leftWidth(size);
    const int length = static_cast<int>(text.size());
    const int before = blanksBefore(width, length);
    QString line = LabelComposer::blanks(before) + text;
    if (which == LabelComposer::Side::Left) {
        line += LabelComposer::blanks(width - before - length);
    }
    return line;
}

QString GroupedLabel::heading(float size, LabelComposer::Side which) const {
    // Each word above its column of the QSO lines, at the QSO lines' size.
    // Where the centred QSO lines start at the reference size: whole blanks, as
    // centred() puts them, so that each word stands over its column.
    const double start = blanksBefore(referenceWidth_, LabelComposer::kGroupedLineLength);
    const double scale = referenceSize_ / size;
    QString line;
    for (const auto& [word, column] : composer_.groupHeading()) {
        const int at = static_cast<int>(std::lround((start + column) * scale));
        line += LabelComposer::blanks(at - static_cast<int>(line.size())) + word;
    }
    if (which == LabelComposer::Side::Left) {
        line += LabelComposer::blanks(leftWidth(size) - static_cast<int>(line.size()));
    }
    return line;
}

QString GroupedLabel::side(size_t line, const QsoRecords& qsos, LabelComposer::Side which) const {
    const ProfileLine& entry = layout_.body[line];
    const LabelFields first = LabelFields::fromRecord(qsos.empty() ? nullptr : qsos.front());
    switch (roles_[line]) {
        case Role::Kept:
            return composer_.side(entry.line, layout_.family, first, which);
        case Role::Heading:
            return heading(entry.size, which);
        case Role::Qso: {
            const auto ordinal = static_cast<size_t>(qsoOrdinal_[line]);
            if (ordinal < qsos.size()) {
                return centred(
                    LabelComposer::groupedQsoLine(LabelFields::fromRecord(qsos[ordinal])),
                    entry.size, which);
            }
            const size_t extra = ordinal - qsos.size();
            if (extra < extras_.size()) {
                return centred(
                    composer_
                        .side(extras_[extra], layout_.family, first, LabelComposer::Side::Right)
                        .trimmed(),
                    entry.size, which);
            }
            break;
        }
        case Role::Empty:
            break;
    }
    return which == LabelComposer::Side::Left ? LabelComposer::blanks(leftWidth(entry.size))
                                              : QString();
}
