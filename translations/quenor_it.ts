<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="fr_FR">
<context>
    <name>AddressBook</name>
    <message>
        <source>le fichier contient des caractères nuls (texte UTF-16 sans marque ?)</source>
        <translation>il file contiene caratteri nulli (testo UTF-16 senza marcatore?)</translation>
    </message>
    <message>
        <source>ligne %1 : guillemet non fermé</source>
        <translation>riga %1: virgolette non chiuse</translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 ne peut pas être lu en entier (%2) : il n&apos;est ni utilisé ni remplacé.</source>
        <translation>La rubrica indirizzi %1 non può essere letta per intero (%2): non viene né usata né sostituita.</translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 n&apos;est pas lisible : %2.</source>
        <translation>La rubrica indirizzi %1 non è leggibile: %2.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 (%2) : le carnet d&apos;adresses n&apos;est pas modifié.</source>
        <translation>Impossibile leggere il file %1 (%2): la rubrica indirizzi non viene modificata.</translation>
    </message>
    <message>
        <source>%1 ; le carnet d&apos;adresses n&apos;est pas modifié.</source>
        <translation>%1; la rubrica indirizzi non viene modificata.</translation>
    </message>
    <message>
        <source>ligne %1 : %2 figure déjà ligne %3 ; l&apos;adresse de la ligne %1 est utilisée, les deux lignes sont gardées</source>
        <translation>riga %1: %2 è già alla riga %3; si usa l&apos;indirizzo della riga %1, le due righe sono conservate</translation>
    </message>
    <message>
        <source>ligne %1 : pas d&apos;indicatif en tête, ligne gardée telle quelle</source>
        <translation>riga %1: nessun nominativo all&apos;inizio, riga conservata così com&apos;è</translation>
    </message>
