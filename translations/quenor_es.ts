<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="fr_FR">
<context>
    <name>AddressBook</name>
    <message>
        <source>le fichier contient des caractères nuls (texte UTF-16 sans marque ?)</source>
        <translation>el archivo contiene caracteres nulos (¿texto UTF-16 sin marca?)</translation>
    </message>
    <message>
        <source>ligne %1 : guillemet non fermé</source>
        <translation>línea %1: comilla sin cerrar</translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 ne peut pas être lu en entier (%2) : il n&apos;est ni utilisé ni remplacé.</source>
        <translation>La libreta de direcciones %1 no se puede leer entera (%2): no se usa ni se sustituye.</translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 n&apos;est pas lisible : %2.</source>
        <translation>La libreta de direcciones %1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 (%2) : le carnet d&apos;adresses n&apos;est pas modifié.</source>
        <translation>No se puede leer el archivo %1 (%2): la libreta de direcciones no se modifica.</translation>
    </message>
    <message>
        <source>%1 ; le carnet d&apos;adresses n&apos;est pas modifié.</source>
        <translation>%1; la libreta de direcciones no se modifica.</translation>
    </message>
    <message>
        <source>ligne %1 : %2 figure déjà ligne %3 ; l&apos;adresse de la ligne %1 est utilisée, les deux lignes sont gardées</source>
        <translation>línea %1: %2 ya figura en la línea %3; se usa la dirección de la línea %1, se conservan las dos líneas</translation>
    </message>
    <message>
        <source>ligne %1 : pas d&apos;indicatif en tête, ligne gardée telle quelle</source>
        <translation>línea %1: sin indicativo al principio, línea conservada tal cual</translation>
    </message>
