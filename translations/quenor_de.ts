<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="fr_FR">
<context>
    <name>AddressBook</name>
    <message>
        <source>le fichier contient des caractères nuls (texte UTF-16 sans marque ?)</source>
        <translation>die Datei enthält Nullzeichen (UTF-16-Text ohne Byte-Order-Mark?)</translation>
    </message>
    <message>
        <source>ligne %1 : guillemet non fermé</source>
        <translation>Zeile %1: nicht geschlossenes Anführungszeichen</translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 ne peut pas être lu en entier (%2) : il n&apos;est ni utilisé ni remplacé.</source>
        <translation>Das Adressbuch %1 kann nicht vollständig gelesen werden (%2): Es wird weder verwendet noch ersetzt.</translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 n&apos;est pas lisible : %2.</source>
        <translation>Das Adressbuch %1 ist nicht lesbar: %2.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 (%2) : le carnet d&apos;adresses n&apos;est pas modifié.</source>
        <translation>Die Datei %1 kann nicht gelesen werden (%2): Das Adressbuch wird nicht geändert.</translation>
    </message>
    <message>
        <source>%1 ; le carnet d&apos;adresses n&apos;est pas modifié.</source>
        <translation>%1; das Adressbuch wird nicht geändert.</translation>
    </message>
    <message>
        <source>ligne %1 : %2 figure déjà ligne %3 ; l&apos;adresse de la ligne %1 est utilisée, les deux lignes sont gardées</source>
        <translation>Zeile %1: %2 steht schon in Zeile %3; die Adresse aus Zeile %1 wird verwendet, beide Zeilen bleiben erhalten</translation>
    </message>
    <message>
        <source>ligne %1 : pas d&apos;indicatif en tête, ligne gardée telle quelle</source>
        <translation>Zeile %1: kein Rufzeichen am Anfang, Zeile bleibt unverändert</translation>
    </message>
</context>
<context>
    <name>AddressBookWindow</name>
    <message>
        <source>Adresses</source>
        <translation>Adressen</translation>
    </message>
    <message>
        <source>Filtrer</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>Filtrer les stations</source>
        <translation>Stationen filtern</translation>
    </message>
    <message>
        <source>Stations du carnet</source>
        <translation>Stationen im Adressbuch</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Adresse, une ligne par ligne de l&apos;enveloppe</source>
        <translation>Adresse, eine Zeile je Umschlagzeile</translation>
    </message>
    <message>
        <source>&amp;Nouvelle</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Importer…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Indicatif :</source>
        <translation>Rufzeichen:</translation>
    </message>
    <message>
        <source>Adresse (nom, rue, ville, pays) :</source>
        <translation>Adresse (Name, Straße, Ort, Land):</translation>
    </message>
    <message>
        <source>%1 — à compléter</source>
        <translation>%1 — zu ergänzen</translation>
    </message>
    <message>
        <source>Indicatif : tapez l&apos;indicatif de la station.</source>
        <translation>Rufzeichen: Geben Sie das Rufzeichen der Station ein.</translation>
    </message>
    <message>
        <source>Adresse : tapez au moins une ligne.</source>
        <translation>Adresse: Geben Sie mindestens eine Zeile ein.</translation>
    </message>
    <message>
        <source>Supprimer l&apos;adresse de %1 du carnet ?</source>
        <translation>Die Adresse von %1 aus dem Adressbuch löschen?</translation>
    </message>
    <message>
        <source>Carnet d&apos;adresses (*.csv *.CSV);;Tous les fichiers (*)</source>
        <translation>Adressbuch (*.csv *.CSV);;Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n adresses importées de %1.</source>
        <translation>
            <numerusform>%n Adresse aus %1 importiert.</numerusform>
            <numerusform>%n Adressen aus %1 importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 est lu, sauf :</source>
        <translation>Das Adressbuch %1 ist gelesen, außer:</translation>
    </message>
    <message numerus="yes">
        <source>L&apos;import remplace l&apos;adresse de %n stations du carnet : %1.
Continuer ?</source>
        <translation>
            <numerusform>Der Import ersetzt die Adresse von %n Station im Adressbuch: %1.
Fortfahren?</numerusform>
            <numerusform>Der Import ersetzt die Adressen von %n Stationen im Adressbuch: %1.
Fortfahren?</numerusform>
        </translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 n&apos;a pas pu être lu en entier : il n&apos;est pas remplacé. Fermez la fenêtre, réparez le fichier et rouvrez-la.</source>
        <translation>Das Adressbuch %1 konnte nicht vollständig gelesen werden: Es wird nicht ersetzt. Schließen Sie das Fenster, reparieren Sie die Datei und öffnen Sie es wieder.</translation>
    </message>
</context>
<context>
    <name>AddressJob</name>
    <message>
        <source>Impression des enveloppes : enveloppes imprimées</source>
        <translation>Umschlagdruck: gedruckte Umschläge</translation>
    </message>
    <message>
        <source>Impression des adresses : feuilles imprimées</source>
        <translation>Adressdruck: gedruckte Bögen</translation>
    </message>
    <message>
        <source>enveloppe envoyée</source>
        <translation>Umschlag gesendet</translation>
    </message>
    <message>
        <source>feuille envoyée</source>
        <translation>Bogen gesendet</translation>
    </message>
    <message>
        <source>enveloppes envoyées</source>
        <translation>Umschläge gesendet</translation>
    </message>
    <message>
        <source>feuilles envoyées</source>
        <translation>Bögen gesendet</translation>
    </message>
</context>
<context>
    <name>AddressesCommand</name>
    <message>
        <source>--return-address : un nombre de 0 à %1 est attendu.</source>
        <translation>--return-address: Eine Zahl von 0 bis %1 wird erwartet.</translation>
    </message>
    <message>
        <source>Pas d&apos;adresse pour : %1</source>
        <translation>Keine Adresse für: %1</translation>
    </message>
    <message>
        <source>Adresse trop longue, non imprimée : %1</source>
        <translation>Adresse zu lang, nicht gedruckt: %1</translation>
    </message>
    <message>
        <source>Aucune adresse pour les QSO choisis</source>
        <translation>Keine Adresse für die gewählten QSOs</translation>
    </message>
    <message>
        <source>--sheet : %1 (voir labels --list-sheets)</source>
        <translation>--sheet: %1 (siehe labels --list-sheets)</translation>
    </message>
    <message>
        <source>--return-address : aucune adresse de l&apos;expéditeur n&apos;est enregistrée (fenêtre « Adresse de l&apos;expéditeur »).</source>
        <translation>--return-address: keine Absenderadresse gespeichert (Fenster „Absenderadresse“).</translation>
    </message>
    <message>
        <source>Adresse trop longue, non imprimée : %1 ; rien n&apos;est imprimé.</source>
        <translation>Adresse zu lang, nicht gedruckt: %1; es wird nichts gedruckt.</translation>
    </message>
    <message>
        <source>--envelope : %1</source>
        <translation>--envelope: %1</translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 est lu, sauf :</source>
        <translation>Das Adressbuch %1 ist gelesen, außer:</translation>
    </message>
</context>
<context>
    <name>AdifReader</name>
    <message>
        <source>Indicatif absent, remplacé par FXXXX</source>
        <translation>Rufzeichen fehlt, durch FXXXX ersetzt</translation>
    </message>
    <message>
        <source>Date absente, remplacée par 01/01/2000</source>
        <translation>Datum fehlt, durch 01/01/2000 ersetzt</translation>
    </message>
    <message>
        <source>Heure absente, remplacée par 00:00</source>
        <translation>Uhrzeit fehlt, durch 00:00 ersetzt</translation>
    </message>
    <message>
        <source>Bande absente, remplacée par 1.8 Mhz</source>
        <translation>Band fehlt, durch 1.8 Mhz ersetzt</translation>
    </message>
    <message>
        <source>Fin de QSO &lt;EOR&gt; absente avant l&apos;indicatif %1</source>
        <translation>QSO-Ende &lt;EOR&gt; fehlt vor dem Rufzeichen %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1</source>
        <translation>Die Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Heure de début absente, remplacée par l&apos;heure de fin (TIME_OFF)</source>
        <translation>Startzeit fehlt, durch die Endzeit ersetzt (TIME_OFF)</translation>
    </message>
    <message>
        <source>Date « %1 » illisible (QSO_DATE n&apos;est pas une date AAAAMMJJ), remplacée par 01/01/2000</source>
        <translation>Datum „%1“ unlesbar (QSO_DATE ist kein Datum JJJJMMTT), ersetzt durch 01/01/2000</translation>
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
            <numerusform>%n Meldung beim Lesen des Logbuchs</numerusform>
            <numerusform>%n Meldungen beim Lesen des Logbuchs</numerusform>
        </translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>Wählen Sie eine Datei oder beenden Sie</translation>
    </message>
</context>
<context>
    <name>BoundedFile</name>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>il dépasse %1 Kio</source>
        <translation>sie ist größer als %1 KiB</translation>
    </message>
</context>
<context>
    <name>BureauCheck</name>
    <message numerus="yes">
        <source>%n QSO ne peuvent pas partir par le bureau (pays sans bureau QSL, ou carte directe demandée) :</source>
        <translation>
            <numerusform>%n QSO kann nicht über das Büro gehen (Land ohne QSL-Büro oder direkte Karte erbeten):</numerusform>
            <numerusform>%n QSOs können nicht über das Büro gehen (Land ohne QSL-Büro oder direkte Karte erbeten):</numerusform>
        </translation>
    </message>
    <message>
        <source>Les laisser de côté pour cette impression (ils restent dus, pour une carte directe), les imprimer quand même, ou arrêter ?</source>
        <translation>Bei diesem Druck weglassen (sie bleiben offen, für eine direkte Karte), trotzdem drucken oder abbrechen?</translation>
    </message>
    <message>
        <source>Les laisser de côté</source>
        <translation>Weglassen</translation>
    </message>
    <message>
        <source>Les imprimer quand même</source>
        <translation>Trotzdem drucken</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Aucun QSO à imprimer par le bureau.</source>
        <translation>Kein QSO über das Büro zu drucken.</translation>
    </message>
</context>
<context>
    <name>BureauRun</name>
    <message numerus="yes">
        <source>… et %n autres</source>
        <translation>
            <numerusform>… und %n weiteres</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 %3 : %4</source>
        <translation>%1 %2 %3: %4</translation>
    </message>
    <message>
        <source>sans entité</source>
        <translation>ohne Gebiet</translation>
    </message>
    <message>
        <source>QSO par bureau : %1</source>
        <translation>QSOs pro Büro: %1</translation>
    </message>
    <message>
        <source>la station demande une carte directe</source>
        <translation>die Station bittet um eine direkte Karte</translation>
    </message>
    <message>
        <source>%1, pas de bureau QSL</source>
        <translation>%1, kein QSL-Büro</translation>
    </message>
    <message>
        <source>pas d&apos;indicatif (CALL) dans le journal, aucune entité</source>
        <translation>kein Rufzeichen (CALL) im Log, kein DXCC-Gebiet</translation>
    </message>
