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
        <source>L&apos;import remplace l&apos;adresse de %n stations du carnet : %1.
Continuer ?</source>
        <translation>
            <numerusform>L&apos;import remplace l&apos;adresse de %n station du carnet : %1.
Continuer ?</numerusform>
            <numerusform>L&apos;import remplace l&apos;adresse de %n stations du carnet : %1.
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
        <source>… et %n autres</source>
        <translation>
            <numerusform>… et %n autre</numerusform>
            <numerusform>… et %n autres</numerusform>
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
        <source>Le fichier des pays sans bureau %1 : %n lignes ignorées : %2 (attendu : PRÉFIXE ou -PRÉFIXE, tabulation, AAAA-MM-JJ, tabulation, source).</source>
        <translation>
            <numerusform>Le fichier des pays sans bureau %1 : %n ligne ignorée : %2 (attendu : PRÉFIXE ou -PRÉFIXE, tabulation, AAAA-MM-JJ, tabulation, source).</numerusform>
            <numerusform>Le fichier des pays sans bureau %1 : %n lignes ignorées : %2 (attendu : PRÉFIXE ou -PRÉFIXE, tabulation, AAAA-MM-JJ, tabulation, source).</numerusform>
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
    <name>ReceivedCommand</name>
    <message numerus="yes">
        <source>%n lignes trouvées, %1 sans QSO, %2 à plusieurs QSO</source>
        <translation>
            <numerusform>%n ligne trouvée, %1 sans QSO, %2 à plusieurs QSO</numerusform>
            <numerusform>%n lignes trouvées, %1 sans QSO, %2 à plusieurs QSO</numerusform>
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
%n QSO imprimés ne sont pas dans le journal lu %1 et ne sont pas marqués : %2</source>
        <translation>
            <numerusform>
%n QSO imprimé n&apos;est pas dans le journal lu %1 et n&apos;est pas marqué : %2</numerusform>
            <numerusform>
%n QSO imprimés ne sont pas dans le journal lu %1 et ne sont pas marqués : %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SheetTable</name>
    <message numerus="yes">
        <source>%n planches illisibles ignorées dans %1 ; la première, %2</source>
        <translation>
            <numerusform>%n planche illisible ignorée dans %1 : %2</numerusform>
            <numerusform>%n planches illisibles ignorées dans %1 ; la première, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>address labels on any sheet of labels --list-sheets</source>
        <translation>étiquettes d&apos;adresse sur une planche de labels --list-sheets</translation>
    </message>
    <message>
        <source>one envelope per recipient, in landscape</source>
        <translation>une enveloppe par destinataire, en paysage</translation>
    </message>
    <message>
        <source>N labels of the station&apos;s own address after the addresses</source>
        <translation>N étiquettes de l&apos;adresse de la station après les adresses</translation>
    </message>
    <message>
        <source>the direct mail of the QSOs: one address per recipient (its QSL
manager, else the station), from adresses.csv, else the log&apos;s
latest ADDRESS_INTL or ADDRESS; --dump writes text X Y SIZE BOLD
|TEXT| per line (mm from the paper edge), end per sheet or
envelope, and missing CALL per recipient without address</source>
        <translation>le courrier direct des QSO : une adresse par destinataire (son
manager QSL, sinon la station), d&apos;après adresses.csv, sinon
la dernière ADDRESS_INTL ou ADDRESS du journal ; --dump écrit
text X Y SIZE BOLD |TEXT| par ligne (mm depuis le bord du
papier), end par planche ou enveloppe, et missing CALL par
destinataire sans adresse</translation>
    </message>
    <message>
        <source>the QSOs with one station (callsign and QSL via) share
cards, in the template&apos;s QSO table, in date order</source>
        <translation>les QSO avec une station (indicatif et QSL via) partagent
les cartes, dans le tableau des QSO du modèle, par date</translation>
    </message>
    <message>
        <source>PSE, TNX, nothing, or TNX where a card came (auto)</source>
        <translation>PSE, TNX, rien, ou TNX quand une carte est venue (auto)</translation>
    </message>
    <message>
        <source>cards per page: 2 or 4 on --paper A4|Letter, with crop
marks, placed from the paper edge</source>
        <translation>cartes par page : 2 ou 4 sur --paper A4|Letter, avec traits
