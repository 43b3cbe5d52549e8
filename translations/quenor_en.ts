<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>AddressBook</name>
    <message>
        <source>le fichier contient des caractères nuls (texte UTF-16 sans marque ?)</source>
        <translation>the file holds null characters (UTF-16 text without a byte order mark?)</translation>
    </message>
    <message>
        <source>ligne %1 : guillemet non fermé</source>
        <translation>line %1: unclosed quote</translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 ne peut pas être lu en entier (%2) : il n&apos;est ni utilisé ni remplacé.</source>
        <translation>The address book %1 cannot be read whole (%2): it is neither used nor replaced.</translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 n&apos;est pas lisible : %2.</source>
        <translation>The address book %1 is not readable: %2.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 (%2) : le carnet d&apos;adresses n&apos;est pas modifié.</source>
        <translation>Cannot read the file %1 (%2): the address book is not changed.</translation>
    </message>
    <message>
        <source>%1 ; le carnet d&apos;adresses n&apos;est pas modifié.</source>
        <translation>%1; the address book is not changed.</translation>
    </message>
    <message>
        <source>ligne %1 : %2 figure déjà ligne %3 ; l&apos;adresse de la ligne %1 est utilisée, les deux lignes sont gardées</source>
        <translation>line %1: %2 is already on line %3; the address on line %1 is used, both lines are kept</translation>
    </message>
    <message>
        <source>ligne %1 : pas d&apos;indicatif en tête, ligne gardée telle quelle</source>
        <translation>line %1: no callsign at its start, line kept as it is</translation>
    </message>