</context>
<context>
    <name>AddressBookWindow</name>
    <message>
        <source>Adresses</source>
        <translation>Indirizzi</translation>
    </message>
    <message>
        <source>Filtrer</source>
        <translation>Filtra</translation>
    </message>
    <message>
        <source>Filtrer les stations</source>
        <translation>Filtra le stazioni</translation>
    </message>
    <message>
        <source>Stations du carnet</source>
        <translation>Stazioni della rubrica</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>Adresse, une ligne par ligne de l&apos;enveloppe</source>
        <translation>Indirizzo, una riga per riga della busta</translation>
    </message>
    <message>
        <source>&amp;Nouvelle</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Importer…</source>
        <translation>&amp;Importa…</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Indicatif :</source>
        <translation>Nominativo:</translation>
    </message>
    <message>
        <source>Adresse (nom, rue, ville, pays) :</source>
        <translation>Indirizzo (nome, via, città, paese):</translation>
    </message>
    <message>
        <source>%1 — à compléter</source>
        <translation>%1 — da completare</translation>
    </message>
    <message>
        <source>Indicatif : tapez l&apos;indicatif de la station.</source>
        <translation>Nominativo: digitate il nominativo della stazione.</translation>
    </message>
    <message>
        <source>Adresse : tapez au moins une ligne.</source>
        <translation>Indirizzo: digitate almeno una riga.</translation>
    </message>
    <message>
        <source>Supprimer l&apos;adresse de %1 du carnet ?</source>
        <translation>Eliminare l&apos;indirizzo di %1 dalla rubrica?</translation>
    </message>
    <message>
        <source>Carnet d&apos;adresses (*.csv *.CSV);;Tous les fichiers (*)</source>
        <translation>Rubrica indirizzi (*.csv *.CSV);;Tutti i file (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n adresses importées de %1.</source>
        <translation>
            <numerusform>%n indirizzo importato da %1.</numerusform>
            <numerusform>%n indirizzi importati da %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 est lu, sauf :</source>
        <translation>La rubrica indirizzi %1 è letta, tranne:</translation>
    </message>
    <message numerus="yes">
        <source>L&apos;import remplace l&apos;adresse de %n stations du carnet : %1.
Continuer ?</source>
        <translation>
            <numerusform>L&apos;importazione sostituisce l&apos;indirizzo di %n stazione della rubrica: %1.
Continuare?</numerusform>
            <numerusform>L&apos;importazione sostituisce l&apos;indirizzo di %n stazioni della rubrica: %1.
Continuare?</numerusform>
        </translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 n&apos;a pas pu être lu en entier : il n&apos;est pas remplacé. Fermez la fenêtre, réparez le fichier et rouvrez-la.</source>
        <translation>La rubrica indirizzi %1 non è stata letta per intero: non viene sostituita. Chiudere la finestra, riparare il file e riaprirla.</translation>
    </message>
</context>
<context>
    <name>AddressJob</name>
    <message>
        <source>Impression des enveloppes : enveloppes imprimées</source>
        <translation>Stampa delle buste: buste stampate</translation>
    </message>
    <message>
        <source>Impression des adresses : feuilles imprimées</source>
        <translation>Stampa degli indirizzi: fogli stampati</translation>
    </message>
    <message>
        <source>enveloppe envoyée</source>
        <translation>busta inviata</translation>
    </message>
    <message>
        <source>feuille envoyée</source>
        <translation>foglio inviato</translation>
    </message>
    <message>
        <source>enveloppes envoyées</source>
        <translation>buste inviate</translation>
    </message>
    <message>
        <source>feuilles envoyées</source>
        <translation>fogli inviati</translation>
    </message>
</context>
<context>
    <name>AddressesCommand</name>
    <message>
        <source>--return-address : un nombre de 0 à %1 est attendu.</source>
        <translation>--return-address: è atteso un numero da 0 a %1.</translation>
    </message>
    <message>
        <source>Pas d&apos;adresse pour : %1</source>
        <translation>Nessun indirizzo per: %1</translation>
    </message>
    <message>
        <source>Adresse trop longue, non imprimée : %1</source>
        <translation>Indirizzo troppo lungo, non stampato: %1</translation>
    </message>
    <message>
        <source>Aucune adresse pour les QSO choisis</source>
        <translation>Nessun indirizzo per i QSO scelti</translation>
    </message>
    <message>
        <source>--sheet : %1 (voir labels --list-sheets)</source>
        <translation>--sheet: %1 (vedere labels --list-sheets)</translation>
    </message>
    <message>
        <source>--return-address : aucune adresse de l&apos;expéditeur n&apos;est enregistrée (fenêtre « Adresse de l&apos;expéditeur »).</source>
        <translation>--return-address: nessun indirizzo del mittente registrato (finestra «Indirizzo del mittente»).</translation>
    </message>
    <message>
        <source>Adresse trop longue, non imprimée : %1 ; rien n&apos;est imprimé.</source>
        <translation>Indirizzo troppo lungo, non stampato: %1; non viene stampato nulla.</translation>
    </message>
    <message>
        <source>--envelope : %1</source>
        <translation>--envelope: %1</translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 est lu, sauf :</source>
        <translation>La rubrica indirizzi %1 è letta, tranne:</translation>
    </message>
</context>
<context>
    <name>AdifReader</name>
    <message>
        <source>Indicatif absent, remplacé par FXXXX</source>
        <translation>Nominativo assente, sostituito da FXXXX</translation>
    </message>
    <message>
        <source>Date absente, remplacée par 01/01/2000</source>
        <translation>Data assente, sostituita da 01/01/2000</translation>
    </message>
    <message>
        <source>Heure absente, remplacée par 00:00</source>
        <translation>Ora assente, sostituita da 00:00</translation>
    </message>
    <message>
        <source>Bande absente, remplacée par 1.8 Mhz</source>
        <translation>Banda assente, sostituita da 1.8 Mhz</translation>
    </message>
    <message>
        <source>Fin de QSO &lt;EOR&gt; absente avant l&apos;indicatif %1</source>
        <translation>Fine QSO &lt;EOR&gt; assente prima del nominativo %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1</source>
        <translation>Impossibile leggere il file %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Impossibile leggere il file %1: %2</translation>
    </message>
    <message>
        <source>Heure de début absente, remplacée par l&apos;heure de fin (TIME_OFF)</source>
        <translation>Ora di inizio assente, sostituita dall&apos;ora di fine (TIME_OFF)</translation>
    </message>
    <message>
        <source>Date « %1 » illisible (QSO_DATE n&apos;est pas une date AAAAMMJJ), remplacée par 01/01/2000</source>
        <translation>Data «%1» illeggibile (QSO_DATE non è una data AAAAMMGG), sostituita da 01/01/2000</translation>
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
            <numerusform>%n messaggio durante la lettura del log</numerusform>
            <numerusform>%n messaggi durante la lettura del log</numerusform>
        </translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>selezionate un file o uscite</translation>
    </message>
</context>
<context>
    <name>BoundedFile</name>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>il dépasse %1 Kio</source>
        <translation>supera %1 KiB</translation>
    </message>
</context>
<context>
    <name>BureauCheck</name>
    <message numerus="yes">
        <source>%n QSO ne peuvent pas partir par le bureau (pays sans bureau QSL, ou carte directe demandée) :</source>
        <translation>
            <numerusform>%n QSO non può passare dal bureau (paese senza bureau QSL, o cartolina diretta richiesta):</numerusform>
            <numerusform>%n QSO non possono passare dal bureau (paese senza bureau QSL, o cartolina diretta richiesta):</numerusform>
        </translation>
    </message>
    <message>
        <source>Les laisser de côté pour cette impression (ils restent dus, pour une carte directe), les imprimer quand même, ou arrêter ?</source>
        <translation>Lasciarli fuori da questa stampa (restano dovuti, per una cartolina diretta), stamparli comunque o fermarsi?</translation>
    </message>
    <message>
        <source>Les laisser de côté</source>
        <translation>Lasciarli fuori</translation>
    </message>
    <message>
        <source>Les imprimer quand même</source>
        <translation>Stamparli comunque</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Fermarsi</translation>
    </message>
    <message>
        <source>Aucun QSO à imprimer par le bureau.</source>
        <translation>Nessun QSO da stampare tramite il bureau.</translation>
    </message>
</context>
<context>
    <name>BureauRun</name>
    <message numerus="yes">
        <source>… et %n autres</source>
        <translation>
            <numerusform>… e %n altro</numerusform>
            <numerusform>… e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 %3 : %4</source>
        <translation>%1 %2 %3: %4</translation>
    </message>
    <message>
        <source>sans entité</source>
        <translation>senza entità</translation>
    </message>
    <message>
        <source>QSO par bureau : %1</source>
        <translation>QSO per bureau: %1</translation>
    </message>
    <message>
        <source>la station demande une carte directe</source>
        <translation>la stazione chiede una cartolina diretta</translation>
    </message>
    <message>
        <source>%1, pas de bureau QSL</source>
        <translation>%1, nessun bureau QSL</translation>
    </message>
    <message>
        <source>pas d&apos;indicatif (CALL) dans le journal, aucune entité</source>
        <translation>nessun nominativo (CALL) nel log, nessuna entità</translation>
    </message>
</context>
<context>
    <name>CardDesignLayout</name>
    <message>
        <source>Modèle de QSL inutilisable : %1 (« %2 ») ne convient pas.</source>
        <translation>Modello di QSL inutilizzabile: %1 («%2») non va bene.</translation>
    </message>
    <message>
        <source>Modèle de QSL inutilisable : table.pitch (« %1 ») est plus petit que la hauteur du texte du tableau (%2 mm) : ses rangées s&apos;imprimeraient l&apos;une sur l&apos;autre.</source>
        <translation>Modello di QSL inutilizzabile: table.pitch («%1») è più piccolo dell&apos;altezza del testo della tabella (%2 mm): le sue righe si stamperebbero una sull&apos;altra.</translation>
    </message>
</context>
<context>
    <name>CardDesignPanel</name>
    <message>
        <source>Garder libre la &amp;bande de tri des bureaux (10 mm en bas)</source>
        <translation>Lasciare libera la &amp;banda di smistamento dei bureau (10 mm in basso)</translation>
    </message>
    <message>
        <source>Tableau : position gauche (mm)</source>
        <translation>Tabella: posizione sinistra (mm)</translation>
    </message>
    <message>
        <source>Tableau : position haute (mm)</source>
        <translation>Tabella: posizione in alto (mm)</translation>
    </message>
    <message>
        <source>Tableau : nombre de QSO (1 à 6)</source>
        <translation>Tabella: numero di QSO (da 1 a 6)</translation>
    </message>
    <message>
        <source>Tableau : pas des lignes (mm)</source>
        <translation>Tabella: passo delle righe (mm)</translation>
    </message>
    <message>
        <source>Tableau : taille de police</source>
        <translation>Tabella: dimensione del carattere</translation>
    </message>
    <message>
        <source>Remerciements : position gauche (mm)</source>
        <translation>Ringraziamenti: posizione sinistra (mm)</translation>
    </message>
    <message>
        <source>Remerciements : position haute (mm)</source>
        <translation>Ringraziamenti: posizione in alto (mm)</translation>
    </message>
    <message>
        <source>Remerciements : taille de police</source>
        <translation>Ringraziamenti: dimensione del carattere</translation>
    </message>
    <message>
        <source>Texte quand une QSL est demandée</source>
        <translation>Testo quando si chiede una QSL</translation>
    </message>
    <message>
        <source>Texte quand la QSL est reçue</source>
        <translation>Testo quando la QSL è ricevuta</translation>
    </message>
    <message>
        <source>Fichier de l&apos;image (PNG, JPEG ou SVG)</source>
        <translation>File dell&apos;immagine (PNG, JPEG o SVG)</translation>
    </message>
    <message>
        <source>C&amp;adre</source>
        <translation>Cor&amp;nice</translation>
    </message>
    <message>
        <source>&amp;Imprimer l&apos;image</source>
        <translation>Stampa l&apos;&amp;immagine</translation>
    </message>
    <message>
        <source>Format de la carte</source>
        <translation>Formato della cartolina</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <source>Tableau des QSO (une carte par station avec « Regrouper »)</source>
        <translation>Tabella dei QSO (una cartolina per stazione con «Raggruppa»)</translation>
    </message>
    <message>
        <source>Gauche, haute, QSO, pas, police</source>
        <translation>Sinistra, alto, QSO, passo, carattere</translation>
    </message>
    <message>
        <source>Colonnes du tableau</source>
        <translation>Colonne della tabella</translation>
    </message>
    <message>
        <source>Gauche (mm)</source>
        <translation>Sinistra (mm)</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Ajouter une col&amp;onne</source>
        <translation>Aggiungi una col&amp;onna</translation>
    </message>
    <message>
        <source>Re&amp;tirer la colonne</source>
        <translation>&amp;Togli la colonna</translation>
    </message>
    <message>
        <source>Remerciements et lignes 8 à 10</source>
        <translation>Ringraziamenti e righe da 8 a 10</translation>
    </message>
    <message>
        <source>Gauche, haute, police</source>
        <translation>Sinistra, alto, carattere</translation>
    </message>
    <message>
        <source>QSL demandée</source>
        <translation>QSL richiesta</translation>
    </message>
    <message>
        <source>QSL reçue</source>
        <translation>QSL ricevuta</translation>
    </message>
    <message>
        <source>Valeur du QSO après le texte de la ligne %1</source>
        <translation>Valore del QSO dopo il testo della riga %1</translation>
    </message>
    <message>
        <source>Valeur de la ligne %1</source>
        <translation>Valore della riga %1</translation>
    </message>
    <message>
        <source>Image pour cartes vierges</source>
        <translation>Immagine per cartoline vuote</translation>
    </message>
    <message>
        <source>C&amp;hoisir…</source>
        <translation>Sc&amp;egli…</translation>
    </message>
    <message>
        <source>Choisir l&apos;image</source>
        <translation>Scegli l&apos;immagine</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Ajustement de l&apos;image</source>
        <translation>Adattamento dell&apos;immagine</translation>
    </message>
    <message>
        <source>Remplir la carte (rogner)</source>
        <translation>Riempi la cartolina (ritaglia)</translation>
    </message>
    <message>
        <source>Image entière</source>
        <translation>Immagine intera</translation>
    </message>
    <message>
        <source>Ajustement</source>
        <translation>Adattamento</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Immagini (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>call</source>
        <translation>nominativo</translation>
    </message>
    <message>
        <source>via</source>
        <translation>via</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>time</source>
        <translation>ora</translation>
    </message>
    <message>
        <source>band</source>
        <translation>banda</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
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
        <translation>satellite</translation>
    </message>
    <message>
        <source>prop_mode</source>
        <translation>propagazione</translation>
    </message>
    <message>
        <source>submode</source>
        <translation>sottomodo</translation>
    </message>
    <message>
        <source>band_rx</source>
        <translation>banda RX</translation>
    </message>
    <message>
        <source>freq</source>
        <translation>frequenza</translation>
    </message>
    <message>
        <source>qslmsg</source>
        <translation>messaggio QSL</translation>
    </message>
</context>
<context>
    <name>CardJob</name>
    <message>
        <source>Impression des cartes : cartes imprimées</source>
        <translation>Stampa delle cartoline: cartoline stampate</translation>
    </message>
    <message>
        <source>carte envoyée</source>
        <translation>cartolina inviata</translation>
    </message>
    <message>
        <source>cartes envoyées</source>
        <translation>cartoline inviate</translation>
    </message>
    <message>
        <source>Le modèle n&apos;a pas de tableau des QSO : une carte par QSO.</source>
        <translation>Il modello non ha una tabella dei QSO: una cartolina per QSO.</translation>
    </message>
</context>
<context>
    <name>CardLayout</name>
    <message>
        <source>Modèle de QSL inutilisable : %1 est vide.</source>
        <translation>Modello di QSL inutilizzabile: %1 è vuoto.</translation>
    </message>
    <message>
        <source>Modèle de QSL inutilisable : %1 (« %2 ») n&apos;est pas un nombre.</source>
        <translation>Modello di QSL inutilizzabile: %1 («%2») non è un numero.</translation>
    </message>
    <message>
        <source>Modèle de QSL inutilisable : la taille P%1 (« %2 ») doit être plus grande que 0.</source>
        <translation>Modello di QSL inutilizzabile: la dimensione P%1 («%2») deve essere maggiore di 0.</translation>
    </message>
</context>
<context>
    <name>CardPicture</name>
    <message>
        <source>L&apos;image %1 est introuvable ou illisible : les cartes sont imprimées sans elle.</source>
        <translation>L&apos;immagine %1 non si trova o non è leggibile: le cartoline sono stampate senza.</translation>
    </message>
</context>
<context>
    <name>CardPrintWindow</name>
    <message>
        <source>&amp;Impression de la QSL</source>
        <translation>&amp;Stampa la QSL</translation>
    </message>
    <message>
        <source>&amp;Setup_QSL</source>
        <translation>&amp;Setup_QSL</translation>
    </message>
    <message>
        <source>&amp;Retour sélection Etiquettes</source>
        <translation>&amp;Torna alla selezione etichette</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>&amp;Choisir le modèle…</source>
        <translation>S&amp;cegli il modello…</translation>
    </message>
    <message>
        <source>&amp;Enveloppes…</source>
        <translation>&amp;Buste…</translation>
    </message>
    <message>
        <source>Impression sur carte QSL</source>
        <translation>Stampa su cartoline QSL</translation>
    </message>
    <message>
        <source>Aperçu des cartes</source>
        <translation>Anteprima delle cartoline</translation>
    </message>
    <message>
        <source>Enveloppes de ces cartes</source>
        <translation>Buste di queste cartoline</translation>
    </message>
    <message>
        <source>Modèle : aucun, il sera demandé</source>
        <translation>Modello: nessuno, verrà chiesto</translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>selezionate un file o uscite</translation>
    </message>
    <message>
        <source>sélectionnez un fichier .qsl ou créez en un</source>
        <translation>selezionate un file .qsl o createne uno</translation>
    </message>
    <message>
        <source>La ligne %1 dépasse le bord de la carte</source>
        <translation>La riga %1 supera il bordo della cartolina</translation>
    </message>
    <message>
        <source>Les lignes %1 dépassent le bord de la carte</source>
        <translation>Le righe %1 superano il bordo della cartolina</translation>
    </message>
    <message>
        <source>Re&amp;grouper les QSO d&apos;une même station</source>
        <translation>&amp;Raggruppa i QSO di una stessa stazione</translation>
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
        <translation>Senza ringraziamento</translation>
    </message>
    <message>
        <source>Selon la QSL reçue</source>
        <translation>Secondo la QSL ricevuta</translation>
    </message>
    <message>
        <source>Re&amp;merciements</source>
        <translation>Ringrazia&amp;menti</translation>
    </message>
    <message>
        <source>1 carte par page</source>
        <translation>1 cartolina per pagina</translation>
    </message>
    <message>
        <source>2 cartes par page</source>
        <translation>2 cartoline per pagina</translation>
    </message>
    <message>
        <source>4 cartes par page</source>
        <translation>4 cartoline per pagina</translation>
    </message>
    <message>
        <source>Cartes par &amp;page</source>
        <translation>Cartoline &amp;per pagina</translation>
    </message>
    <message>
        <source>&amp;Format du papier</source>
        <translation>&amp;Formato della carta</translation>
    </message>
    <message>
        <source>Première car&amp;te</source>
        <translation>Prima carto&amp;lina</translation>
    </message>
</context>
<context>
    <name>CardPrinting</name>
    <message>
        <source>Modèle de QSL inutilisable : le fichier %1 n&apos;a que %2 lignes sur %3.</source>
        <translation>Modello di QSL inutilizzabile: il file %1 ha solo %2 righe su %3.</translation>
    </message>
</context>
<context>
    <name>CardSheet</name>
    <message>
        <source>Papier ou nombre de cartes inconnu.</source>
        <translation>Carta o numero di cartoline sconosciuto.</translation>
    </message>
    <message>
        <source>%1 cartes de %2 ne tiennent pas sur une page %3 dans la zone qu&apos;atteint l&apos;imprimante.</source>
        <translation>%1 cartoline da %2 non entrano in una pagina %3 nell&apos;area che la stampante raggiunge.</translation>
    </message>
</context>
<context>
    <name>CardSize</name>
    <message>
        <source>140 × 90 mm (carte QSL)</source>
        <translation>140 × 90 mm (cartolina QSL)</translation>
    </message>
    <message>
        <source>139,7 × 88,9 mm (5,5 × 3,5 pouces)</source>
        <translation>139,7 × 88,9 mm (5,5 × 3,5 pollici)</translation>
    </message>
    <message>
        <source>148 × 105 mm (A6)</source>
        <translation>148 × 105 mm (A6)</translation>
    </message>
    <message>
        <source>152,4 × 101,6 mm (6 × 4 pouces)</source>
        <translation>152,4 × 101,6 mm (6 × 4 pollici)</translation>
    </message>
</context>
<context>
    <name>CardSketch</name>
    <message>
        <source>Bande de tri des bureaux QSL</source>
        <translation>Banda di smistamento dei bureau QSL</translation>
    </message>
</context>
<context>
    <name>CardWarnings</name>
    <message>
        <source>ligne %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>remerciements</source>
        <translation>ringraziamenti</translation>
    </message>
    <message>
        <source>Le tableau des QSO dépasse le bord de la carte</source>
        <translation>La tabella dei QSO supera il bordo della cartolina</translation>
    </message>
    <message>
        <source>Les remerciements dépassent le bord de la carte</source>
        <translation>I ringraziamenti superano il bordo della cartolina</translation>
    </message>
    <message>
        <source>tableau des QSO</source>
        <translation>tabella dei QSO</translation>
    </message>
    <message>
        <source>Texte dans la bande de 10 mm du bas que les bureaux QSL gardent libre pour leur tri : %1</source>
        <translation>Testo nella banda di 10 mm in basso che i bureau QSL lasciano libera per lo smistamento: %1</translation>
    </message>
    <message>
        <source>Les cartes de %1 sont plus grandes que A6 : les bureaux QSL les refusent.</source>
        <translation>Le cartoline da %1 sono più grandi di A6: i bureau QSL le rifiutano.</translation>
    </message>
</context>
<context>
    <name>CardsCommand</name>
    <message>
        <source>sélectionnez un fichier .qsl ou créez en un</source>
        <translation>selezionate un file .qsl o createne uno</translation>
    </message>
    <message>
        <source>La ligne %1 dépasse le bord de la carte</source>
        <translation>La riga %1 supera il bordo della cartolina</translation>
    </message>
    <message>
        <source>--qsl : 1, 2, 3 ou auto</source>
        <translation>--qsl: 1, 2, 3 o auto</translation>
    </message>
    <message>
        <source>--per-page : 1, 2 ou 4</source>
        <translation>--per-page: 1, 2 o 4</translation>
    </message>
    <message>
        <source>--paper : A4 ou Letter</source>
        <translation>--paper: A4 o Letter</translation>
    </message>
    <message>
        <source>--%1 : %2</source>
        <translation>--%1: %2</translation>
    </message>
    <message>
        <source>--first-card : de 1 à %1 (les cartes par page)</source>
        <translation>--first-card: da 1 a %1 (le cartoline per pagina)</translation>
    </message>
    <message>
        <source>--paper : le papier des cartes par page, à donner avec --per-page 2 ou 4</source>
        <translation>--paper: la carta di più cartoline per pagina, insieme a --per-page 2 o 4</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Impossible d&apos;écrire sur la sortie standard : %1</source>
        <translation>Impossibile scrivere sullo standard output: %1</translation>
    </message>
    <message>
        <source>--sort : call ou bureau</source>
        <translation>--sort: call o bureau</translation>
    </message>
    <message>
        <source>--owed : unsent, requested ou received</source>
        <translation>--owed: unsent, requested o received</translation>
    </message>
    <message>
        <source>--unsent et --owed %1 ne vont pas ensemble</source>
        <translation>--unsent e --owed %1 non vanno insieme</translation>
    </message>
    <message>
        <source>--route : all, bureau ou direct</source>
        <translation>--route: all, bureau o direct</translation>
    </message>
    <message>
        <source>--sent-via : B, D, E ou M</source>
        <translation>--sent-via: B, D, E o M</translation>
    </message>
    <message>
        <source>Aucun QSO dans le fichier %1</source>
        <translation>Nessun QSO nel file %1</translation>
    </message>
    <message>
        <source>Aucun QSO à imprimer dans le fichier %1</source>
        <translation>Nessun QSO da stampare nel file %1</translation>
    </message>
    <message>
        <source>Impression interrompue : l&apos;impression est faite, la copie marquée %1 n&apos;est pas écrite.</source>
        <translation>Stampa interrotta: la stampa è fatta, la copia segnata %1 non è scritta.</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO laissés de côté, le bureau ne les délivre pas (--keep-undeliverable les imprime) :</source>
        <translation>
            <numerusform>%n QSO lasciato fuori, il bureau non lo consegna (--keep-undeliverable lo stampa):</numerusform>
            <numerusform>%n QSO lasciati fuori, il bureau non li consegna (--keep-undeliverable li stampa):</numerusform>
        </translation>
    </message>
    <message>
        <source>Impression interrompue : l&apos;impression est faite, la copie marquée %1 est écrite.</source>
        <translation>Stampa interrotta: la stampa è fatta, la copia segnata %1 è scritta.</translation>
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
        <translation>Comando sconosciuto: %1</translation>
    </message>
</context>
<context>
    <name>CommandOption</name>
    <message>
        <source>Valeur manquante après %1</source>
        <translation>Valore mancante dopo %1</translation>
    </message>
    <message>
        <source>Option inconnue : %1</source>
        <translation>Opzione sconosciuta: %1</translation>
    </message>
    <message>
        <source>Valeur vide après %1</source>
        <translation>Valore vuoto dopo %1</translation>
    </message>
    <message>
        <source>--%1 est donnée deux fois, avec « %2 » puis « %3 » : gardez-en une.</source>
        <translation>--%1 è data due volte, con «%2» e poi «%3»: tenetene una.</translation>
    </message>
</context>
<context>
    <name>ConfirmationDownload</name>
    <message>
        <source>Relevé de confirmations LoTW : ses QSL reçues sont des confirmations électroniques (lues comme reçues par E), non des cartes.</source>
        <translation>Rapporto di conferme LoTW: le sue QSL ricevute sono conferme elettroniche (lette come ricevute via E), non cartoline.</translation>
    </message>
    <message>
        <source>Boîte de réception eQSL : ses QSL envoyées par E sont celles que les stations vous ont envoyées (lues comme reçues par E), non les vôtres.</source>
        <translation>Posta in arrivo eQSL: le sue QSL inviate via E sono quelle che le stazioni le hanno inviato (lette come ricevute via E), non le sue.</translation>
    </message>
    <message>
        <source>Le fichier %1 est un relevé de confirmations %2, pas votre journal : ses QSL reçues sont celles du service. Marquez les cartes reçues dans votre journal ; rien n&apos;est écrit.</source>
        <translation>Il file %1 è un rapporto di conferme %2, non il suo log: le sue QSL ricevute sono quelle del servizio. Segni le cartoline ricevute nel suo log; non viene scritto nulla.</translation>
    </message>
</context>
<context>
    <name>CountryFile</name>
    <message>
        <source>%1 ; le fichier %2 est utilisé.</source>
        <translation>%1; viene usato il file %2.</translation>
    </message>
    <message>
        <source>Fichier des pays (cty.dat) introuvable : %1</source>
        <translation>File dei paesi (cty.dat) non trovato: %1</translation>
    </message>
    <message>
        <source> ; le tri bureau suit le début des indicatifs.</source>
        <translation>; l&apos;ordine per il bureau segue l&apos;inizio dei nominativi.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier des pays %1 (%2)</source>
        <translation>Impossibile leggere il file dei paesi %1 (%2)</translation>
    </message>
    <message>
        <source>Le fichier des pays %1 ne contient aucune entité</source>
        <translation>Il file dei paesi %1 non contiene alcuna entità</translation>
    </message>
</context>
<context>
    <name>EnvelopeRun</name>
    <message>
        <source>L&apos;adresse de l&apos;expéditeur ne tient pas sur l&apos;enveloppe : raccourcissez ses lignes.</source>
        <translation>L&apos;indirizzo del mittente non entra nella busta: accorciatene le righe.</translation>
    </message>
    <message>
        <source>L&apos;adresse de l&apos;expéditeur ne tient pas sur l&apos;enveloppe %1 avec son décalage (« Décalage expéditeur » : %2 ; %3 mm), qui la pousse hors du papier ; sans décalage, elle tient : réduisez le décalage.</source>
        <translation>L&apos;indirizzo del mittente non sta sulla busta %1 con il suo spostamento («Spostamento mittente»: %2 ; %3 mm), che lo spinge fuori dalla carta; senza spostamento ci sta: riducete lo spostamento.</translation>
    </message>
</context>
<context>
    <name>LabelJob</name>
    <message>
        <source>Impression des étiquettes : feuilles imprimées</source>
        <translation>Stampa delle etichette: fogli stampati</translation>
    </message>
    <message>
        <source>feuille envoyée</source>
        <translation>foglio inviato</translation>
    </message>
    <message>
        <source>feuilles envoyées</source>
        <translation>fogli inviati</translation>
    </message>
    <message>
        <source>Le décalage de l&apos;imprimante (%1 ; %2 mm) fait sortir le texte des étiquettes du papier (étiquette %3) : corrigez-le dans « Planches… ».</source>
        <translation>Lo spostamento della stampante (%1; %2 mm) porta il testo delle etichette fuori dal foglio (etichetta %3): correggerlo in «Fogli…».</translation>
    </message>
</context>
<context>
    <name>LabelOptionTable</name>
    <message>
        <source>--lang : fr ou en</source>
        <translation>--lang: fr o en</translation>
    </message>
    <message>
        <source>--type : qso ou activation</source>
        <translation>--type: qso o activation</translation>
    </message>
    <message>
        <source>--format : 1, 2, 3, 4 ou 6 (le format 5 imprime sur les QSL : commande cards)</source>
        <translation>--format: 1, 2, 3, 4 o 6 (il formato 5 stampa sulle cartoline QSL: comando cards)</translation>
    </message>
    <message>
        <source>--qsl : 1, 2, 3 ou auto</source>
        <translation>--qsl: 1, 2, 3 o auto</translation>
    </message>
</context>
<context>
    <name>LabelOptionsWindow</name>
    <message>
        <source>Impression directe sur QSL </source>
        <translation>Stampa diretta su cartoline QSL </translation>
    </message>
    <message>
        <source>Impression étiquettes</source>
        <translation>Stampa etichette</translation>
    </message>
    <message>
        <source>Impression d&apos;étiquettes pour QSL</source>
        <translation>Stampa di etichette per QSL</translation>
    </message>
    <message>
        <source>&amp;Imprimer les étiquettes</source>
        <translation>&amp;Stampa le etichette</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>Aperçu des étiquettes</source>
        <translation>Anteprima delle etichette</translation>
    </message>
    <message>
        <source>&amp;Retour sélection QSO</source>
        <translation>&amp;Torna alla selezione QSO</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Francais</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Anglais</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Format des étiquettes</source>
        <translation>Formato delle etichette</translation>
    </message>
    <message>
        <source>Autre planche :</source>
        <translation>Altro foglio:</translation>
    </message>
    <message>
        <source>Autre planche</source>
        <translation>Altro foglio</translation>
    </message>
    <message>
        <source>&amp;Planches…</source>
        <translation>&amp;Fogli…</translation>
    </message>
    <message>
        <source>Options d&apos;impression</source>
        <translation>Opzioni di stampa</translation>
    </message>
    <message>
        <source>Avant impression des étiquettes</source>
        <translation>Prima di stampare le etichette</translation>
    </message>
    <message>
        <source>effectuez une impression sur une feuille</source>
        <translation>fate una stampa su un foglio</translation>
    </message>
    <message>
        <source>Corrigez  éventuellement avec la fonction</source>
        <translation>Correggete se serve con la funzione</translation>
    </message>
    <message>
        <source>&quot;Décalage vertical feuille&quot; ci dessous</source>
        <translation>&quot;Spostamento verticale foglio&quot; qui sotto</translation>
    </message>
    <message>
        <source>Décalage vertical feuille</source>
        <translation>Spostamento verticale foglio</translation>
    </message>
    <message>
        <source>ligne</source>
        <translation>riga</translation>
    </message>
    <message>
        <source>Arret impression a chaque feuille</source>
        <translation>Fermati dopo ogni foglio</translation>
    </message>
    <message>
        <source>Première étiquette</source>
        <translation>Prima etichetta</translation>
    </message>
    <message>
        <source>Sur une planche entamée : les étiquettes sont comptées de gauche à droite puis de haut en bas ; celles d&apos;avant restent vierges.</source>
        <translation>Su un foglio già iniziato: le etichette si contano da sinistra a destra e dall&apos;alto in basso; quelle prima restano bianche.</translation>
    </message>
    <message>
        <source>Regrouper les QSO d&apos;une même station</source>
        <translation>Raggruppa i QSO della stessa stazione</translation>
    </message>
    <message>
        <source>Les QSO d&apos;un même indicatif et d&apos;un même QSL via partagent une étiquette, une ligne par QSO.</source>
        <translation>I QSO con lo stesso nominativo e lo stesso QSL via condividono un&apos;etichetta, una riga per QSO.</translation>
    </message>
    <message>
        <source>Libellé Texte QSL</source>
        <translation>Testo QSL</translation>
    </message>
    <message>
        <source>Merci pour le QSO  Pse QSL</source>
        <translation>Grazie per il QSO  Pse QSL</translation>
    </message>
    <message>
        <source>Merci pour le QSO et pour  la QSL</source>
        <translation>Grazie per il QSO e per la QSL</translation>
    </message>
    <message>
        <source>Merci pour le QSO  pas de QSL</source>
        <translation>Grazie per il QSO  niente QSL</translation>
    </message>
    <message>
        <source>Selon la QSL reçue</source>
        <translation>Secondo la QSL ricevuta</translation>
    </message>
    <message>
        <source>Libellé commentaire</source>
        <translation>Riga di commento</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>32 caracteres maxi</source>
        <translation>32 caratteri max</translation>
    </message>
    <message>
        <source>Options de l&apos;activation</source>
        <translation>Opzioni dell&apos;attivazione</translation>
    </message>
    <message>
        <source>N°de l&apos;activité</source>
        <translation>N. dell&apos;attivazione</translation>
    </message>
    <message>
        <source>12 caracteres maxi</source>
        <translation>12 caratteri max</translation>
    </message>
    <message>
        <source>Numero de l&apos;activité obligatoire</source>
        <translation>Il numero dell&apos;attivazione è obbligatorio</translation>
    </message>
    <message>
        <source>Nom de l&apos;activité</source>
        <translation>Nome dell&apos;attivazione</translation>
    </message>
    <message>
        <source>30 caracteres maxi</source>
        <translation>30 caratteri max</translation>
    </message>
    <message>
        <source>Nom de l&apos;activité obligatoire</source>
        <translation>Il nome dell&apos;attivazione è obbligatorio</translation>
    </message>
    <message>
        <source>N° du Canton</source>
        <translation>N. del cantone</translation>
    </message>
    <message>
        <source>4 caracteres maxi</source>
        <translation>4 caratteri max</translation>
    </message>
    <message>
        <source>Numero du Canton obligatoire</source>
        <translation>Il numero del cantone è obbligatorio</translation>
    </message>
    <message>
        <source>Code postal</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>5 caracteres maxi</source>
        <translation>5 caratteri max</translation>
    </message>
    <message>
        <source>Numero du code postal obligatoire</source>
        <translation>Il CAP è obbligatorio</translation>
    </message>
    <message>
        <source>Commune</source>
        <translation>Comune</translation>
    </message>
    <message>
        <source>26 caracteres maxi</source>
        <translation>26 caratteri max</translation>
    </message>
    <message>
        <source>Nom de la commune obligatoire</source>
        <translation>Il comune è obbligatorio</translation>
    </message>
    <message>
        <source>&amp;Effacer</source>
        <translation>&amp;Cancella</translation>
    </message>
    <message>
        <source>Options station</source>
        <translation>Opzioni stazione</translation>
    </message>
    <message>
        <source>Transceiver </source>
        <translation>Ricetrasmettitore </translation>
    </message>
    <message>
        <source>40 caracteres maxi</source>
        <translation>40 caratteri max</translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation>Ricetrasmettitore</translation>
    </message>
    <message>
        <source>Antenne</source>
        <translation>Antenna</translation>
    </message>
    <message>
        <source>15 caracteres maxi</source>
        <translation>15 caratteri max</translation>
    </message>
    <message>
        <source>&amp;Imprimer les enveloppes</source>
        <translation>&amp;Stampa le buste</translation>
    </message>
    <message>
        <source>Pour l&apos;impression directe sur QSL, l&apos;aperçu se fait dans la fenêtre d&apos;impression sur carte QSL.</source>
        <translation>Per la stampa diretta su cartoline QSL, l&apos;anteprima è nella finestra di stampa su cartolina QSL.</translation>
    </message>
</context>
<context>
    <name>LabelPrintRun</name>
    <message>
        <source>Format d&apos;étiquettes inconnu : %1</source>
        <translation>Formato di etichette sconosciuto: %1</translation>
    </message>
    <message>
        <source>Planche %1 : %2</source>
        <translation>Foglio %1: %2</translation>
    </message>
    <message>
        <source>Page suivante ?</source>
        <translation>Pagina successiva?</translation>
    </message>
    <message>
        <source>Certaines étiquettes sont trop petites : le commentaire, puis la ligne TX et antenne, y ont été omis.</source>
        <translation>Alcune etichette sono troppo piccole: il commento, poi la riga TX e antenna, sono stati omessi.</translation>
    </message>
    <message>
        <source>Première étiquette : un nombre de 1 à %1 est attendu.</source>
        <translation>Prima etichetta: è atteso un numero da 1 a %1.</translation>
    </message>
</context>
<context>
    <name>LabelPrinting</name>
    <message>
        <source>Planche inconnue : %1</source>
        <translation>Foglio sconosciuto: %1</translation>
    </message>
    <message>
        <source>Aperçu des étiquettes</source>
        <translation>Anteprima delle etichette</translation>
    </message>
    <message>
        <source> (refusée : %1)</source>
        <translation> (rifiutato: %1)</translation>
    </message>
</context>
<context>
    <name>LabelSamples</name>
    <message>
        <source>Indicatif</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>Exemple d&apos;étiquette confirmant un QSO </source>
        <translation>Esempio di etichetta che conferma un QSO </translation>
    </message>
    <message>
        <source>Exemple d&apos;étiquette confirmant une activation</source>
        <translation>Esempio di etichetta che conferma un&apos;attivazione</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>Papier : A4, Letter ou une largeur x hauteur en mm positives.</source>
        <translation>Carta: A4, Letter o larghezza x altezza positive in mm.</translation>
    </message>
    <message>
        <source>Rangées : au plus %1 étiquettes par planche (colonnes x rangées).</source>
        <translation>Righe: al massimo %1 etichette per foglio (colonne x righe).</translation>
    </message>
    <message>
        <source>Pas horizontal : les étiquettes se chevauchent (pas plus petit que la largeur).</source>
        <translation>Passo orizzontale: le etichette si sovrappongono (passo minore della larghezza).</translation>
    </message>
    <message>
        <source>Pas vertical : les étiquettes se chevauchent (pas plus petit que la hauteur).</source>
        <translation>Passo verticale: le etichette si sovrappongono (passo minore dell&apos;altezza).</translation>
    </message>
    <message>
        <source>Pas horizontal : les étiquettes sortent du papier à droite.</source>
        <translation>Passo orizzontale: le etichette escono dalla carta a destra.</translation>
    </message>
    <message>
        <source>Pas vertical : les étiquettes sortent du papier en bas.</source>
        <translation>Passo verticale: le etichette escono dalla carta in basso.</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2 x %3  %n étiquettes</source>
        <translation>
            <numerusform>%1  %2 x %3  %n etichetta</numerusform>
            <numerusform>%1  %2 x %3  %n etichette</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 : un nombre de %2 à %3%4 est attendu.</source>
        <translation>%1: è atteso un numero da %2 a %3%4.</translation>
    </message>
    <message>
        <source>%1 : un nombre de plus de %2 à %3%4 est attendu.</source>
        <translation>%1: è atteso un numero oltre %2, fino a %3%4.</translation>
    </message>
    <message>
        <source>Largeur du papier</source>
        <translation>Larghezza della carta</translation>
    </message>
    <message>
        <source>Hauteur du papier</source>
        <translation>Altezza della carta</translation>
    </message>
    <message>
        <source>Colonnes</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Rangées</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Marge gauche</source>
        <translation>Margine sinistro</translation>
    </message>
    <message>
        <source>Marge haute</source>
        <translation>Margine alto</translation>
    </message>
    <message>
        <source>Largeur d&apos;étiquette</source>
        <translation>Larghezza etichetta</translation>
    </message>
    <message>
        <source>Hauteur d&apos;étiquette</source>
        <translation>Altezza etichetta</translation>
    </message>
    <message>
        <source>Pas horizontal</source>
        <translation>Passo orizzontale</translation>
    </message>
    <message>
        <source>Pas vertical</source>
        <translation>Passo verticale</translation>
    </message>
</context>
<context>
    <name>LabelsCommand</name>
    <message>
        <source>Planche inconnue : %1 (voir --list-sheets)</source>
        <translation>Foglio sconosciuto: %1 (vedere --list-sheets)</translation>
    </message>
    <message>
        <source>--sheet : %1 (voir labels --list-sheets)</source>
        <translation>--sheet: %1 (vedere labels --list-sheets)</translation>
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
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>indicatif</source>
        <translation>nominativo</translation>
    </message>
    <message>
        <source>QSL via</source>
        <translation>QSL via</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>heure</source>
        <translation>ora</translation>
    </message>
    <message>
        <source>bande</source>
        <translation>banda</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>Joindre la ligne 2 à la ligne 1</source>
        <translation>Unisci la riga 2 alla riga 1</translation>
    </message>
    <message>
        <source>Joindre la ligne 4 à la ligne 3</source>
        <translation>Unisci la riga 4 alla riga 3</translation>
    </message>
    <message>
        <source>Joindre les lignes 6 et 7 à la ligne 5</source>
        <translation>Unisci le righe 6 e 7 alla riga 5</translation>
    </message>
    <message>
        <source>Parametres de la QSL</source>
        <translation>Parametri della QSL</translation>
    </message>
    <message>
        <source>Position des champs à imprimer</source>
        <translation>Posizione dei campi da stampare</translation>
    </message>
    <message>
        <source>Marges</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>Gauche  Haute   Police    Textes avant le champs QSO</source>
        <translation>Sinistra Alto   Font      Testi prima del campo QSO</translation>
    </message>
    <message>
        <source>Champs QSO</source>
        <translation>Campi QSO</translation>
    </message>
    <message>
        <source>Gauche  Haute   Police                                  Champs personalisables</source>
        <translation>Sinistra Alto   Font                                    Campi personalizzabili</translation>
    </message>
    <message>
        <source>position gauche (mm)</source>
        <translation>posizione sinistra (mm)</translation>
    </message>
    <message>
        <source>position haute (mm)</source>
        <translation>posizione alta (mm)</translation>
    </message>
    <message>
        <source>taille de police (5 à 15)</source>
        <translation>dimensione font (da 5 a 15)</translation>
    </message>
    <message>
        <source>texte</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>Marges  : Toutes les valeurs en millimètres  valeur 0 et 0 pour une ligne non utilisée</source>
        <translation>Margini: tutti i valori in millimetri; 0 e 0 per una riga non usata</translation>
    </message>
    <message>
        <source>Taille de la Police de caracteres  :  de 5 à 15</source>
        <translation>Dimensione del font: da 5 a 15</translation>
    </message>
    <message>
        <source>Les 3 case à cocher Ck permettent d&apos;associer les champs sur une seule ligne</source>
        <translation>Le 3 caselle Ck uniscono i campi su una sola riga</translation>
    </message>
    <message>
        <source>ATTENTION tenir compte des Marges Gauches et Hautes de l&apos;imprimante</source>
        <translation>ATTENZIONE: tenete conto dei margini sinistro e alto della stampante</translation>
    </message>
    <message>
        <source>Valeurs </source>
        <translation>Valori </translation>
    </message>
    <message>
        <source>Marge gauche de l&apos;imprimante (mm)</source>
        <translation>Margine sinistro della stampante (mm)</translation>
    </message>
    <message>
        <source>Marge haute de l&apos;imprimante (mm)</source>
        <translation>Margine alto della stampante (mm)</translation>
    </message>
    <message>
        <source>selon imprimante ( 2 à 5 mmm )</source>
        <translation>secondo la stampante (da 2 a 5 mm)</translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>selezionate un file o uscite</translation>
    </message>
    <message>
        <source>La taille de police P%1 (« %2 ») doit être un nombre de 5 à 15.</source>
        <translation>La dimensione del font P%1 («%2») deve essere un numero da 5 a 15.</translation>
    </message>
    <message>
        <source> Le modèle n&apos;est pas enregistré.</source>
        <translation> Il modello non è salvato.</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà. Le remplacer ?</source>
        <translation>Il file %1 esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>&amp;Modeles de QSL</source>
        <translation>&amp;Modelli di QSL</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>Carte QSL : tableau, format et image</source>
        <translation>Cartolina QSL: tabella, formato e immagine</translation>
    </message>
    <message>
        <source>&amp;Carte…</source>
        <translation>&amp;Cartolina…</translation>
    </message>
</context>
<context>
    <name>LayoutPreview</name>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Aperçu : ces valeurs ne sont pas des nombres, leurs lignes ne sont pas affichées : %1</source>
        <translation>Anteprima: questi valori non sono numeri, le loro righe non sono mostrate: %1</translation>
    </message>
</context>
<context>
    <name>LogAddresses</name>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Impossibile leggere il file %1: %2</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : il finit avant le QSO avec %2 (octet %3). Relisez-le.</source>
        <translation>Il file %1 è cambiato dopo la lettura: finisce prima del QSO con %2 (byte %3). Lo rilegga.</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : le QSO avec %2 (octet %3) y a maintenant pour CALL « %4 ». Relisez-le.</source>
        <translation>Il file %1 è cambiato dopo la lettura: il QSO con %2 (byte %3) ha ora CALL «%4». Lo rilegga.</translation>
    </message>
</context>
<context>
    <name>MailOptionsWidget</name>
    <message>
        <source>Impression</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Étiquettes QSO</source>
        <translation>Etichette QSO</translation>
    </message>
    <message>
        <source>Adresses (étiquettes)</source>
        <translation>Indirizzi (etichette)</translation>
    </message>
    <message>
        <source>Enveloppes</source>
        <translation>Buste</translation>
    </message>
    <message>
        <source>Format des enveloppes</source>
        <translation>Formato delle buste</translation>
    </message>
    <message>
        <source>E&amp;xpéditeur…</source>
        <translation>M&amp;ittente…</translation>
    </message>
    <message>
        <source>A&amp;dresses…</source>
        <translation>In&amp;dirizzi…</translation>
    </message>
    <message>
        <source>Adresse de l&apos;expéditeur</source>
        <translation>Indirizzo del mittente</translation>
    </message>
    <message>
        <source>Étiquettes de l&apos;expéditeur</source>
        <translation>Etichette del mittente</translation>
    </message>
    <message>
        <source>Destinataire, droite</source>
        <translation>Destinatario, destra</translation>
    </message>
    <message>
        <source>Destinataire, bas</source>
        <translation>Destinatario, giù</translation>
    </message>
    <message>
        <source>Expéditeur, droite</source>
        <translation>Mittente, destra</translation>
    </message>
    <message>
        <source>Expéditeur, bas</source>
        <translation>Mittente, giù</translation>
    </message>
    <message>
        <source>Décalage destinataire (→, ↓)</source>
        <translation>Spostamento destinatario (→, ↓)</translation>
    </message>
    <message>
        <source>Décalage expéditeur (→, ↓)</source>
        <translation>Spostamento mittente (→, ↓)</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Choisissez la planche des étiquettes d&apos;adresses.</source>
        <translation>Scegliete il foglio delle etichette degli indirizzi.</translation>
    </message>
</context>
<context>
    <name>MailPrinting</name>
    <message>
        <source>Aucune adresse pour les QSO choisis</source>
        <translation>Nessun indirizzo per i QSO scelti</translation>
    </message>
    <message>
        <source>Pas d&apos;adresse pour : %1

Les ajouter au carnet d&apos;adresses ?</source>
        <translation>Nessun indirizzo per: %1

Aggiungerli alla rubrica indirizzi?</translation>
    </message>
    <message>
        <source>Adresse trop longue, non imprimée : %1</source>
        <translation>Indirizzo troppo lungo, non stampato: %1</translation>
    </message>
    <message>
        <source>Aperçu des enveloppes</source>
        <translation>Anteprima delle buste</translation>
    </message>
    <message>
        <source>Aperçu des adresses</source>
        <translation>Anteprima degli indirizzi</translation>
    </message>
</context>
<context>
    <name>MailingList</name>
    <message>
        <source>Pas de destinataire pour : %1 (l&apos;indicatif ne nomme aucune station)</source>
        <translation>Nessun destinatario per: %1 (il nominativo non indica alcuna stazione)</translation>
    </message>
</context>
<context>
    <name>NoBureauTable</name>
    <message>
        <source>Le fichier des pays sans bureau %1 ne peut pas être lu (%2) : seule la liste fournie est utilisée.</source>
        <translation>Il file dei paesi senza bureau %1 non può essere letto (%2): si usa solo l&apos;elenco fornito.</translation>
    </message>
    <message numerus="yes">
        <source>Le fichier des pays sans bureau %1 : %n lignes ignorées : %2 (attendu : PRÉFIXE ou -PRÉFIXE, tabulation, AAAA-MM-JJ, tabulation, source).</source>
        <translation>
            <numerusform>Il file dei paesi senza bureau %1: %n riga ignorata: %2 (atteso: PREFISSO o -PREFISSO, tabulazione, AAAA-MM-GG, tabulazione, fonte).</numerusform>
            <numerusform>Il file dei paesi senza bureau %1: %n righe ignorate: %2 (atteso: PREFISSO o -PREFISSO, tabulazione, AAAA-MM-GG, tabulazione, fonte).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PdfOutput</name>
    <message>
        <source>%1 ; il n&apos;est pas modifié.</source>
        <translation>%1; non viene modificato.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Impression arrêtée : aucun fichier n&apos;est écrit.</source>
        <translation>Stampa fermata: nessun file viene scritto.</translation>
    </message>
    <message>
        <source>Impression arrêtée : %1 %2 à l&apos;imprimante.</source>
        <translation>Stampa fermata: %1 %2 alla stampante.</translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>Décalage : un nombre de millimètres de -10 à +10 est attendu (%1).</source>
        <translation>Spostamento: è atteso un numero di millimetri da -10 a +10 (%1).</translation>
    </message>
</context>
<context>
    <name>PrinterJob</name>
    <message>
        <source>L&apos;impression n&apos;a pas pu être terminée.</source>
        <translation>Non è stato possibile finire la stampa.</translation>
    </message>
</context>
<context>
    <name>PrinterSurface</name>
    <message>
        <source>(aucune)</source>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est disponible.</source>
        <translation>Nessuna stampante disponibile.</translation>
    </message>
    <message>
        <source>Imprimante introuvable : %1</source>
        <translation>Stampante non trovata: %1</translation>
    </message>
    <message>
        <source>L&apos;imprimante %1 est en erreur ou désactivée.</source>
        <translation>La stampante %1 è in errore o disattivata.</translation>
    </message>
    <message>
        <source>L&apos;imprimante %1 a refusé la page : %2</source>
        <translation>La stampante %1 ha rifiutato la pagina: %2</translation>
    </message>
    <message>
        <source>L&apos;imprimante %1 a été arrêtée ou désactivée pendant l&apos;impression ; la dernière page attend dans la file d&apos;impression.</source>
        <translation>La stampante %1 è stata fermata o disattivata durante la stampa; l&apos;ultima pagina attende nella coda di stampa.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : le support est plein ou en erreur.</source>
        <translation>Impossibile scrivere il file %1: il supporto è pieno o in errore.</translation>
    </message>
    <message>
        <source>Impossible de commencer une nouvelle page.</source>
        <translation>Impossibile iniziare una nuova pagina.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>Impossible de commencer l&apos;impression sur %1.</source>
        <translation>Impossibile iniziare la stampa su %1.</translation>
    </message>
    <message>
        <source>La page n&apos;a pas pu être envoyée à l&apos;imprimante %1.</source>
        <translation>Non è stato possibile inviare la pagina alla stampante %1.</translation>
    </message>
</context>
<context>
    <name>ProgramLanguage</name>
    <message>
        <source>Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré, le catalogue intégré au programme est utilisé.</source>
        <translation>Il catalogo di traduzione %1 è illeggibile o danneggiato: viene ignorato e si usa il catalogo integrato nel programma.</translation>
    </message>
    <message>
        <source>Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré, le catalogue %2 est utilisé.</source>
        <translation>Il catalogo di traduzione %1 è illeggibile o danneggiato: viene ignorato e si usa il catalogo %2.</translation>
    </message>
    <message>
        <source>Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré.</source>
        <translation>Il catalogo di traduzione %1 è illeggibile o danneggiato: viene ignorato.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>indicatif absent</source>
        <translation>nominativo assente</translation>
    </message>
    <message>
        <source>date absente</source>
        <translation>data assente</translation>
    </message>
    <message>
        <source>bande absente</source>
        <translation>banda assente</translation>
    </message>
    <message>
        <source>la station ne veut pas de carte</source>
        <translation>la stazione non vuole cartoline</translation>
    </message>
    <message>
        <source>la station ne confirme qu&apos;en ligne</source>
        <translation>la stazione conferma solo online</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO à vérifier avant l&apos;impression :</source>
        <translation>
            <numerusform>%n QSO da verificare prima della stampa:</numerusform>
            <numerusform>%n QSO da verificare prima della stampa:</numerusform>
        </translation>
    </message>
    <message>
        <source>Les imprimer aussi ? (Non : ils sont laissés de côté)</source>
        <translation>Stamparli anche? (No: vengono lasciati fuori)</translation>
    </message>
    <message>
        <source>date illisible</source>
        <translation>data illeggibile</translation>
    </message>
</context>
<context>
    <name>QslTemplateFile</name>
    <message>
        <source>%1 contient des caractères qu&apos;un fichier .qsl ne peut pas garder : %2. Le modèle n&apos;est pas enregistré.</source>
        <translation>%1 contiene caratteri che un file .qsl non può conservare: %2. Il modello non è salvato.</translation>
    </message>
    <message>
        <source>La valeur de %1 (« %2 ») est trop longue : 13 caractères au plus. Le modèle n&apos;est pas enregistré.</source>
        <translation>Il valore di %1 («%2») è troppo lungo: al massimo 13 caratteri. Il modello non è salvato.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>%1 ; le modèle n&apos;est pas enregistré.</source>
        <translation>%1; il modello non viene salvato.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Arrêter</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>%v sur %m</source>
        <translation>%v di %m</translation>
    </message>
</context>
<context>
    <name>ReceivedCardsWindow</name>
    <message>
        <source>Cartes reçues</source>
        <translation>Cartoline ricevute</translation>
    </message>
    <message>
        <source>Indicatifs des cartes reçues</source>
        <translation>Nominativi delle cartoline ricevute</translation>
    </message>
    <message>
        <source>QSO trouvés</source>
        <translation>QSO trovati</translation>
    </message>
    <message>
        <source>Lignes sans QSO</source>
        <translation>Righe senza QSO</translation>
    </message>
    <message>
        <source>Lignes à plusieurs QSO</source>
        <translation>Righe con più QSO</translation>
    </message>
    <message>
        <source>B (bureau)</source>
        <translation>B (bureau)</translation>
    </message>
    <message>
        <source>D (directe)</source>
        <translation>D (diretta)</translation>
    </message>
    <message>
        <source>M (manager)</source>
        <translation>M (manager)</translation>
    </message>
    <message>
        <source>&amp;Marquer comme reçues</source>
        <translation>&amp;Segna come ricevute</translation>
    </message>
    <message>
        <source>Une carte par ligne : indicatif [date] [bande]</source>
        <translation>Una cartolina per riga: nominativo [data] [banda]</translation>
    </message>
    <message>
        <source>Plusieurs QSO : cochez les bons</source>
        <translation>Più QSO: spuntate quelli giusti</translation>
    </message>
    <message>
        <source>&amp;Voie de réception :</source>
        <translation>&amp;Ricevuta via:</translation>
    </message>
    <message>
        <source>  (déjà reçue)</source>
        <translation>  (già ricevuta)</translation>
    </message>
    <message>
        <source>Un autre journal a été lu : vérifiez les cartes.</source>
        <translation>È stato letto un altro log: verificate le cartoline.</translation>
    </message>
    <message>
        <source>Aucun QSO du journal lu à marquer comme reçu.</source>
        <translation>Nessun QSO del log letto da segnare come ricevuto.</translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO comme reçus ?</source>
        <translation>
            <numerusform>Segnare il %n QSO come ricevuto?</numerusform>
            <numerusform>Segnare i %n QSO come ricevuti?</numerusform>
        </translation>
    </message>
    <message>
        <source>Lire la copie marquée %1, pour imprimer les réponses ?</source>
        <translation>Leggere la copia segnata %1 per stampare le risposte?</translation>
    </message>
    <message>
        <source>(« %1 » n&apos;est ni une date ni une bande)</source>
        <translation>(«%1» non è né una data né una banda)</translation>
    </message>
</context>
<context>
    <name>ReceivedCommand</name>
    <message>
        <source>--via : B, D ou M</source>
        <translation>--via: B, D o M</translation>
    </message>
    <message>
        <source>Aucun QSO dans le fichier %1</source>
        <translation>Nessun QSO nel file %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Impossibile leggere il file %1: %2</translation>
    </message>
    <message>
        <source>Le fichier %1 dépasse 16 Mio : ce n&apos;est pas une liste d&apos;indicatifs.</source>
        <translation>Il file %1 supera 16 MiB: non è un elenco di nominativi.</translation>
    </message>
    <message>
        <source>Ligne %1 : %2 QSO correspondent, aucun n&apos;est marqué : %3</source>
        <translation>Riga %1: corrispondono %2 QSO, nessuno è segnato: %3</translation>
    </message>
    <message>
        <source>Ligne %1 : aucun QSO ne correspond : %2</source>
        <translation>Riga %1: nessun QSO corrisponde: %2</translation>
    </message>
    <message>
        <source>Marquage interrompu : la copie %1 n&apos;est pas écrite.</source>
        <translation>Segnatura interrotta: la copia %1 non è scritta.</translation>
    </message>
    <message>
        <source>Marquage interrompu : la copie %1 est écrite.</source>
        <translation>Segnatura interrotta: la copia %1 è scritta.</translation>
    </message>
    <message numerus="yes">
        <source>%n lignes trouvées, %1 sans QSO, %2 à plusieurs QSO</source>
        <translation>
            <numerusform>%n riga trovata, %1 senza QSO, %2 con più QSO</numerusform>
            <numerusform>%n righe trovate, %1 senza QSO, %2 con più QSO</numerusform>
        </translation>
    </message>
    <message>
        <source>Ligne %1 : « %2 » n&apos;est ni une date (AAAAMMJJ, AAAA-MM-JJ, JJ/MM/AA) ni une bande (20M) : aucun QSO n&apos;est cherché : %3</source>
        <translation>Riga %1: «%2» non è né una data (AAAAMMGG, AAAA-MM-GG, GG/MM/AA) né una banda (20M): nessun QSO viene cercato: %3</translation>
    </message>
</context>
<context>
    <name>ReplacedFile</name>
    <message>
        <source>erreur d&apos;écriture</source>
        <translation>errore di scrittura</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2</source>
        <translation>Impossibile scrivere il file %1: %2</translation>
    </message>
    <message>
        <source>le fichier écrit est incomplet ou abîmé</source>
        <translation>il file scritto è incompleto o danneggiato</translation>
    </message>
</context>
<context>
    <name>RunFiles</name>
    <message>
        <source>Le fichier de sortie %1 est le fichier lu %2 : rien n&apos;est écrit.</source>
        <translation>Il file di uscita %1 è il file letto %2: non viene scritto nulla.</translation>
    </message>
    <message>
        <source>Le fichier de sortie %1 n&apos;est pas un fichier ordinaire : rien n&apos;est écrit.</source>
        <translation>Il file di uscita %1 non è un file normale: non viene scritto nulla.</translation>
    </message>
    <message>
        <source>%1 est le fichier %2 de cette impression : rien n&apos;est écrit, donnez un autre nom à la copie marquée.</source>
        <translation>%1 è il file %2 di questa stampa: non viene scritto nulla, date un altro nome alla copia segnata.</translation>
    </message>
    <message>
        <source>%1 ne peut pas être remplacé (le journal lui-même ou un fichier spécial) ; donnez un autre nom.</source>
        <translation>%1 non può essere sostituito (il log stesso o un file speciale); date un altro nome.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2 ; rien n&apos;est écrit.</source>
        <translation>Impossibile scrivere il file %1: %2; non viene scritto nulla.</translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Sélection des QSO</source>
        <translation>Selezione dei QSO</translation>
    </message>
    <message>
        <source>Liste des QSO</source>
        <translation>Elenco dei QSO</translation>
    </message>
    <message>
        <source>QSO sélectionné(s) . Cliquez sur un QSO pour le désélctionner.</source>
        <translation>QSO selezionati. Fate clic su un QSO per deselezionarlo.</translation>
    </message>
    <message>
        <source>QSO sélectionnés</source>
        <translation>QSO selezionati</translation>
    </message>
    <message>
        <source>&amp;Tout sélectionner</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>&amp;Imprimer étiquettes</source>
        <translation>&amp;Stampa etichette</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Cartes &amp;reçues…</source>
        <translation>Cartoline &amp;ricevute…</translation>
    </message>
    <message>
        <source>Tri par &amp;date</source>
        <translation>Ordina per &amp;data</translation>
    </message>
    <message>
        <source>Tri par &amp;call</source>
        <translation>Ordina per &amp;nominativo</translation>
    </message>
    <message>
        <source>Tri &amp;bureau</source>
        <translation>Ordina per il &amp;bureau</translation>
    </message>
    <message>
        <source>Cliquez sur un QSO pour le sélectionner </source>
        <translation>Fate clic su un QSO per selezionarlo </translation>
    </message>
    <message>
        <source>Toutes</source>
        <translation>Tutte</translation>
    </message>
    <message>
        <source>Non envoyées</source>
        <translation>Non inviate</translation>
    </message>
    <message>
        <source>Demandées ou en file</source>
        <translation>Richieste o in coda</translation>
    </message>
    <message>
        <source>Reçues sans réponse</source>
        <translation>Ricevute senza risposta</translation>
    </message>
    <message>
        <source>Bureau</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Directe</source>
        <translation>Diretta</translation>
    </message>
    <message>
        <source>QSL à &amp;envoyer :</source>
        <translation>QSL da &amp;inviare:</translation>
    </message>
    <message>
        <source>&amp;Voie :</source>
        <translation>&amp;Via:</translation>
    </message>
    <message>
        <source>Ordre d&apos;impression : bureau</source>
        <translation>Ordine di stampa: bureau</translation>
    </message>
    <message>
        <source>Ordre d&apos;impression : par indicatif</source>
        <translation>Ordine di stampa: per nominativo</translation>
    </message>
    <message>
        <source>Sans confirmation électronique</source>
        <translation>Senza conferma elettronica</translation>
    </message>
</context>
<context>
    <name>SentMarker</name>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Impossibile leggere il file %1: %2</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : la copie marquée n&apos;est pas écrite ; relisez-le avant de marquer les QSO.</source>
        <translation>Il file %1 è cambiato dopo la lettura: la copia segnata non viene scritta; rileggetelo prima di segnare i QSO.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2 ; la copie marquée n&apos;est pas enregistrée.</source>
        <translation>Impossibile scrivere il file %1: %2; la copia segnata non è salvata.</translation>
    </message>
    <message>
        <source>support plein</source>
        <translation>supporto pieno</translation>
    </message>
</context>
<context>
    <name>SentMarking</name>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés par le bureau ?</source>
        <translation>
            <numerusform>Segnare il %n QSO stampato come inviato tramite il bureau?</numerusform>
            <numerusform>Segnare i %n QSO stampati come inviati tramite il bureau?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés en direct ?</source>
        <translation>
            <numerusform>Segnare il %n QSO stampato come inviato in diretta?</numerusform>
            <numerusform>Segnare i %n QSO stampati come inviati in diretta?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés ?</source>
        <translation>
            <numerusform>Segnare il %n QSO stampato come inviato?</numerusform>
            <numerusform>Segnare i %n QSO stampati come inviati?</numerusform>
        </translation>
    </message>
    <message>
        <source>
Le journal d&apos;avant est gardé dans %1.</source>
        <translation>
Il log precedente è conservato in %1.</translation>
    </message>
    <message>
        <source>Le fichier %1 est le journal lui-même. Le remplacer par la copie marquée ?
Le journal d&apos;avant sera gardé dans %2.</source>
        <translation>Il file %1 è il log stesso. Sostituirlo con la copia segnata?
Il log precedente sarà conservato in %2.</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà.
Voulez-vous le remplacer ?</source>
        <translation>Il file %1 esiste già.
Volete sostituirlo?</translation>
    </message>
    <message numerus="yes">
        <source>
%n QSO imprimés ne sont pas dans le journal lu %1 et ne sont pas marqués : %2</source>
        <translation>
            <numerusform>
%n QSO stampato non è nel log letto %1 e non viene segnato: %2</numerusform>
            <numerusform>
%n QSO stampati non sono nel log letto %1 e non vengono segnati: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : la copie marquée n&apos;est pas écrite ; relisez-le avant de marquer les QSO.</source>
        <translation>Il file %1 è cambiato dopo la lettura: la copia segnata non viene scritta; rileggerlo prima di segnare i QSO.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Impossibile leggere il file %1: %2</translation>
    </message>
    <message>
        <source>%1 ; le journal n&apos;est pas gardé, la copie marquée n&apos;est pas écrite.</source>
        <translation>%1; il log non viene conservato, la copia segnata non viene scritta.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Les options ne peuvent pas être enregistrées : le fichier %1 est illisible ou protégé en écriture. Le programme continue avec les valeurs par défaut.</source>
        <translation>Le opzioni non possono essere salvate: il file %1 è illeggibile o protetto in scrittura. Il programma continua con i valori predefiniti.</translation>
    </message>
    <message>
        <source>aucun fichier temporaire ne peut être créé</source>
        <translation>non si può creare alcun file temporaneo</translation>
    </message>
    <message>
        <source>le texte des options n&apos;a pas pu être préparé</source>
        <translation>non è stato possibile preparare il testo delle opzioni</translation>
    </message>
    <message>
        <source>Les options ne peuvent pas être enregistrées : impossible d&apos;écrire le fichier %1 (%2). Il est gardé tel qu&apos;il était ; le programme continue avec les valeurs choisies.</source>
        <translation>Le opzioni non possono essere salvate: impossibile scrivere il file %1 (%2). Resta com&apos;era; il programma continua con i valori scelti.</translation>
    </message>
    <message>
        <source>une autre instance du programme l&apos;écrit en ce moment</source>
        <translation>un&apos;altra istanza del programma lo sta scrivendo in questo momento</translation>
    </message>
    <message>
        <source>le fichier n&apos;a pas pu être relu</source>
        <translation>non è stato possibile rileggere il file</translation>
    </message>
    <message>
        <source>Le fichier d&apos;options %1, ligne %2 : ligne incomprise, ignorée ; elle reste dans le fichier.</source>
        <translation>File delle opzioni %1, riga %2: riga non compresa, ignorata; resta nel file.</translation>
    </message>
    <message>
        <source>Le fichier d&apos;options %1 a d&apos;autres lignes incomprises, ignorées elles aussi.</source>
        <translation>Il file delle opzioni %1 ha altre righe non comprese, ignorate anch&apos;esse.</translation>
    </message>
</context>
<context>
    <name>SheetDrawing</name>
    <message>
        <source>Dessin de la planche</source>
        <translation>Disegno del foglio</translation>
    </message>
</context>
<context>
    <name>SheetProfile</name>
    <message>
        <source>Page suivante ?</source>
        <translation>Pagina successiva?</translation>
    </message>
</context>
<context>
    <name>SheetTable</name>
    <message>
        <source>Le fichier des planches %1 ne peut pas être lu (%2) : seules les planches fournies sont proposées.</source>
        <translation>Il file dei fogli %1 non può essere letto (%2): sono proposti solo i fogli forniti.</translation>
    </message>
    <message>
        <source>n&apos;est pas de la forme NOM, tab, PAPIER, tab, COLONNESxRANGÉES, tab, six mesures en mm.</source>
        <translation>non ha la forma NOME, tab, CARTA, tab, COLONNExRIGHE, tab, sei misure in mm.</translation>
    </message>
    <message>
        <source>ligne %1, %2</source>
        <translation>riga %1, %2</translation>
    </message>
    <message>
        <source>Nom : donnez un nom à la planche.</source>
        <translation>Nome: date un nome al foglio.</translation>
    </message>
    <message>
        <source>Nom : %1 est une planche fournie ; copiez-la pour la modifier.</source>
        <translation>Nome: %1 è un foglio fornito; copiatelo per modificarlo.</translation>
    </message>
    <message>
        <source>Nom : une planche %1 existe déjà.</source>
        <translation>Nome: esiste già un foglio %1.</translation>
    </message>
    <message>
        <source>planche inconnue %1</source>
        <translation>foglio sconosciuto %1</translation>
    </message>
    <message>
        <source>planche inconnue %1 : elle est refusée dans %2, %3</source>
        <translation>foglio sconosciuto %1: è rifiutato in %2, %3</translation>
    </message>
    <message>
        <source>%1 ; les planches ne sont pas modifiées.</source>
        <translation>%1; i fogli non vengono modificati.</translation>
    </message>
    <message numerus="yes">
        <source>%n planches illisibles ignorées dans %1 ; la première, %2</source>
        <translation>
            <numerusform>%n foglio illeggibile ignorato in %1: %2</numerusform>
            <numerusform>%n fogli illeggibili ignorati in %1; il primo, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Le fichier des planches %1 ne peut pas être relu (%2) : les planches ne sont pas modifiées.</source>
        <translation>Il file dei fogli %1 non può essere riletto (%2): i fogli non vengono modificati.</translation>
    </message>
</context>
<context>
    <name>SheetsWindow</name>
    <message>
        <source>Nom</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Planches d&apos;étiquettes</source>
        <translation>Fogli di etichette</translation>
    </message>
    <message>
        <source>Planches</source>
        <translation>Fogli</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Planche</source>
        <translation>Foglio</translation>
    </message>
    <message>
        <source>Planche fournie : copiez-la pour la modifier.</source>
        <translation>Foglio fornito: copiatelo per modificarlo.</translation>
    </message>
    <message>
        <source>Personnalisé</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Calibration de l&apos;imprimante %1</source>
        <translation>Calibrazione della stampante %1</translation>
    </message>
    <message>
        <source>Planche fournie, non modifiable</source>
        <translation>Foglio fornito, non modificabile</translation>
    </message>
    <message>
        <source>%1 : un nombre positif est attendu.</source>
        <translation>%1: è atteso un numero positivo.</translation>
    </message>
    <message>
        <source>%1 : un nombre entier positif est attendu.</source>
        <translation>%1: è atteso un numero intero positivo.</translation>
    </message>
    <message>
        <source>Largeur et hauteur du papier : des nombres positifs sont attendus.</source>
        <translation>Larghezza e altezza della carta: sono attesi numeri positivi.</translation>
    </message>
    <message>
        <source>Copie de %1</source>
        <translation>Copia di %1</translation>
    </message>
    <message>
        <source>Copie %1 de %2</source>
        <translation>Copia %1 di %2</translation>
    </message>
    <message>
        <source>Supprimer la planche %1 ?</source>
        <translation>Eliminare il foglio %1?</translation>
    </message>
    <message>
        <source>&amp;Nouvelle</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Décalage horizontal (mm)</source>
        <translation>Spostamento orizzontale (mm)</translation>
    </message>
    <message>
        <source>Décalage vertical (mm)</source>
        <translation>Spostamento verticale (mm)</translation>
    </message>
    <message>
        <source>Enregistrer le &amp;décalage</source>
        <translation>Salva lo spos&amp;tamento</translation>
    </message>
    <message>
        <source>&amp;Page de calibration</source>
        <translation>&amp;Pagina di calibrazione</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Impression d&apos;etiquettes pour QSL</source>
        <translation>Stampa di etichette per QSL</translation>
    </message>
    <message>
        <source>a partir d&apos;un fichier ADIF</source>
        <translation>da un file ADIF</translation>
    </message>
    <message>
        <source>Indicatif de la station</source>
        <translation>Nominativo della stazione</translation>
    </message>
    <message>
        <source>Selection du fichier ADIF</source>
        <translation>Selezione del file ADIF</translation>
    </message>
    <message>
        <source>&amp;Selectionnez</source>
        <translation>&amp;Seleziona</translation>
    </message>
    <message>
        <source>Entrez votre indicatif</source>
        <translation>Inserite il vostro nominativo</translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>selezionate un file o uscite</translation>
    </message>
    <message>
        <source>Entrez votre indicatif, puis cliquez sur Selectionnez pour lire %1</source>
        <translation>Inserite il vostro nominativo, poi fate clic su Seleziona per leggere %1</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Celle du système</source>
        <translation>Quella del sistema</translation>
    </message>
    <message>
        <source>La langue choisie s&apos;applique au prochain démarrage.</source>
        <translation>La lingua scelta vale dal prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>address labels on any sheet of labels --list-sheets</source>
        <translation>etichette indirizzo su qualsiasi foglio di labels --list-sheets</translation>
    </message>
    <message>
        <source>one envelope per recipient, in landscape</source>
        <translation>una busta per destinatario, orizzontale</translation>
    </message>
    <message>
        <source>N labels of the station&apos;s own address after the addresses</source>
        <translation>N etichette con l&apos;indirizzo della stazione, in fondo</translation>
    </message>
    <message>
        <source>the direct mail of the QSOs: one address per recipient (its QSL
manager, else the station), from adresses.csv, else the log&apos;s
latest ADDRESS_INTL or ADDRESS; --dump writes text X Y SIZE BOLD
|TEXT| per line (mm from the paper edge), end per sheet or
envelope, and missing CALL per recipient without address</source>
        <translation>la posta diretta dei QSO: un indirizzo per destinatario (il suo
manager QSL, altrimenti la stazione), da adresses.csv, altrimenti
l&apos;ultimo ADDRESS_INTL o ADDRESS del log; --dump scrive text X Y
SIZE BOLD |TEXT| per riga (mm dal bordo della carta), end per
foglio o busta, e missing CALL per destinatario senza indirizzo</translation>
    </message>
    <message>
        <source>the QSOs with one station (callsign and QSL via) share
cards, in the template&apos;s QSO table, in date order</source>
        <translation>i QSO con una stazione (nominativo e QSL via) condividono le
cartoline, nella tabella QSO del modello, in ordine di data</translation>
    </message>
    <message>
        <source>PSE, TNX, nothing, or TNX where a card came (auto)</source>
        <translation>PSE, TNX, niente, o TNX dove è arrivata una cartolina (auto)</translation>
    </message>
    <message>
        <source>cards per page: 2 or 4 on --paper A4|Letter, with crop
marks, placed from the paper edge</source>
        <translation>cartoline per pagina: 2 o 4 su --paper A4|Letter, con segni
di taglio, posizionate dal bordo della carta</translation>
    </message>
    <message>
        <source>with --offset-y MM: the printer&apos;s shift for this run</source>
        <translation>con --offset-y MM: spostamento della stampante per questa stampa</translation>
    </message>
    <message>
        <source>start at card N of a used first page</source>
        <translation>inizia dalla cartolina N di una prima pagina già usata</translation>
    </message>
    <message>
        <source>print one QSL card per QSO of the log, in print-list order;
--pdf writes one page per card, --dump one line
per printed text: text X Y SIZE BOLD |TEXT| (X, Y in mm from
the printable area), and end after each page</source>
        <translation>stampa una cartolina QSL per QSO del log, nell&apos;ordine della lista
di stampa; --pdf scrive una pagina per cartolina, --dump una riga
per testo stampato: text X Y SIZE BOLD |TEXT| (X, Y in mm
dall&apos;area stampabile), e end dopo ogni pagina</translation>
    </message>
    <message>
        <source>only QSOs whose QSL is still owed (QSL_SENT absent, N, R, Q)</source>
        <translation>solo i QSO la cui QSL è ancora dovuta (QSL_SENT assente, N, R, Q)</translation>
    </message>
    <message>
        <source>unsent (as --unsent), requested (QSL_SENT R, Q) or received
(a card came: QSL_RCVD Y, V not via E; none went back)</source>
        <translation>unsent (come --unsent), requested (QSL_SENT R, Q) o received
(cartolina arrivata: QSL_RCVD Y, V non via E; nessuna rispedita)</translation>
    </message>
    <message>
        <source>only QSOs neither LoTW nor eQSL confirmed (LOTW_QSL_RCVD,
EQSL_QSL_RCVD not Y or V), with any queue</source>
        <translation>solo i QSO non confermati né da LoTW né da eQSL (LOTW_QSL_RCVD,
EQSL_QSL_RCVD non Y o V), con qualsiasi coda</translation>
    </message>
    <message>
        <source>all, bureau or direct: QSL_SENT_VIA, else QSL_RCVD_VIA, else
the bureau (M: bureau); marks B for bureau, D for direct</source>
        <translation>all, bureau o direct: QSL_SENT_VIA, altrimenti QSL_RCVD_VIA,
altrimenti il bureau (M: bureau); segna B per bureau,
D per diretta</translation>
    </message>
    <message>
        <source>call: as &quot;Tri par call&quot;; bureau: by the DXCC entity of
the QSL via&apos;s manager, else of the home call; then by it</source>
        <translation>call: come «Ordina per nominativo»; bureau: per l&apos;entità DXCC
del manager della QSL via, altrimenti del nominativo proprio;
poi per questo</translation>
    </message>
    <message>
        <source>after a complete run, a copy of the log with the printed
QSOs marked QSL_SENT Y, QSLSDATE today, QSL_SENT_VIA</source>
        <translation>dopo una stampa completa, una copia del log con i QSO
stampati segnati QSL_SENT Y, QSLSDATE oggi, QSL_SENT_VIA</translation>
    </message>
    <message>
        <source>a bureau run prints the QSOs the bureau cannot
deliver too (entity without bureau, QSL_VIA DIRECT)</source>
        <translation>una stampa via bureau stampa anche i QSO che il bureau non
può consegnare (entità senza bureau, QSL_VIA DIRECT)</translation>
    </message>
    <message>
        <source>the sending method marked (B for labels, D for cards;
M, which ADIF only reads, is written B)</source>
        <translation>il metodo di invio segnato (B per etichette, D per cartoline;
M, che ADIF legge soltanto, si scrive B)</translation>
    </message>
    <message>
        <source>--dump writes one line per printed line: line SIZE BOLD |TEXT|, and end or
discard for each ended or discarded sheet (text X Y SIZE BOLD |TEXT| for
fitted labels, X, Y in mm from the paper edge)</source>
        <translation>--dump scrive una riga per riga stampata: line SIZE BOLD |TEXT|, ed end
o discard per ogni foglio finito o scartato (text X Y SIZE BOLD |TEXT|
per etichette adattate, X, Y in mm dal bordo della carta)</translation>
    </message>
    <message>
        <source>Usage: quenor-etiquettes %1</source>
        <translation>Uso: quenor-etiquettes %1</translation>
    </message>
    <message>
        <source>Without a command the program opens its windows.</source>
        <translation>Senza comando il programma apre le sue finestre.</translation>
    </message>
    <message>
        <source>labels and cards also take:</source>
        <translation>labels e cards accettano anche:</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>mostra questo testo</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>mostra la versione</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 file unreadable, 2 wrong arguments, 3 printing failed.</source>
        <translation>Codici di uscita: 0 fatto, 1 file illeggibile, 2 argomenti errati, 3 stampa fallita.</translation>
    </message>
    <message>
        <source>any sheet of --list-sheets (labels fitted one by one on
sheets other than the tuned ones, placed from the paper edge)</source>
        <translation>qualsiasi foglio di --list-sheets (etichette adattate una a una
sui fogli non tarati, posizionate dal bordo della carta)</translation>
    </message>
    <message>
        <source>start at label N of a used first sheet (numbered across
each row, then down); the labels before it stay blank</source>
        <translation>inizia dall&apos;etichetta N di un primo foglio già usato (numerate
per riga, poi in giù); le etichette precedenti restano vuote</translation>
    </message>
    <message>
        <source>print every QSO of the log on label sheets, in print-list
order; options not given take the station&apos;s stored value:</source>
        <translation>stampa ogni QSO del log su fogli di etichette, nell&apos;ordine della
lista di stampa; le opzioni non date prendono il valore salvato
della stazione:</translation>
    </message>
    <message>
        <source>(%1 or any text)</source>
        <translation>(%1 o qualsiasi testo)</translation>
    </message>
    <message>
        <source>the printer&apos;s shift for this run (-10 to +10)</source>
        <translation>spostamento della stampante
per questa stampa (-10 a +10)</translation>
    </message>
    <message>
        <source>the QSOs with one station (callsign and QSL via) share
labels, in print-list order, one line per QSO</source>
        <translation>i QSO con una stazione (nominativo e QSL via) condividono le
etichette, nell&apos;ordine della lista, una riga per QSO</translation>
    </message>
    <message>
        <source>one line per sheet: NAME, tab, PAPER, tab, COLUMNSxROWS, tab,
left top width height across down (mm)</source>
        <translation>una riga per foglio: NAME, tab, PAPER, tab, COLUMNSxROWS, tab,
left top width height across down (mm)</translation>
    </message>
    <message>
        <source>print the sheet&apos;s calibration page</source>
        <translation>stampa la pagina di calibrazione del foglio</translation>
    </message>
    <message>
        <source>write every QSO list row of the log, one per line (with
--sort bureau: the entity&apos;s prefix and a tab before each,
! before it when the bureau cannot deliver the card)</source>
        <translation>scrive ogni riga della lista QSO del log, una per riga (con
--sort bureau: il prefisso dell&apos;entità e un tab davanti,
! prima quando il bureau non può consegnare la cartolina)</translation>
    </message>
    <message>
        <source>the bundle, one card a line: CALL [YYYYMMDD|DD/MM/YY] [BAND]</source>
        <translation>il pacco, una cartolina per riga: CALL [YYYYMMDD|DD/MM/YY] [BAND]</translation>
    </message>
    <message>
        <source>the route the cards came by (B when not given; M, which
ADIF only reads, is written B)</source>
        <translation>la via da cui sono arrivate le cartoline (B se non data; M,
che ADIF legge soltanto, si scrive B)</translation>
    </message>
    <message>
        <source>the copy of the log with the QSOs found marked QSL_RCVD Y,
QSLRDATE today, QSL_RCVD_VIA (both kept where a card came before)</source>
        <translation>la copia del log con i QSO trovati segnati QSL_RCVD Y,
QSLRDATE oggi, QSL_RCVD_VIA (entrambi tenuti dove una
cartolina era già arrivata)</translation>
    </message>
    <message>
        <source>mark the cards of a bundle as received; the lines that
match no QSO or several are listed and mark nothing</source>
        <translation>segna come ricevute le cartoline di un pacco; le righe che
non corrispondono a nessun QSO o a più di uno sono elencate
e non segnano nulla</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>L&apos;indicatif de la station est encore « %1 ». Entrez l&apos;indicatif à imprimer :</source>
        <translation>Il nominativo della stazione è ancora «%1». Inserite il nominativo da stampare:</translation>
    </message>
    <message>
        <source>Entrez votre indicatif</source>
        <translation>Inserite il vostro nominativo</translation>
    </message>
    <message>
        <source>La liste d&apos;impression est vide : choisissez les QSO à imprimer dans la sélection.</source>
        <translation>L&apos;elenco di stampa è vuoto: scegliere i QSO da stampare nella selezione.</translation>
    </message>
</context>
</TS>