de coupe, placées depuis le bord du papier</translation>
    </message>
    <message>
        <source>with --offset-y MM: the printer&apos;s shift for this run</source>
        <translation>avec --offset-y MM : le décalage de l&apos;imprimante pour ce tirage</translation>
    </message>
    <message>
        <source>start at card N of a used first page</source>
        <translation>commence à la carte N d&apos;une première page entamée</translation>
    </message>
    <message>
        <source>print one QSL card per QSO of the log, in print-list order;
--pdf writes one page per card, --dump one line
per printed text: text X Y SIZE BOLD |TEXT| (X, Y in mm from
the printable area), and end after each page</source>
        <translation>imprime une carte QSL par QSO du journal, dans l&apos;ordre de la
liste d&apos;impression ; --pdf écrit une page par carte, --dump une
ligne par texte imprimé : text X Y SIZE BOLD |TEXT| (X, Y en mm
depuis la zone imprimable), et end après chaque page</translation>
    </message>
    <message>
        <source>only QSOs whose QSL is still owed (QSL_SENT absent, N, R, Q)</source>
        <translation>les seuls QSO dont la QSL reste due (QSL_SENT absent, N, R, Q)</translation>
    </message>
    <message>
        <source>unsent (as --unsent), requested (QSL_SENT R, Q) or received
(a card came: QSL_RCVD Y, V not via E; none went back)</source>
        <translation>unsent (comme --unsent), requested (QSL_SENT R, Q) ou received
(carte reçue : QSL_RCVD Y, V sauf via E ; aucune renvoyée)</translation>
    </message>
    <message>
        <source>only QSOs neither LoTW nor eQSL confirmed (LOTW_QSL_RCVD,
EQSL_QSL_RCVD not Y or V), with any queue</source>
        <translation>les seuls QSO confirmés ni par LoTW ni par eQSL (LOTW_QSL_RCVD,
EQSL_QSL_RCVD ni Y ni V), quelle que soit la file</translation>
    </message>
    <message>
        <source>all, bureau or direct: QSL_SENT_VIA, else QSL_RCVD_VIA, else
the bureau (M: bureau); marks B for bureau, D for direct</source>
        <translation>all, bureau ou direct : QSL_SENT_VIA, sinon QSL_RCVD_VIA, sinon
le bureau (M : bureau) ; marque B pour bureau, D pour direct</translation>
    </message>
    <message>
        <source>call: as &quot;Tri par call&quot;; bureau: by the DXCC entity of
the QSL via&apos;s manager, else of the home call; then by it</source>
        <translation>call : comme « Tri par call » ; bureau : par l&apos;entité DXCC du
manager de la QSL via, sinon de l&apos;indicatif ; puis par indicatif</translation>
    </message>
    <message>
        <source>after a complete run, a copy of the log with the printed
QSOs marked QSL_SENT Y, QSLSDATE today, QSL_SENT_VIA</source>
        <translation>après un tirage complet, la copie du journal où les QSO
imprimés sont marqués QSL_SENT Y, QSLSDATE du jour, QSL_SENT_VIA</translation>
    </message>
    <message>
        <source>a bureau run prints the QSOs the bureau cannot
deliver too (entity without bureau, QSL_VIA DIRECT)</source>
        <translation>un tirage bureau imprime aussi les QSO que le bureau ne
délivre pas (entité sans bureau, QSL_VIA DIRECT)</translation>
    </message>
    <message>
        <source>the sending method marked (B for labels, D for cards;
M, which ADIF only reads, is written B)</source>
        <translation>le mode d&apos;envoi marqué (B pour les étiquettes, D pour les
cartes ; M, qu&apos;ADIF lit seulement, s&apos;écrit B)</translation>
    </message>
    <message>
        <source>--dump writes one line per printed line: line SIZE BOLD |TEXT|, and end or
discard for each ended or discarded sheet (text X Y SIZE BOLD |TEXT| for
fitted labels, X, Y in mm from the paper edge)</source>
        <translation>--dump écrit une ligne par ligne imprimée : line SIZE BOLD |TEXT|, et