</context>
<context>
    <name>AddressBookWindow</name>
    <message>
        <source>Adresses</source>
        <translation>Direcciones</translation>
    </message>
    <message>
        <source>Filtrer</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Filtrer les stations</source>
        <translation>Filtrar las estaciones</translation>
    </message>
    <message>
        <source>Stations du carnet</source>
        <translation>Estaciones de la libreta</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Indicativo</translation>
    </message>
    <message>
        <source>Adresse, une ligne par ligne de l&apos;enveloppe</source>
        <translation>Dirección, una línea por línea del sobre</translation>
    </message>
    <message>
        <source>&amp;Nouvelle</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Importer…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Indicatif :</source>
        <translation>Indicativo:</translation>
    </message>
    <message>
        <source>Adresse (nom, rue, ville, pays) :</source>
        <translation>Dirección (nombre, calle, ciudad, país):</translation>
    </message>
    <message>
        <source>%1 — à compléter</source>
        <translation>%1 — por completar</translation>
    </message>
    <message>
        <source>Indicatif : tapez l&apos;indicatif de la station.</source>
        <translation>Indicativo: escriba el indicativo de la estación.</translation>
    </message>
    <message>
        <source>Adresse : tapez au moins une ligne.</source>
        <translation>Dirección: escriba al menos una línea.</translation>
    </message>
    <message>
        <source>Supprimer l&apos;adresse de %1 du carnet ?</source>
        <translation>¿Eliminar la dirección de %1 de la libreta?</translation>
    </message>
    <message>
        <source>Carnet d&apos;adresses (*.csv *.CSV);;Tous les fichiers (*)</source>
        <translation>Libreta de direcciones (*.csv *.CSV);;Todos los archivos (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n adresses importées de %1.</source>
        <translation>
            <numerusform>%n dirección importada de %1.</numerusform>
            <numerusform>%n direcciones importadas de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 est lu, sauf :</source>
        <translation>La libreta de direcciones %1 está leída, salvo:</translation>
    </message>
    <message numerus="yes">
        <source>L&apos;import remplace l&apos;adresse de %n stations du carnet : %1.
Continuer ?</source>
        <translation>
            <numerusform>La importación sustituye la dirección de %n estación de la libreta: %1.
¿Continuar?</numerusform>
            <numerusform>La importación sustituye la dirección de %n estaciones de la libreta: %1.
¿Continuar?</numerusform>
        </translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 n&apos;a pas pu être lu en entier : il n&apos;est pas remplacé. Fermez la fenêtre, réparez le fichier et rouvrez-la.</source>
        <translation>La libreta de direcciones %1 no se pudo leer entera: no se sustituye. Cierre la ventana, repare el archivo y vuelva a abrirla.</translation>
    </message>
</context>
<context>
    <name>AddressJob</name>
    <message>
        <source>Impression des enveloppes : enveloppes imprimées</source>
        <translation>Impresión de sobres: sobres impresos</translation>
    </message>
    <message>
        <source>Impression des adresses : feuilles imprimées</source>
        <translation>Impresión de direcciones: hojas impresas</translation>
    </message>
    <message>
        <source>enveloppe envoyée</source>
        <translation>sobre enviado</translation>
    </message>
    <message>
        <source>feuille envoyée</source>
        <translation>hoja enviada</translation>
    </message>
    <message>
        <source>enveloppes envoyées</source>
        <translation>sobres enviados</translation>
    </message>
    <message>
        <source>feuilles envoyées</source>
        <translation>hojas enviadas</translation>
    </message>
</context>
<context>
    <name>AddressesCommand</name>
    <message>
        <source>--return-address : un nombre de 0 à %1 est attendu.</source>
        <translation>--return-address: se espera un número de 0 a %1.</translation>
    </message>
    <message>
        <source>Pas d&apos;adresse pour : %1</source>
        <translation>Sin dirección para: %1</translation>
    </message>
    <message>
        <source>Adresse trop longue, non imprimée : %1</source>
        <translation>Dirección demasiado larga, no impresa: %1</translation>
    </message>
    <message>
        <source>Aucune adresse pour les QSO choisis</source>
        <translation>Ninguna dirección para los QSO elegidos</translation>
    </message>
    <message>
        <source>--sheet : %1 (voir labels --list-sheets)</source>
        <translation>--sheet: %1 (vea labels --list-sheets)</translation>
    </message>
    <message>
        <source>--return-address : aucune adresse de l&apos;expéditeur n&apos;est enregistrée (fenêtre « Adresse de l&apos;expéditeur »).</source>
        <translation>--return-address: no hay ninguna dirección del remitente guardada (ventana «Dirección del remitente»).</translation>
    </message>
    <message>
        <source>Adresse trop longue, non imprimée : %1 ; rien n&apos;est imprimé.</source>
        <translation>Dirección demasiado larga, no impresa: %1; no se imprime nada.</translation>
    </message>
    <message>
        <source>--envelope : %1</source>
        <translation>--envelope: %1</translation>
    </message>
    <message>
        <source>Le carnet d&apos;adresses %1 est lu, sauf :</source>
        <translation>La libreta de direcciones %1 está leída, salvo:</translation>
    </message>
</context>
<context>
    <name>AdifReader</name>
    <message>
        <source>Indicatif absent, remplacé par FXXXX</source>
        <translation>Falta el indicativo, sustituido por FXXXX</translation>
    </message>
    <message>
        <source>Date absente, remplacée par 01/01/2000</source>
        <translation>Falta la fecha, sustituida por 01/01/2000</translation>
    </message>
    <message>
        <source>Heure absente, remplacée par 00:00</source>
        <translation>Falta la hora, sustituida por 00:00</translation>
    </message>
    <message>
        <source>Bande absente, remplacée par 1.8 Mhz</source>
        <translation>Falta la banda, sustituida por 1.8 Mhz</translation>
    </message>
    <message>
        <source>Fin de QSO &lt;EOR&gt; absente avant l&apos;indicatif %1</source>
        <translation>Falta el fin de QSO &lt;EOR&gt; antes del indicativo %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1</source>
        <translation>No se puede leer el archivo %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>Heure de début absente, remplacée par l&apos;heure de fin (TIME_OFF)</source>
        <translation>Falta la hora de inicio, sustituida por la hora de fin (TIME_OFF)</translation>
    </message>
    <message>
        <source>Date « %1 » illisible (QSO_DATE n&apos;est pas une date AAAAMMJJ), remplacée par 01/01/2000</source>
        <translation>Fecha «%1» ilegible (QSO_DATE no es una fecha AAAAMMDD), sustituida por 01/01/2000</translation>
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
            <numerusform>%n mensaje al leer el log</numerusform>
            <numerusform>%n mensajes al leer el log</numerusform>
        </translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>seleccione un archivo o salga</translation>
    </message>
</context>
<context>
    <name>BoundedFile</name>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>no es un archivo normal</translation>
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
            <numerusform>%n QSO no puede ir por el buró (país sin buró QSL, o tarjeta directa pedida):</numerusform>
            <numerusform>%n QSO no pueden ir por el buró (país sin buró QSL, o tarjeta directa pedida):</numerusform>
        </translation>
    </message>
    <message>
        <source>Les laisser de côté pour cette impression (ils restent dus, pour une carte directe), les imprimer quand même, ou arrêter ?</source>
        <translation>¿Dejarlos fuera de esta impresión (siguen pendientes, para una tarjeta directa), imprimirlos de todos modos o parar?</translation>
    </message>
    <message>
        <source>Les laisser de côté</source>
        <translation>Dejarlos fuera</translation>
    </message>
    <message>
        <source>Les imprimer quand même</source>
        <translation>Imprimirlos de todos modos</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Aucun QSO à imprimer par le bureau.</source>
        <translation>Ningún QSO que imprimir por el buró.</translation>
    </message>
</context>
<context>
    <name>BureauRun</name>
    <message numerus="yes">
        <source>… et %n autres</source>
        <translation>
            <numerusform>… y %n más</numerusform>
            <numerusform>… y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 %3 : %4</source>
        <translation>%1 %2 %3: %4</translation>
    </message>
    <message>
        <source>sans entité</source>
        <translation>sin entidad</translation>
    </message>
    <message>
        <source>QSO par bureau : %1</source>
        <translation>QSO por buró: %1</translation>
    </message>
    <message>
        <source>la station demande une carte directe</source>
        <translation>la estación pide una tarjeta directa</translation>
    </message>
    <message>
        <source>%1, pas de bureau QSL</source>
        <translation>%1, sin buró QSL</translation>
    </message>
    <message>
        <source>pas d&apos;indicatif (CALL) dans le journal, aucune entité</source>
        <translation>sin indicativo (CALL) en el log, ninguna entidad</translation>
    </message>
</context>
<context>
    <name>CardDesignLayout</name>
    <message>
        <source>Modèle de QSL inutilisable : %1 (« %2 ») ne convient pas.</source>
        <translation>Modelo de QSL inutilizable: %1 («%2») no sirve.</translation>
    </message>
    <message>
        <source>Modèle de QSL inutilisable : table.pitch (« %1 ») est plus petit que la hauteur du texte du tableau (%2 mm) : ses rangées s&apos;imprimeraient l&apos;une sur l&apos;autre.</source>
        <translation>Modelo de QSL inutilizable: table.pitch («%1») es menor que la altura del texto de la tabla (%2 mm): sus filas se imprimirían unas sobre otras.</translation>
    </message>
</context>
<context>
    <name>CardDesignPanel</name>
    <message>
        <source>Garder libre la &amp;bande de tri des bureaux (10 mm en bas)</source>
        <translation>Dejar libre la &amp;banda de clasificación de los burós (10 mm abajo)</translation>
    </message>
    <message>
        <source>Tableau : position gauche (mm)</source>
        <translation>Tabla: posición izquierda (mm)</translation>
    </message>
    <message>
        <source>Tableau : position haute (mm)</source>
        <translation>Tabla: posición superior (mm)</translation>
    </message>
    <message>
        <source>Tableau : nombre de QSO (1 à 6)</source>
        <translation>Tabla: número de QSO (1 a 6)</translation>
    </message>
    <message>
        <source>Tableau : pas des lignes (mm)</source>
        <translation>Tabla: paso de las líneas (mm)</translation>
    </message>
    <message>
        <source>Tableau : taille de police</source>
        <translation>Tabla: tamaño de letra</translation>
    </message>
    <message>
        <source>Remerciements : position gauche (mm)</source>
        <translation>Agradecimiento: posición izquierda (mm)</translation>
    </message>
    <message>
        <source>Remerciements : position haute (mm)</source>
        <translation>Agradecimiento: posición superior (mm)</translation>
    </message>
    <message>
        <source>Remerciements : taille de police</source>
        <translation>Agradecimiento: tamaño de letra</translation>
    </message>
    <message>
        <source>Texte quand une QSL est demandée</source>
        <translation>Texto cuando se pide una QSL</translation>
    </message>
    <message>
        <source>Texte quand la QSL est reçue</source>
        <translation>Texto cuando la QSL está recibida</translation>
    </message>
    <message>
        <source>Fichier de l&apos;image (PNG, JPEG ou SVG)</source>
        <translation>Archivo de la imagen (PNG, JPEG o SVG)</translation>
    </message>
    <message>
        <source>C&amp;adre</source>
        <translation>Mar&amp;co</translation>
    </message>
    <message>
        <source>&amp;Imprimer l&apos;image</source>
        <translation>&amp;Imprimir la imagen</translation>
    </message>
    <message>
        <source>Format de la carte</source>
        <translation>Formato de la tarjeta</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <source>Tableau des QSO (une carte par station avec « Regrouper »)</source>
        <translation>Tabla de los QSO (una tarjeta por estación con «Agrupar»)</translation>
    </message>
    <message>
        <source>Gauche, haute, QSO, pas, police</source>
        <translation>Izquierda, arriba, QSO, paso, letra</translation>
    </message>
    <message>
        <source>Colonnes du tableau</source>
        <translation>Columnas de la tabla</translation>
    </message>
    <message>
        <source>Gauche (mm)</source>
        <translation>Izquierda (mm)</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Titre</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Ajouter une col&amp;onne</source>
        <translation>Añadir una col&amp;umna</translation>
    </message>
    <message>
        <source>Re&amp;tirer la colonne</source>
        <translation>&amp;Quitar la columna</translation>
    </message>
    <message>
        <source>Remerciements et lignes 8 à 10</source>
        <translation>Agradecimiento y líneas 8 a 10</translation>
    </message>
    <message>
        <source>Gauche, haute, police</source>
        <translation>Izquierda, arriba, letra</translation>
    </message>
    <message>
        <source>QSL demandée</source>
        <translation>QSL pedida</translation>
    </message>
    <message>
        <source>QSL reçue</source>
        <translation>QSL recibida</translation>
    </message>
    <message>
        <source>Valeur du QSO après le texte de la ligne %1</source>
        <translation>Valor del QSO tras el texto de la línea %1</translation>
    </message>
    <message>
        <source>Valeur de la ligne %1</source>
        <translation>Valor de la línea %1</translation>
    </message>
    <message>
        <source>Image pour cartes vierges</source>
        <translation>Imagen para tarjetas en blanco</translation>
    </message>
    <message>
        <source>C&amp;hoisir…</source>
        <translation>E&amp;legir…</translation>
    </message>
    <message>
        <source>Choisir l&apos;image</source>
        <translation>Elegir la imagen</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Ajustement de l&apos;image</source>
        <translation>Ajuste de la imagen</translation>
    </message>
    <message>
        <source>Remplir la carte (rogner)</source>
        <translation>Llenar la tarjeta (recortar)</translation>
    </message>
    <message>
        <source>Image entière</source>
        <translation>Imagen entera</translation>
    </message>
    <message>
        <source>Ajustement</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>call</source>
        <translation>indicativo</translation>
    </message>
    <message>
        <source>via</source>
        <translation>vía</translation>
    </message>
    <message>
        <source>date</source>
        <translation>fecha</translation>
    </message>
    <message>
        <source>time</source>
        <translation>hora</translation>
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
        <translation>satélite</translation>
    </message>
    <message>
        <source>prop_mode</source>
        <translation>propagación</translation>
    </message>
    <message>
        <source>submode</source>
        <translation>submodo</translation>
    </message>
    <message>
        <source>band_rx</source>
        <translation>banda RX</translation>
    </message>
    <message>
        <source>freq</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>qslmsg</source>
        <translation>mensaje QSL</translation>
    </message>
</context>
<context>
    <name>CardJob</name>
    <message>
        <source>Impression des cartes : cartes imprimées</source>
        <translation>Impresión de tarjetas: tarjetas impresas</translation>
    </message>
    <message>
        <source>carte envoyée</source>
        <translation>tarjeta enviada</translation>
    </message>
    <message>
        <source>cartes envoyées</source>
        <translation>tarjetas enviadas</translation>
    </message>
    <message>
        <source>Le modèle n&apos;a pas de tableau des QSO : une carte par QSO.</source>
        <translation>El modelo no tiene tabla de QSO: una tarjeta por QSO.</translation>
    </message>
</context>
<context>
    <name>CardLayout</name>
    <message>
        <source>Modèle de QSL inutilisable : %1 est vide.</source>
        <translation>Modelo de QSL inutilizable: %1 está vacío.</translation>
    </message>
    <message>
        <source>Modèle de QSL inutilisable : %1 (« %2 ») n&apos;est pas un nombre.</source>
        <translation>Modelo de QSL inutilizable: %1 («%2») no es un número.</translation>
    </message>
    <message>
        <source>Modèle de QSL inutilisable : la taille P%1 (« %2 ») doit être plus grande que 0.</source>
        <translation>Modelo de QSL inutilizable: el tamaño P%1 («%2») debe ser mayor que 0.</translation>
    </message>
</context>
<context>
    <name>CardPicture</name>
    <message>
        <source>L&apos;image %1 est introuvable ou illisible : les cartes sont imprimées sans elle.</source>
        <translation>La imagen %1 no se encuentra o no se puede leer: las tarjetas se imprimen sin ella.</translation>
    </message>
</context>
<context>
    <name>CardPrintWindow</name>
    <message>
        <source>&amp;Impression de la QSL</source>
        <translation>&amp;Imprimir la QSL</translation>
    </message>
    <message>
        <source>&amp;Setup_QSL</source>
        <translation>&amp;Setup_QSL</translation>
    </message>
    <message>
        <source>&amp;Retour sélection Etiquettes</source>
        <translation>&amp;Volver a la selección de etiquetas</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Choisir le modèle…</source>
        <translation>&amp;Elegir el modelo…</translation>
    </message>
    <message>
        <source>&amp;Enveloppes…</source>
        <translation>&amp;Sobres…</translation>
    </message>
    <message>
        <source>Impression sur carte QSL</source>
        <translation>Impresión en tarjetas QSL</translation>
    </message>
    <message>
        <source>Aperçu des cartes</source>
        <translation>Vista previa de las tarjetas</translation>
    </message>
    <message>
        <source>Enveloppes de ces cartes</source>
        <translation>Sobres de estas tarjetas</translation>
    </message>
    <message>
        <source>Modèle : aucun, il sera demandé</source>
        <translation>Modelo: ninguno, se pedirá</translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>seleccione un archivo o salga</translation>
    </message>
    <message>
        <source>sélectionnez un fichier .qsl ou créez en un</source>
        <translation>seleccione un archivo .qsl o cree uno</translation>
    </message>
    <message>
        <source>La ligne %1 dépasse le bord de la carte</source>
        <translation>La línea %1 sobrepasa el borde de la tarjeta</translation>
    </message>
    <message>
        <source>Les lignes %1 dépassent le bord de la carte</source>
        <translation>Las líneas %1 sobrepasan el borde de la tarjeta</translation>
    </message>
    <message>
        <source>Re&amp;grouper les QSO d&apos;une même station</source>
        <translation>A&amp;grupar los QSO de una misma estación</translation>
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
        <translation>Sin agradecimiento</translation>
    </message>
    <message>
        <source>Selon la QSL reçue</source>
        <translation>Según la QSL recibida</translation>
    </message>
    <message>
        <source>Re&amp;merciements</source>
        <translation>Agradeci&amp;miento</translation>
    </message>
    <message>
        <source>1 carte par page</source>
        <translation>1 tarjeta por página</translation>
    </message>
    <message>
        <source>2 cartes par page</source>
        <translation>2 tarjetas por página</translation>
    </message>
    <message>
        <source>4 cartes par page</source>
        <translation>4 tarjetas por página</translation>
    </message>
    <message>
        <source>Cartes par &amp;page</source>
        <translation>Tarjetas &amp;por página</translation>
    </message>
    <message>
        <source>&amp;Format du papier</source>
        <translation>&amp;Formato del papel</translation>
    </message>
    <message>
        <source>Première car&amp;te</source>
        <translation>Primera tar&amp;jeta</translation>
    </message>
</context>
<context>
    <name>CardPrinting</name>
    <message>
        <source>Modèle de QSL inutilisable : le fichier %1 n&apos;a que %2 lignes sur %3.</source>
        <translation>Modelo de QSL inutilizable: el archivo %1 solo tiene %2 líneas de %3.</translation>
    </message>
</context>
<context>
    <name>CardSheet</name>
    <message>
        <source>Papier ou nombre de cartes inconnu.</source>
        <translation>Papel o número de tarjetas desconocido.</translation>
    </message>
    <message>
        <source>%1 cartes de %2 ne tiennent pas sur une page %3 dans la zone qu&apos;atteint l&apos;imprimante.</source>
        <translation>%1 tarjetas de %2 no caben en una página %3 en la zona que alcanza la impresora.</translation>
    </message>
</context>
<context>
    <name>CardSize</name>
    <message>
        <source>140 × 90 mm (carte QSL)</source>
        <translation>140 × 90 mm (tarjeta QSL)</translation>
    </message>
    <message>
        <source>139,7 × 88,9 mm (5,5 × 3,5 pouces)</source>
        <translation>139,7 × 88,9 mm (5,5 × 3,5 pulgadas)</translation>
    </message>
    <message>
        <source>148 × 105 mm (A6)</source>
        <translation>148 × 105 mm (A6)</translation>
    </message>
    <message>
        <source>152,4 × 101,6 mm (6 × 4 pouces)</source>
        <translation>152,4 × 101,6 mm (6 × 4 pulgadas)</translation>
    </message>
</context>
<context>
    <name>CardSketch</name>
    <message>
        <source>Bande de tri des bureaux QSL</source>
        <translation>Banda de clasificación de los burós QSL</translation>
    </message>
</context>
<context>
    <name>CardWarnings</name>
    <message>
        <source>ligne %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>remerciements</source>
        <translation>agradecimiento</translation>
    </message>
    <message>
        <source>Le tableau des QSO dépasse le bord de la carte</source>
        <translation>La tabla de QSO sobrepasa el borde de la tarjeta</translation>
    </message>
    <message>
        <source>Les remerciements dépassent le bord de la carte</source>
        <translation>El agradecimiento sobrepasa el borde de la tarjeta</translation>
    </message>
    <message>
        <source>tableau des QSO</source>
        <translation>tabla de QSO</translation>
    </message>
    <message>
        <source>Texte dans la bande de 10 mm du bas que les bureaux QSL gardent libre pour leur tri : %1</source>
        <translation>Texto en la banda de 10 mm de abajo que los burós QSL dejan libre para clasificar: %1</translation>
    </message>
    <message>
        <source>Les cartes de %1 sont plus grandes que A6 : les bureaux QSL les refusent.</source>
        <translation>Las tarjetas de %1 son más grandes que A6: los burós QSL las rechazan.</translation>
    </message>
</context>
<context>
    <name>CardsCommand</name>
    <message>
        <source>sélectionnez un fichier .qsl ou créez en un</source>
        <translation>seleccione un archivo .qsl o cree uno</translation>
    </message>
    <message>
        <source>La ligne %1 dépasse le bord de la carte</source>
        <translation>La línea %1 sobrepasa el borde de la tarjeta</translation>
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
        <translation>--first-card: de 1 a %1 (las tarjetas por página)</translation>
    </message>
    <message>
        <source>--paper : le papier des cartes par page, à donner avec --per-page 2 ou 4</source>
        <translation>--paper: el papel de varias tarjetas por página, junto con --per-page 2 o 4</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Impossible d&apos;écrire sur la sortie standard : %1</source>
        <translation>No se puede escribir en la salida estándar: %1</translation>
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
        <translation>--unsent y --owed %1 no van juntos</translation>
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
        <translation>Ningún QSO en el archivo %1</translation>
    </message>
    <message>
        <source>Aucun QSO à imprimer dans le fichier %1</source>
        <translation>Ningún QSO que imprimir en el archivo %1</translation>
    </message>
    <message>
        <source>Impression interrompue : l&apos;impression est faite, la copie marquée %1 n&apos;est pas écrite.</source>
        <translation>Impresión interrumpida: la impresión está hecha, la copia marcada %1 no se ha escrito.</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO laissés de côté, le bureau ne les délivre pas (--keep-undeliverable les imprime) :</source>
        <translation>
            <numerusform>%n QSO dejado fuera, el buró no lo entrega (--keep-undeliverable lo imprime):</numerusform>
            <numerusform>%n QSO dejados fuera, el buró no los entrega (--keep-undeliverable los imprime):</numerusform>
        </translation>
    </message>
    <message>
        <source>Impression interrompue : l&apos;impression est faite, la copie marquée %1 est écrite.</source>
        <translation>Impresión interrumpida: la impresión está hecha, la copia marcada %1 está escrita.</translation>
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
        <translation>Orden desconocida: %1</translation>
    </message>
</context>
<context>
    <name>CommandOption</name>
    <message>
        <source>Valeur manquante après %1</source>
        <translation>Falta un valor tras %1</translation>
    </message>
    <message>
        <source>Option inconnue : %1</source>
        <translation>Opción desconocida: %1</translation>
    </message>
    <message>
        <source>Valeur vide après %1</source>
        <translation>Valor vacío tras %1</translation>
    </message>
    <message>
        <source>--%1 est donnée deux fois, avec « %2 » puis « %3 » : gardez-en une.</source>
        <translation>--%1 se da dos veces, con «%2» y luego «%3»: conserve una.</translation>
    </message>
</context>
<context>
    <name>ConfirmationDownload</name>
    <message>
        <source>Relevé de confirmations LoTW : ses QSL reçues sont des confirmations électroniques (lues comme reçues par E), non des cartes.</source>
        <translation>Informe de confirmaciones de LoTW: sus QSL recibidas son confirmaciones electrónicas (leídas como recibidas por E), no tarjetas.</translation>
    </message>
    <message>
        <source>Boîte de réception eQSL : ses QSL envoyées par E sont celles que les stations vous ont envoyées (lues comme reçues par E), non les vôtres.</source>
        <translation>Bandeja de entrada de eQSL: sus QSL enviadas por E son las que las estaciones le enviaron (leídas como recibidas por E), no las suyas.</translation>
    </message>
    <message>
        <source>Le fichier %1 est un relevé de confirmations %2, pas votre journal : ses QSL reçues sont celles du service. Marquez les cartes reçues dans votre journal ; rien n&apos;est écrit.</source>
        <translation>El archivo %1 es un informe de confirmaciones de %2, no su log: sus QSL recibidas son las del servicio. Marque las tarjetas recibidas en su log; no se escribe nada.</translation>
    </message>
</context>
<context>
    <name>CountryFile</name>
    <message>
        <source>%1 ; le fichier %2 est utilisé.</source>
        <translation>%1; se usa el archivo %2.</translation>
    </message>
    <message>
        <source>Fichier des pays (cty.dat) introuvable : %1</source>
        <translation>Archivo de países (cty.dat) no encontrado: %1</translation>
    </message>
    <message>
        <source> ; le tri bureau suit le début des indicatifs.</source>
        <translation>; el orden para el buró sigue el inicio de los indicativos.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier des pays %1 (%2)</source>
        <translation>No se puede leer el archivo de países %1 (%2)</translation>
    </message>
    <message>
        <source>Le fichier des pays %1 ne contient aucune entité</source>
        <translation>El archivo de países %1 no contiene ninguna entidad</translation>
    </message>
</context>
<context>
    <name>EnvelopeRun</name>
    <message>
        <source>L&apos;adresse de l&apos;expéditeur ne tient pas sur l&apos;enveloppe : raccourcissez ses lignes.</source>
        <translation>La dirección del remitente no cabe en el sobre: acorte sus líneas.</translation>
    </message>
    <message>
        <source>L&apos;adresse de l&apos;expéditeur ne tient pas sur l&apos;enveloppe %1 avec son décalage (« Décalage expéditeur » : %2 ; %3 mm), qui la pousse hors du papier ; sans décalage, elle tient : réduisez le décalage.</source>
        <translation>La dirección del remitente no cabe en el sobre %1 con su desplazamiento («Desplazamiento remitente»: %2 ; %3 mm), que la saca del papel; sin desplazamiento cabe: reduzca el desplazamiento.</translation>
    </message>
</context>
<context>
    <name>LabelJob</name>
    <message>
        <source>Impression des étiquettes : feuilles imprimées</source>
        <translation>Impresión de etiquetas: hojas impresas</translation>
    </message>
    <message>
        <source>feuille envoyée</source>
        <translation>hoja enviada</translation>
    </message>
    <message>
        <source>feuilles envoyées</source>
        <translation>hojas enviadas</translation>
    </message>
    <message>
        <source>Le décalage de l&apos;imprimante (%1 ; %2 mm) fait sortir le texte des étiquettes du papier (étiquette %3) : corrigez-le dans « Planches… ».</source>
        <translation>El desplazamiento de la impresora (%1; %2 mm) saca el texto de las etiquetas del papel (etiqueta %3): corríjalo en «Hojas…».</translation>
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
        <translation>--format: 1, 2, 3, 4 o 6 (el formato 5 imprime en tarjetas QSL: comando cards)</translation>
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
        <translation>Impresión directa en tarjetas QSL </translation>
    </message>
    <message>
        <source>Impression étiquettes</source>
        <translation>Impresión de etiquetas</translation>
    </message>
    <message>
        <source>Impression d&apos;étiquettes pour QSL</source>
        <translation>Impresión de etiquetas para QSL</translation>
    </message>
    <message>
        <source>&amp;Imprimer les étiquettes</source>
        <translation>&amp;Imprimir las etiquetas</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Aperçu des étiquettes</source>
        <translation>Vista previa de las etiquetas</translation>
    </message>
    <message>
        <source>&amp;Retour sélection QSO</source>
        <translation>&amp;Volver a la selección de QSO</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Francais</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Anglais</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Format des étiquettes</source>
        <translation>Formato de las etiquetas</translation>
    </message>
    <message>
        <source>Autre planche :</source>
        <translation>Otra hoja:</translation>
    </message>
    <message>
        <source>Autre planche</source>
        <translation>Otra hoja</translation>
    </message>
    <message>
        <source>&amp;Planches…</source>
        <translation>&amp;Hojas…</translation>
    </message>
    <message>
        <source>Options d&apos;impression</source>
        <translation>Opciones de impresión</translation>
    </message>
    <message>
        <source>Avant impression des étiquettes</source>
        <translation>Antes de imprimir las etiquetas</translation>
    </message>
    <message>
        <source>effectuez une impression sur une feuille</source>
        <translation>haga una impresión en una hoja</translation>
    </message>
    <message>
        <source>Corrigez  éventuellement avec la fonction</source>
        <translation>Corrija si hace falta con la opción</translation>
    </message>
    <message>
        <source>&quot;Décalage vertical feuille&quot; ci dessous</source>
        <translation>&quot;Desplazamiento vertical de la hoja&quot; abajo</translation>
    </message>
    <message>
        <source>Décalage vertical feuille</source>
        <translation>Desplazamiento vertical de la hoja</translation>
    </message>
    <message>
        <source>ligne</source>
        <translation>línea</translation>
    </message>
    <message>
        <source>Arret impression a chaque feuille</source>
        <translation>Parar tras cada hoja</translation>
    </message>
    <message>
        <source>Première étiquette</source>
        <translation>Primera etiqueta</translation>
    </message>
    <message>
        <source>Sur une planche entamée : les étiquettes sont comptées de gauche à droite puis de haut en bas ; celles d&apos;avant restent vierges.</source>
        <translation>En una hoja empezada: las etiquetas se cuentan de izquierda a derecha y de arriba abajo; las anteriores quedan en blanco.</translation>
    </message>
    <message>
        <source>Regrouper les QSO d&apos;une même station</source>
        <translation>Agrupar los QSO de una misma estación</translation>
    </message>
    <message>
        <source>Les QSO d&apos;un même indicatif et d&apos;un même QSL via partagent une étiquette, une ligne par QSO.</source>
        <translation>Los QSO de un mismo indicativo y un mismo QSL via comparten etiqueta, una línea por QSO.</translation>
    </message>
    <message>
        <source>Libellé Texte QSL</source>
        <translation>Texto QSL</translation>
    </message>
    <message>
        <source>Merci pour le QSO  Pse QSL</source>
        <translation>Gracias por el QSO  Pse QSL</translation>
    </message>
    <message>
        <source>Merci pour le QSO et pour  la QSL</source>
        <translation>Gracias por el QSO y por la QSL</translation>
    </message>
    <message>
        <source>Merci pour le QSO  pas de QSL</source>
        <translation>Gracias por el QSO  sin QSL</translation>
    </message>
    <message>
        <source>Selon la QSL reçue</source>
        <translation>Según la QSL recibida</translation>
    </message>
    <message>
        <source>Libellé commentaire</source>
        <translation>Línea de comentario</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>32 caracteres maxi</source>
        <translation>32 caracteres máx.</translation>
    </message>
    <message>
        <source>Options de l&apos;activation</source>
        <translation>Opciones de la activación</translation>
    </message>
    <message>
        <source>N°de l&apos;activité</source>
        <translation>N.º de la activación</translation>
    </message>
    <message>
        <source>12 caracteres maxi</source>
        <translation>12 caracteres máx.</translation>
    </message>
    <message>
        <source>Numero de l&apos;activité obligatoire</source>
        <translation>El número de la activación es obligatorio</translation>
    </message>
    <message>
        <source>Nom de l&apos;activité</source>
        <translation>Nombre de la activación</translation>
    </message>
    <message>
        <source>30 caracteres maxi</source>
        <translation>30 caracteres máx.</translation>
    </message>
    <message>
        <source>Nom de l&apos;activité obligatoire</source>
        <translation>El nombre de la activación es obligatorio</translation>
    </message>
    <message>
        <source>N° du Canton</source>
        <translation>N.º de cantón</translation>
    </message>
    <message>
        <source>4 caracteres maxi</source>
        <translation>4 caracteres máx.</translation>
    </message>
    <message>
        <source>Numero du Canton obligatoire</source>
        <translation>El número de cantón es obligatorio</translation>
    </message>
    <message>
        <source>Code postal</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>5 caracteres maxi</source>
        <translation>5 caracteres máx.</translation>
    </message>
    <message>
        <source>Numero du code postal obligatoire</source>
        <translation>El código postal es obligatorio</translation>
    </message>
    <message>
        <source>Commune</source>
        <translation>Municipio</translation>
    </message>
    <message>
        <source>26 caracteres maxi</source>
        <translation>26 caracteres máx.</translation>
    </message>
    <message>
        <source>Nom de la commune obligatoire</source>
        <translation>El municipio es obligatorio</translation>
    </message>
    <message>
        <source>&amp;Effacer</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Options station</source>
        <translation>Opciones de la estación</translation>
    </message>
    <message>
        <source>Transceiver </source>
        <translation>Transceptor </translation>
    </message>
    <message>
        <source>40 caracteres maxi</source>
        <translation>40 caracteres máx.</translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation>Transceptor</translation>
    </message>
    <message>
        <source>Antenne</source>
        <translation>Antena</translation>
    </message>
    <message>
        <source>15 caracteres maxi</source>
        <translation>15 caracteres máx.</translation>
    </message>
    <message>
        <source>&amp;Imprimer les enveloppes</source>
        <translation>&amp;Imprimir los sobres</translation>
    </message>
    <message>
        <source>Pour l&apos;impression directe sur QSL, l&apos;aperçu se fait dans la fenêtre d&apos;impression sur carte QSL.</source>
        <translation>Para la impresión directa en tarjetas QSL, la vista previa está en la ventana de impresión en tarjetas QSL.</translation>
    </message>
</context>
<context>
    <name>LabelPrintRun</name>
    <message>
        <source>Format d&apos;étiquettes inconnu : %1</source>
        <translation>Formato de etiquetas desconocido: %1</translation>
    </message>
    <message>
        <source>Planche %1 : %2</source>
        <translation>Hoja %1: %2</translation>
    </message>
    <message>
        <source>Page suivante ?</source>
        <translation>¿Página siguiente?</translation>
    </message>
    <message>
        <source>Certaines étiquettes sont trop petites : le commentaire, puis la ligne TX et antenne, y ont été omis.</source>
        <translation>Algunas etiquetas son demasiado pequeñas: se han omitido el comentario y luego la línea TX y antena.</translation>
    </message>
    <message>
        <source>Première étiquette : un nombre de 1 à %1 est attendu.</source>
        <translation>Primera etiqueta: se espera un número de 1 a %1.</translation>
    </message>
</context>
<context>
    <name>LabelPrinting</name>
    <message>
        <source>Planche inconnue : %1</source>
        <translation>Hoja desconocida: %1</translation>
    </message>
    <message>
        <source>Aperçu des étiquettes</source>
        <translation>Vista previa de las etiquetas</translation>
    </message>
    <message>
        <source> (refusée : %1)</source>
        <translation> (rechazada: %1)</translation>
    </message>
</context>
<context>
    <name>LabelSamples</name>
    <message>
        <source>Indicatif</source>
        <translation>Indicativo</translation>
    </message>
    <message>
        <source>Exemple d&apos;étiquette confirmant un QSO </source>
        <translation>Ejemplo de etiqueta que confirma un QSO </translation>
    </message>
    <message>
        <source>Exemple d&apos;étiquette confirmant une activation</source>
        <translation>Ejemplo de etiqueta que confirma una activación</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>Papier : A4, Letter ou une largeur x hauteur en mm positives.</source>
        <translation>Papel: A4, Letter o un ancho x alto positivos en mm.</translation>
    </message>
    <message>
        <source>Rangées : au plus %1 étiquettes par planche (colonnes x rangées).</source>
        <translation>Filas: como mucho %1 etiquetas por hoja (columnas x filas).</translation>
    </message>
    <message>
        <source>Pas horizontal : les étiquettes se chevauchent (pas plus petit que la largeur).</source>
        <translation>Paso horizontal: las etiquetas se solapan (paso menor que el ancho).</translation>
    </message>
    <message>
        <source>Pas vertical : les étiquettes se chevauchent (pas plus petit que la hauteur).</source>
        <translation>Paso vertical: las etiquetas se solapan (paso menor que el alto).</translation>
    </message>
    <message>
        <source>Pas horizontal : les étiquettes sortent du papier à droite.</source>
        <translation>Paso horizontal: las etiquetas se salen del papel por la derecha.</translation>
    </message>
    <message>
        <source>Pas vertical : les étiquettes sortent du papier en bas.</source>
        <translation>Paso vertical: las etiquetas se salen del papel por abajo.</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2 x %3  %n étiquettes</source>
        <translation>
            <numerusform>%1  %2 x %3  %n etiqueta</numerusform>
            <numerusform>%1  %2 x %3  %n etiquetas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 : un nombre de %2 à %3%4 est attendu.</source>
        <translation>%1: se espera un número de %2 a %3%4.</translation>
    </message>
    <message>
        <source>%1 : un nombre de plus de %2 à %3%4 est attendu.</source>
        <translation>%1: se espera un número mayor que %2, hasta %3%4.</translation>
    </message>
    <message>
        <source>Largeur du papier</source>
        <translation>Ancho del papel</translation>
    </message>
    <message>
        <source>Hauteur du papier</source>
        <translation>Alto del papel</translation>
    </message>
    <message>
        <source>Colonnes</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Rangées</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Marge gauche</source>
        <translation>Margen izquierdo</translation>
    </message>
    <message>
        <source>Marge haute</source>
        <translation>Margen superior</translation>
    </message>
    <message>
        <source>Largeur d&apos;étiquette</source>
        <translation>Ancho de etiqueta</translation>
    </message>
    <message>
        <source>Hauteur d&apos;étiquette</source>
        <translation>Alto de etiqueta</translation>
    </message>
    <message>
        <source>Pas horizontal</source>
        <translation>Paso horizontal</translation>
    </message>
    <message>
        <source>Pas vertical</source>
        <translation>Paso vertical</translation>
    </message>
</context>
<context>
    <name>LabelsCommand</name>
    <message>
        <source>Planche inconnue : %1 (voir --list-sheets)</source>
        <translation>Hoja desconocida: %1 (vea --list-sheets)</translation>
    </message>
    <message>
        <source>--sheet : %1 (voir labels --list-sheets)</source>
        <translation>--sheet: %1 (vea labels --list-sheets)</translation>
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
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>indicatif</source>
        <translation>indicativo</translation>
    </message>
    <message>
        <source>QSL via</source>
        <translation>QSL vía</translation>
    </message>
    <message>
        <source>date</source>
        <translation>fecha</translation>
    </message>
    <message>
        <source>heure</source>
        <translation>hora</translation>
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
        <translation>Unir la línea 2 a la línea 1</translation>
    </message>
    <message>
        <source>Joindre la ligne 4 à la ligne 3</source>
        <translation>Unir la línea 4 a la línea 3</translation>
    </message>
    <message>
        <source>Joindre les lignes 6 et 7 à la ligne 5</source>
        <translation>Unir las líneas 6 y 7 a la línea 5</translation>
    </message>
    <message>
        <source>Parametres de la QSL</source>
        <translation>Parámetros de la QSL</translation>
    </message>
    <message>
        <source>Position des champs à imprimer</source>
        <translation>Posición de los campos a imprimir</translation>
    </message>
    <message>
        <source>Marges</source>
        <translation>Márgenes</translation>
    </message>
    <message>
        <source>Gauche  Haute   Police    Textes avant le champs QSO</source>
        <translation>Izq.    Arriba  Fuente    Textos antes del campo QSO</translation>
    </message>
    <message>
        <source>Champs QSO</source>
        <translation>Campos QSO</translation>
    </message>
    <message>
        <source>Gauche  Haute   Police                                  Champs personalisables</source>
        <translation>Izq.    Arriba  Fuente                                  Campos personalizables</translation>
    </message>
    <message>
        <source>position gauche (mm)</source>
        <translation>posición izquierda (mm)</translation>
    </message>
    <message>
        <source>position haute (mm)</source>
        <translation>posición superior (mm)</translation>
    </message>
    <message>
        <source>taille de police (5 à 15)</source>
        <translation>tamaño de fuente (5 a 15)</translation>
    </message>
    <message>
        <source>texte</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>Marges  : Toutes les valeurs en millimètres  valeur 0 et 0 pour une ligne non utilisée</source>
        <translation>Márgenes: todos los valores en milímetros; 0 y 0 para una línea sin usar</translation>
    </message>
    <message>
        <source>Taille de la Police de caracteres  :  de 5 à 15</source>
        <translation>Tamaño de fuente: de 5 a 15</translation>
    </message>
    <message>
        <source>Les 3 case à cocher Ck permettent d&apos;associer les champs sur une seule ligne</source>
        <translation>Las 3 casillas Ck juntan campos en una sola línea</translation>
    </message>
    <message>
        <source>ATTENTION tenir compte des Marges Gauches et Hautes de l&apos;imprimante</source>
        <translation>ATENCIÓN: tenga en cuenta los márgenes izquierdo y superior de la impresora</translation>
    </message>
    <message>
        <source>Valeurs </source>
        <translation>Valores </translation>
    </message>
    <message>
        <source>Marge gauche de l&apos;imprimante (mm)</source>
        <translation>Margen izquierdo de la impresora (mm)</translation>
    </message>
    <message>
        <source>Marge haute de l&apos;imprimante (mm)</source>
        <translation>Margen superior de la impresora (mm)</translation>
    </message>
    <message>
        <source>selon imprimante ( 2 à 5 mmm )</source>
        <translation>según la impresora (2 a 5 mm)</translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>seleccione un archivo o salga</translation>
    </message>
    <message>
        <source>La taille de police P%1 (« %2 ») doit être un nombre de 5 à 15.</source>
        <translation>El tamaño de fuente P%1 («%2») debe ser un número de 5 a 15.</translation>
    </message>
    <message>
        <source> Le modèle n&apos;est pas enregistré.</source>
        <translation> El modelo no se ha guardado.</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà. Le remplacer ?</source>
        <translation>El archivo %1 ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>&amp;Modeles de QSL</source>
        <translation>&amp;Modelos de QSL</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Carte QSL : tableau, format et image</source>
        <translation>Tarjeta QSL: tabla, formato e imagen</translation>
    </message>
    <message>
        <source>&amp;Carte…</source>
        <translation>&amp;Tarjeta…</translation>
    </message>
</context>
<context>
    <name>LayoutPreview</name>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Aperçu : ces valeurs ne sont pas des nombres, leurs lignes ne sont pas affichées : %1</source>
        <translation>Vista previa: estos valores no son números, sus líneas no se muestran: %1</translation>
    </message>
</context>
<context>
    <name>LogAddresses</name>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : il finit avant le QSO avec %2 (octet %3). Relisez-le.</source>
        <translation>El archivo %1 ha cambiado desde su lectura: termina antes del QSO con %2 (byte %3). Vuelva a leerlo.</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : le QSO avec %2 (octet %3) y a maintenant pour CALL « %4 ». Relisez-le.</source>
        <translation>El archivo %1 ha cambiado desde su lectura: el QSO con %2 (byte %3) tiene ahora CALL «%4». Vuelva a leerlo.</translation>
    </message>
</context>
<context>
    <name>MailOptionsWidget</name>
    <message>
        <source>Impression</source>
        <translation>Impresión</translation>
    </message>
    <message>
        <source>Étiquettes QSO</source>
        <translation>Etiquetas QSO</translation>
    </message>
    <message>
        <source>Adresses (étiquettes)</source>
        <translation>Direcciones (etiquetas)</translation>
    </message>
    <message>
        <source>Enveloppes</source>
        <translation>Sobres</translation>
    </message>
    <message>
        <source>Format des enveloppes</source>
        <translation>Formato de los sobres</translation>
    </message>
    <message>
        <source>E&amp;xpéditeur…</source>
        <translation>Re&amp;mitente…</translation>
    </message>
    <message>
        <source>A&amp;dresses…</source>
        <translation>Dir&amp;ecciones…</translation>
    </message>
    <message>
        <source>Adresse de l&apos;expéditeur</source>
        <translation>Dirección del remitente</translation>
    </message>
    <message>
        <source>Étiquettes de l&apos;expéditeur</source>
        <translation>Etiquetas del remitente</translation>
    </message>
    <message>
        <source>Destinataire, droite</source>
        <translation>Destinatario, derecha</translation>
    </message>
    <message>
        <source>Destinataire, bas</source>
        <translation>Destinatario, abajo</translation>
    </message>
    <message>
        <source>Expéditeur, droite</source>
        <translation>Remitente, derecha</translation>
    </message>
    <message>
        <source>Expéditeur, bas</source>
        <translation>Remitente, abajo</translation>
    </message>
    <message>
        <source>Décalage destinataire (→, ↓)</source>
        <translation>Desplazamiento destinatario (→, ↓)</translation>
    </message>
    <message>
        <source>Décalage expéditeur (→, ↓)</source>
        <translation>Desplazamiento remitente (→, ↓)</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Choisissez la planche des étiquettes d&apos;adresses.</source>
        <translation>Elija la hoja de las etiquetas de direcciones.</translation>
    </message>
</context>
<context>
    <name>MailPrinting</name>
    <message>
        <source>Aucune adresse pour les QSO choisis</source>
        <translation>Ninguna dirección para los QSO elegidos</translation>
    </message>
    <message>
        <source>Pas d&apos;adresse pour : %1

Les ajouter au carnet d&apos;adresses ?</source>
        <translation>Sin dirección para: %1

¿Añadirlas a la libreta de direcciones?</translation>
    </message>
    <message>
        <source>Adresse trop longue, non imprimée : %1</source>
        <translation>Dirección demasiado larga, no impresa: %1</translation>
    </message>
    <message>
        <source>Aperçu des enveloppes</source>
        <translation>Vista previa de los sobres</translation>
    </message>
    <message>
        <source>Aperçu des adresses</source>
        <translation>Vista previa de las direcciones</translation>
    </message>
</context>
<context>
    <name>MailingList</name>
    <message>
        <source>Pas de destinataire pour : %1 (l&apos;indicatif ne nomme aucune station)</source>
        <translation>Sin destinatario para: %1 (el indicativo no nombra ninguna estación)</translation>
    </message>
</context>
<context>
    <name>NoBureauTable</name>
    <message>
        <source>Le fichier des pays sans bureau %1 ne peut pas être lu (%2) : seule la liste fournie est utilisée.</source>
        <translation>El archivo de países sin buró %1 no se puede leer (%2): solo se usa la lista incluida.</translation>
    </message>
    <message numerus="yes">
        <source>Le fichier des pays sans bureau %1 : %n lignes ignorées : %2 (attendu : PRÉFIXE ou -PRÉFIXE, tabulation, AAAA-MM-JJ, tabulation, source).</source>
        <translation>
            <numerusform>El archivo de países sin buró %1: %n línea ignorada: %2 (esperado: PREFIJO o -PREFIJO, tabulador, AAAA-MM-DD, tabulador, fuente).</numerusform>
            <numerusform>El archivo de países sin buró %1: %n líneas ignoradas: %2 (esperado: PREFIJO o -PREFIJO, tabulador, AAAA-MM-DD, tabulador, fuente).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PdfOutput</name>
    <message>
        <source>%1 ; il n&apos;est pas modifié.</source>
        <translation>%1; no se modifica.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Impression arrêtée : aucun fichier n&apos;est écrit.</source>
        <translation>Impresión detenida: no se escribe ningún archivo.</translation>
    </message>
    <message>
        <source>Impression arrêtée : %1 %2 à l&apos;imprimante.</source>
        <translation>Impresión detenida: %1 %2 a la impresora.</translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>Décalage : un nombre de millimètres de -10 à +10 est attendu (%1).</source>
        <translation>Desplazamiento: se espera un número de milímetros de -10 a +10 (%1).</translation>
    </message>
</context>
<context>
    <name>PrinterJob</name>
    <message>
        <source>L&apos;impression n&apos;a pas pu être terminée.</source>
        <translation>No se pudo terminar la impresión.</translation>
    </message>
</context>
<context>
    <name>PrinterSurface</name>
    <message>
        <source>(aucune)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est disponible.</source>
        <translation>No hay ninguna impresora disponible.</translation>
    </message>
    <message>
        <source>Imprimante introuvable : %1</source>
        <translation>Impresora no encontrada: %1</translation>
    </message>
    <message>
        <source>L&apos;imprimante %1 est en erreur ou désactivée.</source>
        <translation>La impresora %1 está en error o desactivada.</translation>
    </message>
    <message>
        <source>L&apos;imprimante %1 a refusé la page : %2</source>
        <translation>La impresora %1 ha rechazado la página: %2</translation>
    </message>
    <message>
        <source>L&apos;imprimante %1 a été arrêtée ou désactivée pendant l&apos;impression ; la dernière page attend dans la file d&apos;impression.</source>
        <translation>La impresora %1 se detuvo o desactivó durante la impresión; la última página espera en la cola de impresión.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : le support est plein ou en erreur.</source>
        <translation>No se puede escribir el archivo %1: el disco está lleno o con errores.</translation>
    </message>
    <message>
        <source>Impossible de commencer une nouvelle page.</source>
        <translation>No se puede empezar una página nueva.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
    <message>
        <source>Impossible de commencer l&apos;impression sur %1.</source>
        <translation>No se puede empezar a imprimir en %1.</translation>
    </message>
    <message>
        <source>La page n&apos;a pas pu être envoyée à l&apos;imprimante %1.</source>
        <translation>No se pudo enviar la página a la impresora %1.</translation>
    </message>
</context>
<context>
    <name>ProgramLanguage</name>
    <message>
        <source>Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré, le catalogue intégré au programme est utilisé.</source>
        <translation>El catálogo de traducción %1 es ilegible o está dañado: se ignora y se usa el catálogo integrado en el programa.</translation>
    </message>
    <message>
        <source>Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré, le catalogue %2 est utilisé.</source>
        <translation>El catálogo de traducción %1 es ilegible o está dañado: se ignora y se usa el catálogo %2.</translation>
    </message>
    <message>
        <source>Le catalogue de traduction %1 est illisible ou abîmé : il est ignoré.</source>
        <translation>El catálogo de traducción %1 es ilegible o está dañado: se ignora.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>indicatif absent</source>
        <translation>falta el indicativo</translation>
    </message>
    <message>
        <source>date absente</source>
        <translation>falta la fecha</translation>
    </message>
    <message>
        <source>bande absente</source>
        <translation>falta la banda</translation>
    </message>
    <message>
        <source>la station ne veut pas de carte</source>
        <translation>la estación no quiere tarjeta</translation>
    </message>
    <message>
        <source>la station ne confirme qu&apos;en ligne</source>
        <translation>la estación solo confirma en línea</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO à vérifier avant l&apos;impression :</source>
        <translation>
            <numerusform>%n QSO que comprobar antes de imprimir:</numerusform>
            <numerusform>%n QSO que comprobar antes de imprimir:</numerusform>
        </translation>
    </message>
    <message>
        <source>Les imprimer aussi ? (Non : ils sont laissés de côté)</source>
        <translation>¿Imprimirlos también? (No: se dejan fuera)</translation>
    </message>
    <message>
        <source>date illisible</source>
        <translation>fecha ilegible</translation>
    </message>
</context>
<context>
    <name>QslTemplateFile</name>
    <message>
        <source>%1 contient des caractères qu&apos;un fichier .qsl ne peut pas garder : %2. Le modèle n&apos;est pas enregistré.</source>
        <translation>%1 contiene caracteres que un archivo .qsl no puede guardar: %2. El modelo no se ha guardado.</translation>
    </message>
    <message>
        <source>La valeur de %1 (« %2 ») est trop longue : 13 caractères au plus. Le modèle n&apos;est pas enregistré.</source>
        <translation>El valor de %1 («%2») es demasiado largo: 13 caracteres como máximo. El modelo no se ha guardado.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>%1 ; le modèle n&apos;est pas enregistré.</source>
        <translation>%1; el modelo no se guarda.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Arrêter</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>%v sur %m</source>
        <translation>%v de %m</translation>
    </message>
</context>
<context>
    <name>ReceivedCardsWindow</name>
    <message>
        <source>Cartes reçues</source>
        <translation>Tarjetas recibidas</translation>
    </message>
    <message>
        <source>Indicatifs des cartes reçues</source>
        <translation>Indicativos de las tarjetas recibidas</translation>
    </message>
    <message>
        <source>QSO trouvés</source>
        <translation>QSO encontrados</translation>
    </message>
    <message>
        <source>Lignes sans QSO</source>
        <translation>Líneas sin QSO</translation>
    </message>
    <message>
        <source>Lignes à plusieurs QSO</source>
        <translation>Líneas con varios QSO</translation>
    </message>
    <message>
        <source>B (bureau)</source>
        <translation>B (buró)</translation>
    </message>
    <message>
        <source>D (directe)</source>
        <translation>D (directa)</translation>
    </message>
    <message>
        <source>M (manager)</source>
        <translation>M (mánager)</translation>
    </message>
    <message>
        <source>&amp;Marquer comme reçues</source>
        <translation>&amp;Marcar como recibidas</translation>
    </message>
    <message>
        <source>Une carte par ligne : indicatif [date] [bande]</source>
        <translation>Una tarjeta por línea: indicativo [fecha] [banda]</translation>
    </message>
    <message>
        <source>Plusieurs QSO : cochez les bons</source>
        <translation>Varios QSO: marque los buenos</translation>
    </message>
    <message>
        <source>&amp;Voie de réception :</source>
        <translation>&amp;Recibida vía:</translation>
    </message>
    <message>
        <source>  (déjà reçue)</source>
        <translation>  (ya recibida)</translation>
    </message>
    <message>
        <source>Un autre journal a été lu : vérifiez les cartes.</source>
        <translation>Se ha leído otro log: revise las tarjetas.</translation>
    </message>
    <message>
        <source>Aucun QSO du journal lu à marquer comme reçu.</source>
        <translation>Ningún QSO del log leído que marcar como recibido.</translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO comme reçus ?</source>
        <translation>
            <numerusform>¿Marcar el %n QSO como recibido?</numerusform>
            <numerusform>¿Marcar los %n QSO como recibidos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Lire la copie marquée %1, pour imprimer les réponses ?</source>
        <translation>¿Leer la copia marcada %1 para imprimir las respuestas?</translation>
    </message>
    <message>
        <source>(« %1 » n&apos;est ni une date ni une bande)</source>
        <translation>(«%1» no es ni una fecha ni una banda)</translation>
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
        <translation>Ningún QSO en el archivo %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>Le fichier %1 dépasse 16 Mio : ce n&apos;est pas une liste d&apos;indicatifs.</source>
        <translation>El archivo %1 supera 16 MiB: no es una lista de indicativos.</translation>
    </message>
    <message>
        <source>Ligne %1 : %2 QSO correspondent, aucun n&apos;est marqué : %3</source>
        <translation>Línea %1: coinciden %2 QSO, no se marca ninguno: %3</translation>
    </message>
    <message>
        <source>Ligne %1 : aucun QSO ne correspond : %2</source>
        <translation>Línea %1: ningún QSO coincide: %2</translation>
    </message>
    <message>
        <source>Marquage interrompu : la copie %1 n&apos;est pas écrite.</source>
        <translation>Marcado interrumpido: la copia %1 no está escrita.</translation>
    </message>
    <message>
        <source>Marquage interrompu : la copie %1 est écrite.</source>
        <translation>Marcado interrumpido: la copia %1 está escrita.</translation>
    </message>
    <message numerus="yes">
        <source>%n lignes trouvées, %1 sans QSO, %2 à plusieurs QSO</source>
        <translation>
            <numerusform>%n línea encontrada, %1 sin QSO, %2 con varios QSO</numerusform>
            <numerusform>%n líneas encontradas, %1 sin QSO, %2 con varios QSO</numerusform>
        </translation>
    </message>
    <message>
        <source>Ligne %1 : « %2 » n&apos;est ni une date (AAAAMMJJ, AAAA-MM-JJ, JJ/MM/AA) ni une bande (20M) : aucun QSO n&apos;est cherché : %3</source>
        <translation>Línea %1: «%2» no es ni una fecha (AAAAMMDD, AAAA-MM-DD, DD/MM/AA) ni una banda (20M): no se busca ningún QSO: %3</translation>
    </message>
</context>
<context>
    <name>ReplacedFile</name>
    <message>
        <source>erreur d&apos;écriture</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>le fichier écrit est incomplet ou abîmé</source>
        <translation>el archivo escrito está incompleto o dañado</translation>
    </message>
</context>
<context>
    <name>RunFiles</name>
    <message>
        <source>Le fichier de sortie %1 est le fichier lu %2 : rien n&apos;est écrit.</source>
        <translation>El archivo de salida %1 es el archivo leído %2: no se escribe nada.</translation>
    </message>
    <message>
        <source>Le fichier de sortie %1 n&apos;est pas un fichier ordinaire : rien n&apos;est écrit.</source>
        <translation>El archivo de salida %1 no es un archivo normal: no se escribe nada.</translation>
    </message>
    <message>
        <source>%1 est le fichier %2 de cette impression : rien n&apos;est écrit, donnez un autre nom à la copie marquée.</source>
        <translation>%1 es el archivo %2 de esta impresión: no se escribe nada, dé otro nombre a la copia marcada.</translation>
    </message>
    <message>
        <source>%1 ne peut pas être remplacé (le journal lui-même ou un fichier spécial) ; donnez un autre nom.</source>
        <translation>%1 no se puede sustituir (el propio log o un archivo especial); dé otro nombre.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2 ; rien n&apos;est écrit.</source>
        <translation>No se puede escribir el archivo %1: %2; no se escribe nada.</translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Sélection des QSO</source>
        <translation>Selección de QSO</translation>
    </message>
    <message>
        <source>Liste des QSO</source>
        <translation>Lista de QSO</translation>
    </message>
    <message>
        <source>QSO sélectionné(s) . Cliquez sur un QSO pour le désélctionner.</source>
        <translation>QSO seleccionados. Pulse en un QSO para quitarlo.</translation>
    </message>
    <message>
        <source>QSO sélectionnés</source>
        <translation>QSO seleccionados</translation>
    </message>
    <message>
        <source>&amp;Tout sélectionner</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Imprimer étiquettes</source>
        <translation>&amp;Imprimir etiquetas</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Cartes &amp;reçues…</source>
        <translation>Tarjetas &amp;recibidas…</translation>
    </message>
    <message>
        <source>Tri par &amp;date</source>
        <translation>Ordenar por &amp;fecha</translation>
    </message>
    <message>
        <source>Tri par &amp;call</source>
        <translation>Ordenar por &amp;indicativo</translation>
    </message>
    <message>
        <source>Tri &amp;bureau</source>
        <translation>Ordenar para el &amp;buró</translation>
    </message>
    <message>
        <source>Cliquez sur un QSO pour le sélectionner </source>
        <translation>Pulse en un QSO para seleccionarlo </translation>
    </message>
    <message>
        <source>Toutes</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Non envoyées</source>
        <translation>No enviadas</translation>
    </message>
    <message>
        <source>Demandées ou en file</source>
        <translation>Pedidas o en cola</translation>
    </message>
    <message>
        <source>Reçues sans réponse</source>
        <translation>Recibidas sin respuesta</translation>
    </message>
    <message>
        <source>Bureau</source>
        <translation>Buró</translation>
    </message>
    <message>
        <source>Directe</source>
        <translation>Directa</translation>
    </message>
    <message>
        <source>QSL à &amp;envoyer :</source>
        <translation>QSL por &amp;enviar:</translation>
    </message>
    <message>
        <source>&amp;Voie :</source>
        <translation>&amp;Vía:</translation>
    </message>
    <message>
        <source>Ordre d&apos;impression : bureau</source>
        <translation>Orden de impresión: buró</translation>
    </message>
    <message>
        <source>Ordre d&apos;impression : par indicatif</source>
        <translation>Orden de impresión: por indicativo</translation>
    </message>
    <message>
        <source>Sans confirmation électronique</source>
        <translation>Sin confirmación electrónica</translation>
    </message>
</context>
<context>
    <name>SentMarker</name>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : la copie marquée n&apos;est pas écrite ; relisez-le avant de marquer les QSO.</source>
        <translation>El archivo %1 ha cambiado desde que se leyó: la copia marcada no se escribe; vuelva a leerlo antes de marcar los QSO.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2 ; la copie marquée n&apos;est pas enregistrée.</source>
        <translation>No se puede escribir el archivo %1: %2; la copia marcada no se ha guardado.</translation>
    </message>
    <message>
        <source>support plein</source>
        <translation>disco lleno</translation>
    </message>
</context>
<context>
    <name>SentMarking</name>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés par le bureau ?</source>
        <translation>
            <numerusform>¿Marcar el %n QSO impreso como enviado por el buró?</numerusform>
            <numerusform>¿Marcar los %n QSO impresos como enviados por el buró?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés en direct ?</source>
        <translation>
            <numerusform>¿Marcar el %n QSO impreso como enviado en directo?</numerusform>
            <numerusform>¿Marcar los %n QSO impresos como enviados en directo?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Marquer les %n QSO imprimés comme envoyés ?</source>
        <translation>
            <numerusform>¿Marcar el %n QSO impreso como enviado?</numerusform>
            <numerusform>¿Marcar los %n QSO impresos como enviados?</numerusform>
        </translation>
    </message>
    <message>
        <source>
Le journal d&apos;avant est gardé dans %1.</source>
        <translation>
El log anterior se guarda en %1.</translation>
    </message>
    <message>
        <source>Le fichier %1 est le journal lui-même. Le remplacer par la copie marquée ?
Le journal d&apos;avant sera gardé dans %2.</source>
        <translation>El archivo %1 es el propio log. ¿Reemplazarlo por la copia marcada?
El log anterior se guardará en %2.</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà.
Voulez-vous le remplacer ?</source>
        <translation>El archivo %1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message numerus="yes">
        <source>
%n QSO imprimés ne sont pas dans le journal lu %1 et ne sont pas marqués : %2</source>
        <translation>
            <numerusform>
%n QSO impreso no está en el log leído %1 y no se marca: %2</numerusform>
            <numerusform>
%n QSO impresos no están en el log leído %1 y no se marcan: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis sa lecture : la copie marquée n&apos;est pas écrite ; relisez-le avant de marquer les QSO.</source>
        <translation>El archivo %1 ha cambiado desde su lectura: la copia marcada no se escribe; vuelva a leerlo antes de marcar los QSO.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>%1 ; le journal n&apos;est pas gardé, la copie marquée n&apos;est pas écrite.</source>
        <translation>%1; el log no se guarda, la copia marcada no se escribe.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Les options ne peuvent pas être enregistrées : le fichier %1 est illisible ou protégé en écriture. Le programme continue avec les valeurs par défaut.</source>
        <translation>Las opciones no se pueden guardar: el archivo %1 es ilegible o está protegido contra escritura. El programa sigue con los valores por defecto.</translation>
    </message>
    <message>
        <source>aucun fichier temporaire ne peut être créé</source>
        <translation>no se puede crear ningún archivo temporal</translation>
    </message>
    <message>
        <source>le texte des options n&apos;a pas pu être préparé</source>
        <translation>no se pudo preparar el texto de las opciones</translation>
    </message>
    <message>
        <source>Les options ne peuvent pas être enregistrées : impossible d&apos;écrire le fichier %1 (%2). Il est gardé tel qu&apos;il était ; le programme continue avec les valeurs choisies.</source>
        <translation>Las opciones no se pueden guardar: no se puede escribir el archivo %1 (%2). Se conserva como estaba; el programa sigue con los valores elegidos.</translation>
    </message>
    <message>
        <source>une autre instance du programme l&apos;écrit en ce moment</source>
        <translation>otra instancia del programa lo está escribiendo en este momento</translation>
    </message>
    <message>
        <source>le fichier n&apos;a pas pu être relu</source>
        <translation>no se ha podido volver a leer el archivo</translation>
    </message>
    <message>
        <source>Le fichier d&apos;options %1, ligne %2 : ligne incomprise, ignorée ; elle reste dans le fichier.</source>
        <translation>Archivo de opciones %1, línea %2: línea no entendida, ignorada; se queda en el archivo.</translation>
    </message>
    <message>
        <source>Le fichier d&apos;options %1 a d&apos;autres lignes incomprises, ignorées elles aussi.</source>
        <translation>El archivo de opciones %1 tiene más líneas no entendidas, también ignoradas.</translation>
    </message>
</context>
<context>
    <name>SheetDrawing</name>
    <message>
        <source>Dessin de la planche</source>
        <translation>Dibujo de la hoja</translation>
    </message>
</context>
<context>
    <name>SheetProfile</name>
    <message>
        <source>Page suivante ?</source>
        <translation>¿Página siguiente?</translation>
    </message>
</context>
<context>
    <name>SheetTable</name>
    <message>
        <source>Le fichier des planches %1 ne peut pas être lu (%2) : seules les planches fournies sont proposées.</source>
        <translation>El archivo de hojas %1 no se puede leer (%2): solo se ofrecen las hojas incluidas.</translation>
    </message>
    <message>
        <source>n&apos;est pas de la forme NOM, tab, PAPIER, tab, COLONNESxRANGÉES, tab, six mesures en mm.</source>
        <translation>no tiene la forma NOMBRE, tab, PAPEL, tab, COLUMNASxFILAS, tab, seis medidas en mm.</translation>
    </message>
    <message>
        <source>ligne %1, %2</source>
        <translation>línea %1, %2</translation>
    </message>
    <message>
        <source>Nom : donnez un nom à la planche.</source>
        <translation>Nombre: dé un nombre a la hoja.</translation>
    </message>
    <message>
        <source>Nom : %1 est une planche fournie ; copiez-la pour la modifier.</source>
        <translation>Nombre: %1 es una hoja incluida; cópiela para modificarla.</translation>
    </message>
    <message>
        <source>Nom : une planche %1 existe déjà.</source>
        <translation>Nombre: ya existe una hoja %1.</translation>
    </message>
    <message>
        <source>planche inconnue %1</source>
        <translation>hoja desconocida %1</translation>
    </message>
    <message>
        <source>planche inconnue %1 : elle est refusée dans %2, %3</source>
        <translation>hoja desconocida %1: está rechazada en %2, %3</translation>
    </message>
    <message>
        <source>%1 ; les planches ne sont pas modifiées.</source>
        <translation>%1; las hojas no se modifican.</translation>
    </message>
    <message numerus="yes">
        <source>%n planches illisibles ignorées dans %1 ; la première, %2</source>
        <translation>
            <numerusform>%n hoja ilegible omitida en %1: %2</numerusform>
            <numerusform>%n hojas ilegibles omitidas en %1; la primera, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Le fichier des planches %1 ne peut pas être relu (%2) : les planches ne sont pas modifiées.</source>
        <translation>El archivo de hojas %1 no se puede volver a leer (%2): las hojas no se modifican.</translation>
    </message>
</context>
<context>
    <name>SheetsWindow</name>
    <message>
        <source>Nom</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Planches d&apos;étiquettes</source>
        <translation>Hojas de etiquetas</translation>
    </message>
    <message>
        <source>Planches</source>
        <translation>Hojas</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Planche</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>Planche fournie : copiez-la pour la modifier.</source>
        <translation>Hoja incluida: cópiela para modificarla.</translation>
    </message>
    <message>
        <source>Personnalisé</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Calibration de l&apos;imprimante %1</source>
        <translation>Calibración de la impresora %1</translation>
    </message>
    <message>
        <source>Planche fournie, non modifiable</source>
        <translation>Hoja incluida, no modificable</translation>
    </message>
    <message>
        <source>%1 : un nombre positif est attendu.</source>
        <translation>%1: se espera un número positivo.</translation>
    </message>
    <message>
        <source>%1 : un nombre entier positif est attendu.</source>
        <translation>%1: se espera un número entero positivo.</translation>
    </message>
    <message>
        <source>Largeur et hauteur du papier : des nombres positifs sont attendus.</source>
        <translation>Ancho y alto del papel: se esperan números positivos.</translation>
    </message>
    <message>
        <source>Copie de %1</source>
        <translation>Copia de %1</translation>
    </message>
    <message>
        <source>Copie %1 de %2</source>
        <translation>Copia %1 de %2</translation>
    </message>
    <message>
        <source>Supprimer la planche %1 ?</source>
        <translation>¿Eliminar la hoja %1?</translation>
    </message>
    <message>
        <source>&amp;Nouvelle</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Décalage horizontal (mm)</source>
        <translation>Desplazamiento horizontal (mm)</translation>
    </message>
    <message>
        <source>Décalage vertical (mm)</source>
        <translation>Desplazamiento vertical (mm)</translation>
    </message>
    <message>
        <source>Enregistrer le &amp;décalage</source>
        <translation>Guardar el &amp;desplazamiento</translation>
    </message>
    <message>
        <source>&amp;Page de calibration</source>
        <translation>&amp;Página de calibración</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Impression d&apos;etiquettes pour QSL</source>
        <translation>Impresión de etiquetas para QSL</translation>
    </message>
    <message>
        <source>a partir d&apos;un fichier ADIF</source>
        <translation>a partir de un archivo ADIF</translation>
    </message>
    <message>
        <source>Indicatif de la station</source>
        <translation>Indicativo de la estación</translation>
    </message>
    <message>
        <source>Selection du fichier ADIF</source>
        <translation>Selección del archivo ADIF</translation>
    </message>
    <message>
        <source>&amp;Selectionnez</source>
        <translation>&amp;Seleccione</translation>
    </message>
    <message>
        <source>Entrez votre indicatif</source>
        <translation>Introduzca su indicativo</translation>
    </message>
    <message>
        <source>selectionnez un fichier ou quitter</source>
        <translation>seleccione un archivo o salga</translation>
    </message>
    <message>
        <source>Entrez votre indicatif, puis cliquez sur Selectionnez pour lire %1</source>
        <translation>Introduzca su indicativo y pulse Seleccione para leer %1</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Celle du système</source>
        <translation>La del sistema</translation>
    </message>
    <message>
        <source>La langue choisie s&apos;applique au prochain démarrage.</source>
        <translation>El idioma elegido se aplica en el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>address labels on any sheet of labels --list-sheets</source>
        <translation>etiquetas de dirección en cualquier hoja de labels --list-sheets</translation>
    </message>
    <message>
        <source>one envelope per recipient, in landscape</source>
        <translation>un sobre por destinatario, en horizontal</translation>
    </message>
    <message>
        <source>N labels of the station&apos;s own address after the addresses</source>
        <translation>N etiquetas con la dirección de la estación al final</translation>
    </message>
    <message>
        <source>the direct mail of the QSOs: one address per recipient (its QSL
manager, else the station), from adresses.csv, else the log&apos;s
latest ADDRESS_INTL or ADDRESS; --dump writes text X Y SIZE BOLD
|TEXT| per line (mm from the paper edge), end per sheet or
envelope, and missing CALL per recipient without address</source>
        <translation>el correo directo de los QSO: una dirección por destinatario (su
mánager QSL, si no la estación), de adresses.csv, si no la última
ADDRESS_INTL o ADDRESS del log; --dump escribe text X Y SIZE BOLD
|TEXT| por línea (mm desde el borde del papel), end por hoja o
sobre, y missing CALL por destinatario sin dirección</translation>
    </message>
    <message>
        <source>the QSOs with one station (callsign and QSL via) share
cards, in the template&apos;s QSO table, in date order</source>
        <translation>los QSO con una estación (indicativo y QSL vía) comparten
tarjetas, en la tabla de QSO del modelo, por fecha</translation>
    </message>
    <message>
        <source>PSE, TNX, nothing, or TNX where a card came (auto)</source>
        <translation>PSE, TNX, nada, o TNX donde llegó una tarjeta (auto)</translation>
    </message>
    <message>
        <source>cards per page: 2 or 4 on --paper A4|Letter, with crop
marks, placed from the paper edge</source>
        <translation>tarjetas por página: 2 o 4 en --paper A4|Letter, con marcas
de corte, colocadas desde el borde del papel</translation>
    </message>
    <message>
        <source>with --offset-y MM: the printer&apos;s shift for this run</source>
        <translation>con --offset-y MM: desplazamiento de la impresora en esta tirada</translation>
    </message>
    <message>
        <source>start at card N of a used first page</source>
        <translation>empieza en la tarjeta N de una primera página ya usada</translation>
    </message>
    <message>
        <source>print one QSL card per QSO of the log, in print-list order;
--pdf writes one page per card, --dump one line
per printed text: text X Y SIZE BOLD |TEXT| (X, Y in mm from
the printable area), and end after each page</source>
        <translation>imprime una tarjeta QSL por QSO del log, en el orden de la lista
de impresión; --pdf escribe una página por tarjeta, --dump una
línea por texto impreso: text X Y SIZE BOLD |TEXT| (X, Y en mm
desde el área imprimible), y end tras cada página</translation>
    </message>
    <message>
        <source>only QSOs whose QSL is still owed (QSL_SENT absent, N, R, Q)</source>
        <translation>solo los QSO cuya QSL aún se debe (QSL_SENT ausente, N, R, Q)</translation>
    </message>
    <message>
        <source>unsent (as --unsent), requested (QSL_SENT R, Q) or received
(a card came: QSL_RCVD Y, V not via E; none went back)</source>
        <translation>unsent (como --unsent), requested (QSL_SENT R, Q) o received
(llegó una tarjeta: QSL_RCVD Y, V no vía E; ninguna volvió)</translation>
    </message>
    <message>
        <source>only QSOs neither LoTW nor eQSL confirmed (LOTW_QSL_RCVD,
EQSL_QSL_RCVD not Y or V), with any queue</source>
        <translation>solo los QSO sin confirmar por LoTW ni por eQSL (LOTW_QSL_RCVD,
EQSL_QSL_RCVD no Y ni V), con cualquier cola</translation>
    </message>
    <message>
        <source>all, bureau or direct: QSL_SENT_VIA, else QSL_RCVD_VIA, else
the bureau (M: bureau); marks B for bureau, D for direct</source>
        <translation>all, bureau o direct: QSL_SENT_VIA, si no QSL_RCVD_VIA, si no
el buró (M: buró); marca B para buró, D para directa</translation>
    </message>
    <message>
        <source>call: as &quot;Tri par call&quot;; bureau: by the DXCC entity of
the QSL via&apos;s manager, else of the home call; then by it</source>
        <translation>call: como «Ordenar por indicativo»; bureau: por la entidad
DXCC del mánager de la QSL vía, si no del indicativo propio;
luego por este</translation>
    </message>
    <message>
        <source>after a complete run, a copy of the log with the printed
QSOs marked QSL_SENT Y, QSLSDATE today, QSL_SENT_VIA</source>
        <translation>tras una tirada completa, una copia del log con los QSO
impresos marcados QSL_SENT Y, QSLSDATE hoy, QSL_SENT_VIA</translation>
    </message>
    <message>
        <source>a bureau run prints the QSOs the bureau cannot
deliver too (entity without bureau, QSL_VIA DIRECT)</source>
        <translation>una tirada de buró imprime también los QSO que el buró no
puede entregar (entidad sin buró, QSL_VIA DIRECT)</translation>
    </message>
    <message>
        <source>the sending method marked (B for labels, D for cards;
M, which ADIF only reads, is written B)</source>
        <translation>el método de envío marcado (B para etiquetas, D para
tarjetas; M, que ADIF solo lee, se escribe B)</translation>
    </message>
    <message>
        <source>--dump writes one line per printed line: line SIZE BOLD |TEXT|, and end or
discard for each ended or discarded sheet (text X Y SIZE BOLD |TEXT| for
fitted labels, X, Y in mm from the paper edge)</source>
        <translation>--dump escribe una línea por línea impresa: line SIZE BOLD |TEXT|, y end
o discard por cada hoja terminada o descartada (text X Y SIZE BOLD |TEXT|
para etiquetas ajustadas, X, Y en mm desde el borde del papel)</translation>
    </message>
    <message>
        <source>Usage: quenor-etiquettes %1</source>
        <translation>Uso: quenor-etiquettes %1</translation>
    </message>
    <message>
        <source>Without a command the program opens its windows.</source>
        <translation>Sin comando, el programa abre sus ventanas.</translation>
    </message>
    <message>
        <source>labels and cards also take:</source>
        <translation>labels y cards también admiten:</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>muestra este texto</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>muestra la versión</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 file unreadable, 2 wrong arguments, 3 printing failed.</source>
        <translation>Códigos de salida: 0 hecho, 1 archivo ilegible, 2 argumentos no válidos,
3 impresión fallida.</translation>
    </message>
    <message>
        <source>any sheet of --list-sheets (labels fitted one by one on
sheets other than the tuned ones, placed from the paper edge)</source>
        <translation>cualquier hoja de --list-sheets (etiquetas ajustadas una a una
en hojas no afinadas, colocadas desde el borde del papel)</translation>
    </message>
    <message>
        <source>start at label N of a used first sheet (numbered across
each row, then down); the labels before it stay blank</source>
        <translation>empieza en la etiqueta N de una primera hoja ya usada (numeradas
por filas, luego hacia abajo); las anteriores quedan en blanco</translation>
    </message>
    <message>
        <source>print every QSO of the log on label sheets, in print-list
order; options not given take the station&apos;s stored value:</source>
        <translation>imprime cada QSO del log en hojas de etiquetas, en el orden de la
lista de impresión; las opciones no dadas toman el valor guardado
de la estación:</translation>
    </message>
    <message>
        <source>(%1 or any text)</source>
        <translation>(%1 o cualquier texto)</translation>
    </message>
    <message>
        <source>the printer&apos;s shift for this run (-10 to +10)</source>
        <translation>desplazamiento de la impresora
en esta tirada (-10 a +10)</translation>
    </message>
    <message>
        <source>the QSOs with one station (callsign and QSL via) share
labels, in print-list order, one line per QSO</source>
        <translation>los QSO con una estación (indicativo y QSL vía) comparten
etiquetas, en el orden de la lista, una línea por QSO</translation>
    </message>
    <message>
        <source>one line per sheet: NAME, tab, PAPER, tab, COLUMNSxROWS, tab,
left top width height across down (mm)</source>
        <translation>una línea por hoja: NAME, tab, PAPER, tab, COLUMNSxROWS, tab,
left top width height across down (mm)</translation>
    </message>
    <message>
        <source>print the sheet&apos;s calibration page</source>
        <translation>imprime la página de calibración de la hoja</translation>
    </message>
    <message>
        <source>write every QSO list row of the log, one per line (with
--sort bureau: the entity&apos;s prefix and a tab before each,
! before it when the bureau cannot deliver the card)</source>
        <translation>escribe cada fila de la lista de QSO del log, una por línea (con
--sort bureau: el prefijo de la entidad y un tab delante,
! antes cuando el buró no puede entregar la tarjeta)</translation>
    </message>
    <message>
        <source>the bundle, one card a line: CALL [YYYYMMDD|DD/MM/YY] [BAND]</source>
        <translation>el lote, una tarjeta por línea: CALL [YYYYMMDD|DD/MM/YY] [BAND]</translation>
    </message>
    <message>
        <source>the route the cards came by (B when not given; M, which
ADIF only reads, is written B)</source>
        <translation>la ruta por la que llegaron las tarjetas (B si no se da; M,
que ADIF solo lee, se escribe B)</translation>
    </message>
    <message>
        <source>the copy of the log with the QSOs found marked QSL_RCVD Y,
QSLRDATE today, QSL_RCVD_VIA (both kept where a card came before)</source>
        <translation>la copia del log con los QSO hallados marcados QSL_RCVD Y,
QSLRDATE hoy, QSL_RCVD_VIA (se conservan si ya llegó una tarjeta)</translation>
    </message>
    <message>
        <source>mark the cards of a bundle as received; the lines that
match no QSO or several are listed and mark nothing</source>
        <translation>marca como recibidas las tarjetas de un lote; las líneas que no
coinciden con ningún QSO o con varios se listan y no marcan nada</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>L&apos;indicatif de la station est encore « %1 ». Entrez l&apos;indicatif à imprimer :</source>
        <translation>El indicativo de la estación sigue siendo «%1». Introduzca el indicativo a imprimir:</translation>
    </message>
    <message>
        <source>Entrez votre indicatif</source>
        <translation>Introduzca su indicativo</translation>
    </message>
    <message>
        <source>La liste d&apos;impression est vide : choisissez les QSO à imprimer dans la sélection.</source>
        <translation>La lista de impresión está vacía: elija los QSO que imprimir en la selección.</translation>
    </message>
</context>
</TS>
