<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="fr_FR">
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
</context>
<context>
    <name>AddressesCommand</name>
    <message>
        <source>--sheet : planche inconnue %1 (voir labels --list-sheets)</source>
        <translation>--sheet: hoja desconocida %1 (vea labels --list-sheets)</translation>
    </message>
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
    <name>LabelPrinting</name>
    <message>
        <source>Planche inconnue : %1</source>
        <translation>Hoja desconocida: %1</translation>
    </message>
    <message>
        <source>Aperçu des étiquettes</source>
        <translation>Vista previa de las etiquetas</translation>
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
    <name>LabelsCommand</name>
    <message>
        <source>--sheet : planche inconnue %1 (voir labels --list-sheets)</source>
        <translation>--sheet: hoja desconocida %1 (vea labels --list-sheets)</translation>
    </message>
    <message>
        <source>Planche inconnue : %1 (voir --list-sheets)</source>
        <translation>Hoja desconocida: %1 (vea --list-sheets)</translation>
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
        <source>%1 ligne(s) trouvée(s), %2 sans QSO, %3 à plusieurs QSO</source>
        <translation>Líneas encontradas: %1, sin QSO: %2, con varios QSO: %3</translation>
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
    <message>
        <source>Impossible de garder le journal dans %1 : la copie marquée n&apos;est pas écrite.</source>
        <translation>No se puede guardar el log en %1: la copia marcada no se escribe.</translation>
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
    <name>SheetsWindow</name>
    <message>
        <source>Nom</source>
        <translation>Nombre</translation>
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
    <name>Workspace</name>
    <message>
        <source>L&apos;indicatif de la station est encore « %1 ». Entrez l&apos;indicatif à imprimer :</source>
        <translation>El indicativo de la estación sigue siendo «%1». Introduzca el indicativo a imprimir:</translation>
    </message>
    <message>
        <source>Entrez votre indicatif</source>
        <translation>Introduzca su indicativo</translation>
    </message>
</context>
</TS>
