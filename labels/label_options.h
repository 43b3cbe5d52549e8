#pragma once

#include <QString>
#include <QStringList>

// What goes on the labels: the choices of the label options window, as one
// value. Option groups keep the window's indexes (type 2 or 3, QSL phrase 1-4).
struct LabelOptions {
    enum Type { kQsoLabel = 2, kActivationLabel = 3 };
    // The QSL phrase "Selon la QSL reçue": the 2nd phrase for a QSO whose card
    // came, the 1st for the others.
    static constexpr int kQslByCard = 4;
    // The stored "Format etiquette" of printing straight onto QSL cards.
    static constexpr int kCardFormat = 5;

    QString station;                       // the station callsign
    int format = 2;                        // the tuned sheet's number (1, 2, 3, 4 or 6)
    QString sheet;                         // another sheet, by name; empty for the tuned one
    bool onCards = false;                  // "Impression directe sur QSL" instead of labels
    int type = kQsoLabel;                  // labelTypeButton index
    bool french = true;                    // languageButton(1)
    int qsl = 1;                           // QSL index
    QString offset = QStringLiteral("0");  // the text of verticalOffsetBox
    bool stopEachSheet = false;            // stopBox
    // The label of the first sheet the run starts on, numbered across each
    // row then down from 1; never stored, back to 1 after each run.
    int firstLabel = 1;
    // The QSOs with one station (callsign and QSL manager) share labels.
    bool group = false;

    QString comment;           // Texte_QSL, as typed
    QString transceiver;       // Rx_Tx, as typed
    QString antenna;           // Antenne
    QString activationNumber;  // Num_Activite
    QString activationName;    // Nom_activite
    QString canton;            // Num_Canton
    QString postcode;          // Num_CP
    QString municipality;      // Nom_Commune

    // The vertical offsets offered by verticalOffsetBox, list positions 0 to 4.
    static QStringList offsets() {
        return {QStringLiteral("-1"), QStringLiteral("-0,5"), QStringLiteral("0"),
                QStringLiteral("+0,5"), QStringLiteral("+1")};
    }

    // The French message that stops a print before anything is stored, or empty.
    QString lengthProblem() const {
        if (transceiver.size() > 15) {
            return QStringLiteral("15 caracteres maxi pour le TX");
        }
        if (antenna.size() > 15) {
            return QStringLiteral("15 caracteres maxi pour l'antenne");
        }
        return {};
    }
};