</context>
<context>
    <name>CardDesignLayout</name>
    <message>
        <source>Modèle de QSL inutilisable : %1 (« %2 ») ne convient pas.</source>
        <translation>Unbrauchbare QSL-Vorlage: %1 („%2“) passt nicht.</translation>
    </message>
    <message>
        <source>Modèle de QSL inutilisable : table.pitch (« %1 ») est plus petit que la hauteur du texte du tableau (%2 mm) : ses rangées s&apos;imprimeraient l&apos;une sur l&apos;autre.</source>
        <translation>Unbrauchbare QSL-Vorlage: table.pitch („%1“) ist kleiner als die Höhe des Tabellentexts (%2 mm): die Zeilen würden übereinander gedruckt.</translation>
    </message>
</context>
<context>
    <name>CardDesignPanel</name>
    <message>
        <source>Garder libre la &amp;bande de tri des bureaux (10 mm en bas)</source>
        <translation>Sortierstreifen der &amp;Büros freihalten (10 mm unten)</translation>
    </message>
    <message>
        <source>Tableau : position gauche (mm)</source>
        <translation>Tabelle: linke Position (mm)</translation>
    </message>
    <message>
        <source>Tableau : position haute (mm)</source>
        <translation>Tabelle: obere Position (mm)</translation>
    </message>
    <message>
        <source>Tableau : nombre de QSO (1 à 6)</source>
        <translation>Tabelle: Anzahl der QSOs (1 bis 6)</translation>
    </message>
    <message>
        <source>Tableau : pas des lignes (mm)</source>
        <translation>Tabelle: Zeilenabstand (mm)</translation>
    </message>
    <message>
        <source>Tableau : taille de police</source>
        <translation>Tabelle: Schriftgröße</translation>
    </message>
    <message>
        <source>Remerciements : position gauche (mm)</source>
        <translation>Dank: linke Position (mm)</translation>
    </message>
    <message>
        <source>Remerciements : position haute (mm)</source>
        <translation>Dank: obere Position (mm)</translation>
    </message>
    <message>
        <source>Remerciements : taille de police</source>
        <translation>Dank: Schriftgröße</translation>
    </message>
    <message>
        <source>Texte quand une QSL est demandée</source>
        <translation>Text, wenn eine QSL erbeten wird</translation>
    </message>
    <message>
        <source>Texte quand la QSL est reçue</source>
        <translation>Text, wenn die QSL erhalten ist</translation>
    </message>
    <message>
        <source>Fichier de l&apos;image (PNG, JPEG ou SVG)</source>
        <translation>Bilddatei (PNG, JPEG oder SVG)</translation>
    </message>
    <message>
        <source>C&amp;adre</source>
        <translation>Rah&amp;men</translation>
    </message>
    <message>
        <source>&amp;Imprimer l&apos;image</source>
        <translation>Bild &amp;drucken</translation>
    </message>
    <message>
        <source>Format de la carte</source>
        <translation>Kartenformat</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>Tableau des QSO (une carte par station avec « Regrouper »)</source>
        <translation>QSO-Tabelle (eine Karte pro Station mit „Gruppieren“)</translation>
    </message>
    <message>
        <source>Gauche, haute, QSO, pas, police</source>
        <translation>Links, oben, QSOs, Abstand, Schrift</translation>
    </message>
    <message>
        <source>Colonnes du tableau</source>
        <translation>Tabellenspalten</translation>
    </message>
    <message>
        <source>Gauche (mm)</source>
        <translation>Links (mm)</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Ajouter une col&amp;onne</source>
        <translation>Spalte hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Re&amp;tirer la colonne</source>
        <translation>Spalte entfe&amp;rnen</translation>
    </message>
    <message>
        <source>Remerciements et lignes 8 à 10</source>
        <translation>Dank und Zeilen 8 bis 10</translation>
    </message>
    <message>
        <source>Gauche, haute, police</source>
        <translation>Links, oben, Schrift</translation>
    </message>
    <message>
        <source>QSL demandée</source>
        <translation>QSL erbeten</translation>
    </message>
    <message>
        <source>QSL reçue</source>
        <translation>QSL erhalten</translation>
    </message>
    <message>
        <source>Valeur du QSO après le texte de la ligne %1</source>
        <translation>QSO-Wert nach dem Text von Zeile %1</translation>
    </message>
    <message>
        <source>Valeur de la ligne %1</source>
        <translation>Wert der Zeile %1</translation>
    </message>
    <message>
        <source>Image pour cartes vierges</source>
        <translation>Bild für leere Karten</translation>
    </message>
    <message>
        <source>C&amp;hoisir…</source>
        <translation>Aus&amp;wählen…</translation>
    </message>
    <message>
        <source>Choisir l&apos;image</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Ajustement de l&apos;image</source>
        <translation>Bildanpassung</translation>
    </message>
    <message>
        <source>Remplir la carte (rogner)</source>
        <translation>Karte füllen (beschneiden)</translation>
    </message>
    <message>
        <source>Image entière</source>
        <translation>Ganzes Bild</translation>
    </message>
    <message>
        <source>Ajustement</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>call</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>via</source>
        <translation>via</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>rst</source>
        <translation>RST</translation>
    </message>
    <message>
        <source>qsl</source>
        <translation>QSL</translation>
    </message>
    <message>
        <source>sat_name</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>prop_mode</source>
        <translation>Ausbreitung</translation>
    </message>
    <message>
        <source>submode</source>
        <translation>Untermodus</translation>
    </message>
    <message>
        <source>band_rx</source>
        <translation>Empfangsband</translation>
    </message>
    <message>
        <source>freq</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>qslmsg</source>
        <translation>QSL-Nachricht</translation>
    </message>
</context>
<context>
    <name>CardJob</name>
    <message>
        <source>Impression des cartes : cartes imprimées</source>
        <translation>Kartendruck: gedruckte Karten</translation>
    </message>
    <message>
        <source>carte envoyée</source>
        <translation>Karte gesendet</translation>
    </message>
    <message>
        <source>cartes envoyées</source>
        <translation>Karten gesendet</translation>
    </message>
    <message>
        <source>Le modèle n&apos;a pas de tableau des QSO : une carte par QSO.</source>
        <translation>Die Vorlage hat keine QSO-Tabelle: eine Karte pro QSO.</translation>
    </message>
</context>
<context>
    <name>CardLayout</name>
    <message>
        <source>Modèle de QSL inutilisable : %1 est vide.</source>
        <translation>Unbrauchbare QSL-Vorlage: %1 ist leer.</translation>
    </message>
    <message>
        <source>Modèle de QSL inutilisable : %1 (« %2 ») n&apos;est pas un nombre.</source>
        <translation>Unbrauchbare QSL-Vorlage: %1 („%2“) ist keine Zahl.</translation>
    </message>
    <message>
        <source>Modèle de QSL inutilisable : la taille P%1 (« %2 ») doit être plus grande que 0.</source>
        <translation>Unbrauchbare QSL-Vorlage: Die Größe P%1 („%2“) muss größer als 0 sein.</translation>
    </message>
</context>
<context>
    <name>CardPicture</name>
    <message>
        <source>L&apos;image %1 est introuvable ou illisible : les cartes sont imprimées sans elle.</source>
        <translation>Das Bild %1 fehlt oder ist unlesbar: Die Karten werden ohne es gedruckt.</translation>
    </message>
</context>
<context>
    <name>CardPrintWindow</name>
    <message>
        <source>&amp;Impression de la QSL</source>
        <translation>QSL &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Setup_QSL</source>
        <translation>&amp;Setup_QSL</translation>
    </message>
    <message>
        <source>&amp;Retour sélection Etiquettes</source>
        <translation>&amp;Zurück zur Etikettenauswahl</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Choisir le modèle…</source>
        <translation>&amp;Vorlage wählen…</translation>
    </message>
    <message>
        <source>&amp;Enveloppes…</source>
        <translation>&amp;Umschläge…</translation>
    </message>
    <message>
        <source>Impression sur carte QSL</source>
        <translation>Druck auf QSL-Karten</translation>
    </message>
    <message>
        <source>Aperçu des cartes</source>
        <translation>Kartenvorschau</translation>
    </message>
    <message>
        <source>Enveloppes de ces cartes</source>
        <translation>Umschläge für diese Karten</translation>
    </message>
    <message>
        <source>Modèle : aucun, il sera demandé</source>
        <translation>Vorlage: keine, sie wird erfragt</translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>Wählen Sie eine Datei oder beenden Sie</translation>
    </message>
    <message>
        <source>sélectionnez un fichier .qsl ou créez en un</source>
        <translation>Wählen Sie eine .qsl-Datei oder legen Sie eine an</translation>
    </message>
    <message>
        <source>La ligne %1 dépasse le bord de la carte</source>
        <translation>Zeile %1 ragt über den Kartenrand</translation>
    </message>
    <message>
        <source>Les lignes %1 dépassent le bord de la carte</source>
        <translation>Die Zeilen %1 ragen über den Kartenrand</translation>
    </message>
    <message>
        <source>Re&amp;grouper les QSO d&apos;une même station</source>
        <translation>QSOs einer Station &amp;gruppieren</translation>
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
        <translation>Ohne Dank</translation>
    </message>
    <message>
        <source>Selon la QSL reçue</source>
        <translation>Je nach erhaltener QSL</translation>
    </message>
    <message>
        <source>Re&amp;merciements</source>
        <translation>Dan&amp;k</translation>
    </message>
    <message>
        <source>1 carte par page</source>
        <translation>1 Karte pro Seite</translation>
    </message>
    <message>
        <source>2 cartes par page</source>
        <translation>2 Karten pro Seite</translation>
    </message>
    <message>
        <source>4 cartes par page</source>
        <translation>4 Karten pro Seite</translation>
    </message>
    <message>
        <source>Cartes par &amp;page</source>
        <translation>Karten &amp;pro Seite</translation>
    </message>
    <message>
        <source>&amp;Format du papier</source>
        <translation>Papier&amp;format</translation>
    </message>
    <message>
        <source>Première car&amp;te</source>
        <translation>Erste Kar&amp;te</translation>
    </message>
</context>
<context>
    <name>CardPrinting</name>
    <message>
        <source>Modèle de QSL inutilisable : le fichier %1 n&apos;a que %2 lignes sur %3.</source>
        <translation>Unbrauchbare QSL-Vorlage: Die Datei %1 hat nur %2 von %3 Zeilen.</translation>
    </message>
</context>
<context>
    <name>CardSheet</name>
    <message>
        <source>Papier ou nombre de cartes inconnu.</source>
        <translation>Unbekanntes Papier oder unbekannte Kartenzahl.</translation>
    </message>
    <message>
        <source>%1 cartes de %2 ne tiennent pas sur une page %3 dans la zone qu&apos;atteint l&apos;imprimante.</source>
        <translation>%1 Karten von %2 passen nicht auf eine Seite %3 im Bereich, den der Drucker erreicht.</translation>
    </message>
