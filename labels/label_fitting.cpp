#include "labels/label_fitting.h"

#include <algorithm>
#include <cmath>

#include "labels/label_composer.h"
#include "printing/print_geometry.h"

namespace {

constexpr double kMillimetresPerPoint =
    PrintGeometry::kMillimetresPerInch / PrintGeometry::kPointsPerInch;
constexpr double kCharacterWidthEm = 0.6;

float downToHalfPoint(double size) {
    return static_cast<float>(std::floor(size * 2.0) / 2.0);
}

QStringList words(const QString& text) {
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString labelled(const QString& word, const QString& value) {
    return value.isEmpty() ? word : word + QLatin1Char(' ') + value;
}

}  // namespace

LabelFitting::LabelFitting(const LabelOptions& options, QSizeF label)
    : options_(options),
      inside_(label.width() - 2 * kClearMillimetres, label.height() - 2 * kClearMillimetres) {}

LabelFitting LabelFitting::intoArea(const LabelOptions& options, QSizeF area) {
    return LabelFitting(options, area + QSizeF(2 * kClearMillimetres, 2 * kClearMillimetres));
}

double LabelFitting::lineAdvanceMillimetres(float size) {
    return size * PrintGeometry::kLineAdvanceFactor * kMillimetresPerPoint;
}

double LabelFitting::widthMillimetres(const QString& text, float size) {
    return static_cast<double>(text.size()) * kCharacterWidthEm * size * kMillimetresPerPoint;
}

QString LabelFitting::thanksPhrase(bool cardReceived) const {
    return LabelComposer(options_, SheetProfile::AddressSpacing::Even).thanksPhrase(cardReceived);
}

std::vector<LabelFitting::Pieces> LabelFitting::qsoLines(const LabelFields& fields) const {
    const QString two = QStringLiteral("  ");
    const bool french = options_.french;
    std::vector<Pieces> lines;
    QStringList address{(french ? QStringLiteral("Pour ") : QStringLiteral("To ")) +
                        fields.callsign};
    if (!fields.via.isEmpty()) {
        address.append(fields.viaText());
    }
    lines.push_back({address, two, true, 0});
    lines.push_back({{QStringLiteral("Date ") + fields.date.trimmed(),
                      QStringLiteral("Time ") + fields.time.trimmed() + QStringLiteral(" UTC")},
                     two,
                     false,
                     0});
    lines.push_back({{(french ? QStringLiteral("Bande ") : QStringLiteral("Band ")) + fields.band,
                      QStringLiteral("Mode ") + fields.mode, QStringLiteral("RST ") + fields.rst},
                     two,
                     false,
                     0});
    addEquipment(lines, QStringLiteral("TX"), QStringLiteral("Ant"));
    if (!options_.comment.trimmed().isEmpty()) {
        lines.push_back({words(options_.comment), QStringLiteral(" "), false, 1});
    }
    lines.push_back({words(thanksPhrase(fields.cardReceived)), QStringLiteral(" "), true, 0});
    return lines;
}

// The transceiver and antenna line, when either is given; the second line to
// leave out when the label is too small.
void LabelFitting::addEquipment(std::vector<Pieces>& lines, const QString& transceiverLabel,
                                const QString& antennaLabel) const {
    const QString transceiver = options_.transceiver.trimmed();
    const QString antenna = options_.antenna.trimmed();
    if (!transceiver.isEmpty() || !antenna.isEmpty()) {
        lines.push_back({{labelled(transceiverLabel, transceiver), labelled(antennaLabel, antenna)},
                         QStringLiteral("  "),
                         false,
                         2});
    }
}

std::vector<LabelFitting::Pieces> LabelFitting::activationLines(const LabelFields& fields) const {
    const QString two = QStringLiteral("  ");
    const bool french = options_.french;
    std::vector<Pieces> lines;
    lines.push_back({{(french ? QStringLiteral("De ") : QStringLiteral("From ")) + options_.station,
                      (french ? QStringLiteral("pour ") : QStringLiteral("to ")) + fields.callsign},
                     two,
                     true,
                     0});
    QStringList activation;
    for (const QString& part :
         {options_.activationNumber.trimmed(), options_.activationName.trimmed()}) {
        if (!part.isEmpty()) {
            activation.append(part);
        }
    }
    if (!activation.isEmpty()) {
        lines.push_back({activation, two, true, 0});
    }
    lines.push_back({{labelled(QStringLiteral("CP"), options_.postcode.trimmed()),
                      labelled(QStringLiteral("QTH"), options_.municipality.trimmed())},
                     two,
                     false,
                     0});
    if (!options_.canton.trimmed().isEmpty()) {
        lines.push_back(
            {{QStringLiteral("Canton N° ") + options_.canton.trimmed()}, two, false, 0});
    }
    lines.push_back(
        {{fields.date.trimmed() + QLatin1Char(' ') + fields.time.trimmed() +
              (french ? QStringLiteral(" TU") : QStringLiteral(" UTC")),
          QStringLiteral("QRG ") + fields.band, fields.mode, QStringLiteral("RST ") + fields.rst},
         two,
         false,
         0});
    addEquipment(lines, QStringLiteral("TX :"), QStringLiteral("Ant :"));
    lines.push_back({words(thanksPhrase(fields.cardReceived)), QStringLiteral(" "), false, 0});
    return lines;
}

float LabelFitting::largestFittingSize(const std::vector<Line>& lines) const {
    double longest = 0;
    for (const Line& line : lines) {
        longest = std::max(longest, widthMillimetres(line.text, 1.0f));
    }
    const double byHeight =
        inside_.height() / (static_cast<double>(lines.size()) * lineAdvanceMillimetres(1.0f));
    const double byWidth = longest > 0 ? inside_.width() / longest : kLargestSize;
    return std::min(kLargestSize, downToHalfPoint(std::min(byHeight, byWidth)));
}

std::vector<LabelFitting::Line> LabelFitting::brokenToWidth(const std::vector<Pieces>& lines,
                                                            float size) const {
    std::vector<Line> result;
    for (const Pieces& line : lines) {
        if (widthMillimetres(line.text(), size) <= inside_.width() || line.pieces.size() < 2) {
            result.push_back({line.text(), line.bold});
            continue;
        }
        // As many pieces as fit on the first line (at least one), the rest on the second.
        qsizetype first = 1;
        while (first + 1 < line.pieces.size() &&
               widthMillimetres(line.pieces.mid(0, first + 1).join(line.joiner), size) <=
                   inside_.width()) {
            ++first;
        }
        result.push_back({line.pieces.mid(0, first).join(line.joiner), line.bold});
        result.push_back({line.pieces.mid(first).join(line.joiner), line.bold});
    }
    return result;
}

std::vector<LabelFitting::Pieces> LabelFitting::groupLines(
    const std::vector<LabelFields>& qsos) const {
    const bool activation = options_.type == LabelOptions::kActivationLabel;
    // The thanks for a card when any of the station's QSOs had one.
    LabelFields first = qsos.front();
    first.cardReceived = std::any_of(qsos.begin(), qsos.end(),
                                     [](const LabelFields& qso) { return qso.cardReceived; });
    std::vector<Pieces> label = activation ? activationLines(first) : qsoLines(first);
    std::vector<Pieces> lines;
    // The address, and the activation's line.
    lines.push_back(label.front());
    if (activation && label.size() > 1 && label[1].bold) {
        lines.push_back(label[1]);
    }
    const LabelComposer composer(options_, SheetProfile::AddressSpacing::Even);
    QString heading;
    for (const auto& [word, column] : composer.groupHeading()) {
        heading += QString(column - heading.size(), QLatin1Char(' ')) + word;
    }
    lines.push_back({{heading}, QString(), false, 3});
    for (const LabelFields& qso : qsos) {
        lines.push_back({{LabelComposer::groupedQsoLine(qso)}, QString(), false, 0});
    }
    // The label's own lines, but those of the first QSO's values.
    const size_t firstOwn = activation ? lines.size() - qsos.size() - 1 : 3;
    for (size_t index = firstOwn; index + 1 < label.size(); ++index) {
        const bool contact = activation && label[index].pieces.size() > 1 &&
                             label[index].pieces[1].startsWith(QStringLiteral("QRG "));
        if (!contact) {
            Pieces own = label[index];
            own.dropOrder = std::max(own.dropOrder, 2);
            lines.push_back(own);
        }
    }
    lines.push_back(label.back());
    return lines;
}

int LabelFitting::groupCapacity() const {
    LabelFields widest;
    widest.rst = QStringLiteral("599");
    if (widthMillimetres(LabelComposer::groupedQsoLine(widest), kSmallestSize) > inside_.width()) {
        return 0;
    }
    const bool activation = options_.type == LabelOptions::kActivationLabel;
    const bool activationLine = activation && !(options_.activationNumber.trimmed().isEmpty() &&
                                                options_.activationName.trimmed().isEmpty());
    const int lines =
        static_cast<int>(std::floor(inside_.height() / lineAdvanceMillimetres(kSmallestSize)));
    return std::max(0, lines - 2 - (activationLine ? 1 : 0));
}

LabelFitting::Fitted LabelFitting::fitGroup(const std::vector<LabelFields>& qsos) const {
    return fitted(groupLines(qsos));
}

LabelFitting::Fitted LabelFitting::fit(const LabelFields& fields) const {
    return fitted(options_.type == LabelOptions::kActivationLabel ? activationLines(fields)
                                                                  : qsoLines(fields));
}

LabelFitting::Fitted LabelFitting::fitted(std::vector<Pieces> pieces) const {
    std::vector<Line> whole;
    for (const Pieces& line : pieces) {
        whole.push_back({line.text(), line.bold});
    }
    const float size = largestFittingSize(whole);
    if (size >= kSmallestSize) {
        return {whole, size, false};
    }
    // At the smallest size: lines too wide are broken in two, and lines that
    // the height cannot hold are left out, comment first.
    bool shortened = false;
    std::vector<Line> lines = brokenToWidth(pieces, kSmallestSize);
    for (int order = 1; order <= 3; ++order) {
        if (static_cast<double>(lines.size()) * lineAdvanceMillimetres(kSmallestSize) <=
            inside_.height()) {
            break;
        }
        const auto dropped = std::remove_if(pieces.begin(), pieces.end(), [order](const Pieces& p) {
            return p.dropOrder == order;
        });
        shortened = shortened || dropped != pieces.end();
        pieces.erase(dropped, pieces.end());
        lines = brokenToWidth(pieces, kSmallestSize);
    }
    return {lines, std::max(kSmallestSize, largestFittingSize(lines)), shortened};
}