end ou discard pour chaque planche finie ou écartée (text X Y SIZE
BOLD |TEXT| pour les étiquettes ajustées, X, Y en mm depuis le bord
du papier)</translation>
    </message>
    <message>
        <source>Usage: quenor-etiquettes %1</source>
        <translation>Usage : quenor-etiquettes %1</translation>
    </message>
    <message>
        <source>Without a command the program opens its windows.</source>
        <translation>Sans commande, le programme ouvre ses fenêtres.</translation>
    </message>
    <message>
        <source>labels and cards also take:</source>
        <translation>labels et cards prennent aussi :</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>affiche ce texte</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>affiche la version</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 file unreadable, 2 wrong arguments, 3 printing failed.</source>
        <translation>Codes de sortie : 0 fait, 1 fichier illisible, 2 arguments faux, 3 échec d&apos;impression.</translation>
    </message>
    <message>
        <source>any sheet of --list-sheets (labels fitted one by one on
sheets other than the tuned ones, placed from the paper edge)</source>
        <translation>toute planche de --list-sheets (hors planches réglées, étiquettes
ajustées une à une, placées depuis le bord du papier)</translation>
    </message>
    <message>
        <source>start at label N of a used first sheet (numbered across
each row, then down); the labels before it stay blank</source>
        <translation>commence à l&apos;étiquette N d&apos;une première planche entamée (comptées
par rangée, puis vers le bas) ; celles d&apos;avant restent vides</translation>
    </message>
    <message>
        <source>print every QSO of the log on label sheets, in print-list
order; options not given take the station&apos;s stored value:</source>
        <translation>imprime chaque QSO du journal sur des planches d&apos;étiquettes, dans
l&apos;ordre de la liste d&apos;impression ; les options absentes prennent
la valeur enregistrée de la station :</translation>
    </message>
    <message>
        <source>(%1 or any text)</source>
        <translation>(%1 ou tout texte)</translation>
    </message>
    <message>
        <source>the printer&apos;s shift for this run (-10 to +10)</source>
        <translation>décalage de l&apos;imprimante pour ce tirage (-10 à +10)</translation>
    </message>
    <message>
        <source>the QSOs with one station (callsign and QSL via) share
labels, in print-list order, one line per QSO</source>
        <translation>les QSO avec une station (indicatif et QSL via) partagent
les étiquettes, dans l&apos;ordre de la liste, une ligne par QSO</translation>
    </message>
    <message>
        <source>one line per sheet: NAME, tab, PAPER, tab, COLUMNSxROWS, tab,
left top width height across down (mm)</source>
        <translation>une ligne par planche : NAME, tab, PAPER, tab, COLUMNSxROWS,
tab, left top width height across down (mm)</translation>
    </message>
    <message>
        <source>print the sheet&apos;s calibration page</source>
        <translation>imprime la page de calibrage de la planche</translation>
    </message>
    <message>
        <source>write every QSO list row of the log, one per line (with
--sort bureau: the entity&apos;s prefix and a tab before each,
! before it when the bureau cannot deliver the card)</source>
        <translation>écrit chaque ligne de la liste des QSO du journal, une par
ligne (avec --sort bureau : le préfixe de l&apos;entité et une
tabulation avant chacune, ! devant quand le bureau ne peut
pas délivrer la carte)</translation>
    </message>
    <message>
        <source>the bundle, one card a line: CALL [YYYYMMDD|DD/MM/YY] [BAND]</source>
        <translation>le paquet, une carte par ligne : CALL [YYYYMMDD|DD/MM/YY] [BAND]</translation>
    </message>
    <message>
        <source>the route the cards came by (B when not given; M, which
ADIF only reads, is written B)</source>
        <translation>la voie d&apos;arrivée des cartes (B par défaut ; M, qu&apos;ADIF
lit seulement, s&apos;écrit B)</translation>
    </message>
    <message>
        <source>the copy of the log with the QSOs found marked QSL_RCVD Y,
QSLRDATE today, QSL_RCVD_VIA (both kept where a card came before)</source>
        <translation>la copie du journal, les QSO trouvés marqués QSL_RCVD Y,
QSLRDATE du jour, QSL_RCVD_VIA (gardés si une carte était venue)</translation>
    </message>
    <message>
        <source>mark the cards of a bundle as received; the lines that
match no QSO or several are listed and mark nothing</source>
        <translation>marque comme reçues les cartes d&apos;un paquet ; les lignes sans QSO
ou à plusieurs QSO sont listées et ne marquent rien</translation>
    </message>
</context>
</TS>