</context>
<context>
    <name>CardSize</name>
    <message>
        <source>140 × 90 mm (carte QSL)</source>
        <translation>140 × 90 mm (QSL-Karte)</translation>
    </message>
    <message>
        <source>139,7 × 88,9 mm (5,5 × 3,5 pouces)</source>
        <translation>139,7 × 88,9 mm (5,5 × 3,5 Zoll)</translation>
    </message>
    <message>
        <source>148 × 105 mm (A6)</source>
        <translation>148 × 105 mm (A6)</translation>
    </message>
    <message>
        <source>152,4 × 101,6 mm (6 × 4 pouces)</source>
        <translation>152,4 × 101,6 mm (6 × 4 Zoll)</translation>
    </message>
</context>
<context>
    <name>CardSketch</name>
    <message>
        <source>Bande de tri des bureaux QSL</source>
        <translation>Sortierstreifen der QSL-Büros</translation>
    </message>
</context>
<context>
    <name>CardWarnings</name>
    <message>
        <source>ligne %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>remerciements</source>
        <translation>Dank</translation>
    </message>
    <message>
        <source>Le tableau des QSO dépasse le bord de la carte</source>
        <translation>Die QSO-Tabelle ragt über den Kartenrand</translation>
    </message>
    <message>
        <source>Les remerciements dépassent le bord de la carte</source>
        <translation>Der Dank ragt über den Kartenrand</translation>
    </message>
    <message>
        <source>tableau des QSO</source>
        <translation>QSO-Tabelle</translation>
    </message>
    <message>
        <source>Texte dans la bande de 10 mm du bas que les bureaux QSL gardent libre pour leur tri : %1</source>
        <translation>Text im unteren 10-mm-Streifen, den die QSL-Büros zum Sortieren freihalten: %1</translation>
    </message>
    <message>
        <source>Les cartes de %1 sont plus grandes que A6 : les bureaux QSL les refusent.</source>
        <translation>Karten von %1 sind größer als A6: Die QSL-Büros lehnen sie ab.</translation>
    </message>
</context>
<context>
    <name>CardsCommand</name>
    <message>
        <source>sélectionnez un fichier .qsl ou créez en un</source>
        <translation>Wählen Sie eine .qsl-Datei oder legen Sie eine an</translation>
    </message>
    <message>
        <source>La ligne %1 dépasse le bord de la carte</source>
        <translation>Zeile %1 ragt über den Kartenrand</translation>
    </message>
    <message>
        <source>--qsl : 1, 2, 3 ou auto</source>
        <translation>--qsl: 1, 2, 3 oder auto</translation>
    </message>
    <message>
        <source>--per-page : 1, 2 ou 4</source>
        <translation>--per-page: 1, 2 oder 4</translation>
    </message>
    <message>
        <source>--paper : A4 ou Letter</source>
        <translation>--paper: A4 oder Letter</translation>
    </message>
    <message>
        <source>--%1 : %2</source>
        <translation>--%1: %2</translation>
    </message>
    <message>
        <source>--first-card : de 1 à %1 (les cartes par page)</source>
        <translation>--first-card: von 1 bis %1 (die Karten pro Seite)</translation>
    </message>
    <message>
        <source>--paper : le papier des cartes par page, à donner avec --per-page 2 ou 4</source>
        <translation>--paper: das Papier für mehrere Karten pro Seite, nur mit --per-page 2 oder 4</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Impossible d&apos;écrire sur la sortie standard : %1</source>
        <translation>Kann nicht auf die Standardausgabe schreiben: %1</translation>
    </message>
    <message>
        <source>--sort : call ou bureau</source>
        <translation>--sort: call oder bureau</translation>
    </message>
    <message>
        <source>--owed : unsent, requested ou received</source>
        <translation>--owed: unsent, requested oder received</translation>
    </message>
    <message>
        <source>--unsent et --owed %1 ne vont pas ensemble</source>
        <translation>--unsent und --owed %1 passen nicht zusammen</translation>
    </message>
    <message>
        <source>--route : all, bureau ou direct</source>
        <translation>--route: all, bureau oder direct</translation>
    </message>
    <message>
        <source>--sent-via : B, D, E ou M</source>
        <translation>--sent-via: B, D, E oder M</translation>
    </message>
    <message>
        <source>Aucun QSO dans le fichier %1</source>
        <translation>Kein QSO in der Datei %1</translation>
    </message>
    <message>
        <source>Aucun QSO à imprimer dans le fichier %1</source>
        <translation>Kein zu druckendes QSO in der Datei %1</translation>
    </message>
    <message>
        <source>Impression interrompue : l&apos;impression est faite, la copie marquée %1 n&apos;est pas écrite.</source>
        <translation>Druck unterbrochen: Der Druck ist erledigt, die markierte Kopie %1 ist nicht geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO laissés de côté, le bureau ne les délivre pas (--keep-undeliverable les imprime) :</source>
        <translation>
            <numerusform>%n QSO weggelassen, das Büro stellt es nicht zu (--keep-undeliverable druckt es):</numerusform>
            <numerusform>%n QSOs weggelassen, das Büro stellt sie nicht zu (--keep-undeliverable druckt sie):</numerusform>
        </translation>
    </message>
    <message>
        <source>Impression interrompue : l&apos;impression est faite, la copie marquée %1 est écrite.</source>
        <translation>Druck unterbrochen: Der Druck ist erfolgt, die markierte Kopie %1 ist geschrieben.</translation>
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
        <translation>Unbekannter Befehl: %1</translation>
    </message>
</context>
<context>
    <name>CommandOption</name>
    <message>
        <source>Valeur manquante après %1</source>
        <translation>Fehlender Wert nach %1</translation>
    </message>
    <message>
        <source>Option inconnue : %1</source>
        <translation>Unbekannte Option: %1</translation>
    </message>
    <message>
        <source>Valeur vide après %1</source>
        <translation>Leerer Wert nach %1</translation>
    </message>
    <message>
        <source>--%1 est donnée deux fois, avec « %2 » puis « %3 » : gardez-en une.</source>
        <translation>--%1 ist zweimal angegeben, mit „%2“ und dann „%3“: behalten Sie eine Angabe.</translation>
    </message>
</context>
<context>
    <name>ConfirmationDownload</name>
    <message>
        <source>Relevé de confirmations LoTW : ses QSL reçues sont des confirmations électroniques (lues comme reçues par E), non des cartes.</source>
        <translation>LoTW-Bestätigungsbericht: Seine erhaltenen QSLs sind elektronische Bestätigungen (als erhalten über E gelesen), keine Karten.</translation>
    </message>
    <message>
        <source>Boîte de réception eQSL : ses QSL envoyées par E sont celles que les stations vous ont envoyées (lues comme reçues par E), non les vôtres.</source>
        <translation>eQSL-Posteingang: Seine über E gesendeten QSLs sind die, die Ihnen die Stationen gesendet haben (als erhalten über E gelesen), nicht Ihre.</translation>
    </message>
    <message>
        <source>Le fichier %1 est un relevé de confirmations %2, pas votre journal : ses QSL reçues sont celles du service. Marquez les cartes reçues dans votre journal ; rien n&apos;est écrit.</source>
        <translation>Die Datei %1 ist ein Bestätigungsbericht von %2, nicht Ihr Log: ihre erhaltenen QSL sind die des Dienstes. Tragen Sie die erhaltenen Karten in Ihrem Log ein; nichts wird geschrieben.</translation>
    </message>
</context>
<context>
    <name>CountryFile</name>
    <message>
        <source>%1 ; le fichier %2 est utilisé.</source>
        <translation>%1; die Datei %2 wird verwendet.</translation>
    </message>
    <message>
        <source>Fichier des pays (cty.dat) introuvable : %1</source>
        <translation>Länderdatei (cty.dat) nicht gefunden: %1</translation>
    </message>
    <message>
        <source> ; le tri bureau suit le début des indicatifs.</source>
        <translation>; die Büro-Sortierung folgt dem Anfang der Rufzeichen.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier des pays %1 (%2)</source>
        <translation>Die Länderdatei %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>Le fichier des pays %1 ne contient aucune entité</source>
        <translation>Die Länderdatei %1 enthält kein Gebiet</translation>
    </message>
</context>
<context>
    <name>EnvelopeRun</name>
    <message>
        <source>L&apos;adresse de l&apos;expéditeur ne tient pas sur l&apos;enveloppe : raccourcissez ses lignes.</source>
        <translation>Die Absenderadresse passt nicht auf den Umschlag: Kürzen Sie ihre Zeilen.</translation>
    </message>
    <message>
        <source>L&apos;adresse de l&apos;expéditeur ne tient pas sur l&apos;enveloppe %1 avec son décalage (« Décalage expéditeur » : %2 ; %3 mm), qui la pousse hors du papier ; sans décalage, elle tient : réduisez le décalage.</source>
        <translation>Die Absenderadresse passt mit ihrem Versatz („Versatz Absender“: %2 ; %3 mm) nicht auf den Umschlag %1, er schiebt sie vom Papier; ohne Versatz passt sie: verringern Sie den Versatz.</translation>
    </message>
</context>
<context>
    <name>LabelJob</name>
    <message>
        <source>Impression des étiquettes : feuilles imprimées</source>
        <translation>Etikettendruck: gedruckte Bögen</translation>
    </message>
    <message>
        <source>feuille envoyée</source>
        <translation>Bogen gesendet</translation>
    </message>
    <message>
        <source>feuilles envoyées</source>
        <translation>Bögen gesendet</translation>
    </message>
    <message>
        <source>Le décalage de l&apos;imprimante (%1 ; %2 mm) fait sortir le texte des étiquettes du papier (étiquette %3) : corrigez-le dans « Planches… ».</source>
        <translation>Der Druckerversatz (%1; %2 mm) schiebt den Text der Etiketten vom Papier (Etikett %3): Korrigieren Sie ihn unter „Bögen…“.</translation>
    </message>
</context>
<context>
    <name>LabelOptionTable</name>
    <message>
        <source>--lang : fr ou en</source>
        <translation>--lang: fr oder en</translation>
    </message>
    <message>
        <source>--type : qso ou activation</source>
        <translation>--type: qso oder activation</translation>
    </message>
    <message>
        <source>--format : 1, 2, 3, 4 ou 6 (le format 5 imprime sur les QSL : commande cards)</source>
        <translation>--format: 1, 2, 3, 4 oder 6 (Format 5 druckt auf QSL-Karten: Befehl cards)</translation>
    </message>
    <message>
        <source>--qsl : 1, 2, 3 ou auto</source>
        <translation>--qsl: 1, 2, 3 oder auto</translation>
    </message>
