#include "labels/sheet_profile.h"

#include <QCoreApplication>

#include "labels/label_options.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SheetProfile)
};

}  // namespace

namespace {

using L = LabelLine;
using Head = LabelLayout::HeadRule;

const std::vector<ProfileLine> kQsoBody42{
    {L::Address, 15, true},  {L::Blank, 8, false},    {L::Date, 11, false},  {L::Band, 11, false},
    {L::Station, 11, false}, {L::Comment, 11, false}, {L::Thanks, 11, true},
};

const std::vector<ProfileLine> kQsoBodyNoGap{
    {L::Address, 15, true},  {L::Date, 11, false},    {L::Band, 11, false},
    {L::Station, 11, false}, {L::Comment, 11, false}, {L::Thanks, 11, true},
};

const std::vector<ProfileLine> kQsoBody44{
    {L::Address, 15, true}, {L::Blank, 9, false},    {L::Date, 11, false},  {L::Band, 11, false},
    {L::Blank, 10, false},  {L::Station, 11, false}, {L::Thanks, 11, true},
};

const std::vector<ProfileLine> kActivationBodyCanton{
    {L::From, 15, true},    {L::Activation, 10, true}, {L::Place, 10, false},
    {L::Canton, 10, false}, {L::Contact, 10, false},   {L::Station, 10, false},
    {L::Thanks, 10, false},
};

const std::vector<ProfileLine> kActivationBodyDdcf{
    {L::From, 15, true},     {L::Activation, 10, true}, {L::DdcfPlace, 10, false},
    {L::Blank, 2, false},    {L::Contact, 10, false},   {L::Blank, 2, false},
    {L::Station, 10, false}, {L::Thanks, 10, false},
};

// Head lines by offset "-1", "-0,5", "0", "+0,5", "+1".
const std::vector<std::vector<float>> kQsoHeads{
    {10, 8}, {10, 5, 8}, {10, 10, 8}, {10, 10, 5, 8}, {10, 10, 10, 8}};
const std::vector<std::vector<float>> kActivationHeads{
    {10, 10}, {10, 10, 5}, {10, 10, 10}, {10, 10, 10, 5}, {10, 10, 10, 10}};

std::vector<std::vector<float>> withLastLine(std::vector<std::vector<float>> heads, float size) {
    for (std::vector<float>& head : heads) {
        head.push_back(size);
    }
    return heads;
}

LabelLayout byOffset(LineFamily family, std::vector<ProfileLine> body, float gap,
                     std::vector<std::vector<float>> heads) {
    return {family, std::move(body), gap, Head::ByOffset, std::move(heads), {}};
}

LabelLayout noHead(LineFamily family, std::vector<ProfileLine> body, float gap) {
    return {family, std::move(body), gap, Head::None, {}, {}};
}

LabelLayout fixedHead(LineFamily family, std::vector<ProfileLine> body, float gap,
                      std::vector<float> head) {
    return {family, std::move(body), gap, Head::Fixed, {}, std::move(head)};
}

const QString kPlainPrompt = Text::tr("Page suivante ?");
const QString kIndentedPrompt = QString(15, QLatin1Char(' ')) + kPlainPrompt;

using Spacing = SheetProfile::AddressSpacing;

const SheetProfile kFormats12{
    kPlainPrompt, Spacing::Even, byOffset(LineFamily::Qso42, kQsoBody42, 10, kQsoHeads),
    byOffset(LineFamily::ActivationCanton, kActivationBodyCanton, 13, kActivationHeads)};

const SheetProfile kFormat3{kIndentedPrompt, Spacing::BySide,
                            noHead(LineFamily::Qso42, kQsoBodyNoGap, 26),
                            noHead(LineFamily::ActivationDdcf, kActivationBodyDdcf, 27)};

const SheetProfile kFormat4{
    kPlainPrompt, Spacing::BySide,
    byOffset(LineFamily::Qso42, kQsoBody42, 21, withLastLine(kQsoHeads, 11)),
    byOffset(LineFamily::ActivationCanton, kActivationBodyCanton, 24,
             withLastLine(kActivationHeads, 11))};

const SheetProfile kFormat6{kIndentedPrompt, Spacing::Even,
                            fixedHead(LineFamily::Qso44, kQsoBody44, 13, {10, 10}),
                            noHead(LineFamily::ActivationDdcf, kActivationBodyDdcf, 27)};

}  // namespace

std::vector<float> LabelLayout::headLines(const QString& offset) const {
    switch (headRule) {
        case HeadRule::None:
            return {};
        case HeadRule::Fixed:
            return fixedHead;
        case HeadRule::ByOffset: {
            const qsizetype position = LabelOptions::offsets().indexOf(offset);
            return position < 0 ? std::vector<float>{}
                                : headsByOffset[static_cast<size_t>(position)];
        }
    }
    return {};
}

const LabelLayout& SheetProfile::layout(int labelType) const {
    return labelType == LabelOptions::kActivationLabel ? activation : qso;
}

const SheetProfile* SheetProfile::tuned(int number) {
    switch (number) {
        case 1:
        case 2:
            return &kFormats12;
        case 3:
            return &kFormat3;
        case 4:
            return &kFormat4;
        case 6:
            return &kFormat6;
        default:
            return nullptr;
    }
}
