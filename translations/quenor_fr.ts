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
    <message numerus="yes">
        <source>L&apos;import remplace l&apos;adresse de %n station(s) du carnet : %1.
Continuer ?</source>
        <translation>
            <numerusform>L&apos;import remplace l&apos;adresse de %n station du carnet : %1.
Continuer ?</numerusform>
            <numerusform>L&apos;import remplace l&apos;adresse de %n station(s) du carnet : %1.
Continuer ?</numerusform>
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
    <name>BureauCheck</name>
    <message numerus="yes">
        <source>%n QSO ne peuvent pas partir par le bureau (pays sans bureau QSL, ou carte directe demandée) :</source>
        <translation>
            <numerusform>%n QSO ne peut pas partir par le bureau (pays sans bureau QSL, ou carte directe demandée) :</numerusform>
            <numerusform>%n QSO ne peuvent pas partir par le bureau (pays sans bureau QSL, ou carte directe demandée) :</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BureauRun</name>
    <message numerus="yes">
        <source>… et %n autre(s)</source>
        <translation>
            <numerusform>… et %n autre</numerusform>
            <numerusform>… et %n autre(s)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message numerus="yes">
        <source>%n QSO laissés de côté, le bureau ne les délivre pas (--keep-undeliverable les imprime) :</source>
        <translation>
            <numerusform>%n QSO laissé de côté, le bureau ne le délivre pas (--keep-undeliverable l&apos;imprime) :</numerusform>
            <numerusform>%n QSO laissés de côté, le bureau ne les délivre pas (--keep-undeliverable les imprime) :</numerusform>
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
    <name>NoBureauTable</name>
    <message numerus="yes">
        <source>Le fichier des pays sans bureau %1 : %n ligne(s) ignorée(s), la première est la ligne %2 (attendu : PRÉFIXE, tabulation, AAAA-MM-JJ, tabulation, source).</source>
        <translation>
            <numerusform>Le fichier des pays sans bureau %1 : %n ligne ignorée, la première est la ligne %2 (attendu : PRÉFIXE, tabulation, AAAA-MM-JJ, tabulation, source).</numerusform>
            <numerusform>Le fichier des pays sans bureau %1 : %n ligne(s) ignorée(s), la première est la ligne %2 (attendu : PRÉFIXE, tabulation, AAAA-MM-JJ, tabulation, source).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message numerus="yes">
        <source>%n QSO à vérifier avant l&apos;impression :</source>
        <translation>
            <numerusform>%n QSO à vérifier avant l&apos;impression :</numerusform>
            <numerusform>%n QSO à vérifier avant l&apos;impression :</numerusform>
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
    <message numerus="yes">
        <source>
%n QSO imprimé(s) ne sont pas dans le journal lu %1 et ne sont pas marqués : %2</source>
        <translation>
            <numerusform>
%n QSO imprimé n&apos;est pas dans le journal lu %1 et n&apos;est pas marqué : %2</numerusform>
            <numerusform>
%n QSO imprimé(s) ne sont pas dans le journal lu %1 et ne sont pas marqués : %2</numerusform>
        </translation>
    </message>
</context>
</TS>