</context>
<context>
    <name>LabelOptionsWindow</name>
    <message>
        <source>Impression directe sur QSL </source>
        <translation>Direktdruck auf QSL-Karten </translation>
    </message>
    <message>
        <source>Impression étiquettes</source>
        <translation>Etikettendruck</translation>
    </message>
    <message>
        <source>Impression d&apos;étiquettes pour QSL</source>
        <translation>Etikettendruck für QSL</translation>
    </message>
    <message>
        <source>&amp;Imprimer les étiquettes</source>
        <translation>Etiketten &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Aperçu des étiquettes</source>
        <translation>Etikettenvorschau</translation>
    </message>
    <message>
        <source>&amp;Retour sélection QSO</source>
        <translation>&amp;Zurück zur QSO-Auswahl</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Francais</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Anglais</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Format des étiquettes</source>
        <translation>Etikettenformat</translation>
    </message>
    <message>
        <source>Autre planche :</source>
        <translation>Anderer Bogen:</translation>
    </message>
    <message>
        <source>Autre planche</source>
        <translation>Anderer Bogen</translation>
    </message>
    <message>
        <source>&amp;Planches…</source>
        <translation>&amp;Bögen…</translation>
    </message>
    <message>
        <source>Options d&apos;impression</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Avant impression des étiquettes</source>
        <translation>Vor dem Etikettendruck</translation>
    </message>
    <message>
        <source>effectuez une impression sur une feuille</source>
        <translation>einmal auf ein leeres Blatt drucken</translation>
    </message>
    <message>
        <source>Corrigez  éventuellement avec la fonction</source>
        <translation>Bei Bedarf korrigieren mit</translation>
    </message>
    <message>
        <source>&quot;Décalage vertical feuille&quot; ci dessous</source>
        <translation>„Vertikaler Bogenversatz“ unten</translation>
    </message>
    <message>
        <source>Décalage vertical feuille</source>
        <translation>Vertikaler Bogenversatz</translation>
    </message>
    <message>
        <source>ligne</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Arret impression a chaque feuille</source>
        <translation>Nach jedem Bogen anhalten</translation>
    </message>
    <message>
        <source>Première étiquette</source>
        <translation>Erstes Etikett</translation>
    </message>
    <message>
        <source>Sur une planche entamée : les étiquettes sont comptées de gauche à droite puis de haut en bas ; celles d&apos;avant restent vierges.</source>
        <translation>Auf einem angebrochenen Bogen: Die Etiketten werden von links nach rechts, dann von oben nach unten gezählt; die davor bleiben leer.</translation>
    </message>
    <message>
        <source>Regrouper les QSO d&apos;une même station</source>
        <translation>QSOs einer Station zusammenfassen</translation>
    </message>
    <message>
        <source>Les QSO d&apos;un même indicatif et d&apos;un même QSL via partagent une étiquette, une ligne par QSO.</source>
        <translation>QSOs mit demselben Rufzeichen und demselben QSL via teilen sich ein Etikett, eine Zeile je QSO.</translation>
    </message>
    <message>
        <source>Libellé Texte QSL</source>
        <translation>QSL-Text</translation>
    </message>
    <message>
        <source>Merci pour le QSO  Pse QSL</source>
        <translation>Danke für das QSO  Pse QSL</translation>
    </message>
    <message>
        <source>Merci pour le QSO et pour  la QSL</source>
        <translation>Danke für das QSO und die QSL</translation>
    </message>
    <message>
        <source>Merci pour le QSO  pas de QSL</source>
        <translation>Danke für das QSO  keine QSL</translation>
    </message>
    <message>
        <source>Selon la QSL reçue</source>
        <translation>Je nach erhaltener QSL</translation>
    </message>
    <message>
        <source>Libellé commentaire</source>
        <translation>Kommentarzeile</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>32 caracteres maxi</source>
        <translation>höchstens 32 Zeichen</translation>
    </message>
    <message>
        <source>Options de l&apos;activation</source>
        <translation>Aktivierungsoptionen</translation>
    </message>
    <message>
        <source>N°de l&apos;activité</source>
        <translation>Aktivierungs-Nr.</translation>
    </message>
    <message>
        <source>12 caracteres maxi</source>
        <translation>höchstens 12 Zeichen</translation>
    </message>
    <message>
        <source>Numero de l&apos;activité obligatoire</source>
        <translation>Die Aktivierungsnummer ist erforderlich</translation>
    </message>
    <message>
        <source>Nom de l&apos;activité</source>
        <translation>Name der Aktivierung</translation>
    </message>
    <message>
        <source>30 caracteres maxi</source>
        <translation>höchstens 30 Zeichen</translation>
    </message>
    <message>
        <source>Nom de l&apos;activité obligatoire</source>
        <translation>Der Name der Aktivierung ist erforderlich</translation>
    </message>
    <message>
        <source>N° du Canton</source>
        <translation>Kanton-Nr.</translation>
    </message>
    <message>
        <source>4 caracteres maxi</source>
        <translation>höchstens 4 Zeichen</translation>
    </message>
    <message>
        <source>Numero du Canton obligatoire</source>
        <translation>Die Kantonsnummer ist erforderlich</translation>
    </message>
    <message>
        <source>Code postal</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>5 caracteres maxi</source>
        <translation>höchstens 5 Zeichen</translation>
    </message>
    <message>
        <source>Numero du code postal obligatoire</source>
        <translation>Die Postleitzahl ist erforderlich</translation>
    </message>
    <message>
        <source>Commune</source>
        <translation>Gemeinde</translation>
    </message>
    <message>
        <source>26 caracteres maxi</source>
        <translation>höchstens 26 Zeichen</translation>
    </message>
    <message>
        <source>Nom de la commune obligatoire</source>
        <translation>Die Gemeinde ist erforderlich</translation>
    </message>
    <message>
        <source>&amp;Effacer</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Options station</source>
        <translation>Stationsoptionen</translation>
    </message>
    <message>
        <source>Transceiver </source>
        <translation>Transceiver </translation>
    </message>
    <message>
        <source>40 caracteres maxi</source>
        <translation>höchstens 40 Zeichen</translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation>Transceiver</translation>
    </message>
    <message>
        <source>Antenne</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>15 caracteres maxi</source>
        <translation>höchstens 15 Zeichen</translation>
    </message>
    <message>
        <source>&amp;Imprimer les enveloppes</source>
        <translation>Umschläge &amp;drucken</translation>
    </message>
    <message>
        <source>Pour l&apos;impression directe sur QSL, l&apos;aperçu se fait dans la fenêtre d&apos;impression sur carte QSL.</source>
        <translation>Beim Direktdruck auf QSL-Karten zeigt das Fenster für den Kartendruck die Vorschau.</translation>
    </message>
</context>
<context>
    <name>LabelPrintRun</name>
    <message>
        <source>Format d&apos;étiquettes inconnu : %1</source>
        <translation>Unbekanntes Etikettenformat: %1</translation>
    </message>
    <message>
        <source>Planche %1 : %2</source>
        <translation>Bogen %1: %2</translation>
    </message>
    <message>
        <source>Page suivante ?</source>
        <translation>Nächste Seite?</translation>
    </message>
    <message>
        <source>Certaines étiquettes sont trop petites : le commentaire, puis la ligne TX et antenne, y ont été omis.</source>
        <translation>Einige Etiketten sind zu klein: Der Kommentar, dann die TX- und Antennenzeile wurden weggelassen.</translation>
    </message>
    <message>
        <source>Première étiquette : un nombre de 1 à %1 est attendu.</source>
        <translation>Erstes Etikett: Eine Zahl von 1 bis %1 wird erwartet.</translation>
    </message>
</context>
<context>
    <name>LabelPrinting</name>
    <message>
        <source>Planche inconnue : %1</source>
        <translation>Unbekannter Bogen: %1</translation>
    </message>
    <message>
        <source>Aperçu des étiquettes</source>
        <translation>Etikettenvorschau</translation>
    </message>
    <message>
        <source> (refusée : %1)</source>
        <translation> (abgelehnt: %1)</translation>
    </message>
</context>
<context>
    <name>LabelSamples</name>
    <message>
        <source>Indicatif</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Exemple d&apos;étiquette confirmant un QSO </source>
        <translation>Beispieletikett für ein QSO </translation>
    </message>
    <message>
        <source>Exemple d&apos;étiquette confirmant une activation</source>
        <translation>Beispieletikett für eine Aktivierung</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>Papier : A4, Letter ou une largeur x hauteur en mm positives.</source>
        <translation>Papier: A4, Letter oder positive Breite x Höhe in mm.</translation>
    </message>
    <message>
        <source>Rangées : au plus %1 étiquettes par planche (colonnes x rangées).</source>
        <translation>Reihen: höchstens %1 Etiketten je Bogen (Spalten x Reihen).</translation>
    </message>
    <message>
        <source>Pas horizontal : les étiquettes se chevauchent (pas plus petit que la largeur).</source>
        <translation>Horizontaler Abstand: Die Etiketten überlappen (Abstand kleiner als die Breite).</translation>
    </message>
    <message>
        <source>Pas vertical : les étiquettes se chevauchent (pas plus petit que la hauteur).</source>
        <translation>Vertikaler Abstand: Die Etiketten überlappen (Abstand kleiner als die Höhe).</translation>
    </message>
    <message>
        <source>Pas horizontal : les étiquettes sortent du papier à droite.</source>
        <translation>Horizontaler Abstand: Die Etiketten ragen rechts über das Papier.</translation>
    </message>
    <message>
        <source>Pas vertical : les étiquettes sortent du papier en bas.</source>
        <translation>Vertikaler Abstand: Die Etiketten ragen unten über das Papier.</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2 x %3  %n étiquettes</source>
        <translation>
            <numerusform>%1  %2 x %3  %n Etikett</numerusform>
            <numerusform>%1  %2 x %3  %n Etiketten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 : un nombre de %2 à %3%4 est attendu.</source>
        <translation>%1: Eine Zahl von %2 bis %3%4 wird erwartet.</translation>
    </message>
    <message>
        <source>%1 : un nombre de plus de %2 à %3%4 est attendu.</source>
        <translation>%1: Eine Zahl über %2 bis %3%4 wird erwartet.</translation>
    </message>
    <message>
        <source>Largeur du papier</source>
        <translation>Papierbreite</translation>
    </message>
    <message>
        <source>Hauteur du papier</source>
        <translation>Papierhöhe</translation>
    </message>
    <message>
        <source>Colonnes</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rangées</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Marge gauche</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Marge haute</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <source>Largeur d&apos;étiquette</source>
        <translation>Etikettenbreite</translation>
    </message>
    <message>
        <source>Hauteur d&apos;étiquette</source>
        <translation>Etikettenhöhe</translation>
    </message>
    <message>
        <source>Pas horizontal</source>
        <translation>Horizontaler Abstand</translation>
    </message>
    <message>
        <source>Pas vertical</source>
        <translation>Vertikaler Abstand</translation>
    </message>