</context>
<context>
    <name>AddressBookWindow</name>
    <message>
        <source>Adresses</source>
        <translation>Addresses</translation>
    </message>
    <message>
        <source>Filtrer</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filtrer les stations</source>
        <translation>Filter the stations</translation>
    </message>
    <message>
        <source>Stations du carnet</source>
        <translation>Stations in the book</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>Adresse, une ligne par ligne de l&apos;enveloppe</source>
        <translation>Address, one line per envelope line</translation>
    </message>
    <message>
        <source>&amp;Nouvelle</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Importer…</source>
        <translation>&amp;Import…</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>Indicatif :</source>
        <translation>Callsign:</translation>
    </message>
    <message>
        <source>Adresse (nom, rue, ville, pays) :</source>
        <translation>Address (name, street, town, country):</translation>
    </message>
    <message>
        <source>%1 — à compléter</source>
        <translation>%1 — to complete</translation>
    </message>
    <message>
        <source>Indicatif : tapez l&apos;indicatif de la station.</source>
        <translation>Callsign: type the station&apos;s callsign.</translation>
    </message>
    <message>
        <source>Adresse : tapez au moins une ligne.</source>
        <translation>Address: type at least one line.</translation>
    </message>
    <message>
        <source>Supprimer l&apos;adresse de %1 du carnet ?</source>
        <translation>Delete %1&apos;s address from the book?</translation>
    </message>
    <message>
        <source>Carnet d&apos;adresses (*.csv *.CSV);;Tous les fichiers (*)</source>
        <translation>Address book (*.csv *.CSV);;All files (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n adresses importées de %1.</source>
        <translation>
            <numerusform>%n address imported from %1.</numerusform>
            <numerusform>%n addresses imported from %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 est lu, sauf :</source>
        <translation>The address book %1 is read, except:</translation>
    </message>
    <message numerus="yes">
        <source>L&apos;import remplace l&apos;adresse de %n stations du carnet : %1.
Continuer ?</source>
        <translation>
            <numerusform>The import replaces the address of %n station in the book: %1.
Continue?</numerusform>
            <numerusform>The import replaces the addresses of %n stations in the book: %1.
Continue?</numerusform>
        </translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 n&apos;a pas pu être lu en entier : il n&apos;est pas remplacé. Fermez la fenêtre, réparez le fichier et rouvrez-la.</source>
        <translation>The address book %1 could not be read whole: it is not replaced. Close the window, repair the file and open it again.</translation>
    </message>
</context>
<context>
    <name>AddressJob</name>
    <message>
        <source>Impression des enveloppes : enveloppes imprimées</source>
        <translation>Printing envelopes: envelopes printed</translation>
    </message>
    <message>
        <source>Impression des adresses : feuilles imprimées</source>
        <translation>Printing addresses: sheets printed</translation>
    </message>
    <message>
        <source>enveloppe envoyée</source>
        <translation>envelope sent</translation>
    </message>
    <message>
        <source>feuille envoyée</source>
        <translation>sheet sent</translation>
    </message>
    <message>
        <source>enveloppes envoyées</source>
        <translation>envelopes sent</translation>
    </message>
    <message>
        <source>feuilles envoyées</source>
        <translation>sheets sent</translation>
    </message>
</context>
<context>
    <name>AddressesCommand</name>
    <message>
        <source>--return-address : un nombre de 0 à %1 est attendu.</source>
        <translation>--return-address: a number from 0 to %1 is expected.</translation>
    </message>
    <message>
        <source>Pas d&apos;adresse pour : %1</source>
        <translation>No address for: %1</translation>
    </message>
    <message>
        <source>Adresse trop longue, non imprimée : %1</source>
        <translation>Address too long, not printed: %1</translation>
    </message>
    <message>
        <source>Aucune adresse pour les QSO choisis</source>
        <translation>No address for the chosen QSOs</translation>
    </message>
    <message>
        <source>--sheet : %1 (voir labels --list-sheets)</source>
        <translation>--sheet: %1 (see labels --list-sheets)</translation>
    </message>
    <message>
        <source>--return-address : aucune adresse de l&apos;expéditeur n&apos;est enregistrée (fenêtre « Adresse de l&apos;expéditeur »).</source>
        <translation>--return-address: no sender address is stored (window &quot;Sender address&quot;).</translation>
    </message>
    <message>
        <source>Adresse trop longue, non imprimée : %1 ; rien n&apos;est imprimé.</source>
        <translation>Address too long, not printed: %1; nothing is printed.</translation>
    </message>
    <message>
        <source>--envelope : %1</source>
        <translation>--envelope: %1</translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 est lu, sauf :</source>
        <translation>The address book %1 is read, except:</translation>
    </message>
</context>
<context>
    <name>AdifReader</name>
    <message>
        <source>Indicatif absent, remplacé par FXXXX</source>
        <translation>Callsign missing, replaced by FXXXX</translation>
    </message>
    <message>
        <source>Date absente, remplacée par 01/01/2000</source>
        <translation>Date missing, replaced by 01/01/2000</translation>
    </message>
    <message>
        <source>Heure absente, remplacée par 00:00</source>
        <translation>Time missing, replaced by 00:00</translation>
    </message>
    <message>
        <source>Bande absente, remplacée par 1.8 Mhz</source>
        <translation>Band missing, replaced by 1.8 Mhz</translation>
    </message>
    <message>
        <source>Fin de QSO &lt;EOR&gt; absente avant l&apos;indicatif %1</source>
        <translation>End of QSO &lt;EOR&gt; missing before the callsign %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>Heure de début absente, remplacée par l&apos;heure de fin (TIME_OFF)</source>
        <translation>Start time missing, replaced by the end time (TIME_OFF)</translation>
    </message>
    <message>
        <source>Date « %1 » illisible (QSO_DATE n&apos;est pas une date AAAAMMJJ), remplacée par 01/01/2000</source>
        <translation>Date “%1” unreadable (QSO_DATE is not a YYYYMMDD date), replaced by 01/01/2000</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>QSO %1 (%2) : %3</source>
        <translation>QSO %1 (%2): %3</translation>
    </message>
    <message numerus="yes">
        <source>%n messages à la lecture du journal</source>
        <translation>
            <numerusform>%n message while reading the log</numerusform>
            <numerusform>%n messages while reading the log</numerusform>
        </translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>select a file or quit</translation>
    </message>
</context>
<context>
    <name>BoundedFile</name>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>il dépasse %1 Kio</source>
        <translation>it is over %1 KiB</translation>
    </message>
</context>
<context>
    <name>BureauCheck</name>
    <message numerus="yes">
        <source>%n QSO ne peuvent pas partir par le bureau (pays sans bureau QSL, ou carte directe demandée) :</source>
        <translation>
            <numerusform>%n QSO cannot go through the bureau (country without a QSL bureau, or direct card requested):</numerusform>
            <numerusform>%n QSOs cannot go through the bureau (country without a QSL bureau, or direct card requested):</numerusform>
        </translation>
    </message>
    <message>
        <source>Les laisser de côté pour cette impression (ils restent dus, pour une carte directe), les imprimer quand même, ou arrêter ?</source>
        <translation>Leave them out of this printing (they stay owed, for a direct card), print them anyway, or stop?</translation>
    </message>
    <message>
        <source>Les laisser de côté</source>
        <translation>Leave them out</translation>
    </message>
    <message>
        <source>Les imprimer quand même</source>
        <translation>Print them anyway</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Aucun QSO à imprimer par le bureau.</source>
        <translation>No QSO to print through the bureau.</translation>
    </message>
</context>
<context>
    <name>BureauRun</name>
    <message numerus="yes">
        <source>… et %n autres</source>
        <translation>
            <numerusform>… and %n other</numerusform>
            <numerusform>… and %n others</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 %3 : %4</source>
        <translation>%1 %2 %3: %4</translation>
    </message>
    <message>
        <source>sans entité</source>
        <translation>no entity</translation>
    </message>
    <message>
        <source>QSO par bureau : %1</source>
        <translation>QSOs per bureau: %1</translation>
    </message>
    <message>
        <source>la station demande une carte directe</source>
        <translation>the station asks for a direct card</translation>
    </message>
    <message>
        <source>%1, pas de bureau QSL</source>
        <translation>%1, no QSL bureau</translation>
    </message>
    <message>
        <source>pas d&apos;indicatif (CALL) dans le journal, aucune entité</source>
        <translation>no callsign (CALL) in the log, no entity</translation>
    </message>
</context>
<context>
    <name>CardDesignLayout</name>
    <message>
        <source>Modèle de QSL inutilisable : %1 (« %2 ») ne convient pas.</source>
        <translation>Unusable QSL layout: %1 (&quot;%2&quot;) does not fit.</translation>
    </message>
    <message>
        <source>Modèle de QSL inutilisable : table.pitch (« %1 ») est plus petit que la hauteur du texte du tableau (%2 mm) : ses rangées s&apos;imprimeraient l&apos;une sur l&apos;autre.</source>
        <translation>Unusable QSL layout: table.pitch (&quot;%1&quot;) is smaller than the height of the table&apos;s text (%2 mm): its rows would print over each other.</translation>
    </message>
</context>
<context>
    <name>CardDesignPanel</name>
    <message>
        <source>Garder libre la &amp;bande de tri des bureaux (10 mm en bas)</source>
        <translation>Keep the bureaus&apos; sorting strip free (10 mm at the &amp;bottom)</translation>
    </message>
    <message>
        <source>Tableau : position gauche (mm)</source>
        <translation>Table: left position (mm)</translation>
    </message>
    <message>
        <source>Tableau : position haute (mm)</source>
        <translation>Table: top position (mm)</translation>
    </message>
    <message>
        <source>Tableau : nombre de QSO (1 à 6)</source>
        <translation>Table: number of QSOs (1 to 6)</translation>
    </message>
    <message>
        <source>Tableau : pas des lignes (mm)</source>
        <translation>Table: line pitch (mm)</translation>
    </message>
    <message>
        <source>Tableau : taille de police</source>
        <translation>Table: font size</translation>
    </message>
    <message>
        <source>Remerciements : position gauche (mm)</source>
        <translation>Thanks: left position (mm)</translation>
    </message>
    <message>
        <source>Remerciements : position haute (mm)</source>
        <translation>Thanks: top position (mm)</translation>
    </message>
    <message>
        <source>Remerciements : taille de police</source>
        <translation>Thanks: font size</translation>
    </message>
    <message>
        <source>Texte quand une QSL est demandée</source>
        <translation>Text when a QSL is requested</translation>
    </message>
    <message>
        <source>Texte quand la QSL est reçue</source>
        <translation>Text when the QSL is received</translation>
    </message>
    <message>
        <source>Fichier de l&apos;image (PNG, JPEG ou SVG)</source>
        <translation>Picture file (PNG, JPEG or SVG)</translation>
    </message>
    <message>
        <source>C&amp;adre</source>
        <translation>Fr&amp;ame</translation>
    </message>
    <message>
        <source>&amp;Imprimer l&apos;image</source>
        <translation>Pr&amp;int the picture</translation>
    </message>
    <message>
        <source>Format de la carte</source>
        <translation>Card size</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>Si&amp;ze</translation>
    </message>
    <message>
        <source>Tableau des QSO (une carte par station avec « Regrouper »)</source>
        <translation>QSO table (one card per station with &quot;Group&quot;)</translation>
    </message>
    <message>
        <source>Gauche, haute, QSO, pas, police</source>
        <translation>Left, top, QSOs, pitch, font</translation>
    </message>
    <message>
        <source>Colonnes du tableau</source>
        <translation>Table columns</translation>
    </message>
    <message>
        <source>Gauche (mm)</source>
        <translation>Left (mm)</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Ajouter une col&amp;onne</source>
        <translation>Add a col&amp;umn</translation>
    </message>
    <message>
        <source>Re&amp;tirer la colonne</source>
        <translation>&amp;Remove the column</translation>
    </message>
    <message>
        <source>Remerciements et lignes 8 à 10</source>
        <translation>Thanks and lines 8 to 10</translation>
    </message>
    <message>
        <source>Gauche, haute, police</source>
        <translation>Left, top, font</translation>
    </message>
    <message>
        <source>QSL demandée</source>
        <translation>QSL requested</translation>
    </message>
    <message>
        <source>QSL reçue</source>
        <translation>QSL received</translation>
    </message>
    <message>
        <source>Valeur du QSO après le texte de la ligne %1</source>
        <translation>QSO value after the text of line %1</translation>
    </message>
    <message>
        <source>Valeur de la ligne %1</source>
        <translation>Value of line %1</translation>
    </message>
    <message>
        <source>Image pour cartes vierges</source>
        <translation>Picture for blank cards</translation>
    </message>
    <message>
        <source>C&amp;hoisir…</source>
        <translation>C&amp;hoose…</translation>
    </message>
    <message>
        <source>Choisir l&apos;image</source>
        <translation>Choose the picture</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Ajustement de l&apos;image</source>
        <translation>Picture fit</translation>
    </message>
    <message>
        <source>Remplir la carte (rogner)</source>
        <translation>Fill the card (crop)</translation>
    </message>
    <message>
        <source>Image entière</source>
        <translation>Whole picture</translation>
    </message>
    <message>
        <source>Ajustement</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>call</source>
        <translation>call</translation>
    </message>
    <message>
        <source>via</source>
        <translation>via</translation>
    </message>
    <message>
        <source>date</source>
        <translation>date</translation>
    </message>
    <message>
        <source>time</source>
        <translation>time</translation>
    </message>
    <message>
        <source>band</source>
        <translation>band</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>rst</source>
        <translation>rst</translation>
    </message>
    <message>
        <source>qsl</source>
        <translation>qsl</translation>
    </message>
    <message>
        <source>sat_name</source>
        <translation>sat_name</translation>
    </message>
    <message>
        <source>prop_mode</source>
        <translation>prop_mode</translation>
    </message>
    <message>
        <source>submode</source>
        <translation>submode</translation>
    </message>
    <message>
        <source>band_rx</source>
        <translation>band_rx</translation>
    </message>
    <message>
        <source>freq</source>
        <translation>freq</translation>
    </message>
    <message>
        <source>qslmsg</source>
        <translation>qslmsg</translation>
    </message>
</context>
<context>
    <name>CardJob</name>
    <message>
        <source>Impression des cartes : cartes imprimées</source>
        <translation>Printing cards: cards printed</translation>
    </message>
    <message>
        <source>carte envoyée</source>
        <translation>card sent</translation>
    </message>
    <message>
        <source>cartes envoyées</source>
        <translation>cards sent</translation>
    </message>
    <message>
        <source>Le modèle n&apos;a pas de tableau des QSO : une carte par QSO.</source>
        <translation>The layout has no QSO table: one card per QSO.</translation>
    </message>
</context>
<context>
    <name>CardLayout</name>
    <message>
        <source>Modèle de QSL inutilisable : %1 est vide.</source>
        <translation>Unusable QSL layout: %1 is empty.</translation>
    </message>
    <message>
        <source>Modèle de QSL inutilisable : %1 (« %2 ») n&apos;est pas un nombre.</source>
        <translation>Unusable QSL layout: %1 (&quot;%2&quot;) is not a number.</translation>
    </message>
    <message>
        <source>Modèle de QSL inutilisable : la taille P%1 (« %2 ») doit être plus grande que 0.</source>
        <translation>Unusable QSL layout: size P%1 (&quot;%2&quot;) must be greater than 0.</translation>
    </message>
</context>
<context>
    <name>CardPicture</name>
    <message>
        <source>L&apos;image %1 est introuvable ou illisible : les cartes sont imprimées sans elle.</source>
        <translation>The picture %1 cannot be found or read: the cards are printed without it.</translation>
    </message>
</context>
<context>
    <name>CardPrintWindow</name>
    <message>
        <source>&amp;Impression de la QSL</source>
        <translation>&amp;Print the QSL</translation>
    </message>
    <message>
        <source>&amp;Setup_QSL</source>
        <translation>&amp;Setup_QSL</translation>
    </message>
    <message>
        <source>&amp;Retour sélection Etiquettes</source>
        <translation>&amp;Back to label selection</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>&amp;Choisir le modèle…</source>
        <translation>&amp;Choose the layout…</translation>
    </message>
    <message>
        <source>&amp;Enveloppes…</source>
        <translation>&amp;Envelopes…</translation>
    </message>
    <message>
        <source>Impression sur carte QSL</source>
        <translation>Printing on QSL cards</translation>
    </message>
    <message>
        <source>Aperçu des cartes</source>
        <translation>Card preview</translation>
    </message>
    <message>
        <source>Enveloppes de ces cartes</source>
        <translation>Envelopes for these cards</translation>
    </message>
    <message>
        <source>Modèle : aucun, il sera demandé</source>
        <translation>Layout: none, you will be asked for one</translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>select a file or quit</translation>
    </message>
    <message>
        <source>sélectionnez un fichier .qsl ou créez en un</source>
        <translation>select a .qsl file or create one</translation>
    </message>
    <message>
        <source>La ligne %1 dépasse le bord de la carte</source>
        <translation>Line %1 goes past the edge of the card</translation>
    </message>
    <message>
        <source>Les lignes %1 dépassent le bord de la carte</source>
        <translation>Lines %1 go past the edge of the card</translation>
    </message>
    <message>
        <source>Re&amp;grouper les QSO d&apos;une même station</source>
        <translation>&amp;Group the QSOs with one station</translation>
    </message>
    <message>
        <source>PSE QSL</source>
        <translation>PSE QSL</translation>
    </message>
    <message>
        <source>TNX QSL</source>
        <translation>TNX QSL</translation>
    </message>
    <message>
        <source>Sans remerciement</source>
        <translation>No thanks</translation>
    </message>
    <message>
        <source>Selon la QSL reçue</source>
        <translation>By the QSL received</translation>
    </message>
    <message>
        <source>Re&amp;merciements</source>
        <translation>&amp;Thanks</translation>
    </message>
    <message>
        <source>1 carte par page</source>
        <translation>1 card per page</translation>
    </message>
    <message>
        <source>2 cartes par page</source>
        <translation>2 cards per page</translation>
    </message>
    <message>
        <source>4 cartes par page</source>
        <translation>4 cards per page</translation>
    </message>
    <message>
        <source>Cartes par &amp;page</source>
        <translation>Car&amp;ds per page</translation>
    </message>
    <message>
        <source>&amp;Format du papier</source>
        <translation>Paper si&amp;ze</translation>
    </message>
    <message>
        <source>Première car&amp;te</source>
        <translation>&amp;First card</translation>
    </message>
</context>
<context>
    <name>CardPrinting</name>
    <message>
        <source>Modèle de QSL inutilisable : le fichier %1 n&apos;a que %2 lignes sur %3.</source>
        <translation>Unusable QSL layout: the file %1 has only %2 lines of %3.</translation>
    </message>
</context>
<context>
    <name>CardSheet</name>
    <message>
        <source>Papier ou nombre de cartes inconnu.</source>
        <translation>Unknown paper or number of cards.</translation>
    </message>
    <message>
        <source>%1 cartes de %2 ne tiennent pas sur une page %3 dans la zone qu&apos;atteint l&apos;imprimante.</source>
        <translation>%1 cards of %2 do not fit on a %3 page within the area the printer reaches.</translation>
    </message>
</context>
<context>
    <name>CardSize</name>
    <message>
        <source>140 × 90 mm (carte QSL)</source>
        <translation>140 × 90 mm (QSL card)</translation>
    </message>
    <message>
        <source>139,7 × 88,9 mm (5,5 × 3,5 pouces)</source>
        <translation>139.7 × 88.9 mm (5.5 × 3.5 inches)</translation>
    </message>
    <message>
        <source>148 × 105 mm (A6)</source>
        <translation>148 × 105 mm (A6)</translation>
    </message>
    <message>
        <source>152,4 × 101,6 mm (6 × 4 pouces)</source>
        <translation>152.4 × 101.6 mm (6 × 4 inches)</translation>
    </message>
</context>
<context>
    <name>CardSketch</name>
    <message>
        <source>Bande de tri des bureaux QSL</source>
        <translation>QSL bureaus&apos; sorting strip</translation>
    </message>
</context>
<context>
    <name>CardWarnings</name>
    <message>
        <source>ligne %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>remerciements</source>
        <translation>thanks</translation>
    </message>
    <message>
        <source>Le tableau des QSO dépasse le bord de la carte</source>
        <translation>The QSO table goes past the edge of the card</translation>
    </message>
    <message>
        <source>Les remerciements dépassent le bord de la carte</source>
        <translation>The thanks go past the edge of the card</translation>
    </message>
    <message>
        <source>tableau des QSO</source>
        <translation>QSO table</translation>
    </message>
    <message>
        <source>Texte dans la bande de 10 mm du bas que les bureaux QSL gardent libre pour leur tri : %1</source>
        <translation>Text in the bottom 10 mm strip that QSL bureaus keep free for their sorting: %1</translation>
    </message>
    <message>
        <source>Les cartes de %1 sont plus grandes que A6 : les bureaux QSL les refusent.</source>
        <translation>Cards of %1 are larger than A6: QSL bureaus refuse them.</translation>
    </message>
</context>
<context>
    <name>CardsCommand</name>
    <message>
        <source>sélectionnez un fichier .qsl ou créez en un</source>
        <translation>select a .qsl file or create one</translation>
    </message>
    <message>
        <source>La ligne %1 dépasse le bord de la carte</source>
        <translation>Line %1 goes past the edge of the card</translation>
    </message>
    <message>
        <source>--qsl : 1, 2, 3 ou auto</source>
        <translation>--qsl: 1, 2, 3 or auto</translation>
    </message>
    <message>
        <source>--per-page : 1, 2 ou 4</source>
        <translation>--per-page: 1, 2 or 4</translation>
    </message>
    <message>
        <source>--paper : A4 ou Letter</source>
        <translation>--paper: A4 or Letter</translation>
    </message>
    <message>
        <source>--%1 : %2</source>
        <translation>--%1: %2</translation>
    </message>
    <message>
        <source>--first-card : de 1 à %1 (les cartes par page)</source>
        <translation>--first-card: from 1 to %1 (the cards per page)</translation>
    </message>
    <message>
        <source>--paper : le papier des cartes par page, à donner avec --per-page 2 ou 4</source>
        <translation>--paper: the paper of several cards per page, given with --per-page 2 or 4</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Impossible d&apos;écrire sur la sortie standard : %1</source>
        <translation>Cannot write to standard output: %1</translation>
    </message>
    <message>
        <source>--sort : call ou bureau</source>
        <translation>--sort: call or bureau</translation>
    </message>
    <message>
        <source>--owed : unsent, requested ou received</source>
        <translation>--owed: unsent, requested or received</translation>
    </message>
    <message>
        <source>--unsent et --owed %1 ne vont pas ensemble</source>
        <translation>--unsent and --owed %1 do not go together</translation>
    </message>
    <message>
        <source>--route : all, bureau ou direct</source>
        <translation>--route: all, bureau or direct</translation>
    </message>
    <message>
        <source>--sent-via : B, D, E ou M</source>
        <translation>--sent-via: B, D, E or M</translation>
    </message>
    <message>
        <source>Aucun QSO dans le fichier %1</source>
        <translation>No QSO in the file %1</translation>
    </message>
    <message>
        <source>Aucun QSO à imprimer dans le fichier %1</source>
        <translation>No QSO to print in the file %1</translation>
    </message>
    <message>
        <source>Impression interrompue : l&apos;impression est faite, la copie marquée %1 n&apos;est pas écrite.</source>
        <translation>Printing interrupted: the printing is done, the marked copy %1 is not written.</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO laissés de côté, le bureau ne les délivre pas (--keep-undeliverable les imprime) :</source>
        <translation>
            <numerusform>%n QSO left out, the bureau does not deliver it (--keep-undeliverable prints it):</numerusform>
            <numerusform>%n QSOs left out, the bureau does not deliver them (--keep-undeliverable prints them):</numerusform>
        </translation>
    </message>
    <message>
        <source>Impression interrompue : l&apos;impression est faite, la copie marquée %1 est écrite.</source>
        <translation>Printing interrupted: the printing is done, the marked copy %1 is written.</translation>
    </message>
    <message>
        <source>--mark-sent : %1</source>
        <translation>--mark-sent: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Commande inconnue : %1</source>
        <translation>Unknown command: %1</translation>
    </message>
</context>
<context>
    <name>CommandOption</name>
    <message>
        <source>Valeur manquante après %1</source>
        <translation>Missing value after %1</translation>
    </message>
    <message>
        <source>Option inconnue : %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Valeur vide après %1</source>
        <translation>Empty value after %1</translation>
    </message>
    <message>
        <source>--%1 est donnée deux fois, avec « %2 » puis « %3 » : gardez-en une.</source>
        <translation>--%1 is given twice, with &quot;%2&quot; then &quot;%3&quot;: keep one.</translation>
    </message>
</context>
<context>
    <name>ConfirmationDownload</name>
    <message>
        <source>Relevé de confirmations LoTW : ses QSL reçues sont des confirmations électroniques (lues comme reçues par E), non des cartes.</source>
        <translation>LoTW confirmation report: its received QSLs are electronic confirmations (read as received by E), not cards.</translation>
    </message>
    <message>
        <source>Boîte de réception eQSL : ses QSL envoyées par E sont celles que les stations vous ont envoyées (lues comme reçues par E), non les vôtres.</source>
        <translation>eQSL inbox: its QSLs sent by E are those the stations sent you (read as received by E), not yours.</translation>
    </message>
    <message>
        <source>Le fichier %1 est un relevé de confirmations %2, pas votre journal : ses QSL reçues sont celles du service. Marquez les cartes reçues dans votre journal ; rien n&apos;est écrit.</source>
        <translation>The file %1 is a %2 confirmation report, not your log: its QSLs received are the service’s. Mark the cards received in your log; nothing is written.</translation>
    </message>
</context>
<context>
    <name>CountryFile</name>
    <message>
        <source>%1 ; le fichier %2 est utilisé.</source>
        <translation>%1; the file %2 is used.</translation>
    </message>
    <message>
        <source>Fichier des pays (cty.dat) introuvable : %1</source>
        <translation>Country file (cty.dat) not found: %1</translation>
    </message>
    <message>
        <source> ; le tri bureau suit le début des indicatifs.</source>
        <translation>; the bureau order follows the start of the callsigns.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier des pays %1 (%2)</source>
        <translation>Cannot read the country file %1 (%2)</translation>
    </message>
    <message>
        <source>Le fichier des pays %1 ne contient aucune entité</source>
        <translation>The country file %1 holds no entity</translation>
    </message>
</context>
<context>
    <name>EnvelopeRun</name>
    <message>
        <source>L&apos;adresse de l&apos;expéditeur ne tient pas sur l&apos;enveloppe : raccourcissez ses lignes.</source>
        <translation>The sender&apos;s address does not fit on the envelope: shorten its lines.</translation>
    </message>
    <message>
        <source>L&apos;adresse de l&apos;expéditeur ne tient pas sur l&apos;enveloppe %1 avec son décalage (« Décalage expéditeur » : %2 ; %3 mm), qui la pousse hors du papier ; sans décalage, elle tient : réduisez le décalage.</source>
        <translation>The sender&apos;s address does not fit on the %1 envelope with its offset (&quot;Sender offset&quot;: %2 ; %3 mm), which pushes it off the paper; without the offset it fits: reduce the offset.</translation>
    </message>
</context>
<context>
    <name>LabelJob</name>
    <message>
        <source>Impression des étiquettes : feuilles imprimées</source>
        <translation>Printing labels: sheets printed</translation>
    </message>
    <message>
        <source>feuille envoyée</source>
        <translation>sheet sent</translation>
    </message>
    <message>
        <source>feuilles envoyées</source>
        <translation>sheets sent</translation>
    </message>
    <message>
        <source>Le décalage de l&apos;imprimante (%1 ; %2 mm) fait sortir le texte des étiquettes du papier (étiquette %3) : corrigez-le dans « Planches… ».</source>
        <translation>The printer&apos;s offset (%1; %2 mm) moves the labels&apos; text off the paper (label %3): correct it in &quot;Sheets…&quot;.</translation>
    </message>
</context>
<context>
    <name>LabelOptionTable</name>
    <message>
        <source>--lang : fr ou en</source>
        <translation>--lang: fr or en</translation>
    </message>
    <message>
        <source>--type : qso ou activation</source>
        <translation>--type: qso or activation</translation>
    </message>
    <message>
        <source>--format : 1, 2, 3, 4 ou 6 (le format 5 imprime sur les QSL : commande cards)</source>
        <translation>--format: 1, 2, 3, 4 or 6 (format 5 prints on QSL cards: command cards)</translation>
    </message>
    <message>
        <source>--qsl : 1, 2, 3 ou auto</source>
        <translation>--qsl: 1, 2, 3 or auto</translation>
    </message>
</context>
<context>
    <name>LabelOptionsWindow</name>
    <message>
        <source>Impression directe sur QSL </source>
        <translation>Direct printing on QSL cards </translation>
    </message>
    <message>
        <source>Impression étiquettes</source>
        <translation>Label printing</translation>
    </message>
    <message>
        <source>Impression d&apos;étiquettes pour QSL</source>
        <translation>QSL label printing</translation>
    </message>
    <message>
        <source>&amp;Imprimer les étiquettes</source>
        <translation>&amp;Print the labels</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>Aperçu des étiquettes</source>
        <translation>Label preview</translation>
    </message>
    <message>
        <source>&amp;Retour sélection QSO</source>
        <translation>&amp;Back to QSO selection</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Francais</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Anglais</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Format des étiquettes</source>
        <translation>Label format</translation>
    </message>
    <message>
        <source>Autre planche :</source>
        <translation>Other sheet:</translation>
    </message>
    <message>
        <source>Autre planche</source>
        <translation>Other sheet</translation>
    </message>
    <message>
        <source>&amp;Planches…</source>
        <translation>&amp;Sheets…</translation>
    </message>
    <message>
        <source>Options d&apos;impression</source>
        <translation>Printing options</translation>
    </message>
    <message>
        <source>Avant impression des étiquettes</source>
        <translation>Before printing the labels</translation>
    </message>
    <message>
        <source>effectuez une impression sur une feuille</source>
        <translation>print once on a plain sheet</translation>
    </message>
    <message>
        <source>Corrigez  éventuellement avec la fonction</source>
        <translation>Correct if needed with the option</translation>
    </message>
    <message>
        <source>&quot;Décalage vertical feuille&quot; ci dessous</source>
        <translation>&quot;Vertical sheet offset&quot; below</translation>
    </message>
    <message>
        <source>Décalage vertical feuille</source>
        <translation>Vertical sheet offset</translation>
    </message>
    <message>
        <source>ligne</source>
        <translation>line</translation>
    </message>
    <message>
        <source>Arret impression a chaque feuille</source>
        <translation>Stop after each sheet</translation>
    </message>
    <message>
        <source>Première étiquette</source>
        <translation>First label</translation>
    </message>
    <message>
        <source>Sur une planche entamée : les étiquettes sont comptées de gauche à droite puis de haut en bas ; celles d&apos;avant restent vierges.</source>
        <translation>On a sheet already started: labels are counted from left to right, then top to bottom; those before stay blank.</translation>
    </message>
    <message>
        <source>Regrouper les QSO d&apos;une même station</source>
        <translation>Group the QSOs of one station</translation>
    </message>
    <message>
        <source>Les QSO d&apos;un même indicatif et d&apos;un même QSL via partagent une étiquette, une ligne par QSO.</source>
        <translation>QSOs with the same callsign and the same QSL via share a label, one line per QSO.</translation>
    </message>
    <message>
        <source>Libellé Texte QSL</source>
        <translation>QSL phrase</translation>
    </message>
    <message>
        <source>Merci pour le QSO  Pse QSL</source>
        <translation>Thanks for the QSO  Pse QSL</translation>
    </message>
    <message>
        <source>Merci pour le QSO et pour  la QSL</source>
        <translation>Thanks for the QSO and the QSL</translation>
    </message>
    <message>
        <source>Merci pour le QSO  pas de QSL</source>
        <translation>Thanks for the QSO  no QSL</translation>
    </message>
    <message>
        <source>Selon la QSL reçue</source>
        <translation>As the QSL received says</translation>
    </message>
    <message>
        <source>Libellé commentaire</source>
        <translation>Comment line</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>32 caracteres maxi</source>
        <translation>32 characters max</translation>
    </message>
    <message>
        <source>Options de l&apos;activation</source>
        <translation>Activation options</translation>
    </message>
    <message>
        <source>N°de l&apos;activité</source>
        <translation>Activation No.</translation>
    </message>
    <message>
        <source>12 caracteres maxi</source>
        <translation>12 characters max</translation>
    </message>
    <message>
        <source>Numero de l&apos;activité obligatoire</source>
        <translation>The activation number is required</translation>
    </message>
    <message>
        <source>Nom de l&apos;activité</source>
        <translation>Activation name</translation>
    </message>
    <message>
        <source>30 caracteres maxi</source>
        <translation>30 characters max</translation>
    </message>
    <message>
        <source>Nom de l&apos;activité obligatoire</source>
        <translation>The activation name is required</translation>
    </message>
    <message>
        <source>N° du Canton</source>
        <translation>Canton No.</translation>
    </message>
    <message>
        <source>4 caracteres maxi</source>
        <translation>4 characters max</translation>
    </message>
    <message>
        <source>Numero du Canton obligatoire</source>
        <translation>The canton number is required</translation>
    </message>
    <message>
        <source>Code postal</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>5 caracteres maxi</source>
        <translation>5 characters max</translation>
    </message>
    <message>
        <source>Numero du code postal obligatoire</source>
        <translation>The postcode is required</translation>
    </message>
    <message>
        <source>Commune</source>
        <translation>Municipality</translation>
    </message>
    <message>
        <source>26 caracteres maxi</source>
        <translation>26 characters max</translation>
    </message>
    <message>
        <source>Nom de la commune obligatoire</source>
        <translation>The municipality is required</translation>
    </message>
    <message>
        <source>&amp;Effacer</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>Options station</source>
        <translation>Station options</translation>
    </message>
    <message>
        <source>Transceiver </source>
        <translation>Transceiver </translation>
    </message>
    <message>
        <source>40 caracteres maxi</source>
        <translation>40 characters max</translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation>Transceiver</translation>
    </message>
    <message>
        <source>Antenne</source>
        <translation>Antenna</translation>
    </message>
    <message>
        <source>15 caracteres maxi</source>
        <translation>15 characters max</translation>
    </message>
    <message>
        <source>&amp;Imprimer les enveloppes</source>
        <translation>&amp;Print the envelopes</translation>
    </message>
    <message>
        <source>Pour l&apos;impression directe sur QSL, l&apos;aperçu se fait dans la fenêtre d&apos;impression sur carte QSL.</source>
        <translation>For direct printing on QSL cards, the preview is in the QSL card printing window.</translation>
    </message>
</context>
<context>
    <name>LabelPrintRun</name>
    <message>
        <source>Format d&apos;étiquettes inconnu : %1</source>
        <translation>Unknown label format: %1</translation>
    </message>
    <message>
        <source>Planche %1 : %2</source>
        <translation>Sheet %1: %2</translation>
    </message>
    <message>
        <source>Page suivante ?</source>
        <translation>Next page?</translation>
    </message>
    <message>
        <source>Certaines étiquettes sont trop petites : le commentaire, puis la ligne TX et antenne, y ont été omis.</source>
        <translation>Some labels are too small: the comment, then the TX and antenna line, were left out of them.</translation>
    </message>
    <message>
        <source>Première étiquette : un nombre de 1 à %1 est attendu.</source>
        <translation>First label: a number from 1 to %1 is expected.</translation>
    </message>
</context>
<context>
    <name>LabelPrinting</name>
    <message>
        <source>Planche inconnue : %1</source>
        <translation>Unknown sheet: %1</translation>
    </message>
    <message>
        <source>Aperçu des étiquettes</source>
        <translation>Label preview</translation>
    </message>
    <message>
        <source> (refusée : %1)</source>
        <translation> (refused: %1)</translation>
    </message>
</context>
<context>
    <name>LabelSamples</name>
    <message>
        <source>Indicatif</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>Exemple d&apos;étiquette confirmant un QSO </source>
        <translation>Sample label confirming a QSO </translation>
    </message>
    <message>
        <source>Exemple d&apos;étiquette confirmant une activation</source>
        <translation>Sample label confirming an activation</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>Papier : A4, Letter ou une largeur x hauteur en mm positives.</source>
        <translation>Paper: A4, Letter or a positive width x height in mm.</translation>
    </message>
    <message>
        <source>Rangées : au plus %1 étiquettes par planche (colonnes x rangées).</source>
        <translation>Rows: at most %1 labels per sheet (columns x rows).</translation>
    </message>
    <message>
        <source>Pas horizontal : les étiquettes se chevauchent (pas plus petit que la largeur).</source>
        <translation>Horizontal pitch: the labels overlap (pitch smaller than the width).</translation>
    </message>
    <message>
        <source>Pas vertical : les étiquettes se chevauchent (pas plus petit que la hauteur).</source>
        <translation>Vertical pitch: the labels overlap (pitch smaller than the height).</translation>
    </message>
    <message>
        <source>Pas horizontal : les étiquettes sortent du papier à droite.</source>
        <translation>Horizontal pitch: the labels go past the right edge of the paper.</translation>
    </message>
    <message>
        <source>Pas vertical : les étiquettes sortent du papier en bas.</source>
        <translation>Vertical pitch: the labels go past the bottom of the paper.</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2 x %3  %n étiquettes</source>
        <translation>
            <numerusform>%1  %2 x %3  %n label</numerusform>
            <numerusform>%1  %2 x %3  %n labels</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 : un nombre de %2 à %3%4 est attendu.</source>
        <translation>%1: a number from %2 to %3%4 is expected.</translation>
    </message>
    <message>
        <source>%1 : un nombre de plus de %2 à %3%4 est attendu.</source>
        <translation>%1: a number above %2, up to %3%4, is expected.</translation>
    </message>
    <message>
        <source>Largeur du papier</source>
        <translation>Paper width</translation>
    </message>
    <message>
        <source>Hauteur du papier</source>
        <translation>Paper height</translation>
    </message>
    <message>
        <source>Colonnes</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Rangées</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Marge gauche</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>Marge haute</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>Largeur d&apos;étiquette</source>
        <translation>Label width</translation>
    </message>
    <message>
        <source>Hauteur d&apos;étiquette</source>
        <translation>Label height</translation>
    </message>
    <message>
        <source>Pas horizontal</source>
        <translation>Horizontal pitch</translation>
    </message>
    <message>
        <source>Pas vertical</source>
        <translation>Vertical pitch</translation>
    </message>
</context>
<context>
    <name>LabelsCommand</name>
    <message>
        <source>Planche inconnue : %1 (voir --list-sheets)</source>
        <translation>Unknown sheet: %1 (see --list-sheets)</translation>
    </message>
    <message>
        <source>--sheet : %1 (voir labels --list-sheets)</source>
        <translation>--sheet: %1 (see labels --list-sheets)</translation>
    </message>
    <message>
        <source>--first-label : %1</source>
        <translation>--first-label: %1</translation>
    </message>
    <message>
        <source>--%1 : %2</source>
        <translation>--%1: %2</translation>
    </message>
</context>
<context>
    <name>LayoutEditor</name>
    <message>
        <source>Ligne %1 : %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>indicatif</source>
        <translation>callsign</translation>
    </message>
    <message>
        <source>QSL via</source>
        <translation>QSL via</translation>
    </message>
    <message>
        <source>date</source>
        <translation>date</translation>
    </message>
    <message>
        <source>heure</source>
        <translation>time</translation>
    </message>
    <message>
        <source>bande</source>
        <translation>band</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>Joindre la ligne 2 à la ligne 1</source>
        <translation>Join line 2 to line 1</translation>
    </message>
    <message>
        <source>Joindre la ligne 4 à la ligne 3</source>
        <translation>Join line 4 to line 3</translation>
    </message>
    <message>
        <source>Joindre les lignes 6 et 7 à la ligne 5</source>
        <translation>Join lines 6 and 7 to line 5</translation>
    </message>
    <message>
        <source>Parametres de la QSL</source>
        <translation>QSL settings</translation>
    </message>
    <message>
        <source>Position des champs à imprimer</source>
        <translation>Position of the fields to print</translation>
    </message>
    <message>
        <source>Marges</source>
        <translation>Margins</translation>
    </message>
    <message>
        <source>Gauche  Haute   Police    Textes avant le champs QSO</source>
        <translation>Left    Top     Font      Texts before the QSO field</translation>
    </message>
    <message>
        <source>Champs QSO</source>
        <translation>QSO fields</translation>
    </message>
    <message>
        <source>Gauche  Haute   Police                                  Champs personalisables</source>
        <translation>Left    Top     Font                                    Custom fields</translation>
    </message>
    <message>
        <source>position gauche (mm)</source>
        <translation>left position (mm)</translation>
    </message>
    <message>
        <source>position haute (mm)</source>
        <translation>top position (mm)</translation>
    </message>
    <message>
        <source>taille de police (5 à 15)</source>
        <translation>font size (5 to 15)</translation>
    </message>
    <message>
        <source>texte</source>
        <translation>text</translation>
    </message>
    <message>
        <source>Marges  : Toutes les valeurs en millimètres  valeur 0 et 0 pour une ligne non utilisée</source>
        <translation>Margins: all values in millimetres; 0 and 0 for an unused line</translation>
    </message>
    <message>
        <source>Taille de la Police de caracteres  :  de 5 à 15</source>
        <translation>Font size: 5 to 15</translation>
    </message>
    <message>
        <source>Les 3 case à cocher Ck permettent d&apos;associer les champs sur une seule ligne</source>
        <translation>The 3 Ck boxes put fields together on one line</translation>
    </message>
    <message>
        <source>ATTENTION tenir compte des Marges Gauches et Hautes de l&apos;imprimante</source>
        <translation>CAUTION: allow for the printer&apos;s left and top margins</translation>
    </message>
    <message>
        <source>Valeurs </source>
        <translation>Values </translation>
    </message>
    <message>
        <source>Marge gauche de l&apos;imprimante (mm)</source>
        <translation>Printer&apos;s left margin (mm)</translation>
    </message>
    <message>
        <source>Marge haute de l&apos;imprimante (mm)</source>
        <translation>Printer&apos;s top margin (mm)</translation>
    </message>
    <message>
        <source>selon imprimante ( 2 à 5 mmm )</source>
        <translation>depends on the printer (2 to 5 mm)</translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>select a file or quit</translation>
    </message>
    <message>
        <source>La taille de police P%1 (« %2 ») doit être un nombre de 5 à 15.</source>
        <translation>Font size P%1 (&quot;%2&quot;) must be a number from 5 to 15.</translation>
    </message>
    <message>
        <source> Le modèle n&apos;est pas enregistré.</source>
        <translation> The layout is not saved.</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà. Le remplacer ?</source>
        <translation>The file %1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>&amp;Modeles de QSL</source>
        <translation>QSL &amp;layouts</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>Carte QSL : tableau, format et image</source>
        <translation>QSL card: table, size and picture</translation>
    </message>
    <message>
        <source>&amp;Carte…</source>
        <translation>&amp;Card…</translation>
    </message>
</context>
<context>
    <name>LayoutPreview</name>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Aperçu : ces valeurs ne sont pas des nombres, leurs lignes ne sont pas affichées : %1</source>
        <translation>Preview: these values are not numbers, their lines are not shown: %1</translation>
    </message>
</context>
<context>
    <name>LogAddresses</name>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : il finit avant le QSO avec %2 (octet %3). Relisez-le.</source>
        <translation>The file %1 has changed since it was read: it ends before the QSO with %2 (byte %3). Read it again.</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : le QSO avec %2 (octet %3) y a maintenant pour CALL « %4 ». Relisez-le.</source>
        <translation>The file %1 has changed since it was read: the QSO with %2 (byte %3) now has CALL “%4” there. Read it again.</translation>
    </message>
</context>
<context>
    <name>MailOptionsWidget</name>
    <message>
        <source>Impression</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Étiquettes QSO</source>
        <translation>QSO labels</translation>
    </message>
    <message>
        <source>Adresses (étiquettes)</source>
        <translation>Addresses (labels)</translation>
    </message>
    <message>
        <source>Enveloppes</source>
        <translation>Envelopes</translation>
    </message>
    <message>
        <source>Format des enveloppes</source>
        <translation>Envelope format</translation>
    </message>
    <message>
        <source>E&amp;xpéditeur…</source>
        <translation>Se&amp;nder…</translation>
    </message>
    <message>
        <source>A&amp;dresses…</source>
        <translation>A&amp;ddresses…</translation>
    </message>
    <message>
        <source>Adresse de l&apos;expéditeur</source>
        <translation>Sender&apos;s address</translation>
    </message>
    <message>
        <source>Étiquettes de l&apos;expéditeur</source>
        <translation>Sender&apos;s labels</translation>
    </message>
    <message>
        <source>Destinataire, droite</source>
        <translation>Recipient, right</translation>
    </message>
    <message>
        <source>Destinataire, bas</source>
        <translation>Recipient, down</translation>
    </message>
    <message>
        <source>Expéditeur, droite</source>
        <translation>Sender, right</translation>
    </message>
    <message>
        <source>Expéditeur, bas</source>
        <translation>Sender, down</translation>
    </message>
    <message>
        <source>Décalage destinataire (→, ↓)</source>
        <translation>Recipient offset (→, ↓)</translation>
    </message>
    <message>
        <source>Décalage expéditeur (→, ↓)</source>
        <translation>Sender offset (→, ↓)</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>Choisissez la planche des étiquettes d&apos;adresses.</source>
        <translation>Choose the sheet of the address labels.</translation>
    </message>
</context>
<context>
    <name>MailPrinting</name>
    <message>
        <source>Aucune adresse pour les QSO choisis</source>
        <translation>No address for the chosen QSOs</translation>
    </message>
    <message>
        <source>Pas d&apos;adresse pour : %1

Les ajouter au carnet d&apos;adresses ?</source>
        <translation>No address for: %1

Add them to the address book?</translation>
    </message>
    <message>
        <source>Adresse trop longue, non imprimée : %1</source>
        <translation>Address too long, not printed: %1</translation>
    </message>
    <message>
        <source>Aperçu des enveloppes</source>
        <translation>Envelope preview</translation>
    </message>
    <message>
        <source>Aperçu des adresses</source>
        <translation>Address preview</translation>
    </message>
</context>
<context>
    <name>MailingList</name>
    <message>
        <source>Pas de destinataire pour : %1 (l&apos;indicatif ne nomme aucune station)</source>
        <translation>No recipient for: %1 (the call names no station)</translation>
    </message>
</context>
<context>
    <name>NoBureauTable</name>
    <message>
        <source>Le fichier des pays sans bureau %1 ne peut pas être lu (%2) : seule la liste fournie est utilisée.</source>
        <translation>The file of countries without a bureau %1 cannot be read (%2): only the built-in list is used.</translation>
    </message>
    <message numerus="yes">
        <source>Le fichier des pays sans bureau %1 : %n lignes ignorées : %2 (attendu : PRÉFIXE ou -PRÉFIXE, tabulation, AAAA-MM-JJ, tabulation, source).</source>
        <translation>
            <numerusform>The file of countries without a bureau %1: %n line ignored: %2 (expected: PREFIX or -PREFIX, tab, YYYY-MM-DD, tab, source).</numerusform>
            <numerusform>The file of countries without a bureau %1: %n lines ignored: %2 (expected: PREFIX or -PREFIX, tab, YYYY-MM-DD, tab, source).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PdfOutput</name>
    <message>
        <source>%1 ; il n&apos;est pas modifié.</source>
        <translation>%1; it is not changed.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Impression arrêtée : aucun fichier n&apos;est écrit.</source>
        <translation>Printing stopped: no file is written.</translation>
    </message>
    <message>
        <source>Impression arrêtée : %1 %2 à l&apos;imprimante.</source>
        <translation>Printing stopped: %1 %2 to the printer.</translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>Décalage : un nombre de millimètres de -10 à +10 est attendu (%1).</source>
        <translation>Offset: a number of millimetres from -10 to +10 is expected (%1).</translation>
    </message>
</context>
<context>
    <name>PrinterJob</name>
    <message>
        <source>L&apos;impression n&apos;a pas pu être terminée.</source>
        <translation>The printing could not be finished.</translation>
    </message>
</context>
<context>
    <name>PrinterSurface</name>
    <message>
        <source>(aucune)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est disponible.</source>
        <translation>No printer is available.</translation>
    </message>
    <message>
        <source>Imprimante introuvable : %1</source>
        <translation>Printer not found: %1</translation>
    </message>
    <message>
        <source>L&apos;imprimante %1 est en erreur ou désactivée.</source>
        <translation>The printer %1 is in error or disabled.</translation>
    </message>
    <message>
        <source>L&apos;imprimante %1 a refusé la page : %2</source>
        <translation>The printer %1 refused the page: %2</translation>
    </message>
    <message>
        <source>L&apos;imprimante %1 a été arrêtée ou désactivée pendant l&apos;impression ; la dernière page attend dans la file d&apos;impression.</source>
        <translation>The printer %1 was stopped or disabled while printing; the last page waits in the print queue.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : le support est plein ou en erreur.</source>
        <translation>Cannot write the file %1: the disk is full or in error.</translation>
    </message>
    <message>
        <source>Impossible de commencer une nouvelle page.</source>
        <translation>Cannot start a new page.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1.</source>
        <translation>Cannot write the file %1.</translation>
    </message>
    <message>
        <source>Impossible de commencer l&apos;impression sur %1.</source>
        <translation>Cannot start printing on %1.</translation>
    </message>
    <message>
        <source>La page n&apos;a pas pu être envoyée à l&apos;imprimante %1.</source>
        <translation>The page could not be sent to the printer %1.</translation>
    </message>
</context>
<context>
    <name>ProgramLanguage</name>
    <message>
        <source>Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré, le catalogue intégré au programme est utilisé.</source>
        <translation>The translation catalogue %1 is unreadable or damaged: it is ignored, and the catalogue built into the program is used.</translation>
    </message>
    <message>
        <source>Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré, le catalogue %2 est utilisé.</source>
        <translation>The translation catalogue %1 is unreadable or damaged: it is ignored, and the catalogue %2 is used.</translation>
    </message>
    <message>
        <source>Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré.</source>
        <translation>The translation catalogue %1 is unreadable or damaged: it is ignored.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>indicatif absent</source>
        <translation>callsign missing</translation>
    </message>
    <message>
        <source>date absente</source>
        <translation>date missing</translation>
    </message>
    <message>
        <source>bande absente</source>
        <translation>band missing</translation>
    </message>
    <message>
        <source>la station ne veut pas de carte</source>
        <translation>the station wants no card</translation>
    </message>
    <message>
        <source>la station ne confirme qu&apos;en ligne</source>
        <translation>the station confirms only online</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO à vérifier avant l&apos;impression :</source>
        <translation>
            <numerusform>%n QSO to check before printing:</numerusform>
            <numerusform>%n QSOs to check before printing:</numerusform>
        </translation>
    </message>
    <message>
        <source>Les imprimer aussi ? (Non : ils sont laissés de côté)</source>
        <translation>Print them too? (No: they are left out)</translation>
    </message>
    <message>
        <source>date illisible</source>
        <translation>unreadable date</translation>
    </message>
</context>
<context>
    <name>QslTemplateFile</name>
    <message>
        <source>%1 contient des caractères qu&apos;un fichier .qsl ne peut pas garder : %2. Le modèle n&apos;est pas enregistré.</source>
        <translation>%1 holds characters that a .qsl file cannot keep: %2. The layout is not saved.</translation>
    </message>
    <message>
        <source>La valeur de %1 (« %2 ») est trop longue : 13 caractères au plus. Le modèle n&apos;est pas enregistré.</source>
        <translation>The value of %1 (&quot;%2&quot;) is too long: 13 characters at most. The layout is not saved.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>%1 ; le modèle n&apos;est pas enregistré.</source>
        <translation>%1; the layout is not saved.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Arrêter</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>%v sur %m</source>
        <translation>%v of %m</translation>
    </message>
</context>
<context>
    <name>ReceivedCardsWindow</name>
    <message>
        <source>Cartes reçues</source>
        <translation>Cards received</translation>
    </message>
    <message>
        <source>Indicatifs des cartes reçues</source>
        <translation>Callsigns of the cards received</translation>
    </message>
    <message>
        <source>QSO trouvés</source>
        <translation>QSOs found</translation>
    </message>
    <message>
        <source>Lignes sans QSO</source>
        <translation>Lines without a QSO</translation>
    </message>
    <message>
        <source>Lignes à plusieurs QSO</source>
        <translation>Lines with several QSOs</translation>
    </message>
    <message>
        <source>B (bureau)</source>
        <translation>B (bureau)</translation>
    </message>
    <message>
        <source>D (directe)</source>
        <translation>D (direct)</translation>
    </message>
    <message>
        <source>M (manager)</source>
        <translation>M (manager)</translation>
    </message>
    <message>
        <source>&amp;Marquer comme reçues</source>
        <translation>&amp;Mark as received</translation>
    </message>
    <message>
        <source>Une carte par ligne : indicatif [date] [bande]</source>
        <translation>One card per line: callsign [date] [band]</translation>
    </message>
    <message>
        <source>Plusieurs QSO : cochez les bons</source>
        <translation>Several QSOs: tick the right ones</translation>
    </message>
    <message>
        <source>&amp;Voie de réception :</source>
        <translation>&amp;Received via:</translation>
    </message>
    <message>
        <source>  (déjà reçue)</source>
        <translation>  (already received)</translation>
    </message>
    <message>
        <source>Un autre journal a été lu : vérifiez les cartes.</source>
        <translation>Another log has been read: check the cards.</translation>
    </message>
    <message>
        <source>Aucun QSO du journal lu à marquer comme reçu.</source>
        <translation>No QSO of the log read to mark as received.</translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO comme reçus ?</source>
        <translation>
            <numerusform>Mark the %n QSO as received?</numerusform>
            <numerusform>Mark the %n QSOs as received?</numerusform>
        </translation>
    </message>
    <message>
        <source>Lire la copie marquée %1, pour imprimer les réponses ?</source>
        <translation>Read the marked copy %1, to print the replies?</translation>
    </message>
    <message>
        <source>(« %1 » n&apos;est ni une date ni une bande)</source>
        <translation>(&quot;%1&quot; is neither a date nor a band)</translation>
    </message>
</context>
<context>
    <name>ReceivedCommand</name>
    <message>
        <source>--via : B, D ou M</source>
        <translation>--via: B, D or M</translation>
    </message>
    <message>
        <source>Aucun QSO dans le fichier %1</source>
        <translation>No QSO in the file %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>Le fichier %1 dépasse 16 Mio : ce n&apos;est pas une liste d&apos;indicatifs.</source>
        <translation>The file %1 is over 16 MiB: it is not a list of callsigns.</translation>
    </message>
    <message>
        <source>Ligne %1 : %2 QSO correspondent, aucun n&apos;est marqué : %3</source>
        <translation>Line %1: %2 QSOs match, none is marked: %3</translation>
    </message>
    <message>
        <source>Ligne %1 : aucun QSO ne correspond : %2</source>
        <translation>Line %1: no QSO matches: %2</translation>
    </message>
    <message>
        <source>Marquage interrompu : la copie %1 n&apos;est pas écrite.</source>
        <translation>Marking interrupted: the copy %1 is not written.</translation>
    </message>
    <message>
        <source>Marquage interrompu : la copie %1 est écrite.</source>
        <translation>Marking interrupted: the copy %1 is written.</translation>
    </message>
    <message numerus="yes">
        <source>%n lignes trouvées, %1 sans QSO, %2 à plusieurs QSO</source>
        <translation>
            <numerusform>%n line found, %1 without a QSO, %2 with several QSOs</numerusform>
            <numerusform>%n lines found, %1 without a QSO, %2 with several QSOs</numerusform>
        </translation>
    </message>
    <message>
        <source>Ligne %1 : « %2 » n&apos;est ni une date (AAAAMMJJ, AAAA-MM-JJ, JJ/MM/AA) ni une bande (20M) : aucun QSO n&apos;est cherché : %3</source>
        <translation>Line %1: &quot;%2&quot; is neither a date (YYYYMMDD, YYYY-MM-DD, DD/MM/YY) nor a band (20M): no QSO is looked for: %3</translation>
    </message>
</context>
<context>
    <name>ReplacedFile</name>
    <message>
        <source>erreur d&apos;écriture</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>le fichier écrit est incomplet ou abîmé</source>
        <translation>the file written is incomplete or damaged</translation>
    </message>
</context>
<context>
    <name>RunFiles</name>
    <message>
        <source>Le fichier de sortie %1 est le fichier lu %2 : rien n&apos;est écrit.</source>
        <translation>The output file %1 is the file read %2: nothing is written.</translation>
    </message>
    <message>
        <source>Le fichier de sortie %1 n&apos;est pas un fichier ordinaire : rien n&apos;est écrit.</source>
        <translation>The output file %1 is not a regular file: nothing is written.</translation>
    </message>
    <message>
        <source>%1 est le fichier %2 de cette impression : rien n&apos;est écrit, donnez un autre nom à la copie marquée.</source>
        <translation>%1 is the file %2 of this print run: nothing is written, give the marked copy another name.</translation>
    </message>
    <message>
        <source>%1 ne peut pas être remplacé (le journal lui-même ou un fichier spécial) ; donnez un autre nom.</source>
        <translation>%1 cannot be replaced (the log itself or a special file); give another name.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2 ; rien n&apos;est écrit.</source>
        <translation>Cannot write the file %1: %2; nothing is written.</translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Sélection des QSO</source>
        <translation>QSO selection</translation>
    </message>
    <message>
        <source>Liste des QSO</source>
        <translation>QSO list</translation>
    </message>
    <message>
        <source>QSO sélectionné(s) . Cliquez sur un QSO pour le désélctionner.</source>
        <translation>Selected QSOs. Click a QSO to deselect it.</translation>
    </message>
    <message>
        <source>QSO sélectionnés</source>
        <translation>Selected QSOs</translation>
    </message>
    <message>
        <source>&amp;Tout sélectionner</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>&amp;Imprimer étiquettes</source>
        <translation>&amp;Print labels</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Cartes &amp;reçues…</source>
        <translation>Cards &amp;received…</translation>
    </message>
    <message>
        <source>Tri par &amp;date</source>
        <translation>Sort by &amp;date</translation>
    </message>
    <message>
        <source>Tri par &amp;call</source>
        <translation>Sort by &amp;call</translation>
    </message>
    <message>
        <source>Tri &amp;bureau</source>
        <translation>Sort for the &amp;bureau</translation>
    </message>
    <message>
        <source>Cliquez sur un QSO pour le sélectionner </source>
        <translation>Click a QSO to select it </translation>
    </message>
    <message>
        <source>Toutes</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Non envoyées</source>
        <translation>Not sent</translation>
    </message>
    <message>
        <source>Demandées ou en file</source>
        <translation>Requested or queued</translation>
    </message>
    <message>
        <source>Reçues sans réponse</source>
        <translation>Received, not answered</translation>
    </message>
    <message>
        <source>Bureau</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Directe</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>QSL à &amp;envoyer :</source>
        <translation>QSLs to s&amp;end:</translation>
    </message>
    <message>
        <source>&amp;Voie :</source>
        <translation>&amp;Via:</translation>
    </message>
    <message>
        <source>Ordre d&apos;impression : bureau</source>
        <translation>Printing order: bureau</translation>
    </message>
    <message>
        <source>Ordre d&apos;impression : par indicatif</source>
        <translation>Printing order: by callsign</translation>
    </message>
    <message>
        <source>Sans confirmation électronique</source>
        <translation>Without electronic confirmation</translation>
    </message>
</context>
<context>
    <name>SentMarker</name>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : la copie marquée n&apos;est pas écrite ; relisez-le avant de marquer les QSO.</source>
        <translation>The file %1 has changed since it was read: the marked copy is not written; read it again before marking the QSOs.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2 ; la copie marquée n&apos;est pas enregistrée.</source>
        <translation>Cannot write the file %1: %2; the marked copy is not saved.</translation>
    </message>
    <message>
        <source>support plein</source>
        <translation>disk full</translation>
    </message>
</context>
<context>
    <name>SentMarking</name>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés par le bureau ?</source>
        <translation>
            <numerusform>Mark the %n printed QSO as sent via the bureau?</numerusform>
            <numerusform>Mark the %n printed QSOs as sent via the bureau?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés en direct ?</source>
        <translation>
            <numerusform>Mark the %n printed QSO as sent direct?</numerusform>
            <numerusform>Mark the %n printed QSOs as sent direct?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés ?</source>
        <translation>
            <numerusform>Mark the %n printed QSO as sent?</numerusform>
            <numerusform>Mark the %n printed QSOs as sent?</numerusform>
        </translation>
    </message>
    <message>
        <source>
Le journal d&apos;avant est gardé dans %1.</source>
        <translation>
The log as it was is kept in %1.</translation>
    </message>
    <message>
        <source>Le fichier %1 est le journal lui-même. Le remplacer par la copie marquée ?
Le journal d&apos;avant sera gardé dans %2.</source>
        <translation>The file %1 is the log itself. Replace it with the marked copy?
The log as it was will be kept in %2.</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà.
Voulez-vous le remplacer ?</source>
        <translation>The file %1 already exists.
Do you want to replace it?</translation>
    </message>
    <message numerus="yes">
        <source>
%n QSO imprimés ne sont pas dans le journal lu %1 et ne sont pas marqués : %2</source>
        <translation>
            <numerusform>
%n printed QSO is not in the log read %1 and is not marked: %2</numerusform>
            <numerusform>
%n printed QSOs are not in the log read %1 and are not marked: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : la copie marquée n&apos;est pas écrite ; relisez-le avant de marquer les QSO.</source>
        <translation>The file %1 has changed since it was read: the marked copy is not written; read it again before marking the QSOs.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>%1 ; le journal n&apos;est pas gardé, la copie marquée n&apos;est pas écrite.</source>
        <translation>%1; the log is not kept, the marked copy is not written.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Les options ne peuvent pas être enregistrées : le fichier %1 est illisible ou protégé en écriture. Le programme continue avec les valeurs par défaut.</source>
        <translation>The options cannot be saved: the file %1 is unreadable or write-protected. The program goes on with the default values.</translation>
    </message>
    <message>
        <source>aucun fichier temporaire ne peut être créé</source>
        <translation>no temporary file can be created</translation>
    </message>
    <message>
        <source>le texte des options n&apos;a pas pu être préparé</source>
        <translation>the text of the options could not be prepared</translation>
    </message>
    <message>
        <source>Les options ne peuvent pas être enregistrées : impossible d&apos;écrire le fichier %1 (%2). Il est gardé tel qu&apos;il était ; le programme continue avec les valeurs choisies.</source>
        <translation>The options cannot be saved: cannot write the file %1 (%2). It is kept as it was; the program goes on with the values chosen.</translation>
    </message>
    <message>
        <source>une autre instance du programme l&apos;écrit en ce moment</source>
        <translation>another instance of the program is writing it right now</translation>
    </message>
    <message>
        <source>le fichier n&apos;a pas pu être relu</source>
        <translation>the file could not be read again</translation>
    </message>
    <message>
        <source>Le fichier d&apos;options %1, ligne %2 : ligne incomprise, ignorée ; elle reste dans le fichier.</source>
        <translation>Settings file %1, line %2: line not understood, ignored; it stays in the file.</translation>
    </message>
    <message>
        <source>Le fichier d&apos;options %1 a d&apos;autres lignes incomprises, ignorées elles aussi.</source>
        <translation>Settings file %1 has more lines not understood, ignored as well.</translation>
    </message>
</context>
<context>
    <name>SheetDrawing</name>
    <message>
        <source>Dessin de la planche</source>
        <translation>Sheet drawing</translation>
    </message>
</context>
<context>
    <name>SheetProfile</name>
    <message>
        <source>Page suivante ?</source>
        <translation>Next page?</translation>
    </message>
</context>
<context>
    <name>SheetTable</name>
    <message>
        <source>Le fichier des planches %1 ne peut pas être lu (%2) : seules les planches fournies sont proposées.</source>
        <translation>The sheets file %1 cannot be read (%2): only the built-in sheets are offered.</translation>
    </message>
    <message>
        <source>n&apos;est pas de la forme NOM, tab, PAPIER, tab, COLONNESxRANGÉES, tab, six mesures en mm.</source>
        <translation>is not of the form NAME, tab, PAPER, tab, COLUMNSxROWS, tab, six measures in mm.</translation>
    </message>
    <message>
        <source>ligne %1, %2</source>
        <translation>line %1, %2</translation>
    </message>
    <message>
        <source>Nom : donnez un nom à la planche.</source>
        <translation>Name: give the sheet a name.</translation>
    </message>
    <message>
        <source>Nom : %1 est une planche fournie ; copiez-la pour la modifier.</source>
        <translation>Name: %1 is a built-in sheet; copy it to change it.</translation>
    </message>
    <message>
        <source>Nom : une planche %1 existe déjà.</source>
        <translation>Name: a sheet %1 already exists.</translation>
    </message>
    <message>
        <source>planche inconnue %1</source>
        <translation>unknown sheet %1</translation>
    </message>
    <message>
        <source>planche inconnue %1 : elle est refusée dans %2, %3</source>
        <translation>unknown sheet %1: it is refused in %2, %3</translation>
    </message>
    <message>
        <source>%1 ; les planches ne sont pas modifiées.</source>
        <translation>%1; the sheets are not changed.</translation>
    </message>
    <message numerus="yes">
        <source>%n planches illisibles ignorées dans %1 ; la première, %2</source>
        <translation>
            <numerusform>%n unreadable sheet left out of %1: %2</numerusform>
            <numerusform>%n unreadable sheets left out of %1; the first, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Le fichier des planches %1 ne peut pas être relu (%2) : les planches ne sont pas modifiées.</source>
        <translation>The sheets file %1 cannot be read again (%2): the sheets are not changed.</translation>
    </message>
</context>
<context>
    <name>SheetsWindow</name>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Planches d&apos;étiquettes</source>
        <translation>Label sheets</translation>
    </message>
    <message>
        <source>Planches</source>
        <translation>Sheets</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>Planche</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>Planche fournie : copiez-la pour la modifier.</source>
        <translation>Built-in sheet: copy it to change it.</translation>
    </message>
    <message>
        <source>Personnalisé</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>Calibration de l&apos;imprimante %1</source>
        <translation>Calibration of printer %1</translation>
    </message>
    <message>
        <source>Planche fournie, non modifiable</source>
        <translation>Built-in sheet, cannot be changed</translation>
    </message>
    <message>
        <source>%1 : un nombre positif est attendu.</source>
        <translation>%1: a positive number is expected.</translation>
    </message>
    <message>
        <source>%1 : un nombre entier positif est attendu.</source>
        <translation>%1: a positive whole number is expected.</translation>
    </message>
    <message>
        <source>Largeur et hauteur du papier : des nombres positifs sont attendus.</source>
        <translation>Paper width and height: positive numbers are expected.</translation>
    </message>
    <message>
        <source>Copie de %1</source>
        <translation>Copy of %1</translation>
    </message>
    <message>
        <source>Copie %1 de %2</source>
        <translation>Copy %1 of %2</translation>
    </message>
    <message>
        <source>Supprimer la planche %1 ?</source>
        <translation>Delete the sheet %1?</translation>
    </message>
    <message>
        <source>&amp;Nouvelle</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Décalage horizontal (mm)</source>
        <translation>Horizontal offset (mm)</translation>
    </message>
    <message>
        <source>Décalage vertical (mm)</source>
        <translation>Vertical offset (mm)</translation>
    </message>
    <message>
        <source>Enregistrer le &amp;décalage</source>
        <translation>Save the &amp;offset</translation>
    </message>
    <message>
        <source>&amp;Page de calibration</source>
        <translation>Calibration &amp;page</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Impression d&apos;etiquettes pour QSL</source>
        <translation>QSL label printing</translation>
    </message>
    <message>
        <source>a partir d&apos;un fichier ADIF</source>
        <translation>from an ADIF file</translation>
    </message>
    <message>
        <source>Indicatif de la station</source>
        <translation>Station callsign</translation>
    </message>
    <message>
        <source>Selection du fichier ADIF</source>
        <translation>ADIF file selection</translation>
    </message>
    <message>
        <source>&amp;Selectionnez</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <source>Entrez votre indicatif</source>
        <translation>Enter your callsign</translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>select a file or quit</translation>
    </message>
    <message>
        <source>Entrez votre indicatif, puis cliquez sur Selectionnez pour lire %1</source>
        <translation>Enter your callsign, then click Select to read %1</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Celle du système</source>
        <translation>The system&apos;s</translation>
    </message>
    <message>
        <source>La langue choisie s&apos;applique au prochain démarrage.</source>
        <translation>The language chosen applies from the next start.</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>address labels on any sheet of labels --list-sheets</source>
        <translation>address labels on any sheet of labels --list-sheets</translation>
    </message>
    <message>
        <source>one envelope per recipient, in landscape</source>
        <translation>one envelope per recipient, in landscape</translation>
    </message>
    <message>
        <source>N labels of the station&apos;s own address after the addresses</source>
        <translation>N labels of the station&apos;s own address after the addresses</translation>
    </message>
    <message>
        <source>the direct mail of the QSOs: one address per recipient (its QSL
manager, else the station), from adresses.csv, else the log&apos;s
latest ADDRESS_INTL or ADDRESS; --dump writes text X Y SIZE BOLD
|TEXT| per line (mm from the paper edge), end per sheet or
envelope, and missing CALL per recipient without address</source>
        <translation>the direct mail of the QSOs: one address per recipient (its QSL
manager, else the station), from adresses.csv, else the log&apos;s
latest ADDRESS_INTL or ADDRESS; --dump writes text X Y SIZE BOLD
|TEXT| per line (mm from the paper edge), end per sheet or
envelope, and missing CALL per recipient without address</translation>
    </message>
    <message>
        <source>the QSOs with one station (callsign and QSL via) share
cards, in the template&apos;s QSO table, in date order</source>
        <translation>the QSOs with one station (callsign and QSL via) share
cards, in the template&apos;s QSO table, in date order</translation>
    </message>
    <message>
        <source>PSE, TNX, nothing, or TNX where a card came (auto)</source>
        <translation>PSE, TNX, nothing, or TNX where a card came (auto)</translation>
    </message>
    <message>
        <source>cards per page: 2 or 4 on --paper A4|Letter, with crop
marks, placed from the paper edge</source>
        <translation>cards per page: 2 or 4 on --paper A4|Letter, with crop
marks, placed from the paper edge</translation>
    </message>
    <message>
        <source>with --offset-y MM: the printer&apos;s shift for this run</source>
        <translation>with --offset-y MM: the printer&apos;s shift for this run</translation>
    </message>
    <message>
        <source>start at card N of a used first page</source>
        <translation>start at card N of a used first page</translation>
    </message>
    <message>
        <source>print one QSL card per QSO of the log, in print-list order;
--pdf writes one page per card, --dump one line
per printed text: text X Y SIZE BOLD |TEXT| (X, Y in mm from
the printable area), and end after each page</source>
        <translation>print one QSL card per QSO of the log, in print-list order;
--pdf writes one page per card, --dump one line
per printed text: text X Y SIZE BOLD |TEXT| (X, Y in mm from
the printable area), and end after each page</translation>
    </message>
    <message>
        <source>only QSOs whose QSL is still owed (QSL_SENT absent, N, R, Q)</source>
        <translation>only QSOs whose QSL is still owed (QSL_SENT absent, N, R, Q)</translation>
    </message>
    <message>
        <source>unsent (as --unsent), requested (QSL_SENT R, Q) or received
(a card came: QSL_RCVD Y, V not via E; none went back)</source>
        <translation>unsent (as --unsent), requested (QSL_SENT R, Q) or received
(a card came: QSL_RCVD Y, V not via E; none went back)</translation>
    </message>
    <message>
        <source>only QSOs neither LoTW nor eQSL confirmed (LOTW_QSL_RCVD,
EQSL_QSL_RCVD not Y or V), with any queue</source>
        <translation>only QSOs neither LoTW nor eQSL confirmed (LOTW_QSL_RCVD,
EQSL_QSL_RCVD not Y or V), with any queue</translation>
    </message>
    <message>
        <source>all, bureau or direct: QSL_SENT_VIA, else QSL_RCVD_VIA, else
the bureau (M: bureau); marks B for bureau, D for direct</source>
        <translation>all, bureau or direct: QSL_SENT_VIA, else QSL_RCVD_VIA, else
the bureau (M: bureau); marks B for bureau, D for direct</translation>
    </message>
    <message>
        <source>call: as &quot;Tri par call&quot;; bureau: by the DXCC entity of
the QSL via&apos;s manager, else of the home call; then by it</source>
        <translation>call: as &quot;Tri par call&quot;; bureau: by the DXCC entity of
the QSL via&apos;s manager, else of the home call; then by it</translation>
    </message>
    <message>
        <source>after a complete run, a copy of the log with the printed
QSOs marked QSL_SENT Y, QSLSDATE today, QSL_SENT_VIA</source>
        <translation>after a complete run, a copy of the log with the printed
QSOs marked QSL_SENT Y, QSLSDATE today, QSL_SENT_VIA</translation>
    </message>
    <message>
        <source>a bureau run prints the QSOs the bureau cannot
deliver too (entity without bureau, QSL_VIA DIRECT)</source>
        <translation>a bureau run prints the QSOs the bureau cannot
deliver too (entity without bureau, QSL_VIA DIRECT)</translation>
    </message>
    <message>
        <source>the sending method marked (B for labels, D for cards;
M, which ADIF only reads, is written B)</source>
        <translation>the sending method marked (B for labels, D for cards;
M, which ADIF only reads, is written B)</translation>
    </message>
    <message>
        <source>--dump writes one line per printed line: line SIZE BOLD |TEXT|, and end or
discard for each ended or discarded sheet (text X Y SIZE BOLD |TEXT| for
fitted labels, X, Y in mm from the paper edge)</source>
        <translation>--dump writes one line per printed line: line SIZE BOLD |TEXT|, and end or
discard for each ended or discarded sheet (text X Y SIZE BOLD |TEXT| for
fitted labels, X, Y in mm from the paper edge)</translation>
    </message>
    <message>
        <source>Usage: quenor-etiquettes %1</source>
        <translation>Usage: quenor-etiquettes %1</translation>
    </message>
    <message>
        <source>Without a command the program opens its windows.</source>
        <translation>Without a command the program opens its windows.</translation>
    </message>
    <message>
        <source>labels and cards also take:</source>
        <translation>labels and cards also take:</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>show this text</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>show the version</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 file unreadable, 2 wrong arguments, 3 printing failed.</source>
        <translation>Exit codes: 0 done, 1 file unreadable, 2 wrong arguments, 3 printing failed.</translation>
    </message>
    <message>
        <source>any sheet of --list-sheets (labels fitted one by one on
sheets other than the tuned ones, placed from the paper edge)</source>
        <translation>any sheet of --list-sheets (labels fitted one by one on
sheets other than the tuned ones, placed from the paper edge)</translation>
    </message>
    <message>
        <source>start at label N of a used first sheet (numbered across
each row, then down); the labels before it stay blank</source>
        <translation>start at label N of a used first sheet (numbered across
each row, then down); the labels before it stay blank</translation>
    </message>
    <message>
        <source>print every QSO of the log on label sheets, in print-list
order; options not given take the station&apos;s stored value:</source>
        <translation>print every QSO of the log on label sheets, in print-list
order; options not given take the station&apos;s stored value:</translation>
    </message>
    <message>
        <source>(%1 or any text)</source>
        <translation>(%1 or any text)</translation>
    </message>
    <message>
        <source>the printer&apos;s shift for this run (-10 to +10)</source>
        <translation>the printer&apos;s shift for this run (-10 to +10)</translation>
    </message>
    <message>
        <source>the QSOs with one station (callsign and QSL via) share
labels, in print-list order, one line per QSO</source>
        <translation>the QSOs with one station (callsign and QSL via) share
labels, in print-list order, one line per QSO</translation>
    </message>
    <message>
        <source>one line per sheet: NAME, tab, PAPER, tab, COLUMNSxROWS, tab,
left top width height across down (mm)</source>
        <translation>one line per sheet: NAME, tab, PAPER, tab, COLUMNSxROWS, tab,
left top width height across down (mm)</translation>
    </message>
    <message>
        <source>print the sheet&apos;s calibration page</source>
        <translation>print the sheet&apos;s calibration page</translation>
    </message>
    <message>
        <source>write every QSO list row of the log, one per line (with
--sort bureau: the entity&apos;s prefix and a tab before each,
! before it when the bureau cannot deliver the card)</source>
        <translation>write every QSO list row of the log, one per line (with
--sort bureau: the entity&apos;s prefix and a tab before each,
! before it when the bureau cannot deliver the card)</translation>
    </message>
    <message>
        <source>the bundle, one card a line: CALL [YYYYMMDD|DD/MM/YY] [BAND]</source>
        <translation>the bundle, one card a line: CALL [YYYYMMDD|DD/MM/YY] [BAND]</translation>
    </message>
    <message>
        <source>the route the cards came by (B when not given; M, which
ADIF only reads, is written B)</source>
        <translation>the route the cards came by (B when not given; M, which
ADIF only reads, is written B)</translation>
    </message>
    <message>
        <source>the copy of the log with the QSOs found marked QSL_RCVD Y,
QSLRDATE today, QSL_RCVD_VIA (both kept where a card came before)</source>
        <translation>the copy of the log with the QSOs found marked QSL_RCVD Y,
QSLRDATE today, QSL_RCVD_VIA (both kept where a card came before)</translation>
    </message>
    <message>
        <source>mark the cards of a bundle as received; the lines that
match no QSO or several are listed and mark nothing</source>
        <translation>mark the cards of a bundle as received; the lines that
match no QSO or several are listed and mark nothing</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>L&apos;indicatif de la station est encore « %1 ». Entrez l&apos;indicatif à imprimer :</source>
        <translation>The station callsign is still &quot;%1&quot;. Enter the callsign to print:</translation>
    </message>
    <message>
        <source>Entrez votre indicatif</source>
        <translation>Enter your callsign</translation>
    </message>
    <message>
        <source>La liste d&apos;impression est vide : choisissez les QSO à imprimer dans la sélection.</source>
        <translation>The print list is empty: choose the QSOs to print in the selection.</translation>
    </message>
</context>
</TS>
