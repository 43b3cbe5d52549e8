#include "labels/label_option_table.h"

#include <QCoreApplication>

#include "labels/label_options_store.h"
#include "labels/sheet_table.h"

namespace {

// "first".."last" selects that index; any other text selects the window's initial choice.
void restoreIndex(int& option, const QString& stored, int first, int last, int initial) {
    option = initial;
    for (int index = first; index <= last; ++index) {
        if (stored == QString::number(index)) {
            option = index;
        }
    }
}

template <QString LabelOptions::*member>
LabelOptionField textOption(const StoredSetting& setting, const char* commandLine,
                            const char* control) {
    return {&setting,
            commandLine,
            control,
            [](const LabelOptions& options) { return options.*member; },
            [](LabelOptions& options, const QString& stored) { options.*member = stored; },
            [](LabelOptions& options, const QString& typed) { options.*member = typed; },
            {},
            nullptr};
}

QString storedOffset(const LabelOptions& options) {
    return QString::number(LabelOptionsStore::positionOfOffset(options.offset));
}

void restoreOffset(LabelOptions& options, const QString& stored) {
    const int position = LabelOptionsStore::offsetPosition(stored);
    options.offset = position < 0 ? QString() : LabelOptions::offsets().at(position);
}

// The options typed as text.
std::vector<LabelOptionField> textOptions() {
    return {
        textOption<&LabelOptions::transceiver>(StoredSettings::kTransceiver, "tx", "Rx_Tx"),
        textOption<&LabelOptions::antenna>(StoredSettings::kAntenna, "antenna", "Antenne"),
        textOption<&LabelOptions::activationNumber>(StoredSettings::kActivationNumber,
                                                    "activation-number", "Num_Activite"),
        textOption<&LabelOptions::activationName>(StoredSettings::kActivationName,
                                                  "activation-name", "Nom_activite"),
        textOption<&LabelOptions::canton>(StoredSettings::kCanton, "canton", "Num_Canton"),
        textOption<&LabelOptions::postcode>(StoredSettings::kPostcode, "postcode", "Num_CP"),
        textOption<&LabelOptions::municipality>(StoredSettings::kMunicipality, "municipality",
                                                "Nom_Commune"),
        textOption<&LabelOptions::comment>(StoredSettings::kComment, "comment", "Texte_QSL"),
    };
}

// The options chosen among words.
std::vector<LabelOptionField> choiceOptions() {
    return {
        {&StoredSettings::kLanguage,
         "lang",
         "Langue",
         [](const LabelOptions& options) {
             return options.french ? QStringLiteral("True") : QStringLiteral("False");
         },
         [](LabelOptions& options, const QString& stored) {
             // A text that is not a boolean keeps Francais.
             options.french = LabelOptionsStore::parseBoolean(stored).value_or(true);
         },
         nullptr,
         {{"fr", "True"}, {"en", "False"}},
         QT_TRANSLATE_NOOP("LabelOptionTable", "--lang : fr ou en")},
        {&StoredSettings::kLabelType,
         "type",
         "Type_Etiquette",
         [](const LabelOptions& options) { return QString::number(options.type); },
         [](LabelOptions& options, const QString& stored) {
             restoreIndex(options.type, stored, LabelOptions::kQsoLabel,
                          LabelOptions::kActivationLabel, LabelOptions::kQsoLabel);
         },
         nullptr,
         {{"qso", "2"}, {"activation", "3"}},
         QT_TRANSLATE_NOOP("LabelOptionTable", "--type : qso ou activation")},
        {&StoredSettings::kLabelFormat,
         "format",
         "F_Etiquette",
         [](const LabelOptions& options) {
             return QString::number(options.onCards ? LabelOptions::kCardFormat : options.format);
         },
         [](LabelOptions& options, const QString& stored) {
             // "5" prints on cards; the sheet stays the window's first choice.
             options.onCards = stored == QString::number(LabelOptions::kCardFormat);
             const int number = stored.toInt();
             const bool tuned =
                 QString::number(number) == stored && SheetTable::tuned(number) != nullptr;
             options.format = tuned ? number : 1;
         },
         nullptr,
         {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"6", "6"}},
         QT_TRANSLATE_NOOP(
             "LabelOptionTable",
             "--format : 1, 2, 3, 4 ou 6 (le format 5 imprime sur les QSL : commande cards)")},
        {&StoredSettings::kQslFormat,
         "qsl",
         "QSL",
         [](const LabelOptions& options) { return QString::number(options.qsl); },
         [](LabelOptions& options, const QString& stored) {
             restoreIndex(options.qsl, stored, 1, LabelOptions::kQslByCard, 1);
         },
         nullptr,
         {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"auto", "4"}},
         QT_TRANSLATE_NOOP("LabelOptionTable", "--qsl : 1, 2, 3 ou auto")},
    };
}

// The offset, typed or chosen, then the options written once used.
std::vector<LabelOptionField> laterOptions() {
    return {
        {&StoredSettings::kVerticalOffset,
         "offset",
         "Ct_V",
         storedOffset,
         restoreOffset,
         [](LabelOptions& options, const QString& typed) { options.offset = typed; },
         {},
         nullptr},
        {&StoredSettings::kGroup,
         "group",
         "Regrouper",
         [](const LabelOptions& options) {
             return options.group ? QStringLiteral("True") : QStringLiteral("False");
         },
         [](LabelOptions& options, const QString& stored) {
             options.group = LabelOptionsStore::parseBoolean(stored).value_or(false);
         },
         nullptr,
         {},
         nullptr,
         true,
         true},
    };
}

std::vector<LabelOptionField> buildTable() {
    std::vector<LabelOptionField> table = textOptions();
    for (std::vector<LabelOptionField> part : {choiceOptions(), laterOptions()}) {
        for (LabelOptionField& field : part) {
            table.push_back(std::move(field));
        }
    }
    return table;
}

}  // namespace

bool LabelOptionField::applyCommandLine(LabelOptions& options, const QString& value) const {
    if (flag) {
        restore(options, QStringLiteral("True"));
        return true;
    }
    if (setText != nullptr) {
        setText(options, value);
        return true;
    }
    for (const auto& [word, storedText] : words) {
        if (value == QLatin1String(word)) {
            restore(options, QString::fromUtf8(storedText));
            return true;
        }
    }
    return false;
}

const std::vector<LabelOptionField>& labelOptionTable() {
    static const std::vector<LabelOptionField> table = buildTable();
    return table;
}