</context>
<context>
    <name>LabelsCommand</name>
    <message>
        <source>Planche inconnue : %1 (voir --list-sheets)</source>
        <translation>Unbekannter Bogen: %1 (siehe --list-sheets)</translation>
    </message>
    <message>
        <source>--sheet : %1 (voir labels --list-sheets)</source>
        <translation>--sheet: %1 (siehe labels --list-sheets)</translation>
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
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>indicatif</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>QSL via</source>
        <translation>QSL via</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>heure</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>bande</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Joindre la ligne 2 à la ligne 1</source>
        <translation>Zeile 2 an Zeile 1 anfügen</translation>
    </message>
    <message>
        <source>Joindre la ligne 4 à la ligne 3</source>
        <translation>Zeile 4 an Zeile 3 anfügen</translation>
    </message>
    <message>
        <source>Joindre les lignes 6 et 7 à la ligne 5</source>
        <translation>Zeilen 6 und 7 an Zeile 5 anfügen</translation>
    </message>
    <message>
        <source>Parametres de la QSL</source>
        <translation>QSL-Einstellungen</translation>
    </message>
    <message>
        <source>Position des champs à imprimer</source>
        <translation>Lage der zu druckenden Felder</translation>
    </message>
    <message>
        <source>Marges</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Gauche  Haute   Police    Textes avant le champs QSO</source>
        <translation>Links   Oben    Schrift   Texte vor dem QSO-Feld</translation>
    </message>
    <message>
        <source>Champs QSO</source>
        <translation>QSO-Felder</translation>
    </message>
    <message>
        <source>Gauche  Haute   Police                                  Champs personalisables</source>
        <translation>Links   Oben    Schrift                                 Eigene Felder</translation>
    </message>
    <message>
        <source>position gauche (mm)</source>
        <translation>linke Position (mm)</translation>
    </message>
    <message>
        <source>position haute (mm)</source>
        <translation>obere Position (mm)</translation>
    </message>
    <message>
        <source>taille de police (5 à 15)</source>
        <translation>Schriftgröße (5 bis 15)</translation>
    </message>
    <message>
        <source>texte</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Marges  : Toutes les valeurs en millimètres  valeur 0 et 0 pour une ligne non utilisée</source>
        <translation>Ränder: alle Werte in Millimetern; 0 und 0 für eine unbenutzte Zeile</translation>
    </message>
    <message>
        <source>Taille de la Police de caracteres  :  de 5 à 15</source>
        <translation>Schriftgröße: 5 bis 15</translation>
    </message>
    <message>
        <source>Les 3 case à cocher Ck permettent d&apos;associer les champs sur une seule ligne</source>
        <translation>Die 3 Ck-Kästchen fassen Felder in einer Zeile zusammen</translation>
    </message>
    <message>
        <source>ATTENTION tenir compte des Marges Gauches et Hautes de l&apos;imprimante</source>
        <translation>ACHTUNG: linken und oberen Rand des Druckers berücksichtigen</translation>
    </message>
    <message>
        <source>Valeurs </source>
        <translation>Werte </translation>
    </message>
    <message>
        <source>Marge gauche de l&apos;imprimante (mm)</source>
        <translation>Linker Druckerrand (mm)</translation>
    </message>
    <message>
        <source>Marge haute de l&apos;imprimante (mm)</source>
        <translation>Oberer Druckerrand (mm)</translation>
    </message>
    <message>
        <source>selon imprimante ( 2 à 5 mmm )</source>
        <translation>je nach Drucker (2 bis 5 mm)</translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>Wählen Sie eine Datei oder beenden Sie</translation>
    </message>
    <message>
        <source>La taille de police P%1 (« %2 ») doit être un nombre de 5 à 15.</source>
        <translation>Die Schriftgröße P%1 („%2“) muss eine Zahl von 5 bis 15 sein.</translation>
    </message>
    <message>
        <source> Le modèle n&apos;est pas enregistré.</source>
        <translation> Die Vorlage ist nicht gespeichert.</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà. Le remplacer ?</source>
        <translation>Die Datei %1 gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Modeles de QSL</source>
        <translation>QSL-&amp;Vorlagen</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Carte QSL : tableau, format et image</source>
        <translation>QSL-Karte: Tabelle, Format und Bild</translation>
    </message>
    <message>
        <source>&amp;Carte…</source>
        <translation>&amp;Karte…</translation>
    </message>
</context>
<context>
    <name>LayoutPreview</name>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Aperçu : ces valeurs ne sont pas des nombres, leurs lignes ne sont pas affichées : %1</source>
        <translation>Vorschau: Diese Werte sind keine Zahlen, ihre Zeilen werden nicht gezeigt: %1</translation>
    </message>
</context>
<context>
    <name>LogAddresses</name>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : il finit avant le QSO avec %2 (octet %3). Relisez-le.</source>
        <translation>Die Datei %1 hat sich seit dem Lesen geändert: sie endet vor dem QSO mit %2 (Byte %3). Lesen Sie sie erneut.</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : le QSO avec %2 (octet %3) y a maintenant pour CALL « %4 ». Relisez-le.</source>
        <translation>Die Datei %1 hat sich seit dem Lesen geändert: das QSO mit %2 (Byte %3) hat dort jetzt CALL „%4“. Lesen Sie sie erneut.</translation>
    </message>
</context>
<context>
    <name>MailOptionsWidget</name>
    <message>
        <source>Impression</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Étiquettes QSO</source>
        <translation>QSO-Etiketten</translation>
    </message>
    <message>
        <source>Adresses (étiquettes)</source>
        <translation>Adressen (Etiketten)</translation>
    </message>
    <message>
        <source>Enveloppes</source>
        <translation>Umschläge</translation>
    </message>
    <message>
        <source>Format des enveloppes</source>
        <translation>Umschlagformat</translation>
    </message>
    <message>
        <source>E&amp;xpéditeur…</source>
        <translation>Ab&amp;sender…</translation>
    </message>
    <message>
        <source>A&amp;dresses…</source>
        <translation>A&amp;dressen…</translation>
    </message>
    <message>
        <source>Adresse de l&apos;expéditeur</source>
        <translation>Absenderadresse</translation>
    </message>
    <message>
        <source>Étiquettes de l&apos;expéditeur</source>
        <translation>Absenderetiketten</translation>
    </message>
    <message>
        <source>Destinataire, droite</source>
        <translation>Empfänger, rechts</translation>
    </message>
    <message>
        <source>Destinataire, bas</source>
        <translation>Empfänger, unten</translation>
    </message>
    <message>
        <source>Expéditeur, droite</source>
        <translation>Absender, rechts</translation>
    </message>
    <message>
        <source>Expéditeur, bas</source>
        <translation>Absender, unten</translation>
    </message>
    <message>
        <source>Décalage destinataire (→, ↓)</source>
        <translation>Versatz Empfänger (→, ↓)</translation>
    </message>
    <message>
        <source>Décalage expéditeur (→, ↓)</source>
        <translation>Versatz Absender (→, ↓)</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Choisissez la planche des étiquettes d&apos;adresses.</source>
        <translation>Wählen Sie den Bogen der Adressetiketten.</translation>
    </message>
</context>
<context>
    <name>MailPrinting</name>
    <message>
        <source>Aucune adresse pour les QSO choisis</source>
        <translation>Keine Adresse für die gewählten QSOs</translation>
    </message>
    <message>
        <source>Pas d&apos;adresse pour : %1

Les ajouter au carnet d&apos;adresses ?</source>
        <translation>Keine Adresse für: %1

Ins Adressbuch aufnehmen?</translation>
    </message>
    <message>
        <source>Adresse trop longue, non imprimée : %1</source>
        <translation>Adresse zu lang, nicht gedruckt: %1</translation>
    </message>
    <message>
        <source>Aperçu des enveloppes</source>
        <translation>Umschlagvorschau</translation>
    </message>
    <message>
        <source>Aperçu des adresses</source>
        <translation>Adressvorschau</translation>
    </message>
</context>
<context>
    <name>MailingList</name>
    <message>
        <source>Pas de destinataire pour : %1 (l&apos;indicatif ne nomme aucune station)</source>
        <translation>Kein Empfänger für: %1 (das Rufzeichen nennt keine Station)</translation>
    </message>
</context>
<context>
    <name>NoBureauTable</name>
    <message>
        <source>Le fichier des pays sans bureau %1 ne peut pas être lu (%2) : seule la liste fournie est utilisée.</source>
        <translation>Die Datei der Länder ohne Büro %1 kann nicht gelesen werden (%2): Nur die mitgelieferte Liste wird verwendet.</translation>
    </message>
    <message numerus="yes">
        <source>Le fichier des pays sans bureau %1 : %n lignes ignorées : %2 (attendu : PRÉFIXE ou -PRÉFIXE, tabulation, AAAA-MM-JJ, tabulation, source).</source>
        <translation>
            <numerusform>Die Datei der Länder ohne Büro %1: %n Zeile ignoriert: %2 (erwartet: PRÄFIX oder -PRÄFIX, Tabulator, JJJJ-MM-TT, Tabulator, Quelle).</numerusform>
            <numerusform>Die Datei der Länder ohne Büro %1: %n Zeilen ignoriert: %2 (erwartet: PRÄFIX oder -PRÄFIX, Tabulator, JJJJ-MM-TT, Tabulator, Quelle).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PdfOutput</name>
    <message>
        <source>%1 ; il n&apos;est pas modifié.</source>
        <translation>%1; sie wird nicht geändert.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Impression arrêtée : aucun fichier n&apos;est écrit.</source>
        <translation>Druck angehalten: Es wird keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>Impression arrêtée : %1 %2 à l&apos;imprimante.</source>
        <translation>Druck angehalten: %1 %2 an den Drucker.</translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>Décalage : un nombre de millimètres de -10 à +10 est attendu (%1).</source>
        <translation>Versatz: Eine Zahl von Millimetern von -10 bis +10 wird erwartet (%1).</translation>
    </message>
</context>
<context>
    <name>PrinterJob</name>
    <message>
        <source>L&apos;impression n&apos;a pas pu être terminée.</source>
        <translation>Der Druck konnte nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>PrinterSurface</name>
    <message>
        <source>(aucune)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est disponible.</source>
        <translation>Kein Drucker verfügbar.</translation>
    </message>
    <message>
        <source>Imprimante introuvable : %1</source>
        <translation>Drucker nicht gefunden: %1</translation>
    </message>
    <message>
        <source>L&apos;imprimante %1 est en erreur ou désactivée.</source>
        <translation>Der Drucker %1 meldet einen Fehler oder ist deaktiviert.</translation>
    </message>
    <message>
        <source>L&apos;imprimante %1 a refusé la page : %2</source>
        <translation>Der Drucker %1 hat die Seite abgelehnt: %2</translation>
    </message>
    <message>
        <source>L&apos;imprimante %1 a été arrêtée ou désactivée pendant l&apos;impression ; la dernière page attend dans la file d&apos;impression.</source>
        <translation>Der Drucker %1 wurde während des Drucks angehalten oder deaktiviert; die letzte Seite wartet in der Druckwarteschlange.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : le support est plein ou en erreur.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Der Datenträger ist voll oder fehlerhaft.</translation>
    </message>
    <message>
        <source>Impossible de commencer une nouvelle page.</source>
        <translation>Eine neue Seite kann nicht begonnen werden.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Impossible de commencer l&apos;impression sur %1.</source>
        <translation>Der Druck auf %1 kann nicht beginnen.</translation>
    </message>
    <message>
        <source>La page n&apos;a pas pu être envoyée à l&apos;imprimante %1.</source>
        <translation>Die Seite konnte nicht an den Drucker %1 gesendet werden.</translation>
    </message>
