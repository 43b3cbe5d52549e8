<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
<context>
    <name>AddressBookWindow</name>
    <message numerus="yes">
        <source>%n adresses importées de %1.</source>
        <translation>
            <numerusform>%n adresse importée de %1.</numerusform>
            <numerusform>%n adresses importées de %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message numerus="yes">
        <source>%n messages à la lecture du journal</source>
        <translation>
            <numerusform>%n message à la lecture du journal</numerusform>
            <numerusform>%n messages à la lecture du journal</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message numerus="yes">
        <source>%1  %2 x %3  %n étiquettes</source>
        <translation>
            <numerusform>%1  %2 x %3  %n étiquette</numerusform>
            <numerusform>%1  %2 x %3  %n étiquettes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReceivedCardsWindow</name>
    <message numerus="yes">
        <source>Marquer les %n QSO comme reçus ?</source>
        <translation>
            <numerusform>Marquer le QSO comme reçu ?</numerusform>
            <numerusform>Marquer les %n QSO comme reçus ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SentMarking</name>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés par le bureau ?</source>
        <translation>
            <numerusform>Marquer le QSO imprimé comme envoyé par le bureau ?</numerusform>
            <numerusform>Marquer les %n QSO imprimés comme envoyés par le bureau ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés en direct ?</source>
        <translation>
            <numerusform>Marquer le QSO imprimé comme envoyé en direct ?</numerusform>
            <numerusform>Marquer les %n QSO imprimés comme envoyés en direct ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés ?</source>
        <translation>
            <numerusform>Marquer le QSO imprimé comme envoyé ?</numerusform>
            <numerusform>Marquer les %n QSO imprimés comme envoyés ?</numerusform>
        </translation>
    </message>
</context>
</TS>
