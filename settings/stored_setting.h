#pragma once

#include <QString>

// One value the program keeps in the settings store: the section it lives in,
// its key, and the text read while it was never written. Every key the
// program reads or writes is one of the entries below.
struct StoredSetting {
    enum class Scope {
        Program,  // the "Setup " section
        Station,  // one section per station callsign: "F9XQASetup "
        Printer,  // the "Calibration " section, keyed by the printer's name
        Window,   // the "Setup " section, the key followed by the window's objectName
    };

    Scope scope;
    const char* key;     // for a printer's value: none, the printer names the key
    const char* absent;  // the text read when the key was never written

    // The section and key of the value that belongs to `owner` (a station
    // callsign, a printer; nothing for a program value).
    QString section(const QString& owner) const;
    QString keyOf(const QString& owner) const;
    QString absentText() const { return QString::fromUtf8(absent); }
};

namespace StoredSettings {

using Scope = StoredSetting::Scope;

// The program's own values.
inline constexpr StoredSetting kCallsign{Scope::Program, "Indicatif", "Fxxxx"};
inline constexpr StoredSetting kProgramFolder{Scope::Program, "Chemin Repertoire", ""};
inline constexpr StoredSetting kRevision{Scope::Program, "Revision", ""};
// The windows' language (fr, en, de, es, it) from the next start; empty: the system's.
inline constexpr StoredSetting kWindowLanguage{Scope::Program, "Langue", ""};

// Each station's: the label options, in the order the print start writes them.
inline constexpr StoredSetting kTransceiver{Scope::Station, "Transceiver", ""};
inline constexpr StoredSetting kAntenna{Scope::Station, "Antenne", ""};
inline constexpr StoredSetting kActivationNumber{Scope::Station, "N° Activite", ""};
inline constexpr StoredSetting kActivationName{Scope::Station, "Nom Activite", ""};
inline constexpr StoredSetting kCanton{Scope::Station, "N° Canton", ""};
inline constexpr StoredSetting kPostcode{Scope::Station, "N° CP", ""};
inline constexpr StoredSetting kMunicipality{Scope::Station, "Commune", ""};
inline constexpr StoredSetting kComment{Scope::Station, "Texte_QSL", ""};
inline constexpr StoredSetting kLanguage{Scope::Station, "Language", "True"};
inline constexpr StoredSetting kLabelType{Scope::Station, "Type etiquette", "1"};
inline constexpr StoredSetting kLabelFormat{Scope::Station, "Format etiquette", "2"};
inline constexpr StoredSetting kQslFormat{Scope::Station, "Format QSL", "1"};
inline constexpr StoredSetting kVerticalOffset{Scope::Station, "Centrage V", "2"};
// Written only once a station has used them.
inline constexpr StoredSetting kGroup{Scope::Station, "Regrouper", "False"};
inline constexpr StoredSetting kSheetName{Scope::Station, "Planche etiquette", ""};
// Read only when "QSL a envoyer" was never written: True stands for "Non envoyées".
inline constexpr StoredSetting kOwedOnly{Scope::Station, "QSL non envoyees seulement", "False"};
// "QSL à envoyer :" and "Voie :" of the selection window: all, unsent, requested,
// received; all, bureau, direct.
inline constexpr StoredSetting kOwedQueue{Scope::Station, "QSL a envoyer", ""};
inline constexpr StoredSetting kRoute{Scope::Station, "Voie QSL", "all"};
// "Sans confirmation électronique": True or False.
inline constexpr StoredSetting kUnconfirmed{Scope::Station, "Sans confirmation electronique",
                                            "False"};
// The folder of the log read last, and the template loaded or saved last.
inline constexpr StoredSetting kLogFolder{Scope::Station, "Dossier journal", ""};
inline constexpr StoredSetting kLastTemplate{Scope::Station, "Modele QSL", ""};
// Direct mail: the sender's address (its lines), the return-address labels
// printed after the address labels, and the shift of each envelope block
// ("X Y" in millimetres, right and down).
inline constexpr StoredSetting kSenderAddress{Scope::Station, "Adresse expediteur", ""};
inline constexpr StoredSetting kReturnLabels{Scope::Station, "Etiquettes expediteur", "0"};
inline constexpr StoredSetting kRecipientShift{Scope::Station, "Decalage destinataire", "0 0"};
inline constexpr StoredSetting kSenderShift{Scope::Station, "Decalage expediteur", "0 0"};

// Each window's size and place (QWidget::saveGeometry, in base64).
inline constexpr StoredSetting kWindowPlacement{Scope::Window, "Fenetre ", ""};

// Each printer's shift, "X Y" in millimetres.
inline constexpr StoredSetting kPrinterOffset{Scope::Printer, nullptr, ""};

}  // namespace StoredSettings