</context>
<context>
    <name>ProgramLanguage</name>
    <message>
        <source>Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré, le catalogue intégré au programme est utilisé.</source>
        <translation>Der Übersetzungskatalog %1 ist unlesbar oder beschädigt: Er wird übergangen, der im Programm eingebaute Katalog wird verwendet.</translation>
    </message>
    <message>
        <source>Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré, le catalogue %2 est utilisé.</source>
        <translation>Der Übersetzungskatalog %1 ist unlesbar oder beschädigt: Er wird übergangen, der Katalog %2 wird verwendet.</translation>
    </message>
    <message>
        <source>Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré.</source>
        <translation>Der Übersetzungskatalog %1 ist unlesbar oder beschädigt: Er wird übergangen.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>indicatif absent</source>
        <translation>Rufzeichen fehlt</translation>
    </message>
    <message>
        <source>date absente</source>
        <translation>Datum fehlt</translation>
    </message>
    <message>
        <source>bande absente</source>
        <translation>Band fehlt</translation>
    </message>
    <message>
        <source>la station ne veut pas de carte</source>
        <translation>die Station möchte keine Karte</translation>
    </message>
    <message>
        <source>la station ne confirme qu&apos;en ligne</source>
        <translation>die Station bestätigt nur online</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO à vérifier avant l&apos;impression :</source>
        <translation>
            <numerusform>%n QSO vor dem Drucken zu prüfen:</numerusform>
            <numerusform>%n QSOs vor dem Drucken zu prüfen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Les imprimer aussi ? (Non : ils sont laissés de côté)</source>
        <translation>Auch drucken? (Nein: Sie werden weggelassen)</translation>
    </message>
    <message>
        <source>date illisible</source>
        <translation>Datum unlesbar</translation>
    </message>
</context>
<context>
    <name>QslTemplateFile</name>
    <message>
        <source>%1 contient des caractères qu&apos;un fichier .qsl ne peut pas garder : %2. Le modèle n&apos;est pas enregistré.</source>
        <translation>%1 enthält Zeichen, die eine .qsl-Datei nicht speichern kann: %2. Die Vorlage ist nicht gespeichert.</translation>
    </message>
    <message>
        <source>La valeur de %1 (« %2 ») est trop longue : 13 caractères au plus. Le modèle n&apos;est pas enregistré.</source>
        <translation>Der Wert von %1 („%2“) ist zu lang: höchstens 13 Zeichen. Die Vorlage ist nicht gespeichert.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1 ; le modèle n&apos;est pas enregistré.</source>
        <translation>%1; die Vorlage wird nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Arrêter</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>%v sur %m</source>
        <translation>%v von %m</translation>
    </message>
</context>
<context>
    <name>ReceivedCardsWindow</name>
    <message>
        <source>Cartes reçues</source>
        <translation>Erhaltene Karten</translation>
    </message>
    <message>
        <source>Indicatifs des cartes reçues</source>
        <translation>Rufzeichen der erhaltenen Karten</translation>
    </message>
    <message>
        <source>QSO trouvés</source>
        <translation>Gefundene QSOs</translation>
    </message>
    <message>
        <source>Lignes sans QSO</source>
        <translation>Zeilen ohne QSO</translation>
    </message>
    <message>
        <source>Lignes à plusieurs QSO</source>
        <translation>Zeilen mit mehreren QSOs</translation>
    </message>
    <message>
        <source>B (bureau)</source>
        <translation>B (Büro)</translation>
    </message>
    <message>
        <source>D (directe)</source>
        <translation>D (direkt)</translation>
    </message>
    <message>
        <source>M (manager)</source>
        <translation>M (Manager)</translation>
    </message>
    <message>
        <source>&amp;Marquer comme reçues</source>
        <translation>Als erhalten &amp;markieren</translation>
    </message>
    <message>
        <source>Une carte par ligne : indicatif [date] [bande]</source>
        <translation>Eine Karte je Zeile: Rufzeichen [Datum] [Band]</translation>
    </message>
    <message>
        <source>Plusieurs QSO : cochez les bons</source>
        <translation>Mehrere QSOs: die richtigen ankreuzen</translation>
    </message>
    <message>
        <source>&amp;Voie de réception :</source>
        <translation>&amp;Empfangen über:</translation>
    </message>
    <message>
        <source>  (déjà reçue)</source>
        <translation>  (schon erhalten)</translation>
    </message>
    <message>
        <source>Un autre journal a été lu : vérifiez les cartes.</source>
        <translation>Ein anderes Logbuch wurde gelesen: Prüfen Sie die Karten.</translation>
    </message>
    <message>
        <source>Aucun QSO du journal lu à marquer comme reçu.</source>
        <translation>Kein QSO des gelesenen Logbuchs als erhalten zu markieren.</translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO comme reçus ?</source>
        <translation>
            <numerusform>Das %n QSO als erhalten markieren?</numerusform>
            <numerusform>Die %n QSOs als erhalten markieren?</numerusform>
        </translation>
    </message>
    <message>
        <source>Lire la copie marquée %1, pour imprimer les réponses ?</source>
        <translation>Die markierte Kopie %1 lesen, um die Antworten zu drucken?</translation>
    </message>
    <message>
        <source>(« %1 » n&apos;est ni une date ni une bande)</source>
        <translation>(„%1“ ist weder ein Datum noch ein Band)</translation>
    </message>
</context>
<context>
    <name>ReceivedCommand</name>
    <message>
        <source>--via : B, D ou M</source>
        <translation>--via: B, D oder M</translation>
    </message>
    <message>
        <source>Aucun QSO dans le fichier %1</source>
        <translation>Kein QSO in der Datei %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Le fichier %1 dépasse 16 Mio : ce n&apos;est pas une liste d&apos;indicatifs.</source>
        <translation>Die Datei %1 ist größer als 16 MiB: Das ist keine Rufzeichenliste.</translation>
    </message>
    <message>
        <source>Ligne %1 : %2 QSO correspondent, aucun n&apos;est marqué : %3</source>
        <translation>Zeile %1: %2 QSOs passen, keines wird markiert: %3</translation>
    </message>
    <message>
        <source>Ligne %1 : aucun QSO ne correspond : %2</source>
        <translation>Zeile %1: Kein QSO passt: %2</translation>
    </message>
    <message>
        <source>Marquage interrompu : la copie %1 n&apos;est pas écrite.</source>
        <translation>Markieren unterbrochen: Die Kopie %1 ist nicht geschrieben.</translation>
    </message>
    <message>
        <source>Marquage interrompu : la copie %1 est écrite.</source>
        <translation>Markieren unterbrochen: Die Kopie %1 ist geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%n lignes trouvées, %1 sans QSO, %2 à plusieurs QSO</source>
        <translation>
            <numerusform>%n Zeile gefunden, %1 ohne QSO, %2 mit mehreren QSOs</numerusform>
            <numerusform>%n Zeilen gefunden, %1 ohne QSO, %2 mit mehreren QSOs</numerusform>
        </translation>
    </message>
    <message>
        <source>Ligne %1 : « %2 » n&apos;est ni une date (AAAAMMJJ, AAAA-MM-JJ, JJ/MM/AA) ni une bande (20M) : aucun QSO n&apos;est cherché : %3</source>
        <translation>Zeile %1: „%2“ ist weder ein Datum (JJJJMMTT, JJJJ-MM-TT, TT/MM/JJ) noch ein Band (20M): kein QSO wird gesucht: %3</translation>
    </message>
</context>
<context>
    <name>ReplacedFile</name>
    <message>
        <source>erreur d&apos;écriture</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>le fichier écrit est incomplet ou abîmé</source>
        <translation>die geschriebene Datei ist unvollständig oder beschädigt</translation>
    </message>
</context>
<context>
    <name>RunFiles</name>
    <message>
        <source>Le fichier de sortie %1 est le fichier lu %2 : rien n&apos;est écrit.</source>
        <translation>Die Ausgabedatei %1 ist die gelesene Datei %2: Nichts wird geschrieben.</translation>
    </message>
    <message>
        <source>Le fichier de sortie %1 n&apos;est pas un fichier ordinaire : rien n&apos;est écrit.</source>
        <translation>Die Ausgabedatei %1 ist keine gewöhnliche Datei: Nichts wird geschrieben.</translation>
    </message>
    <message>
        <source>%1 est le fichier %2 de cette impression : rien n&apos;est écrit, donnez un autre nom à la copie marquée.</source>
        <translation>%1 ist die Datei %2 dieses Drucks: Nichts wird geschrieben, geben Sie der markierten Kopie einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 ne peut pas être remplacé (le journal lui-même ou un fichier spécial) ; donnez un autre nom.</source>
        <translation>%1 kann nicht ersetzt werden (das Logbuch selbst oder eine Spezialdatei); geben Sie einen anderen Namen an.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2 ; rien n&apos;est écrit.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2; nichts wird geschrieben.</translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Sélection des QSO</source>
        <translation>QSO-Auswahl</translation>
    </message>
    <message>
        <source>Liste des QSO</source>
        <translation>QSO-Liste</translation>
    </message>
    <message>
        <source>QSO sélectionné(s) . Cliquez sur un QSO pour le désélctionner.</source>
        <translation>Ausgewählte QSOs. Klicken Sie auf ein QSO, um es abzuwählen.</translation>
    </message>
    <message>
        <source>QSO sélectionnés</source>
        <translation>Ausgewählte QSOs</translation>
    </message>
    <message>
        <source>&amp;Tout sélectionner</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>&amp;Imprimer étiquettes</source>
        <translation>Etiketten &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Cartes &amp;reçues…</source>
        <translation>&amp;Erhaltene Karten…</translation>
    </message>
    <message>
        <source>Tri par &amp;date</source>
        <translation>Nach &amp;Datum</translation>
    </message>
    <message>
        <source>Tri par &amp;call</source>
        <translation>Nach &amp;Rufzeichen</translation>
    </message>
    <message>
        <source>Tri &amp;bureau</source>
        <translation>Für das &amp;Büro</translation>
    </message>
    <message>
        <source>Cliquez sur un QSO pour le sélectionner </source>
        <translation>Klicken Sie auf ein QSO, um es auszuwählen </translation>
    </message>
    <message>
        <source>Toutes</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Non envoyées</source>
        <translation>Nicht gesendet</translation>
    </message>
    <message>
        <source>Demandées ou en file</source>
        <translation>Angefordert oder vorgemerkt</translation>
    </message>
    <message>
        <source>Reçues sans réponse</source>
        <translation>Erhalten, unbeantwortet</translation>
    </message>
    <message>
        <source>Bureau</source>
        <translation>Büro</translation>
    </message>
    <message>
        <source>Directe</source>
        <translation>Direkt</translation>
    </message>
    <message>
        <source>QSL à &amp;envoyer :</source>
        <translation>Zu &amp;sendende QSLs:</translation>
    </message>
    <message>
        <source>&amp;Voie :</source>
        <translation>&amp;Weg:</translation>
    </message>
    <message>
        <source>Ordre d&apos;impression : bureau</source>
        <translation>Druckreihenfolge: Büro</translation>
    </message>
    <message>
        <source>Ordre d&apos;impression : par indicatif</source>
        <translation>Druckreihenfolge: nach Rufzeichen</translation>
    </message>
    <message>
        <source>Sans confirmation électronique</source>
        <translation>Ohne elektronische Bestätigung</translation>
    </message>
</context>
<context>
    <name>SentMarker</name>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : la copie marquée n&apos;est pas écrite ; relisez-le avant de marquer les QSO.</source>
        <translation>Die Datei %1 hat sich seit dem Lesen geändert: Die markierte Kopie wird nicht geschrieben; lesen Sie sie neu, bevor Sie die QSOs markieren.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2 ; la copie marquée n&apos;est pas enregistrée.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2; die markierte Kopie ist nicht gespeichert.</translation>
    </message>
    <message>
        <source>support plein</source>
        <translation>Datenträger voll</translation>
    </message>
</context>
<context>
    <name>SentMarking</name>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés par le bureau ?</source>
        <translation>
            <numerusform>Das %n gedruckte QSO als über das Büro gesendet markieren?</numerusform>
            <numerusform>Die %n gedruckten QSOs als über das Büro gesendet markieren?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés en direct ?</source>
        <translation>
            <numerusform>Das %n gedruckte QSO als direkt gesendet markieren?</numerusform>
            <numerusform>Die %n gedruckten QSOs als direkt gesendet markieren?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés ?</source>
        <translation>
            <numerusform>Das %n gedruckte QSO als gesendet markieren?</numerusform>
            <numerusform>Die %n gedruckten QSOs als gesendet markieren?</numerusform>
        </translation>
    </message>
    <message>
        <source>
Le journal d&apos;avant est gardé dans %1.</source>
        <translation>
Das vorige Logbuch bleibt in %1 erhalten.</translation>
    </message>
    <message>
        <source>Le fichier %1 est le journal lui-même. Le remplacer par la copie marquée ?
Le journal d&apos;avant sera gardé dans %2.</source>
        <translation>Die Datei %1 ist das Logbuch selbst. Durch die markierte Kopie ersetzen?
Das vorige Logbuch bleibt in %2 erhalten.</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà.
Voulez-vous le remplacer ?</source>
        <translation>Die Datei %1 gibt es schon.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message numerus="yes">
        <source>
%n QSO imprimés ne sont pas dans le journal lu %1 et ne sont pas marqués : %2</source>
        <translation>
            <numerusform>
%n gedrucktes QSO ist nicht im gelesenen Logbuch %1 und wird nicht markiert: %2</numerusform>
            <numerusform>
%n gedruckte QSOs sind nicht im gelesenen Logbuch %1 und werden nicht markiert: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : la copie marquée n&apos;est pas écrite ; relisez-le avant de marquer les QSO.</source>
        <translation>Die Datei %1 hat sich seit dem Lesen geändert: Die markierte Kopie wird nicht geschrieben; lesen Sie sie neu, bevor Sie die QSOs markieren.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 ; le journal n&apos;est pas gardé, la copie marquée n&apos;est pas écrite.</source>
        <translation>%1; das Logbuch wird nicht aufbewahrt, die markierte Kopie wird nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Les options ne peuvent pas être enregistrées : le fichier %1 est illisible ou protégé en écriture. Le programme continue avec les valeurs par défaut.</source>
        <translation>Die Optionen können nicht gespeichert werden: Die Datei %1 ist unlesbar oder schreibgeschützt. Das Programm arbeitet mit den Standardwerten weiter.</translation>
    </message>
    <message>
        <source>aucun fichier temporaire ne peut être créé</source>
        <translation>es kann keine temporäre Datei angelegt werden</translation>
    </message>
    <message>
        <source>le texte des options n&apos;a pas pu être préparé</source>
        <translation>der Text der Einstellungen konnte nicht vorbereitet werden</translation>
    </message>
    <message>
        <source>Les options ne peuvent pas être enregistrées : impossible d&apos;écrire le fichier %1 (%2). Il est gardé tel qu&apos;il était ; le programme continue avec les valeurs choisies.</source>
        <translation>Die Einstellungen können nicht gespeichert werden: Die Datei %1 kann nicht geschrieben werden (%2). Sie bleibt, wie sie war; das Programm arbeitet mit den gewählten Werten weiter.</translation>
    </message>
    <message>
        <source>une autre instance du programme l&apos;écrit en ce moment</source>
        <translation>eine andere Instanz des Programms schreibt sie gerade</translation>
    </message>
    <message>
        <source>le fichier n&apos;a pas pu être relu</source>
        <translation>die Datei konnte nicht erneut gelesen werden</translation>
    </message>
    <message>
        <source>Le fichier d&apos;options %1, ligne %2 : ligne incomprise, ignorée ; elle reste dans le fichier.</source>
        <translation>Einstellungsdatei %1, Zeile %2: Zeile nicht verstanden, übergangen; sie bleibt in der Datei.</translation>
    </message>
    <message>
        <source>Le fichier d&apos;options %1 a d&apos;autres lignes incomprises, ignorées elles aussi.</source>
        <translation>Die Einstellungsdatei %1 hat weitere nicht verstandene Zeilen, die ebenfalls übergangen werden.</translation>
    </message>
</context>
<context>
    <name>SheetDrawing</name>
    <message>
        <source>Dessin de la planche</source>
        <translation>Zeichnung des Bogens</translation>
    </message>
</context>
<context>
    <name>SheetProfile</name>
    <message>
        <source>Page suivante ?</source>
        <translation>Nächste Seite?</translation>
    </message>
</context>
<context>
    <name>SheetTable</name>
    <message>
        <source>Le fichier des planches %1 ne peut pas être lu (%2) : seules les planches fournies sont proposées.</source>
        <translation>Die Bogendatei %1 kann nicht gelesen werden (%2): Nur die mitgelieferten Bögen werden angeboten.</translation>
    </message>
    <message>
        <source>n&apos;est pas de la forme NOM, tab, PAPIER, tab, COLONNESxRANGÉES, tab, six mesures en mm.</source>
        <translation>hat nicht die Form NAME, Tab, PAPIER, Tab, SPALTENxREIHEN, Tab, sechs Maße in mm.</translation>
    </message>
    <message>
        <source>ligne %1, %2</source>
        <translation>Zeile %1, %2</translation>
    </message>
    <message>
        <source>Nom : donnez un nom à la planche.</source>
        <translation>Name: Geben Sie dem Bogen einen Namen.</translation>
    </message>
    <message>
        <source>Nom : %1 est une planche fournie ; copiez-la pour la modifier.</source>
        <translation>Name: %1 ist ein mitgelieferter Bogen; kopieren Sie ihn, um ihn zu ändern.</translation>
    </message>
    <message>
        <source>Nom : une planche %1 existe déjà.</source>
        <translation>Name: Einen Bogen %1 gibt es schon.</translation>
    </message>
    <message>
        <source>planche inconnue %1</source>
        <translation>unbekannter Bogen %1</translation>
    </message>
    <message>
        <source>planche inconnue %1 : elle est refusée dans %2, %3</source>
        <translation>unbekannter Bogen %1: Er wird in %2 abgelehnt, %3</translation>
    </message>
    <message>
        <source>%1 ; les planches ne sont pas modifiées.</source>
        <translation>%1; die Bögen werden nicht geändert.</translation>
    </message>
    <message numerus="yes">
        <source>%n planches illisibles ignorées dans %1 ; la première, %2</source>
        <translation>
            <numerusform>%n unlesbarer Bogen in %1 übergangen: %2</numerusform>
            <numerusform>%n unlesbare Bögen in %1 übergangen; der erste, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Le fichier des planches %1 ne peut pas être relu (%2) : les planches ne sont pas modifiées.</source>
        <translation>Die Bogendatei %1 kann nicht erneut gelesen werden (%2): die Bögen werden nicht geändert.</translation>
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
        <translation>Etikettenbögen</translation>
    </message>
    <message>
        <source>Planches</source>
        <translation>Bögen</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Planche</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>Planche fournie : copiez-la pour la modifier.</source>
        <translation>Mitgelieferter Bogen: Kopieren Sie ihn, um ihn zu ändern.</translation>
    </message>
    <message>
        <source>Personnalisé</source>
        <translation>Eigenes</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Calibration de l&apos;imprimante %1</source>
        <translation>Kalibrierung des Druckers %1</translation>
    </message>
    <message>
        <source>Planche fournie, non modifiable</source>
        <translation>Mitgelieferter Bogen, nicht änderbar</translation>
    </message>
    <message>
        <source>%1 : un nombre positif est attendu.</source>
        <translation>%1: Eine positive Zahl wird erwartet.</translation>
    </message>
    <message>
        <source>%1 : un nombre entier positif est attendu.</source>
        <translation>%1: Eine positive ganze Zahl wird erwartet.</translation>
    </message>
    <message>
        <source>Largeur et hauteur du papier : des nombres positifs sont attendus.</source>
        <translation>Papierbreite und -höhe: Positive Zahlen werden erwartet.</translation>
    </message>
    <message>
        <source>Copie de %1</source>
        <translation>Kopie von %1</translation>
    </message>
    <message>
        <source>Copie %1 de %2</source>
        <translation>Kopie %1 von %2</translation>
    </message>
    <message>
        <source>Supprimer la planche %1 ?</source>
        <translation>Den Bogen %1 löschen?</translation>
    </message>
    <message>
        <source>&amp;Nouvelle</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Décalage horizontal (mm)</source>
        <translation>Horizontaler Versatz (mm)</translation>
    </message>
    <message>
        <source>Décalage vertical (mm)</source>
        <translation>Vertikaler Versatz (mm)</translation>
    </message>
    <message>
        <source>Enregistrer le &amp;décalage</source>
        <translation>&amp;Versatz speichern</translation>
    </message>
    <message>
        <source>&amp;Page de calibration</source>
        <translation>Kalibrierse&amp;ite</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Impression d&apos;etiquettes pour QSL</source>
        <translation>Etikettendruck für QSL</translation>
    </message>
    <message>
        <source>a partir d&apos;un fichier ADIF</source>
        <translation>aus einer ADIF-Datei</translation>
    </message>
    <message>
        <source>Indicatif de la station</source>
        <translation>Rufzeichen der Station</translation>
    </message>
    <message>
        <source>Selection du fichier ADIF</source>
        <translation>Auswahl der ADIF-Datei</translation>
    </message>
    <message>
        <source>&amp;Selectionnez</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>Entrez votre indicatif</source>
        <translation>Geben Sie Ihr Rufzeichen ein</translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>Wählen Sie eine Datei oder beenden Sie</translation>
    </message>
    <message>
        <source>Entrez votre indicatif, puis cliquez sur Selectionnez pour lire %1</source>
        <translation>Geben Sie Ihr Rufzeichen ein und klicken Sie dann auf Auswählen, um %1 zu lesen</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Celle du système</source>
        <translation>Die des Systems</translation>
    </message>
    <message>
        <source>La langue choisie s&apos;applique au prochain démarrage.</source>
        <translation>Die gewählte Sprache gilt ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>address labels on any sheet of labels --list-sheets</source>
        <translation>Adressetiketten auf jedem Bogen von labels --list-sheets</translation>
    </message>
    <message>
        <source>one envelope per recipient, in landscape</source>
        <translation>ein Umschlag je Empfänger, im Querformat</translation>
    </message>
    <message>
        <source>N labels of the station&apos;s own address after the addresses</source>
        <translation>N Etiketten der Stationsadresse nach den Adressen</translation>
    </message>
    <message>
        <source>the direct mail of the QSOs: one address per recipient (its QSL
manager, else the station), from adresses.csv, else the log&apos;s
latest ADDRESS_INTL or ADDRESS; --dump writes text X Y SIZE BOLD
|TEXT| per line (mm from the paper edge), end per sheet or
envelope, and missing CALL per recipient without address</source>
        <translation>die Direktpost der QSOs: eine Adresse je Empfänger (sein QSL-
Manager, sonst die Station), aus adresses.csv, sonst die letzte
ADDRESS_INTL oder ADDRESS des Logbuchs; --dump schreibt text X Y
SIZE BOLD |TEXT| je Zeile (mm vom Papierrand), end je Bogen oder
Umschlag und missing CALL je Empfänger ohne Adresse</translation>
    </message>
    <message>
        <source>the QSOs with one station (callsign and QSL via) share
cards, in the template&apos;s QSO table, in date order</source>
        <translation>die QSOs mit einer Station (Rufzeichen und QSL via) teilen sich
Karten, in der QSO-Tabelle der Vorlage, nach Datum</translation>
    </message>
    <message>
        <source>PSE, TNX, nothing, or TNX where a card came (auto)</source>
        <translation>PSE, TNX, nichts oder TNX, wo eine Karte kam (auto)</translation>
    </message>
    <message>
        <source>cards per page: 2 or 4 on --paper A4|Letter, with crop
marks, placed from the paper edge</source>
        <translation>Karten je Seite: 2 oder 4 auf --paper A4|Letter, mit
Schnittmarken, vom Papierrand aus platziert</translation>
    </message>
    <message>
        <source>with --offset-y MM: the printer&apos;s shift for this run</source>
        <translation>mit --offset-y MM: der Versatz des Druckers für diesen Lauf</translation>
    </message>
    <message>
        <source>start at card N of a used first page</source>
        <translation>beginnt bei Karte N einer angebrochenen ersten Seite</translation>
    </message>
    <message>
        <source>print one QSL card per QSO of the log, in print-list order;
--pdf writes one page per card, --dump one line
per printed text: text X Y SIZE BOLD |TEXT| (X, Y in mm from
the printable area), and end after each page</source>
        <translation>druckt eine QSL-Karte je QSO des Logbuchs, in der Reihenfolge
der Druckliste; --pdf schreibt eine Seite je Karte, --dump eine
Zeile je gedrucktem Text: text X Y SIZE BOLD |TEXT| (X, Y in mm
vom druckbaren Bereich) und end nach jeder Seite</translation>
    </message>
    <message>
        <source>only QSOs whose QSL is still owed (QSL_SENT absent, N, R, Q)</source>
        <translation>nur QSOs, deren QSL noch offen ist (QSL_SENT fehlt, N, R, Q)</translation>
    </message>
    <message>
        <source>unsent (as --unsent), requested (QSL_SENT R, Q) or received
(a card came: QSL_RCVD Y, V not via E; none went back)</source>
        <translation>unsent (wie --unsent), requested (QSL_SENT R, Q) oder received
(eine Karte kam: QSL_RCVD Y, V nicht via E; keine ging zurück)</translation>
    </message>
    <message>
        <source>only QSOs neither LoTW nor eQSL confirmed (LOTW_QSL_RCVD,
EQSL_QSL_RCVD not Y or V), with any queue</source>
        <translation>nur von LoTW und eQSL unbestätigte QSOs (LOTW_QSL_RCVD,
EQSL_QSL_RCVD nicht Y oder V), mit jeder Warteschlange</translation>
    </message>
    <message>
        <source>all, bureau or direct: QSL_SENT_VIA, else QSL_RCVD_VIA, else
the bureau (M: bureau); marks B for bureau, D for direct</source>
        <translation>all, bureau oder direct: QSL_SENT_VIA, sonst QSL_RCVD_VIA, sonst
das Büro (M: Büro); markiert B für Büro, D für direkt</translation>
    </message>
    <message>
        <source>call: as &quot;Tri par call&quot;; bureau: by the DXCC entity of
the QSL via&apos;s manager, else of the home call; then by it</source>
        <translation>call: wie „Nach Rufzeichen“; bureau: nach dem DXCC-Gebiet des
Managers der QSL via, sonst des Heimatrufzeichens; dann danach</translation>
    </message>
    <message>
        <source>after a complete run, a copy of the log with the printed
QSOs marked QSL_SENT Y, QSLSDATE today, QSL_SENT_VIA</source>
        <translation>nach einem vollständigen Lauf eine Kopie des Logbuchs mit den
gedruckten QSOs markiert QSL_SENT Y, QSLSDATE heute, QSL_SENT_VIA</translation>
    </message>
    <message>
        <source>a bureau run prints the QSOs the bureau cannot
deliver too (entity without bureau, QSL_VIA DIRECT)</source>
        <translation>ein Büro-Lauf druckt auch die QSOs, die das Büro nicht
zustellen kann (Gebiet ohne Büro, QSL_VIA DIRECT)</translation>
    </message>
    <message>
        <source>the sending method marked (B for labels, D for cards;
M, which ADIF only reads, is written B)</source>
        <translation>die markierte Versandart (B für Etiketten, D für Karten;
M, das ADIF nur liest, wird B geschrieben)</translation>
    </message>
    <message>
        <source>--dump writes one line per printed line: line SIZE BOLD |TEXT|, and end or
discard for each ended or discarded sheet (text X Y SIZE BOLD |TEXT| for
fitted labels, X, Y in mm from the paper edge)</source>
        <translation>--dump schreibt eine Zeile je gedruckter Zeile: line SIZE BOLD |TEXT|,
und end oder discard je beendetem oder verworfenem Bogen (text X Y SIZE
BOLD |TEXT| für eingepasste Etiketten, X, Y in mm vom Papierrand)</translation>
    </message>
    <message>
        <source>Usage: quenor-etiquettes %1</source>
        <translation>Aufruf: quenor-etiquettes %1</translation>
    </message>
    <message>
        <source>Without a command the program opens its windows.</source>
        <translation>Ohne Befehl öffnet das Programm seine Fenster.</translation>
    </message>
    <message>
        <source>labels and cards also take:</source>
        <translation>labels und cards nehmen außerdem:</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>zeigt diesen Text</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>zeigt die Version</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 file unreadable, 2 wrong arguments, 3 printing failed.</source>
        <translation>Exit-Codes: 0 erledigt, 1 Datei unlesbar, 2 falsche Argumente, 3 Druck misslungen.</translation>
    </message>
    <message>
        <source>any sheet of --list-sheets (labels fitted one by one on
sheets other than the tuned ones, placed from the paper edge)</source>
        <translation>jeder Bogen aus --list-sheets (Etiketten einzeln eingepasst auf
nicht abgestimmten Bögen, vom Papierrand aus platziert)</translation>
    </message>
    <message>
        <source>start at label N of a used first sheet (numbered across
each row, then down); the labels before it stay blank</source>
        <translation>beginnt bei Etikett N eines angebrochenen ersten Bogens (quer je
Reihe gezählt, dann abwärts); die Etiketten davor bleiben leer</translation>
    </message>
    <message>
        <source>print every QSO of the log on label sheets, in print-list
order; options not given take the station&apos;s stored value:</source>
        <translation>druckt jedes QSO des Logbuchs auf Etikettenbögen, in der
Reihenfolge der Druckliste; nicht angegebene Optionen nehmen
den gespeicherten Wert der Station:</translation>
    </message>
    <message>
        <source>(%1 or any text)</source>
        <translation>(%1 oder beliebiger Text)</translation>
    </message>
    <message>
        <source>the printer&apos;s shift for this run (-10 to +10)</source>
        <translation>Versatz des Druckers für diesen Lauf (-10 bis +10)</translation>
    </message>
    <message>
        <source>the QSOs with one station (callsign and QSL via) share
labels, in print-list order, one line per QSO</source>
        <translation>die QSOs mit einer Station (Rufzeichen und QSL via) teilen sich
Etiketten, in Drucklisten-Reihenfolge, eine Zeile je QSO</translation>
    </message>
    <message>
        <source>one line per sheet: NAME, tab, PAPER, tab, COLUMNSxROWS, tab,
left top width height across down (mm)</source>
        <translation>eine Zeile je Bogen: NAME, tab, PAPER, tab, COLUMNSxROWS, tab,
left top width height across down (mm)</translation>
    </message>
    <message>
        <source>print the sheet&apos;s calibration page</source>
        <translation>druckt die Kalibrierseite des Bogens</translation>
    </message>
    <message>
        <source>write every QSO list row of the log, one per line (with
--sort bureau: the entity&apos;s prefix and a tab before each,
! before it when the bureau cannot deliver the card)</source>
        <translation>schreibt jede Zeile der QSO-Liste des Logbuchs, eine je Zeile
(mit --sort bureau: das Präfix des Gebiets und ein Tab davor,
! davor, wenn das Büro die Karte nicht zustellen kann)</translation>
    </message>
    <message>
        <source>the bundle, one card a line: CALL [YYYYMMDD|DD/MM/YY] [BAND]</source>
        <translation>das Bündel, eine Karte je Zeile: CALL [YYYYMMDD|DD/MM/YY] [BAND]</translation>
    </message>
    <message>
        <source>the route the cards came by (B when not given; M, which
ADIF only reads, is written B)</source>
        <translation>der Weg, auf dem die Karten kamen (B, wenn nicht angegeben;
M, das ADIF nur liest, wird B geschrieben)</translation>
    </message>
    <message>
        <source>the copy of the log with the QSOs found marked QSL_RCVD Y,
QSLRDATE today, QSL_RCVD_VIA (both kept where a card came before)</source>
        <translation>die Kopie des Logbuchs, die gefundenen QSOs markiert QSL_RCVD Y,
QSLRDATE heute, QSL_RCVD_VIA (beide bleiben, wo eine Karte kam)</translation>
    </message>
    <message>
        <source>mark the cards of a bundle as received; the lines that
match no QSO or several are listed and mark nothing</source>
        <translation>markiert die Karten eines Bündels als erhalten; die Zeilen, die
keinem oder mehreren QSOs entsprechen, werden nur gelistet</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>L&apos;indicatif de la station est encore « %1 ». Entrez l&apos;indicatif à imprimer :</source>
        <translation>Das Rufzeichen der Station ist noch „%1“. Geben Sie das zu druckende Rufzeichen ein:</translation>
    </message>
    <message>
        <source>Entrez votre indicatif</source>
        <translation>Geben Sie Ihr Rufzeichen ein</translation>
    </message>
    <message>
        <source>La liste d&apos;impression est vide : choisissez les QSO à imprimer dans la sélection.</source>
        <translation>Die Druckliste ist leer: Wählen Sie die zu druckenden QSOs in der Auswahl.</translation>
    </message>
</context>
</TS>
