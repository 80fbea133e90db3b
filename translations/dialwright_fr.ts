<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Export Animation</source>
        <translation>Exporter l’animation</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>&amp;Data file:</source>
        <translation>Fichier de &amp;données&#xa0;:</translation>
    </message>
    <message>
        <source>No data: the needles can sweep.</source>
        <translation>Aucune donnée&#xa0;: les aiguilles peuvent balayer.</translation>
    </message>
    <message>
        <source>Open Data File</source>
        <translation>Ouvrir un fichier de données</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv *.txt *.tsv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Stands at its value</source>
        <translation>Reste à sa valeur</translation>
    </message>
    <message>
        <source>Sweeps</source>
        <translation>Balaie</translation>
    </message>
    <message>
        <source>Needle “%1”:</source>
        <translation>Aiguille «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>S&amp;weep there and back in:</source>
        <translation>&amp;Balayer aller-retour en&#xa0;:</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Smooth (monotone cubic)</source>
        <translation>Lissée (cubique monotone)</translation>
    </message>
    <message>
        <source>&amp;Between samples:</source>
        <translation>&amp;Entre les échantillons&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Frames a second:</source>
        <translation>&amp;Images par seconde&#xa0;:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Plage&#xa0;:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat&#xa0;:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Back&amp;ground:</source>
        <translation>&amp;Fond&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Write to:</source>
        <translation>É&amp;crire dans&#xa0;:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Lecture de %1…</translation>
    </message>
    <message numerus="yes">
        <source>%n rows, %1 to %2 s.</source>
        <translation>
            <numerusform>%n ligne, de %1 à %2 s.</numerusform>
            <numerusform>%n lignes, de %1 à %2 s.</numerusform>
        </translation>
    </message>
    <message>
        <source>Column “%1”</source>
        <translation>Colonne «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 (*.%2)</source>
        <translation>%1 (*.%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n frames.</source>
        <translation>
            <numerusform>%n image.</numerusform>
            <numerusform>%n images.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AnimationExport</name>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The sweep of %1: %2</source>
        <translation>Le balayage de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is to follow the column %2, but no data file is given.</source>
        <translation>%1 doit suivre la colonne %2, mais aucun fichier de données n’est indiqué.</translation>
    </message>
    <message>
        <source>The data has no column %1; its columns are %2.</source>
        <translation>Les données n’ont pas de colonne %1&#xa0;; leurs colonnes sont %2.</translation>
    </message>
    <message>
        <source>The gauge has no needles to animate.</source>
        <translation>Le cadran n’a aucune aiguille à animer.</translation>
    </message>
    <message>
        <source>The gauge has no needle named %1; its needles are %2.</source>
        <translation>Le cadran n’a pas d’aiguille nommée %1&#xa0;; ses aiguilles sont %2.</translation>
    </message>
    <message>
        <source>The movement of the needle %1: %2</source>
        <translation>Le mouvement de l’aiguille %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: sweep</source>
        <translation>%1&#xa0;: balayage</translation>
    </message>
    <message>
        <source>None of the gauge&apos;s needles can be drawn.</source>
        <translation>Aucune des aiguilles du cadran ne peut être dessinée.</translation>
    </message>
    <message>
        <source>Nothing drives the needles: give a data column or a sweep, or the times to show.</source>
        <translation>Rien ne pilote les aiguilles&#xa0;: indiquez une colonne de données ou un balayage, ou les instants à montrer.</translation>
    </message>
    <message>
        <source>The animation was planned for another gauge.</source>
        <translation>L’animation a été préparée pour un autre cadran.</translation>
    </message>
</context>
<context>
    <name>ArcEditor</name>
    <message>
        <source>Arc %1</source>
        <translation>Arc %1</translation>
    </message>
    <message>
        <source>Arc %1 Start</source>
        <translation>Début de l’arc %1</translation>
    </message>
    <message>
        <source>start angle</source>
        <translation>angle de départ</translation>
    </message>
    <message>
        <source>Arc %1 Length</source>
        <translation>Longueur de l’arc %1</translation>
    </message>
    <message>
        <source>length</source>
        <translation>longueur</translation>
    </message>
    <message>
        <source>Arc %1 Radius</source>
        <translation>Rayon de l’arc %1</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>rayon</translation>
    </message>
    <message>
        <source>Arc %1 Line Width</source>
        <translation>Épaisseur de l’arc %1</translation>
    </message>
    <message>
        <source>line width</source>
        <translation>épaisseur du trait</translation>
    </message>
    <message>
        <source>Arc %1 Color</source>
        <translation>Couleur de l’arc %1</translation>
    </message>
    <message>
        <source>Arc %1 colour</source>
        <translation>Couleur de l’arc %1</translation>
    </message>
</context>
<context>
    <name>AssetSet</name>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
</context>
<context>
    <name>BoundedOutput</name>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
</context>
<context>
    <name>CapsEditor</name>
    <message>
        <source>Rounded Tick Caps</source>
        <translation>Extrémités arrondies des graduations</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Graduations</translation>
    </message>
    <message>
        <source>rounded end caps</source>
        <translation>extrémités arrondies</translation>
    </message>
    <message>
        <source>Rounded Arc Caps</source>
        <translation>Extrémités arrondies des arcs</translation>
    </message>
    <message>
        <source>Arcs</source>
        <translation>Arcs</translation>
    </message>
</context>
<context>
    <name>ColorButton</name>
    <message>
        <source>Current colour: %1</source>
        <translation>Couleur actuelle&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1. Current colour: %2</source>
        <translation>%1. Couleur actuelle&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DecodedPicture</name>
    <message>
        <source>The picture has %1 x %2 pixels; a picture may have at most %3 million.</source>
        <translation>L’image a %1 x %2 pixels&#xa0;; une image peut en avoir au plus %3 millions.</translation>
    </message>
    <message>
        <source>The picture cannot be read as %1: %2</source>
        <translation>L’image ne peut pas être lue comme %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The picture cannot be read as SVG.</source>
        <translation>L’image ne peut pas être lue comme SVG.</translation>
    </message>
    <message>
        <source>The SVG picture has no size: it needs a view box or a width and a height.</source>
        <translation>L’image SVG n’a pas de taille&#xa0;: il lui faut une viewBox ou une largeur et une hauteur.</translation>
    </message>
    <message>
        <source>The picture has no data.</source>
        <translation>L’image ne contient aucune donnée.</translation>
    </message>
    <message>
        <source>The picture is not PNG, JPEG or SVG.</source>
        <translation>L’image n’est ni PNG, ni JPEG, ni SVG.</translation>
    </message>
    <message>
        <source>The SVG picture holds images of %1 million pixels; a drawing may decode at most %2 million.</source>
        <translation>L’image SVG contient des images de %1 millions de pixels&#xa0;; un dessin peut en décoder au plus %2 millions.</translation>
    </message>
</context>
<context>
    <name>DriveData</name>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>A quote in the header row is never closed.</source>
        <translation>Un guillemet de la ligne d’en-tête n’est jamais fermé.</translation>
    </message>
    <message>
        <source>In the header row, text follows the closing quote of a name.</source>
        <translation>Dans la ligne d’en-tête, du texte suit le guillemet fermant d’un nom.</translation>
    </message>
    <message>
        <source>The file has %1 columns; a data file may have at most %2.</source>
        <translation>Le fichier a %1 colonnes&#xa0;; un fichier de données peut en avoir au plus %2.</translation>
    </message>
    <message>
        <source>The first line holds numbers, not names: the file needs a header row naming its columns.</source>
        <translation>La première ligne contient des nombres, pas des noms&#xa0;: le fichier a besoin d’une ligne d’en-tête qui nomme ses colonnes.</translation>
    </message>
    <message>
        <source>The file has a single column, %1; it needs a column of times and at least one of values.</source>
        <translation>Le fichier n’a qu’une colonne, %1&#xa0;; il lui faut une colonne de temps et au moins une de valeurs.</translation>
    </message>
    <message>
        <source>The time column names a unit, %1, that is not one of s, ms, us, min or h; its numbers are read as seconds.</source>
        <translation>La colonne du temps indique une unité, %1, qui n’est ni s, ni ms, ni us, ni min, ni h&#xa0;; ses nombres sont lus comme des secondes.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, the most a data file may have.</source>
        <translation>Le fichier dépasse %1 Mo, plus qu’un fichier de données ne peut en avoir.</translation>
    </message>
    <message>
        <source>The file is UTF-16 text; save it as UTF-8 text.</source>
        <translation>Le fichier est un texte UTF-16&#xa0;; enregistrez-le comme texte UTF-8.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Line %1: a quote is never closed; the rest of the file is not read.</source>
        <translation>Ligne %1&#xa0;: un guillemet n’est jamais fermé&#xa0;; le reste du fichier n’est pas lu.</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field.</source>
        <translation>du texte suit le guillemet fermant d’un champ.</translation>
    </message>
    <message>
        <source>%1 fields, where the header row names %2 columns.</source>
        <translation>%1 champs, alors que la ligne d’en-tête nomme %2 colonnes.</translation>
    </message>
    <message>
        <source>the time is missing.</source>
        <translation>il manque le temps.</translation>
    </message>
    <message>
        <source>%1 is not a time: seconds such as 12.5, or hh:mm:ss.sss.</source>
        <translation>%1 n’est pas un temps&#xa0;: des secondes comme 12.5, ou hh:mm:ss.sss.</translation>
    </message>
    <message>
        <source>the time %1 s comes before %2 s, the time of an earlier row.</source>
        <translation>le temps %1 s précède %2 s, le temps d’une ligne précédente.</translation>
    </message>
    <message>
        <source>%1 in column %2 is not a number.</source>
        <translation>%1 dans la colonne %2 n’est pas un nombre.</translation>
    </message>
    <message>
        <source>Line %1: reading stops here; a data file may have at most %2 rows and %3 values.</source>
        <translation>Ligne %1&#xa0;: la lecture s’arrête ici&#xa0;; un fichier de données peut avoir au plus %2 lignes et %3 valeurs.</translation>
    </message>
    <message>
        <source>Rows not listed here that could not be read: %1.</source>
        <translation>Autres lignes illisibles, non citées ici&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file has a header row but no data.</source>
        <translation>Le fichier a une ligne d’en-tête, mais pas de données.</translation>
    </message>
    <message>
        <source>No row of data could be read. %1</source>
        <translation>Aucune ligne de données n’a pu être lue. %1</translation>
    </message>
    <message>
        <source>None of the value columns (%1) holds a number.</source>
        <translation>Aucune des colonnes de valeurs (%1) ne contient de nombre.</translation>
    </message>
    <message>
        <source>Columns without a number are left out: %1.</source>
        <translation>Les colonnes sans nombre sont laissées de côté&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>DrivePlot</name>
    <message>
        <source>Plot of the driven values</source>
        <translation>Courbe des valeurs pilotées</translation>
    </message>
</context>
<context>
    <name>EmbeddedTargets</name>
    <message>
        <source>The angle table has no rows.</source>
        <translation>La table des angles n’a aucune ligne.</translation>
    </message>
    <message>
        <source>Row %1 of the angle table is not a pair of finite numbers.</source>
        <translation>La ligne %1 de la table des angles n’est pas une paire de nombres finis.</translation>
    </message>
    <message>
        <source>The value %1 in row %2 of the angle table is too large for a float.</source>
        <translation>La valeur %1 de la ligne %2 de la table des angles est trop grande pour un float.</translation>
    </message>
    <message>
        <source>The angle of %1° in row %2 of the angle table does not fit the table&apos;s numbers.</source>
        <translation>L’angle de %1° de la ligne %2 de la table des angles ne tient pas dans les nombres de la table.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a variable in C.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas nommer une variable en C.</translation>
    </message>
    <message>
        <source>The C source would be larger than %1 MB.</source>
        <translation>Le fichier source C dépasserait %1 Mo.</translation>
    </message>
    <message>
        <source>The picture has no pixels.</source>
        <translation>L’image n’a aucun pixel.</translation>
    </message>
    <message>
        <source>The picture is %1 x %2 pixels; LVGL 8 takes at most %3 pixels each way.</source>
        <translation>L’image a %1 x %2 pixels&#xa0;; LVGL 8 accepte au plus %3 pixels dans chaque sens.</translation>
    </message>
    <message>
        <source>The LVGL image&apos;s size, stride and data do not agree.</source>
        <translation>La taille, le pas de ligne et les données de l’image LVGL ne concordent pas.</translation>
    </message>
    <message>
        <source>The picture is %1 x %2 pixels; LVGL 9 takes at most %3 pixels each way.</source>
        <translation>L’image a %1 x %2 pixels&#xa0;; LVGL 9 accepte au plus %3 pixels dans chaque sens.</translation>
    </message>
    <message>
        <source>Rows can be aligned to a power of two of bytes up to %1, not to %2.</source>
        <translation>Les lignes peuvent être alignées sur une puissance de deux d’octets jusqu’à %1, pas sur %2.</translation>
    </message>
    <message>
        <source>A row of %1 pixels takes %2 bytes in %3; LVGL 9 takes rows of at most %4 bytes.</source>
        <translation>Une ligne de %1 pixels occupe %2 octets en %3&#xa0;; LVGL 9 accepte des lignes d’au plus %4 octets.</translation>
    </message>
    <message>
        <source>The picture takes %1 bytes in %2; LVGL takes at most %3.</source>
        <translation>L’image occupe %1 octets en %2&#xa0;; LVGL en accepte au plus %3.</translation>
    </message>
    <message>
        <source>The picture is %1 x %2 pixels; a TFT sprite takes at most %3 pixels each way.</source>
        <translation>L’image a %1 x %2 pixels&#xa0;; un sprite TFT accepte au plus %3 pixels dans chaque sens.</translation>
    </message>
    <message>
        <source>The layer lays no values along its span.</source>
        <translation>Le calque ne place aucune valeur le long de son arc.</translation>
    </message>
    <message>
        <source>The tolerance of the angle table must be above 0.</source>
        <translation>La tolérance de la table des angles doit être supérieure à 0.</translation>
    </message>
    <message>
        <source>The angle table would need more than %1 rows.</source>
        <translation>La table des angles nécessiterait plus de %1 lignes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name the target&apos;s files.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas nommer les fichiers de la cible.</translation>
    </message>
    <message>
        <source>Swapped bytes apply to RGB565 only.</source>
        <translation>L’inversion des octets ne s’applique qu’au RGB565.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The size must be from %1 to %2 pixels.</source>
        <translation>La taille doit être comprise entre %1 et %2 pixels.</translation>
    </message>
    <message>
        <source>The SVG would be larger than %1 MB.</source>
        <translation>Le fichier SVG dépasserait %1 Mo.</translation>
    </message>
    <message>
        <source>Dialwright 2 Gauge</source>
        <translation>Cadran Dialwright 2</translation>
    </message>
    <message>
        <source>A gauge generated in Dialwright 2Saved to SVG.</source>
        <translation>Un cadran créé avec Dialwright 2, enregistré en SVG.</translation>
    </message>
    <message>
        <source>The SVG could not be started.</source>
        <translation>Impossible de commencer le fichier SVG.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>The PDF would be larger than %1 MB.</source>
        <translation>Le fichier PDF dépasserait %1 Mo.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Impossible de commencer le fichier PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be written.</source>
        <translation>Impossible d’écrire le fichier PDF.</translation>
    </message>
    <message>
        <source>Only premultiplied ARGB32 images can be encoded.</source>
        <translation>Seules les images ARGB32 prémultipliées peuvent être encodées.</translation>
    </message>
    <message>
        <source>The image could not be compressed.</source>
        <translation>Impossible de compresser l’image.</translation>
    </message>
</context>
<context>
    <name>FaceEditor</name>
    <message>
        <source>Face</source>
        <translation>Cadran</translation>
    </message>
    <message>
        <source>Label texts, one a line: the first line labels the first primary tick, the next line the next tick, and so on (the tick&apos;s angle is shown beside each line). An empty line leaves its tick without a label. With no text the labels are numbers.</source>
        <translation>Textes des graduations, un par ligne&#xa0;: la première ligne légende la première graduation principale, la ligne suivante la graduation suivante, et ainsi de suite (l’angle de la graduation est indiqué à côté de chaque ligne). Une ligne vide laisse sa graduation sans légende. Sans texte, les légendes sont des nombres.</translation>
    </message>
    <message>
        <source>Numbers (type texts to replace them)</source>
        <translation>Nombres (tapez des textes pour les remplacer)</translation>
    </message>
    <message>
        <source>Label Texts:</source>
        <translation>Textes des graduations&#xa0;:</translation>
    </message>
    <message>
        <source>The layer&apos;s pictures and texts, in the order they are drawn. Select one to edit it here, or click it on the preview; drag it there or move it with the arrow keys.</source>
        <translation>Les images et textes du calque, dans l’ordre où ils sont dessinés. Sélectionnez-en un pour le modifier ici, ou cliquez dessus dans l’aperçu&#xa0;; faites-le glisser ou déplacez-le avec les touches fléchées.</translation>
    </message>
    <message>
        <source>Texts and pictures</source>
        <translation>Textes et images</translation>
    </message>
    <message>
        <source>Texts and Pictures:</source>
        <translation>Textes et images&#xa0;:</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Ajouter un texte</translation>
    </message>
    <message>
        <source>Add a text to the layer, below the hub</source>
        <translation>Ajouter un texte au calque, sous le moyeu</translation>
    </message>
    <message>
        <source>Add Picture...</source>
        <translation>Ajouter une image...</translation>
    </message>
    <message>
        <source>Add a PNG, JPEG or SVG picture to the layer; the gauge file carries it. An SVG picture stays vector in SVG and PDF.</source>
        <translation>Ajouter une image PNG, JPEG ou SVG au calque&#xa0;; le fichier de cadran la contient. Une image SVG reste vectorielle en SVG et en PDF.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the selected text or picture</source>
        <translation>Supprimer le texte ou l’image sélectionné</translation>
    </message>
    <message>
        <source>Select a text or a picture to edit it.</source>
        <translation>Sélectionnez un texte ou une image pour le modifier.</translation>
    </message>
    <message>
        <source>Why the selected element is not drawn. It is kept in the gauge and saved as it is.</source>
        <translation>Pourquoi l’élément sélectionné n’est pas dessiné. Il reste dans le cadran et est enregistré tel quel.</translation>
    </message>
    <message>
        <source>The text; each line is a line on the dial</source>
        <translation>Le texte&#xa0;; chaque ligne est une ligne sur le cadran</translation>
    </message>
    <message>
        <source>in gauge radii from the centre</source>
        <translation>en rayons du cadran depuis le centre</translation>
    </message>
    <message>
        <source>Where the text stands across, %1 (right is positive)</source>
        <translation>Position horizontale du texte, %1 (vers la droite est positif)</translation>
    </message>
    <message>
        <source>Where the text stands down, %1 (down is positive)</source>
        <translation>Position verticale du texte, %1 (vers le bas est positif)</translation>
    </message>
    <message>
        <source>Height of the font in drawing units: the dial is 500 across</source>
        <translation>Hauteur de la police en unités de dessin&#xa0;: le cadran fait 500 de large</translation>
    </message>
    <message>
        <source>Rotation in degrees, clockwise</source>
        <translation>Rotation en degrés, dans le sens horaire</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X&#xa0;:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y&#xa0;:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotation&#xa0;:</translation>
    </message>
    <message>
        <source>Font of the text</source>
        <translation>Police du texte</translation>
    </message>
    <message>
        <source>B</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Which part of the text stands at its position: its left edge, its middle or its right edge</source>
        <translation>Quelle partie du texte se trouve à sa position&#xa0;: son bord gauche, son milieu ou son bord droit</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Set Text Color</source>
        <translation>Choisir la couleur du texte</translation>
    </message>
    <message>
        <source>Where the picture&apos;s centre stands across, %1</source>
        <translation>Position horizontale du centre de l’image, %1</translation>
    </message>
    <message>
        <source>Where the picture&apos;s centre stands down, %1</source>
        <translation>Position verticale du centre de l’image, %1</translation>
    </message>
    <message>
        <source>Width of the picture in gauge radii; its height follows</source>
        <translation>Largeur de l’image en rayons du cadran&#xa0;; sa hauteur en découle</translation>
    </message>
    <message>
        <source>Opacity: 1 is solid, 0 invisible</source>
        <translation>Opacité&#xa0;: 1 est opaque, 0 invisible</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Remplacer...</translation>
    </message>
    <message>
        <source>Put another picture file in its place</source>
        <translation>Mettre un autre fichier image à sa place</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacité&#xa0;:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Label Texts</source>
        <translation>Textes des graduations</translation>
    </message>
    <message>
        <source>Label texts</source>
        <translation>Textes des graduations</translation>
    </message>
    <message>
        <source>words</source>
        <translation>contenu</translation>
    </message>
    <message>
        <source>Text X</source>
        <translation>X du texte</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Text Y</source>
        <translation>Y du texte</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>size</source>
        <translation>taille</translation>
    </message>
    <message>
        <source>Text Rotation</source>
        <translation>Rotation du texte</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>rotation</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Police du texte</translation>
    </message>
    <message>
        <source>font</source>
        <translation>police</translation>
    </message>
    <message>
        <source>Text Bold</source>
        <translation>Texte en gras</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>gras</translation>
    </message>
    <message>
        <source>Text Italic</source>
        <translation>Texte en italique</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>italique</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>Alignement du texte</translation>
    </message>
    <message>
        <source>alignment</source>
        <translation>alignement</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Picture X</source>
        <translation>X de l’image</translation>
    </message>
    <message>
        <source>Picture Y</source>
        <translation>Y de l’image</translation>
    </message>
    <message>
        <source>Picture Width</source>
        <translation>Largeur de l’image</translation>
    </message>
    <message>
        <source>width</source>
        <translation>largeur</translation>
    </message>
    <message>
        <source>Picture Rotation</source>
        <translation>Rotation de l’image</translation>
    </message>
    <message>
        <source>Picture Opacity</source>
        <translation>Opacité de l’image</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>opacité</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>sauter</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Image&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Text: %1</source>
        <translation>Texte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>Non dessiné&#xa0;: %1</translation>
    </message>
    <message>
        <source>Change Label Texts</source>
        <translation>Modifier «&#xa0;Textes des graduations&#xa0;»</translation>
    </message>
    <message>
        <source>Change Text</source>
        <translation>Modifier «&#xa0;Texte&#xa0;»</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Modifier «&#xa0;Image&#xa0;»</translation>
    </message>
    <message>
        <source>Remove Text</source>
        <translation>Supprimer le texte</translation>
    </message>
    <message>
        <source>Remove Picture</source>
        <translation>Supprimer l’image</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>Déplacer le texte</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>Déplacer l’image</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Images (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Unable to open file</source>
        <translation>Impossible d’ouvrir le fichier</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the most a picture of a gauge may have.</source>
        <translation>%1 dépasse %2 Mo, le maximum pour une image de cadran.</translation>
    </message>
    <message>
        <source>%1 is not a PNG, JPEG or SVG picture.</source>
        <translation>%1 n’est pas une image PNG, JPEG ou SVG.</translation>
    </message>
    <message>
        <source>%1 cannot be drawn.

%2</source>
        <translation>%1 ne peut pas être dessiné.

%2</translation>
    </message>
    <message>
        <source>With %1 the gauge would hold %2 MB of pictures; a gauge file may hold at most %3 MB.</source>
        <translation>Avec %1, le cadran contiendrait %2 Mo d’images&#xa0;; un fichier de cadran peut en contenir au plus %3 Mo.</translation>
    </message>
    <message>
        <source>Replace Picture</source>
        <translation>Remplacer l’image</translation>
    </message>
</context>
<context>
    <name>FacePainter</name>
    <message>
        <source>The text is empty.</source>
        <translation>Le texte est vide.</translation>
    </message>
    <message>
        <source>The text is longer than %1 characters.</source>
        <translation>Le texte dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>Its position, size or rotation is not a number.</source>
        <translation>Sa position, sa taille ou sa rotation n’est pas un nombre.</translation>
    </message>
    <message>
        <source>It lies more than %1 radii from the centre.</source>
        <translation>Il se trouve à plus de %1 rayons du centre.</translation>
    </message>
    <message>
        <source>Its size must be above 0 and at most %1.</source>
        <translation>Sa taille doit être supérieure à 0 et au plus %1.</translation>
    </message>
    <message>
        <source>Its position, width, rotation or opacity is not a number.</source>
        <translation>Sa position, sa largeur, sa rotation ou son opacité n’est pas un nombre.</translation>
    </message>
    <message>
        <source>Its width must be above 0 and at most %1.</source>
        <translation>Sa largeur doit être supérieure à 0 et au plus %1.</translation>
    </message>
    <message>
        <source>Its data in the gauge file is damaged: it is not base64.</source>
        <translation>Ses données dans le fichier de cadran sont endommagées&#xa0;: ce n’est pas du base64.</translation>
    </message>
    <message>
        <source>A layer draws at most %1 texts and pictures.</source>
        <translation>Un calque dessine au plus %1 textes et images.</translation>
    </message>
</context>
<context>
    <name>FfmpegWriter</name>
    <message>
        <source>The video could not be written: %1</source>
        <translation>Impossible d’écrire la vidéo : %1</translation>
    </message>
    <message>
        <source>The video encoder failed: %1</source>
        <translation>L’encodeur vidéo a échoué : %1</translation>
    </message>
    <message>
        <source>The FFmpeg libraries of this system have no %1 encoder.</source>
        <translation>Les bibliothèques FFmpeg de ce système n’ont pas d’encodeur %1.</translation>
    </message>
    <message>
        <source>The %1 encoder could not be started: %2</source>
        <translation>Impossible de démarrer l’encodeur %1 : %2</translation>
    </message>
    <message>
        <source>The FFmpeg libraries of this system cannot write %1 files.</source>
        <translation>Les bibliothèques FFmpeg de ce système ne savent pas écrire de fichiers %1.</translation>
    </message>
    <message>
        <source>The frames cannot be converted for the %1 encoder.</source>
        <translation>Impossible de convertir les images pour l’encodeur %1.</translation>
    </message>
    <message>
        <source>A frame could not be converted: %1</source>
        <translation>Impossible de convertir une image : %1</translation>
    </message>
</context>
<context>
    <name>FrameEncoder</name>
    <message>
        <source>The video is already finished.</source>
        <translation>La vidéo est déjà terminée.</translation>
    </message>
</context>
<context>
    <name>Frames</name>
    <message>
        <source>The frame rate must be a whole number from %1 to %2, not %3.</source>
        <translation>La fréquence d’images doit être un nombre entier de %1 à %2, et non %3.</translation>
    </message>
    <message>
        <source>The animation must start and end at times within %1 seconds of 0.</source>
        <translation>L’animation doit commencer et finir à des instants à moins de %1 secondes de 0.</translation>
    </message>
    <message>
        <source>The animation must end after it starts; it runs from %1 s to %2 s.</source>
        <translation>L’animation doit finir après son début&#xa0;; elle va de %1 s à %2 s.</translation>
    </message>
    <message>
        <source>An animation may last at most %1 hours; %2 s to %3 s is longer.</source>
        <translation>Une animation peut durer au plus %1 heures&#xa0;; de %2 s à %3 s, c’est plus long.</translation>
    </message>
</context>
<context>
    <name>GaugeDocument</name>
    <message>
        <source>%1 at line %2, column %3</source>
        <translation>%1 à la ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>The gauge has more than %1 layers, more than a gauge file may hold.</source>
        <translation>Le cadran a plus de %1 calques, plus qu’un fichier de cadran ne peut en contenir.</translation>
    </message>
    <message>
        <source>The gauge file would be larger than %1 MB.</source>
        <translation>Le fichier de cadran dépasserait %1 Mo.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file contains no layers.</source>
        <translation>Le fichier ne contient aucun calque.</translation>
    </message>
    <message>
        <source>The file has %1 layers; a gauge file may hold at most %2.</source>
        <translation>Le fichier a %1 calques&#xa0;; un fichier de cadran peut en contenir au plus %2.</translation>
    </message>
    <message>
        <source>It is not valid JSON, and does not look like a gauge file from an earlier version either.</source>
        <translation>Ce n’est pas du JSON valide, et cela ne ressemble pas non plus à un fichier de cadran d’une version antérieure.</translation>
    </message>
    <message>
        <source>Layer %1 has %2 texts and pictures; a layer may hold at most %3.</source>
        <translation>Le calque %1 a %2 textes et images&#xa0;; un calque peut en contenir au plus %3.</translation>
    </message>
    <message>
        <source>Layer %1 has %2 label texts; a layer may hold at most %3.</source>
        <translation>Le calque %1 a %2 textes de graduation&#xa0;; un calque peut en contenir au plus %3.</translation>
    </message>
    <message>
        <source>Layer %1 has a picture of %2 MB; a picture may be at most %3 MB.</source>
        <translation>Le calque %1 contient une image de %2 Mo&#xa0;; une image peut faire au plus %3 Mo.</translation>
    </message>
    <message>
        <source>The gauge holds %1 MB of pictures; a gauge file may hold at most %2 MB.</source>
        <translation>Le cadran contient %1 Mo d’images&#xa0;; un fichier de cadran peut en contenir au plus %2 Mo.</translation>
    </message>
    <message>
        <source>Layer %1 has a table of %2 points; a table may hold at most %3.</source>
        <translation>Le calque %1 a une table de %2 points&#xa0;; une table peut en contenir au plus %3.</translation>
    </message>
</context>
<context>
    <name>GaugeFile</name>
    <message>
        <source>The file is larger than %1 MiB, far too large for a gauge file.</source>
        <translation>Le fichier dépasse %1 Mio, bien trop pour un fichier de cadran.</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Calque %1</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a pipe, not a file.</source>
        <translation>C’est un tube, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>C’est un périphérique, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>InspectionView</name>
    <message>
        <source>Inspect Gauge</source>
        <translation>Examiner le cadran</translation>
    </message>
    <message>
        <source>Enlarged gauge</source>
        <translation>Cadran agrandi</translation>
    </message>
    <message>
        <source>The gauge as a PNG export of the size shown draws it. The mouse wheel, Plus and Minus zoom, dragging and the arrow keys move it, 0 fits it into the window and 1 shows it at 4096 pixels.</source>
        <translation>Le cadran tel qu’un export PNG de la taille affichée le dessine. La molette, Plus et Moins zooment, le glisser et les flèches le déplacent, 0 l’ajuste à la fenêtre et 1 l’affiche à 4096 pixels.</translation>
    </message>
    <message>
        <source>Wheel to zoom, drag to move</source>
        <translation>Molette pour zoomer, glisser pour déplacer</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Half the size (Minus)</source>
        <translation>Moitié de la taille (Moins)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Twice the size (Plus)</source>
        <translation>Double de la taille (Plus)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>The whole gauge in the window (0)</source>
        <translation>Le cadran entier dans la fenêtre (0)</translation>
    </message>
    <message>
        <source>1:1 at %1</source>
        <translation>1:1 à %1</translation>
    </message>
    <message>
        <source>One pixel of the largest export, %1 × %1, on each pixel of the screen (1)</source>
        <translation>Un pixel du plus grand export, %1 × %1, sur chaque pixel de l’écran (1)</translation>
    </message>
    <message>
        <source>%1 × %1 pixels, %2% of %3 × %3</source>
        <translation>%1 × %1 pixels, %2 % de %3 × %3</translation>
    </message>
    <message>
        <source>%1 (drawing…)</source>
        <translation>%1 (dessin en cours…)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 × %1 pixels enlarged to %2%</source>
        <translation>%1 × %1 pixels agrandis à %2%</translation>
    </message>
</context>
<context>
    <name>Keyframes</name>
    <message>
        <source>The gauge has more than %1 primary ticks, too many for a keyframe file.</source>
        <translation>Le cadran a plus de %1 graduations principales, trop pour un fichier d’images clés.</translation>
    </message>
    <message>
        <source>The keyframe file would be larger than %1 MB.</source>
        <translation>Le fichier d’images clés dépasserait %1 Mo.</translation>
    </message>
</context>
<context>
    <name>LabelEditor</name>
    <message>
        <source>Labels</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Tick Count Radius</source>
        <translation>Rayon des chiffres</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>rayon</translation>
    </message>
    <message>
        <source>Tick Count Decimal Places</source>
        <translation>Décimales des chiffres</translation>
    </message>
    <message>
        <source>decimal places</source>
        <translation>décimales</translation>
    </message>
    <message>
        <source>Tick Count Start</source>
        <translation>Début des chiffres</translation>
    </message>
    <message>
        <source>first value</source>
        <translation>première valeur</translation>
    </message>
    <message>
        <source>Tick Count Increment</source>
        <translation>Pas des chiffres</translation>
    </message>
    <message>
        <source>increment</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>Tick Count Font</source>
        <translation>Police des chiffres</translation>
    </message>
    <message>
        <source>Label font</source>
        <translation>Police des chiffres</translation>
    </message>
    <message>
        <source>Tick Count Color</source>
        <translation>Couleur des chiffres</translation>
    </message>
    <message>
        <source>Label colour</source>
        <translation>Couleur des chiffres</translation>
    </message>
    <message>
        <source>Rotate Tick Counts</source>
        <translation>Tourner les chiffres</translation>
    </message>
    <message>
        <source>Show Tick Counts</source>
        <translation>Afficher les chiffres</translation>
    </message>
    <message>
        <source>Skip First Tick</source>
        <translation>Omettre le premier</translation>
    </message>
</context>
<context>
    <name>LayerEditor</name>
    <message>
        <source>%1, %2</source>
        <comment>a group of controls, then one of its fields</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Movement</name>
    <message>
        <source>A needle&apos;s natural frequency must be from %1 Hz to %2 Hz, not %3 Hz.</source>
        <translation>La fréquence propre d’une aiguille doit être de %1 Hz à %2 Hz, et non de %3 Hz.</translation>
    </message>
    <message>
        <source>A needle&apos;s damping ratio must be from 0 to %1, not %2.</source>
        <translation>Le taux d’amortissement d’une aiguille doit être de 0 à %1, et non de %2.</translation>
    </message>
</context>
<context>
    <name>NeedleEditor</name>
    <message>
        <source>Needles</source>
        <translation>Aiguilles</translation>
    </message>
    <message>
        <source>The layer&apos;s needles, drawn over the whole gauge in this order. Select one to edit it here.</source>
        <translation>Les aiguilles du calque, dessinées par-dessus tout le cadran dans cet ordre. Sélectionnez-en une pour la modifier ici.</translation>
    </message>
    <message>
        <source>Add Needle</source>
        <translation>Ajouter une aiguille</translation>
    </message>
    <message>
        <source>Add a needle to the layer, pointing at the start of its span</source>
        <translation>Ajouter au calque une aiguille pointant vers le début de son étendue</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the selected needle</source>
        <translation>Supprimer l’aiguille sélectionnée</translation>
    </message>
    <message>
        <source>Remove needle</source>
        <translation>Supprimer l’aiguille</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Balayer</translation>
    </message>
    <message>
        <source>Move every needle from the start of its layer&apos;s span to the end and back; the gauge does not change</source>
        <translation>Déplacer chaque aiguille du début à la fin de l’étendue de son calque, puis en sens inverse&#xa0;; le cadran n’est pas modifié</translation>
    </message>
    <message>
        <source>Why the selected needle is not drawn. It is kept in the gauge and saved as it is.</source>
        <translation>Pourquoi l’aiguille sélectionnée n’est pas dessinée. Elle reste dans le cadran et est enregistrée telle quelle.</translation>
    </message>
    <message>
        <source>The needle&apos;s name: dialwright-render --value NAME=V sets its value</source>
        <translation>Le nom de l’aiguille&#xa0;: dialwright-render --value NAME=V fixe sa valeur</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>The needle&apos;s shape: a bar, a bar narrowing to its tip, a bar with an arrow head, or a picture turned about its pivot</source>
        <translation>La forme de l’aiguille&#xa0;: une barre, une barre qui s’amincit vers sa pointe, une barre à tête de flèche, ou une image qui tourne autour de son pivot</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Trait</translation>
    </message>
    <message>
        <source>Tapered</source>
        <translation>Effilée</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Image...</translation>
    </message>
    <message>
        <source>Draw the needle as a PNG, JPEG or SVG picture, upright as it points at 12 o&apos;clock; the gauge file carries it</source>
        <translation>Dessiner l’aiguille avec une image PNG, JPEG ou SVG, verticale comme lorsqu’elle pointe vers midi&#xa0;; le fichier de cadran la contient</translation>
    </message>
    <message>
        <source>Needle picture</source>
        <translation>Image de l’aiguille</translation>
    </message>
    <message>
        <source>Shape:</source>
        <translation>Forme&#xa0;:</translation>
    </message>
    <message>
        <source>in the picture&apos;s pixels from its top-left corner</source>
        <translation>en pixels de l’image depuis son coin supérieur gauche</translation>
    </message>
    <message>
        <source>Where in the picture the needle turns, across, %1</source>
        <translation>Position horizontale, dans l’image, du point autour duquel l’aiguille tourne, %1</translation>
    </message>
    <message>
        <source>Where in the picture the needle turns, down, %1</source>
        <translation>Position verticale, dans l’image, du point autour duquel l’aiguille tourne, %1</translation>
    </message>
    <message>
        <source>Pivot X:</source>
        <translation>Pivot X&#xa0;:</translation>
    </message>
    <message>
        <source>Pivot Y:</source>
        <translation>Pivot Y&#xa0;:</translation>
    </message>
    <message>
        <source>From the pivot to the tip, in gauge radii</source>
        <translation>Du pivot à la pointe, en rayons du cadran</translation>
    </message>
    <message>
        <source>How far the needle reaches behind the pivot, in gauge radii</source>
        <translation>Jusqu’où l’aiguille dépasse derrière le pivot, en rayons du cadran</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longueur&#xa0;:</translation>
    </message>
    <message>
        <source>Tail:</source>
        <translation>Queue&#xa0;:</translation>
    </message>
    <message>
        <source>Width at the hub in drawing units: the dial is 500 across</source>
        <translation>Largeur au moyeu en unités de dessin&#xa0;: le cadran fait 500 de large</translation>
    </message>
    <message>
        <source>Width at the tip (tapered) or of the arrow head, in drawing units</source>
        <translation>Largeur à la pointe (effilée) ou de la tête de flèche, en unités de dessin</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>Tip:</source>
        <translation>Pointe&#xa0;:</translation>
    </message>
    <message>
        <source>Set Needle Color</source>
        <translation>Choisir la couleur de l’aiguille</translation>
    </message>
    <message>
        <source>Turns freely</source>
        <translation>Tourne librement</translation>
    </message>
    <message>
        <source>Values beyond the ends of the span turn the needle on round the dial (a compass) instead of stopping it at the end</source>
        <translation>Au-delà des extrémités de l’étendue, les valeurs font continuer l’aiguille autour du cadran (comme une boussole) au lieu de l’arrêter au bout</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Hub:</source>
        <translation>Moyeu&#xa0;:</translation>
    </message>
    <message>
        <source>A cap over the pivot</source>
        <translation>Un capuchon sur le pivot</translation>
    </message>
    <message>
        <source>Radius of the hub cap in gauge radii</source>
        <translation>Rayon du capuchon du moyeu en rayons du cadran</translation>
    </message>
    <message>
        <source>Set Hub Color</source>
        <translation>Choisir la couleur du moyeu</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>Ombre&#xa0;:</translation>
    </message>
    <message>
        <source>A soft shadow under the needle and its hub</source>
        <translation>Une ombre douce sous l’aiguille et son moyeu</translation>
    </message>
    <message>
        <source>How far the shadow is blurred, in drawing units</source>
        <translation>Importance du flou de l’ombre, en unités de dessin</translation>
    </message>
    <message>
        <source>How far the shadow lies to the right, in drawing units</source>
        <translation>Décalage de l’ombre vers la droite, en unités de dessin</translation>
    </message>
    <message>
        <source>How far the shadow lies down, in drawing units</source>
        <translation>Décalage de l’ombre vers le bas, en unités de dessin</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Décalage&#xa0;:</translation>
    </message>
    <message>
        <source>Move the needle along the layer&apos;s span</source>
        <translation>Déplacer l’aiguille le long de l’étendue du calque</translation>
    </message>
    <message>
        <source>The value the needle shows in the preview and in exports, on the layer&apos;s scale</source>
        <translation>La valeur qu’indique l’aiguille dans l’aperçu et dans les exports, sur l’échelle du calque</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valeur&#xa0;:</translation>
    </message>
    <message>
        <source>Needle</source>
        <translation>Aiguille</translation>
    </message>
    <message>
        <source>Needle Name</source>
        <translation>Nom de l’aiguille</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Needle Shape</source>
        <translation>Forme de l’aiguille</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>forme</translation>
    </message>
    <message>
        <source>Needle Picture</source>
        <translation>Image de l’aiguille</translation>
    </message>
    <message>
        <source>Needle Pivot X</source>
        <translation>Pivot X de l’aiguille</translation>
    </message>
    <message>
        <source>pivot X</source>
        <translation>pivot X</translation>
    </message>
    <message>
        <source>Needle Pivot Y</source>
        <translation>Pivot Y de l’aiguille</translation>
    </message>
    <message>
        <source>pivot Y</source>
        <translation>pivot Y</translation>
    </message>
    <message>
        <source>Needle Length</source>
        <translation>Longueur de l’aiguille</translation>
    </message>
    <message>
        <source>length</source>
        <translation>longueur</translation>
    </message>
    <message>
        <source>Needle Tail</source>
        <translation>Queue de l’aiguille</translation>
    </message>
    <message>
        <source>tail</source>
        <translation>queue</translation>
    </message>
    <message>
        <source>Needle Width</source>
        <translation>Largeur de l’aiguille</translation>
    </message>
    <message>
        <source>width</source>
        <translation>largeur</translation>
    </message>
    <message>
        <source>Needle Tip Width</source>
        <translation>Largeur de la pointe de l’aiguille</translation>
    </message>
    <message>
        <source>tip width</source>
        <translation>largeur de la pointe</translation>
    </message>
    <message>
        <source>Needle Color</source>
        <translation>Couleur de l’aiguille</translation>
    </message>
    <message>
        <source>Needle colour</source>
        <translation>Couleur de l’aiguille</translation>
    </message>
    <message>
        <source>Needle Turns Freely</source>
        <translation>Rotation libre de l’aiguille</translation>
    </message>
    <message>
        <source>turns freely</source>
        <translation>rotation libre</translation>
    </message>
    <message>
        <source>Needle Hub</source>
        <translation>Moyeu de l’aiguille</translation>
    </message>
    <message>
        <source>hub cap</source>
        <translation>capuchon du moyeu</translation>
    </message>
    <message>
        <source>Hub Radius</source>
        <translation>Rayon du moyeu</translation>
    </message>
    <message>
        <source>hub radius</source>
        <translation>rayon du moyeu</translation>
    </message>
    <message>
        <source>Hub Color</source>
        <translation>Couleur du moyeu</translation>
    </message>
    <message>
        <source>Hub colour</source>
        <translation>Couleur du moyeu</translation>
    </message>
    <message>
        <source>Needle Shadow</source>
        <translation>Ombre de l’aiguille</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>ombre</translation>
    </message>
    <message>
        <source>Shadow Blur</source>
        <translation>Flou de l’ombre</translation>
    </message>
    <message>
        <source>shadow blur</source>
        <translation>flou de l’ombre</translation>
    </message>
    <message>
        <source>Shadow Offset X</source>
        <translation>Décalage X de l’ombre</translation>
    </message>
    <message>
        <source>shadow offset X</source>
        <translation>décalage X de l’ombre</translation>
    </message>
    <message>
        <source>Shadow Offset Y</source>
        <translation>Décalage Y de l’ombre</translation>
    </message>
    <message>
        <source>shadow offset Y</source>
        <translation>décalage Y de l’ombre</translation>
    </message>
    <message>
        <source>Needle Value</source>
        <translation>Valeur de l’aiguille</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valeur</translation>
    </message>
    <message>
        <source>value slider</source>
        <translation>curseur de valeur</translation>
    </message>
    <message>
        <source>%1 (not drawn)</source>
        <translation>%1 (non dessinée)</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>Non dessinée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Change Needle</source>
        <translation>Modifier «&#xa0;Aiguille&#xa0;»</translation>
    </message>
    <message>
        <source>Change Needle Value</source>
        <translation>Modifier la valeur de l’aiguille</translation>
    </message>
    <message>
        <source>Move Needle</source>
        <translation>Déplacer l’aiguille</translation>
    </message>
    <message>
        <source>Change Needle Picture</source>
        <translation>Modifier l’image de l’aiguille</translation>
    </message>
    <message>
        <source>Needle %1</source>
        <translation>Aiguille %1</translation>
    </message>
    <message>
        <source>Remove Needle</source>
        <translation>Supprimer l’aiguille</translation>
    </message>
    <message>
        <source>Play...</source>
        <translation>Lire...</translation>
    </message>
    <message>
        <source>Play a data file on the needles in real time, as an animation of it shows them: a needle follows the column of its name, else the first column; the gauge does not change</source>
        <translation>Lire un fichier de données sur les aiguilles en temps réel, comme une animation les montre : une aiguille suit la colonne de son nom, sinon la première colonne ; le cadran ne change pas</translation>
    </message>
    <message>
        <source>Play Data</source>
        <translation>Lire des données</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv *.txt *.tsv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>NeedleFile</name>
    <message>
        <source>Layer %1 has %2 needles; a layer may hold at most %3.</source>
        <translation>Le calque %1 contient %2 aiguilles&#xa0;; un calque peut en contenir au plus %3.</translation>
    </message>
    <message>
        <source>Layer %1 has a needle picture of %2 MB; a picture may be at most %3 MB.</source>
        <translation>Le calque %1 contient une image d’aiguille de %2 Mo&#xa0;; une image peut faire au plus %3 Mo.</translation>
    </message>
</context>
<context>
    <name>NeedlePainter</name>
    <message>
        <source>The layer lays no values along its span: it needs primary divisions, and an increment of its labels that is not 0.</source>
        <translation>Le calque ne place aucune valeur le long de son arc&#xa0;: il lui faut des graduations principales et un pas des étiquettes différent de 0.</translation>
    </message>
    <message>
        <source>Its shape is not one this version knows.</source>
        <translation>Cette version ne connaît pas sa forme.</translation>
    </message>
    <message>
        <source>Its value, length or widths are not numbers.</source>
        <translation>Sa valeur, sa longueur ou ses largeurs ne sont pas des nombres.</translation>
    </message>
    <message>
        <source>Its length must be above 0 and its tail at least 0, both at most %1 radii.</source>
        <translation>Sa longueur doit être supérieure à 0 et sa queue au moins 0, toutes deux d’au plus %1 rayons.</translation>
    </message>
    <message>
        <source>Its widths must be from 0 to %1, and not both 0.</source>
        <translation>Ses largeurs doivent aller de 0 à %1, sans être toutes deux nulles.</translation>
    </message>
    <message>
        <source>Its hub&apos;s radius must be above 0 and at most %1.</source>
        <translation>Le rayon de son moyeu doit être supérieur à 0 et d’au plus %1.</translation>
    </message>
    <message>
        <source>Its shadow&apos;s offset and blur must be numbers of at most %1.</source>
        <translation>Le décalage et le flou de son ombre doivent être des nombres d’au plus %1.</translation>
    </message>
    <message>
        <source>Its pivot must lie below the top of its picture.</source>
        <translation>Son pivot doit se trouver sous le haut de son image.</translation>
    </message>
</context>
<context>
    <name>NeedlePlayer</name>
    <message>
        <source>The file has no column of values.</source>
        <translation>Le fichier n’a aucune colonne de valeurs.</translation>
    </message>
</context>
<context>
    <name>NeedleValues</name>
    <message>
        <source>The gauge has no needles.</source>
        <translation>La jauge n’a pas d’aiguille.</translation>
    </message>
    <message>
        <source>The gauge has no needle named “%1”.</source>
        <translation>La jauge n’a pas d’aiguille nommée «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>Descriptor %1 is not open.</source>
        <translation>Le descripteur %1 n’est pas ouvert.</translation>
    </message>
    <message>
        <source>Descriptor %1 is open for reading only.</source>
        <translation>Le descripteur %1 est ouvert en lecture seule.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a block device; only files, pipes and character devices are written.</source>
        <translation>C’est un périphérique bloc&#xa0;; seuls les fichiers, les tubes et les périphériques caractère sont écrits.</translation>
    </message>
    <message>
        <source>It is not a file; only files, pipes and character devices are written.</source>
        <translation>Ce n’est pas un fichier&#xa0;; seuls les fichiers, les tubes et les périphériques caractère sont écrits.</translation>
    </message>
    <message>
        <source>No program is reading from the pipe.</source>
        <translation>Aucun programme ne lit le tube.</translation>
    </message>
    <message>
        <source>Only files can be written.</source>
        <translation>Seuls des fichiers peuvent être écrits.</translation>
    </message>
    <message>
        <source>The file is not open.</source>
        <translation>Le fichier n’est pas ouvert.</translation>
    </message>
</context>
<context>
    <name>PhysicalOutputDialog</name>
    <message>
        <source>Export PDF / Print</source>
        <translation>Exporter en PDF / Imprimer</translation>
    </message>
    <message>
        <source>The gauge is drawn at its true size: the dial&apos;s edge (radius 1.0) measures the diameter on paper, and every line and label scales with it.</source>
        <translation>Le cadran est dessiné à sa taille réelle&#xa0;: son bord (rayon 1,0) mesure le diamètre sur le papier, et chaque trait et chaque chiffre suit cette échelle.</translation>
    </message>
    <message>
        <source>Fit: a square page around the drawing, with a margin.</source>
        <translation>Ajuster&#xa0;: une page carrée autour du dessin, avec une marge.</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Lines of width 0 have no width of their own; on paper they are drawn this wide.</source>
        <translation>Les traits d’épaisseur 0 n’ont pas d’épaisseur propre&#xa0;; sur le papier, ils sont dessinés avec cette épaisseur.</translation>
    </message>
    <message>
        <source>Centre &amp;cross</source>
        <translation>&amp;Croix au centre</translation>
    </message>
    <message>
        <source>50 mm &amp;scale bar below the dial</source>
        <translation>Barre d’é&amp;chelle de 50 mm sous le cadran</translation>
    </message>
    <message>
        <source>Measure it on the print to check that the printer did not scale the page.</source>
        <translation>Mesurez-la sur l’impression pour vérifier que l’imprimante n’a pas mis la page à l’échelle.</translation>
    </message>
    <message>
        <source>&amp;Fill the dial with</source>
        <translation>&amp;Remplir le cadran de</translation>
    </message>
    <message>
        <source>White marks do not show on white paper.</source>
        <translation>Les traits blancs ne se voient pas sur du papier blanc.</translation>
    </message>
    <message>
        <source>Choose the dial&apos;s colour</source>
        <translation>Choisir la couleur du cadran</translation>
    </message>
    <message>
        <source>&amp;Diameter:</source>
        <translation>&amp;Diamètre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Page&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Hairline width:</source>
        <translation>Épaisseur des &amp;filets&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exporter en PDF...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Dial Colour</source>
        <translation>Couleur du cadran</translation>
    </message>
    <message>
        <source>The gauge does not fit on the %1 page at this diameter. It will not be shrunk: what lies beyond the page is cut off. Choose Fit or a smaller diameter.</source>
        <translation>Le cadran ne tient pas sur la page %1 à ce diamètre. Il ne sera pas réduit&#xa0;: ce qui dépasse de la page est coupé. Choisissez «&#xa0;Ajuster&#xa0;» ou un diamètre plus petit.</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Unit of the diameter</source>
        <translation>Unité du diamètre</translation>
    </message>
    <message>
        <source>Dial colour</source>
        <translation>Couleur du cadran</translation>
    </message>
</context>
<context>
    <name>PhysicalPage</name>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>Cadran</translation>
    </message>
</context>
<context>
    <name>PhysicalSize</name>
    <message>
        <source>&quot;%1&quot; is not a length: give a number and a unit, mm, cm or in (for example 62mm).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une longueur&#xa0;: donnez un nombre et une unité, mm, cm ou in (par exemple 62mm).</translation>
    </message>
    <message>
        <source>The diameter must be from %1 to %2, not %3.</source>
        <translation>Le diamètre doit être compris entre %1 et %2, et non %3.</translation>
    </message>
    <message>
        <source>The hairline width must be from %1 to %2, not %3.</source>
        <translation>L’épaisseur des filets doit être comprise entre %1 et %2, et non %3.</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
</context>
<context>
    <name>PngSequenceWriter</name>
    <message>
        <source>%1 cannot be replaced by a frame: %2</source>
        <translation>%1 ne peut pas être remplacé par une image : %2</translation>
    </message>
    <message>
        <source>It is a device or a pipe, not a file.</source>
        <translation>C’est un périphérique ou un tube, pas un fichier.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>No temporary folder could be made beside the frames: %1</source>
        <translation>Impossible de créer un dossier temporaire à côté des images : %1</translation>
    </message>
    <message>
        <source>%1; the earlier frames are kept in %2.</source>
        <translation>%1 ; les images précédentes sont conservées dans %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l’aide, y compris les options propres à Qt.</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Change Layers</source>
        <translation>Modifier les calques</translation>
    </message>
    <message>
        <source>Add Layer</source>
        <translation>Ajouter un calque</translation>
    </message>
    <message>
        <source>Change Layer</source>
        <translation>Modifier le calque</translation>
    </message>
</context>
<context>
    <name>RenderTool</name>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>Write the gauge as a vector PDF at its true size; needs --diameter.</source>
        <translation>Écrire le cadran en PDF vectoriel à sa taille réelle&#xa0;; nécessite --diameter.</translation>
    </message>
    <message>
        <source>Diameter of the dial (the circle at radius 1.0) on paper, %1 to %2, with its unit: 62mm, 6.2cm or 2.44in. Needed by --pdf; with --svg, the SVG&apos;s width and height are given in millimetres.</source>
        <translation>Diamètre du cadran (le cercle de rayon 1.0) sur le papier, de %1 à %2, avec son unité&#xa0;: 62mm, 6.2cm ou 2.44in. Nécessaire pour --pdf&#xa0;; avec --svg, la largeur et la hauteur du SVG sont données en millimètres.</translation>
    </message>
    <message>
        <source>Width that lines of width 0 get at a true size, %1 to %2 (default %3).</source>
        <translation>Épaisseur que prennent les traits d’épaisseur 0 à taille réelle, de %1 à %2 (par défaut %3).</translation>
    </message>
    <message>
        <source>Page of the PDF: a4 (default), letter, or fit (a square page around the drawing).</source>
        <translation>Page du PDF&#xa0;: a4 (par défaut), letter ou fit (une page carrée autour du dessin).</translation>
    </message>
    <message>
        <source>Put a 50 mm scale bar with millimetre ticks below the dial in the PDF.</source>
        <translation>Placer dans le PDF une barre d’échelle de 50 mm graduée en millimètres sous le cadran.</translation>
    </message>
    <message>
        <source>Put a thin cross over the dial&apos;s centre in the PDF.</source>
        <translation>Placer dans le PDF une croix fine sur le centre du cadran.</translation>
    </message>
    <message>
        <source>Turns a gauge file into the images, keyframes and gauge document that Dialwright exports.</source>
        <translation>Transforme un fichier de cadran en images, images clés et document de cadran tels que Dialwright les exporte.</translation>
    </message>
    <message>
        <source>Edge length of the PNG and SVG in pixels, %1 to %2 (default %3).</source>
        <translation>Longueur du côté du PNG et du SVG en pixels, de %1 à %2 (par défaut %3).</translation>
    </message>
    <message>
        <source>Write the gauge as a PNG with a transparent background.</source>
        <translation>Écrire le cadran en PNG sur fond transparent.</translation>
    </message>
    <message>
        <source>Write the gauge as an SVG.</source>
        <translation>Écrire le cadran en SVG.</translation>
    </message>
    <message>
        <source>Write the keyframe CSV: the angle of every primary tick.</source>
        <translation>Écrire le CSV d’images clés&#xa0;: l’angle de chaque graduation principale.</translation>
    </message>
    <message>
        <source>Write the gauge document (converts files of earlier versions).</source>
        <translation>Écrire le document de cadran (convertit les fichiers des versions antérieures).</translation>
    </message>
    <message>
        <source>The gauge file to read (JSON or an earlier version&apos;s).</source>
        <translation>Le fichier de cadran à lire (JSON ou d’une version antérieure).</translation>
    </message>
    <message>
        <source>The size must be a whole number from %1 to %2, not &quot;%3&quot;.</source>
        <translation>La taille doit être un nombre entier de %1 à %2, et non «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>No gauge file given.</source>
        <translation>Aucun fichier de cadran indiqué.</translation>
    </message>
    <message>
        <source>Only one gauge file can be read at a time.</source>
        <translation>On ne peut lire qu’un fichier de cadran à la fois.</translation>
    </message>
    <message>
        <source>Only a single output can go to standard output.</source>
        <translation>Une seule sortie peut aller vers la sortie standard.</translation>
    </message>
    <message>
        <source>An output file name is empty.</source>
        <translation>Un nom de fichier de sortie est vide.</translation>
    </message>
    <message>
        <source>Two outputs name the same file: %1</source>
        <translation>Deux sorties désignent le même fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>An output names the gauge file being read: %1</source>
        <translation>Une sortie désigne le fichier de cadran lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>The page must be a4, letter or fit, not &quot;%1&quot;.</source>
        <translation>La page doit être a4, letter ou fit, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The background must be a colour name or #rrggbb, not &quot;%1&quot;.</source>
        <translation>Le fond doit être un nom de couleur ou #rrggbb, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--pdf needs --diameter, the size of the dial on paper (for example --diameter 62mm).</source>
        <translation>--pdf nécessite --diameter, la taille du cadran sur le papier (par exemple --diameter 62mm).</translation>
    </message>
    <message>
        <source>--hairline applies to a true size only: give --diameter too.</source>
        <translation>--hairline ne s’applique qu’à une taille réelle&#xa0;: indiquez aussi --diameter.</translation>
    </message>
    <message>
        <source>--%1 applies to the PDF only: give --pdf too.</source>
        <translation>--%1 ne s’applique qu’au PDF&#xa0;: indiquez aussi --pdf.</translation>
    </message>
    <message>
        <source>warning: the gauge at %1 does not fit on the %2 page and is cut off at its edges; --page fit makes a page that holds it.</source>
        <translation>avertissement&#xa0;: à %1, le cadran ne tient pas sur la page %2 et est coupé sur ses bords&#xa0;; --page fit crée une page qui le contient.</translation>
    </message>
    <message>
        <source>no output was written.</source>
        <translation>aucune sortie n’a été écrite.</translation>
    </message>
    <message>
        <source>written: %1; not written: %2.</source>
        <translation>écrit&#xa0;: %1&#xa0;; non écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>What the PNG, SVG and PDF show: the face with its needles (with, the default), the face alone (none), or the needles alone (only).</source>
        <translation>Ce que montrent le PNG, le SVG et le PDF&#xa0;: le cadran avec ses aiguilles (with, par défaut), le cadran seul (none) ou les aiguilles seules (only).</translation>
    </message>
    <message>
        <source>Show the value V on the needles named NAME in this run&apos;s drawings, or on every needle without a name. May be given more than once; a later one wins.</source>
        <translation>Affiche la valeur V sur les aiguilles nommées NAME dans les dessins de cette exécution, ou sur toutes les aiguilles sans nom. Peut être donné plusieurs fois&#xa0;; le dernier l’emporte.</translation>
    </message>
    <message>
        <source>--needles must be with, none or only, not &quot;%1&quot;.</source>
        <translation>--needles doit valoir with, none ou only, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--value must be NAME=V or V, with V a number, not &quot;%1&quot;.</source>
        <translation>--value doit être NAME=V ou V, V étant un nombre, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Fill the dial with COLOR (a name or #rrggbb) under the gauge in the PDF, so that white marks show on paper; with --animate, fill every frame with it.</source>
        <translation>Remplir le fond du cadran de COLOR (un nom ou #rrggbb) dans le PDF, pour que les traits blancs se voient sur le papier&#xa0;; avec --animate, remplir chaque image de cette couleur.</translation>
    </message>
    <message>
        <source>Write an animation of the needles: a .mov (QuickTime Animation, or ProRes 4444 with --codec prores), .webm (VP9), .mp4 (H.264), or PNG frames named by a pattern with %d or into a folder. Transparent unless --background is given.</source>
        <translation>Écrire une animation des aiguilles&#xa0;: un .mov (QuickTime Animation, ou ProRes 4444 avec --codec prores), un .webm (VP9), un .mp4 (H.264), ou des images PNG nommées selon un modèle contenant %d ou placées dans un dossier. Fond transparent sauf si --background est indiqué.</translation>
    </message>
    <message>
        <source>Move the needles named NAME as the column COLUMN (its name or its place from 1) of the --data file. May be given more than once.</source>
        <translation>Déplacer les aiguilles nommées NAME selon la colonne COLUMN (son nom ou son rang à partir de 1) du fichier --data. Peut être donné plusieurs fois.</translation>
    </message>
    <message>
        <source>The CSV file of the driving data: a header row, a time column, value columns.</source>
        <translation>Le fichier CSV des données pilotes&#xa0;: une ligne d’en-tête, une colonne de temps, des colonnes de valeurs.</translation>
    </message>
    <message>
        <source>Sweep the needles named NAME, or without a name every needle no --drive moves, from the start of the scale to its end and back in SECONDS.</source>
        <translation>Faire balayer aux aiguilles nommées NAME, ou sans nom à toutes les aiguilles qu’aucun --drive ne déplace, l’échelle de son début à sa fin puis retour en SECONDS secondes.</translation>
    </message>
    <message>
        <source>Frames a second of the animation, %1 to %2 (default 30).</source>
        <translation>Images par seconde de l’animation, de %1 à %2 (par défaut 30).</translation>
    </message>
    <message>
        <source>Start the animation at this time of the data, in seconds.</source>
        <translation>Commencer l’animation à cet instant des données, en secondes.</translation>
    </message>
    <message>
        <source>End the animation at this time of the data, in seconds.</source>
        <translation>Terminer l’animation à cet instant des données, en secondes.</translation>
    </message>
    <message>
        <source>How values between the samples are found: linear (the default) or cubic (smooth, never beyond the samples around).</source>
        <translation>Comment les valeurs entre les échantillons sont calculées&#xa0;: linear (par défaut) ou cubic (lissée, sans jamais dépasser les échantillons voisins).</translation>
    </message>
    <message>
        <source>The codec of a .mov animation: qtrle (QuickTime Animation, the default) or prores (ProRes 4444).</source>
        <translation>Le codec d’une animation .mov&#xa0;: qtrle (QuickTime Animation, par défaut) ou prores (ProRes 4444).</translation>
    </message>
    <message>
        <source>Write the asset set into the folder DIR: face.png without needles, each needle upright on a picture of its own (its hub and shadow apart), and gauge.json with the pivots and each needle&apos;s value-to-angle table.</source>
        <translation>Écrire le jeu de ressources dans le dossier DIR&#xa0;: face.png sans aiguilles, chaque aiguille verticale sur une image à part (son moyeu et son ombre séparés), et gauge.json avec les pivots et la table valeur-angle de chaque aiguille.</translation>
    </message>
    <message>
        <source>Write the gauge for a display, simulator or web page into the folder of --out: %1.</source>
        <translation>Écrire le cadran pour un écran, un simulateur ou une page web dans le dossier de --out&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The folder --target writes into.</source>
        <translation>Le dossier dans lequel --target écrit.</translation>
    </message>
    <message>
        <source>LVGL 9&apos;s colour format of the face with --target lvgl9: %1 (default ARGB8888).</source>
        <translation>Format de couleur LVGL 9 du cadran avec --target lvgl9&#xa0;: %1 (par défaut ARGB8888).</translation>
    </message>
    <message>
        <source>Swap the two bytes of RGB565 pixels, for displays on SPI (--target lvgl9 with RGB565, --target tft).</source>
        <translation>Inverser les deux octets des pixels RGB565, pour les écrans sur SPI (--target lvgl9 avec RGB565, --target tft).</translation>
    </message>
    <message>
        <source>--animate writes the animation alone: give the other outputs in a run of their own.</source>
        <translation>--animate écrit l’animation seule&#xa0;: indiquez les autres sorties dans une exécution à part.</translation>
    </message>
    <message>
        <source>Nothing to write: give --png, --svg, --pdf, --keyframes, --gauge, --assets, --target or --animate.</source>
        <translation>Rien à écrire&#xa0;: indiquez --png, --svg, --pdf, --keyframes, --gauge, --assets, --target ou --animate.</translation>
    </message>
    <message>
        <source>warning: layer “%1”: %2 is not drawn: %3</source>
        <translation>avertissement&#xa0;: calque «&#xa0;%1&#xa0;»&#xa0;: impossible de dessiner %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>l’image %1</translation>
    </message>
    <message>
        <source>text %1</source>
        <translation>le texte %1</translation>
    </message>
    <message>
        <source>the needle “%1”</source>
        <translation>l’aiguille «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>warning: %n more parts of the gauge are not drawn.</source>
        <translation>
            <numerusform>avertissement&#xa0;: %n autre partie du cadran n’est pas dessinée.</numerusform>
            <numerusform>avertissement&#xa0;: %n autres parties du cadran ne sont pas dessinées.</numerusform>
        </translation>
    </message>
    <message>
        <source>--%1 applies to an animation only: give --animate too.</source>
        <translation>--%1 ne s’applique qu’à une animation&#xa0;: indiquez aussi --animate.</translation>
    </message>
    <message>
        <source>An animation cannot go to standard output.</source>
        <translation>Une animation ne peut pas aller vers la sortie standard.</translation>
    </message>
    <message>
        <source>--codec %1 does not fit %2: a .mov takes qtrle or prores.</source>
        <translation>--codec %1 ne convient pas à %2&#xa0;: un .mov accepte qtrle ou prores.</translation>
    </message>
    <message>
        <source>The animation&apos;s format follows from its name: .mov, .webm, .mp4, a PNG pattern with %d or a folder, not &quot;%1&quot;.</source>
        <translation>Le format de l’animation se déduit de son nom&#xa0;: .mov, .webm, .mp4, un modèle PNG contenant %d ou un dossier, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--fps must be a whole number from %1 to %2, not &quot;%3&quot;.</source>
        <translation>--fps doit être un nombre entier de %1 à %2, et non «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>--%1 must be a time in seconds, not &quot;%2&quot;.</source>
        <translation>--%1 doit être un temps en secondes, et non «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>--interpolation must be linear or cubic, not &quot;%1&quot;.</source>
        <translation>--interpolation doit valoir linear ou cubic, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--drive must be NAME=COLUMN, not &quot;%1&quot;.</source>
        <translation>--drive doit être NAME=COLUMN, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--drive needs --data, the file of the driving data.</source>
        <translation>--drive nécessite --data, le fichier des données pilotes.</translation>
    </message>
    <message>
        <source>--data needs --drive NAME=COLUMN to say which needle follows which column.</source>
        <translation>--data nécessite --drive NAME=COLUMN pour indiquer quelle aiguille suit quelle colonne.</translation>
    </message>
    <message>
        <source>--sweep must be NAME=SECONDS or SECONDS, with SECONDS above 0 and at most %1, not &quot;%2&quot;.</source>
        <translation>--sweep doit être NAME=SECONDS ou SECONDS, SECONDS étant supérieur à 0 et au plus égal à %1, et non «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>--animate needs --drive NAME=COLUMN with --data, or --sweep.</source>
        <translation>--animate nécessite --drive NAME=COLUMN avec --data, ou --sweep.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Frame %1 of %2 (%3%)</source>
        <translation><byte value="xd"/>Image %1 sur %2 (%3&#xa0;%)</translation>
    </message>
    <message>
        <source>--target and --out go together.</source>
        <translation>--target et --out vont ensemble.</translation>
    </message>
    <message>
        <source>--%1 applies to --target only.</source>
        <translation>--%1 ne s’applique qu’à --target.</translation>
    </message>
    <message>
        <source>--target must be one of %1, not &quot;%2&quot;.</source>
        <translation>--target doit être l’une des valeurs %1, et non «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>--color-format takes one of %1, with --target lvgl9, not &quot;%2&quot;.</source>
        <translation>--color-format accepte l’une des valeurs %1, avec --target lvgl9, et non «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>--swap-bytes applies to --target tft and to --target lvgl9 with RGB565 only.</source>
        <translation>--swap-bytes ne s’applique qu’à --target tft et à --target lvgl9 avec RGB565.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Unable to save file</source>
        <translation>Impossible d’enregistrer le fichier</translation>
    </message>
    <message>
        <source>%1 could not be saved.

%2</source>
        <translation>%1 n’a pas pu être enregistré.

%2</translation>
    </message>
</context>
<context>
    <name>ScaleEditor</name>
    <message>
        <source>Scale:</source>
        <translation>Échelle&#xa0;:</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Régulière</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarithmique</translation>
    </message>
    <message>
        <source>Decibel</source>
        <translation>Décibels</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>How values are laid along the span. Even spaces the ticks with the bias; the other scales put each tick and label at its value and leave the bias and the label start and increment unused.</source>
        <translation>Comment les valeurs se répartissent sur l’étendue. «&#xa0;Régulière&#xa0;» espace les graduations selon le biais&#xa0;; les autres échelles placent chaque graduation et chaque chiffre à sa valeur et n’utilisent ni le biais, ni le début et le pas des chiffres.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De&#xa0;:</translation>
    </message>
    <message>
        <source>Value at the start of the span (in dB on a decibel scale)</source>
        <translation>Valeur au début de l’étendue (en dB sur une échelle en décibels)</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À&#xa0;:</translation>
    </message>
    <message>
        <source>Value at the end of the span (in dB on a decibel scale)</source>
        <translation>Valeur à la fin de l’étendue (en dB sur une échelle en décibels)</translation>
    </message>
    <message>
        <source>Exponent:</source>
        <translation>Exposant&#xa0;:</translation>
    </message>
    <message>
        <source>Exponent of a power-law scale: 2 for a square-law meter movement, 0.5 for its inverse</source>
        <translation>Exposant d’une échelle en puissance&#xa0;: 2 pour un équipage de mesure quadratique, 0,5 pour son inverse</translation>
    </message>
    <message>
        <source>Points...</source>
        <translation>Points...</translation>
    </message>
    <message>
        <source>Edit the calibration table: the fraction of the span at which each value stands</source>
        <translation>Modifier la table d’étalonnage&#xa0;: la fraction de l’étendue où se trouve chaque valeur</translation>
    </message>
    <message>
        <source>This scale cannot be drawn as it is, so the layer is drawn evenly, with its bias, until it is put right.</source>
        <translation>Cette échelle ne peut pas être dessinée telle quelle&#xa0;; le calque est donc dessiné de façon régulière, avec son biais, jusqu’à ce qu’elle soit corrigée.</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Scale From</source>
        <translation>Début de l’échelle</translation>
    </message>
    <message>
        <source>from</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Scale To</source>
        <translation>Fin de l’échelle</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Scale Exponent</source>
        <translation>Exposant de l’échelle</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>exposant</translation>
    </message>
    <message>
        <source>Scale Points</source>
        <translation>Points de l’échelle</translation>
    </message>
    <message>
        <source>calibration points</source>
        <translation>points d’étalonnage</translation>
    </message>
    <message>
        <source>%1 The layer is drawn evenly.</source>
        <translation>%1 Le calque est dessiné de façon régulière.</translation>
    </message>
    <message>
        <source>Change Scale</source>
        <translation>Modifier «&#xa0;Échelle&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ScaleMap</name>
    <message>
        <source>This version does not know the scale type “%1”.</source>
        <translation>Cette version ne connaît pas le type d’échelle «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>A decibel scale cannot reach %1 dB.</source>
        <translation>Une échelle en décibels ne peut pas atteindre %1 dB.</translation>
    </message>
    <message>
        <source>The exponent must be above 0.</source>
        <translation>L’exposant doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>A calibration table needs at least two points.</source>
        <translation>Une table d’étalonnage nécessite au moins deux points.</translation>
    </message>
    <message>
        <source>Point %1 is not a value and a fraction.</source>
        <translation>Le point %1 n’est pas une valeur et une fraction.</translation>
    </message>
    <message>
        <source>The fraction of point %1 must lie between 0 and 1.</source>
        <translation>La fraction du point %1 doit être comprise entre 0 et 1.</translation>
    </message>
    <message>
        <source>The values must increase from point to point (point %1).</source>
        <translation>Les valeurs doivent croître d’un point à l’autre (point %1).</translation>
    </message>
    <message>
        <source>Points %1 and %2 are too far apart.</source>
        <translation>Les points %1 et %2 sont trop éloignés.</translation>
    </message>
    <message>
        <source>“From” and “To” must be numbers.</source>
        <translation>«&#xa0;De&#xa0;» et «&#xa0;À&#xa0;» doivent être des nombres.</translation>
    </message>
    <message>
        <source>“From” and “To” must differ.</source>
        <translation>«&#xa0;De&#xa0;» et «&#xa0;À&#xa0;» doivent être différents.</translation>
    </message>
    <message>
        <source>“From” and “To” are too far apart.</source>
        <translation>«&#xa0;De&#xa0;» et «&#xa0;À&#xa0;» sont trop éloignés.</translation>
    </message>
    <message>
        <source>A logarithmic scale needs “From” and “To” above 0.</source>
        <translation>Une échelle logarithmique nécessite «&#xa0;De&#xa0;» et «&#xa0;À&#xa0;» supérieurs à 0.</translation>
    </message>
    <message>
        <source>“From” and “To” are too far below 0 dB to tell apart.</source>
        <translation>«&#xa0;De&#xa0;» et «&#xa0;À&#xa0;» sont trop en dessous de 0 dB pour être distingués.</translation>
    </message>
</context>
<context>
    <name>ScalePointsDialog</name>
    <message>
        <source>Calibration Points</source>
        <translation>Points d’étalonnage</translation>
    </message>
    <message>
        <source>Where each value stands, as a fraction of the span: 0 at its start, 1 at its end. Values increase from row to row; between the points the scale follows a smooth curve that never turns back.</source>
        <translation>La position de chaque valeur, en fraction de l’étendue&#xa0;: 0 à son début, 1 à sa fin. Les valeurs croissent d’une ligne à l’autre&#xa0;; entre les points, l’échelle suit une courbe lisse qui ne revient jamais en arrière.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Fraction</translation>
    </message>
    <message>
        <source>Calibration points: a value and the fraction of the span where it stands</source>
        <translation>Points d’étalonnage&#xa0;: une valeur et la fraction de l’étendue où elle se trouve</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add a point after the selected one</source>
        <translation>Ajouter un point après le point sélectionné</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the selected points</source>
        <translation>Supprimer les points sélectionnés</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Replace the points with two columns copied from a spreadsheet or a CSV file: value and fraction, separated by a tab or a comma</source>
        <translation>Remplacer les points par deux colonnes copiées d’un tableur ou d’un fichier CSV&#xa0;: valeur et fraction, séparées par une tabulation ou une virgule</translation>
    </message>
    <message>
        <source>Nothing pasted. %1</source>
        <translation>Rien n’a été collé. %1</translation>
    </message>
    <message>
        <source>Row %1: the %2 is not a number.</source>
        <translation>Ligne %1&#xa0;: la %2 n’est pas un nombre.</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valeur</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>fraction</translation>
    </message>
    <message>
        <source>Calibration points</source>
        <translation>Points d’étalonnage</translation>
    </message>
</context>
<context>
    <name>SpanEditor</name>
    <message>
        <source>Start Angle</source>
        <translation>Angle de départ</translation>
    </message>
    <message>
        <source>Start angle</source>
        <translation>Angle de départ</translation>
    </message>
    <message>
        <source>Angle Length</source>
        <translation>Étendue angulaire</translation>
    </message>
    <message>
        <source>Angle length</source>
        <translation>Étendue angulaire</translation>
    </message>
    <message>
        <source>Bias</source>
        <translation>Biais</translation>
    </message>
    <message>
        <source>Bias Type</source>
        <translation>Type de biais</translation>
    </message>
    <message>
        <source>Bias type</source>
        <translation>Type de biais</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>A video cannot be written to this device or pipe.</source>
        <translation>Impossible d’écrire une vidéo sur ce périphérique ou dans ce tube.</translation>
    </message>
    <message>
        <source>No temporary file could be made beside the file.</source>
        <translation>Impossible de créer un fichier temporaire à côté du fichier.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>dialwright: only the first file is opened
</source>
        <translation>dialwright&#xa0;: seul le premier fichier est ouvert
</translation>
    </message>
    <message>
        <source>Design the faces of round gauges: tick marks, arcs and numbers.</source>
        <translation>Concevoir les cadrans de jauges rondes&#xa0;: graduations, arcs et chiffres.</translation>
    </message>
    <message>
        <source>A gauge file to open.</source>
        <translation>Un fichier de cadran à ouvrir.</translation>
    </message>
</context>
<context>
    <name>SvgPicture</name>
    <message>
        <source>The SVG picture holds a vector picture of its own, which is not drawn.</source>
        <translation>L’image SVG contient sa propre image vectorielle, qui n’est pas dessinée.</translation>
    </message>
    <message>
        <source>The SVG picture holds an image of %1 x %2 pixels, too many to draw.</source>
        <translation>L’image SVG contient une image de %1 x %2 pixels, trop pour être dessinée.</translation>
    </message>
    <message>
        <source>The SVG picture refers to itself without end.</source>
        <translation>L’image SVG renvoie à elle-même sans fin.</translation>
    </message>
    <message>
        <source>The SVG picture draws more than %1 elements.</source>
        <translation>L’image SVG dessine plus de %1 éléments.</translation>
    </message>
    <message>
        <source>The SVG picture nests deeper than %1 levels.</source>
        <translation>L’image SVG s’imbrique sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>The SVG picture has more than %1 elements.</source>
        <translation>L’image SVG a plus de %1 éléments.</translation>
    </message>
    <message>
        <source>The SVG picture shows the file “%1”, which the gauge does not carry.</source>
        <translation>L’image SVG affiche le fichier «&#xa0;%1&#xa0;», que le cadran ne contient pas.</translation>
    </message>
    <message>
        <source>The SVG picture cannot be read: %1 at line %2.</source>
        <translation>L’image SVG ne peut pas être lue&#xa0;: %1 à la ligne %2.</translation>
    </message>
    <message>
        <source>The SVG picture is empty.</source>
        <translation>L’image SVG est vide.</translation>
    </message>
    <message>
        <source>The SVG picture has a style sheet that may read other files.</source>
        <translation>L’image SVG a une feuille de style qui peut lire d’autres fichiers.</translation>
    </message>
    <message>
        <source>The SVG picture holds an image that is not PNG or JPEG.</source>
        <translation>L’image SVG contient une image qui n’est ni PNG ni JPEG.</translation>
    </message>
    <message>
        <source>The SVG picture declares entities, which are not read.</source>
        <translation>L’image SVG déclare des entités, qui ne sont pas lues.</translation>
    </message>
    <message>
        <source>The picture is not an SVG document.</source>
        <translation>L’image n’est pas un document SVG.</translation>
    </message>
    <message>
        <source>The SVG picture names two targets for one element.</source>
        <translation>L’image SVG désigne deux cibles pour un même élément.</translation>
    </message>
    <message>
        <source>The SVG picture draws more than %1 characters of text.</source>
        <translation>L’image SVG dessine plus de %1 caractères de texte.</translation>
    </message>
    <message>
        <source>The SVG picture covers itself more than %1 times over, too much to draw.</source>
        <translation>L’image SVG se recouvre elle-même plus de %1 fois, trop pour être dessinée.</translation>
    </message>
</context>
<context>
    <name>TargetDialog</name>
    <message>
        <source>Swap the bytes of RGB565 pixels (displays on SPI)</source>
        <translation>Inverser les octets des pixels RGB565 (écrans sur SPI)</translation>
    </message>
    <message>
        <source>Export For</source>
        <translation>Exporter pour</translation>
    </message>
    <message>
        <source>LVGL 9 (C sources, .bin files, header and example)</source>
        <translation>LVGL 9 (sources C, fichiers .bin, en-tête et exemple)</translation>
    </message>
    <message>
        <source>LVGL 8 (C sources, header and example)</source>
        <translation>LVGL 8 (sources C, en-tête et exemple)</translation>
    </message>
    <message>
        <source>TFT sprites (RGB565 headers)</source>
        <translation>Sprites TFT (en-têtes RGB565)</translation>
    </message>
    <message>
        <source>FlightGear (2D instrument)</source>
        <translation>FlightGear (instrument 2D)</translation>
    </message>
    <message>
        <source>Web page (HTML and ES module)</source>
        <translation>Page web (HTML et module ES)</translation>
    </message>
    <message>
        <source>Table (CSV and JSON)</source>
        <translation>Table (CSV et JSON)</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Cible&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Colour format:</source>
        <translation>&amp;Format de couleur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TickLevelEditor</name>
    <message>
        <source>Primary</source>
        <translation>graduations principales</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>graduations secondaires</translation>
    </message>
    <message>
        <source>Tertiary</source>
        <translation>graduations tertiaires</translation>
    </message>
    <message>
        <source>Primary ticks</source>
        <translation>Graduations principales</translation>
    </message>
    <message>
        <source>Secondary ticks</source>
        <translation>Graduations secondaires</translation>
    </message>
    <message>
        <source>Tertiary ticks</source>
        <translation>Graduations tertiaires</translation>
    </message>
    <message>
        <source>Primary tick colour</source>
        <translation>Couleur des graduations principales</translation>
    </message>
    <message>
        <source>Secondary tick colour</source>
        <translation>Couleur des graduations secondaires</translation>
    </message>
    <message>
        <source>Tertiary tick colour</source>
        <translation>Couleur des graduations tertiaires</translation>
    </message>
    <message>
        <source>%1 Count</source>
        <translation>Nombre de %1</translation>
    </message>
    <message>
        <source>divisions</source>
        <translation>divisions</translation>
    </message>
    <message>
        <source>%1 Inner Radius</source>
        <translation>Rayon intérieur des %1</translation>
    </message>
    <message>
        <source>inner radius</source>
        <translation>rayon intérieur</translation>
    </message>
    <message>
        <source>%1 Outer Radius</source>
        <translation>Rayon extérieur des %1</translation>
    </message>
    <message>
        <source>outer radius</source>
        <translation>rayon extérieur</translation>
    </message>
    <message>
        <source>%1 Line Width</source>
        <translation>Épaisseur des %1</translation>
    </message>
    <message>
        <source>line width</source>
        <translation>épaisseur du trait</translation>
    </message>
    <message>
        <source>%1 Color</source>
        <translation>Couleur des %1</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Its value is not a number.</source>
        <translation>Sa valeur n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The ends of its scale have no angle.</source>
        <translation>Les extrémités de son échelle n’ont pas d’angle.</translation>
    </message>
    <message>
        <source>Needle %1: %2</source>
        <translation>Aiguille %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ValueScale</name>
    <message>
        <source>Line %1 is not a value and a fraction: “%2”.</source>
        <translation>La ligne %1 n’est pas une valeur et une fraction&#xa0;: «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The text holds no points: one value and one fraction a line.</source>
        <translation>Le texte ne contient aucun point&#xa0;: une valeur et une fraction par ligne.</translation>
    </message>
    <message>
        <source>The text holds more than %1 points; a table may hold at most %1.</source>
        <translation>Le texte contient plus de %1 points&#xa0;; une table peut en contenir au plus %1.</translation>
    </message>
</context>
<context>
    <name>ValueSource</name>
    <message>
        <source>The values of a sweep must be numbers.</source>
        <translation>Les valeurs d’un balayage doivent être des nombres.</translation>
    </message>
    <message>
        <source>A sweep must last more than 0 seconds and at most %1 hours.</source>
        <translation>Un balayage doit durer plus de 0 seconde et au plus %1 heures.</translation>
    </message>
</context>
<context>
    <name>VersionDocument</name>
    <message>
        <source>The version document is not well-formed XML: %1 (line %2, column %3)</source>
        <translation>Le document de version n’est pas du XML bien formé&#xa0;: %1 (ligne %2, colonne %3)</translation>
    </message>
</context>
<context>
    <name>VideoFormats</name>
    <message>
        <source>PNG sequence (.png)</source>
        <translation>Séquence PNG (.png)</translation>
    </message>
    <message>
        <source>QuickTime Animation, lossless (.mov)</source>
        <translation>QuickTime Animation, sans perte (.mov)</translation>
    </message>
    <message>
        <source>ProRes 4444 (.mov)</source>
        <translation>ProRes 4444 (.mov)</translation>
    </message>
    <message>
        <source>VP9 (.webm)</source>
        <translation>VP9 (.webm)</translation>
    </message>
    <message>
        <source>H.264 without transparency (.mp4)</source>
        <translation>H.264 sans transparence (.mp4)</translation>
    </message>
    <message>
        <source>The frame rate must be from %1 to %2 frames a second.</source>
        <translation>La fréquence d’images doit être comprise entre %1 et %2 images par seconde.</translation>
    </message>
    <message>
        <source>H.264 needs an even size; choose %1 or %2 pixels.</source>
        <translation>H.264 exige une taille paire ; choisissez %1 ou %2 pixels.</translation>
    </message>
    <message>
        <source>No file name is given.</source>
        <translation>Aucun nom de fichier n’est indiqué.</translation>
    </message>
    <message>
        <source>The frames&apos; file name may hold only one frame number (%d).</source>
        <translation>Le nom de fichier des images ne peut contenir qu’un seul numéro d’image (%d).</translation>
    </message>
</context>
<context>
    <name>VideoWriter</name>
    <message>
        <source>The video is not open.</source>
        <translation>La vidéo n’est pas ouverte.</translation>
    </message>
    <message>
        <source>A frame is missing: it could not be drawn.</source>
        <translation>Il manque une image : elle n’a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>A frame has %1 × %2 pixels; the video has %3 × %3.</source>
        <translation>Une image fait %1 × %2 pixels ; la vidéo fait %3 × %3.</translation>
    </message>
    <message>
        <source>The animation has no frames.</source>
        <translation>L’animation ne contient aucune image.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Start Angle:</source>
        <translation>Angle de départ&#xa0;:</translation>
    </message>
    <message>
        <source>Angle Start: -360 to 360</source>
        <translation>Angle de départ&#xa0;: de -360 à 360</translation>
    </message>
    <message>
        <source>Angle Length:</source>
        <translation>Étendue&#xa0;:</translation>
    </message>
    <message>
        <source>Angle Length: -360 to 360</source>
        <translation>Étendue angulaire&#xa0;: de -360 à 360</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bias:&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Biais&#xa0;:&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Bias Amount: 0 to 1</source>
        <translation>Intensité du biais&#xa0;: de 0 à 1</translation>
    </message>
    <message>
        <source>Bias Type:</source>
        <translation>Type de biais&#xa0;:</translation>
    </message>
    <message>
        <source>Which function to use for Bias.</source>
        <translation>La fonction utilisée pour le biais.</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Modèle&#xa0;:</translation>
    </message>
    <message>
        <source>Select a Preset from file</source>
        <translation>Choisir un modèle dans un fichier</translation>
    </message>
    <message>
        <source>Save the whole gauge - every layer - to a file</source>
        <translation>Enregistrer le cadran entier – tous les calques – dans un fichier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Load a gauge file or preset, adding its layers to this gauge</source>
        <translation>Charger un fichier de cadran ou un modèle, en ajoutant ses calques à ce cadran</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Divisions</source>
        <translation>Graduations</translation>
    </message>
    <message>
        <source>Primary:</source>
        <translation>Principales&#xa0;:</translation>
    </message>
    <message>
        <source>Number of Primary Divisions</source>
        <translation>Nombre de divisions principales</translation>
    </message>
    <message>
        <source>Line Width:</source>
        <translation>Épaisseur&#xa0;:</translation>
    </message>
    <message>
        <source>Width of Line</source>
        <translation>Épaisseur du trait</translation>
    </message>
    <message>
        <source>Set Primary Division Color</source>
        <translation>Choisir la couleur des graduations principales</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Inner Radius:</source>
        <translation>Rayon int.&#xa0;:</translation>
    </message>
    <message>
        <source>Inner Radius of Tick Marks</source>
        <translation>Rayon intérieur des graduations</translation>
    </message>
    <message>
        <source>Outer Radius:</source>
        <translation>Rayon ext.&#xa0;:</translation>
    </message>
    <message>
        <source>Outer Radius of Tick Marks</source>
        <translation>Rayon extérieur des graduations</translation>
    </message>
    <message>
        <source>Secondary:</source>
        <translation>Secondaires&#xa0;:</translation>
    </message>
    <message>
        <source>Number of Secondary Divisions</source>
        <translation>Nombre de divisions secondaires</translation>
    </message>
    <message>
        <source>Set Secondary Division Color</source>
        <translation>Choisir la couleur des graduations secondaires</translation>
    </message>
    <message>
        <source>Tertiary:</source>
        <translation>Tertiaires&#xa0;:</translation>
    </message>
    <message>
        <source>Number of Tertiary Divisions</source>
        <translation>Nombre de divisions tertiaires</translation>
    </message>
    <message>
        <source>Set Tertiary Division Color</source>
        <translation>Choisir la couleur des graduations tertiaires</translation>
    </message>
    <message>
        <source>Draw Lines with Rounded Caps?</source>
        <translation>Dessiner les traits avec des extrémités arrondies&#xa0;?</translation>
    </message>
    <message>
        <source>Rounded End Caps</source>
        <translation>Extrémités arrondies</translation>
    </message>
    <message>
        <source>Arcs</source>
        <translation>Arcs</translation>
    </message>
    <message>
        <source>Arc 1 Start:</source>
        <translation>Début arc 1&#xa0;:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longueur&#xa0;:</translation>
    </message>
    <message>
        <source>Set Arc 1 Color</source>
        <translation>Choisir la couleur de l’arc 1</translation>
    </message>
    <message>
        <source>Radius:</source>
        <translation>Rayon&#xa0;:</translation>
    </message>
    <message>
        <source>Radius of Arc</source>
        <translation>Rayon de l’arc</translation>
    </message>
    <message>
        <source>Arc 2 Start:</source>
        <translation>Début arc 2&#xa0;:</translation>
    </message>
    <message>
        <source>Set Arc 2 Color</source>
        <translation>Choisir la couleur de l’arc 2</translation>
    </message>
    <message>
        <source>Arc 3 Start:</source>
        <translation>Début arc 3&#xa0;:</translation>
    </message>
    <message>
        <source>Set Arc 3 Color</source>
        <translation>Choisir la couleur de l’arc 3</translation>
    </message>
    <message>
        <source>Arc 4 Start:</source>
        <translation>Début arc 4&#xa0;:</translation>
    </message>
    <message>
        <source>Set Arc 4 Color</source>
        <translation>Choisir la couleur de l’arc 4</translation>
    </message>
    <message>
        <source>Tick Counts</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Radius of Tick Counts</source>
        <translation>Rayon des chiffres</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Début&#xa0;:</translation>
    </message>
    <message>
        <source>First Tick Value</source>
        <translation>Valeur du premier chiffre</translation>
    </message>
    <message>
        <source>Set Tick Count Color</source>
        <translation>Choisir la couleur des chiffres</translation>
    </message>
    <message>
        <source>Dec. Places:</source>
        <translation>Décimales&#xa0;:</translation>
    </message>
    <message>
        <source>Number of Decimal Places for Tick Counts</source>
        <translation>Nombre de décimales des chiffres</translation>
    </message>
    <message>
        <source>Increment:</source>
        <translation>Pas&#xa0;:</translation>
    </message>
    <message>
        <source>Number to Increment Ticks By</source>
        <translation>Écart d’un chiffre au suivant</translation>
    </message>
    <message>
        <source>Show Tick Counts on Gauge?</source>
        <translation>Afficher les chiffres sur le cadran&#xa0;?</translation>
    </message>
    <message>
        <source>Show Tick Counts</source>
        <translation>Afficher les chiffres</translation>
    </message>
    <message>
        <source>Rotate Tick Counts to match Tick Angle?</source>
        <translation>Tourner les chiffres selon l’angle des graduations&#xa0;?</translation>
    </message>
    <message>
        <source>Rotate Tick Counts</source>
        <translation>Tourner les chiffres</translation>
    </message>
    <message>
        <source>Skip drawing first tick count for overlap?</source>
        <translation>Omettre le premier chiffre pour éviter un chevauchement&#xa0;?</translation>
    </message>
    <message>
        <source>Skip First Tick</source>
        <translation>Omettre le premier</translation>
    </message>
    <message>
        <source>Change Font for Tick Counts</source>
        <translation>Changer la police des chiffres</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Gauge Preview</source>
        <translation>Aperçu du cadran</translation>
    </message>
    <message>
        <source>Save Scalable Vector Graphics Format</source>
        <translation>Enregistrer au format Scalable Vector Graphics</translation>
    </message>
    <message>
        <source>Save SVG</source>
        <translation>Enregistrer SVG</translation>
    </message>
    <message>
        <source>Load Reference Image png (512x512px)</source>
        <translation>Charger une image de référence PNG (512x512 px)</translation>
    </message>
    <message>
        <source>Load Reference</source>
        <translation>Charger référence</translation>
    </message>
    <message>
        <source>Save PNG file (no background)</source>
        <translation>Enregistrer un fichier PNG (sans fond)</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Enregistrer PNG</translation>
    </message>
    <message>
        <source>Size of the exported PNG/SVG square in pixels (max 4096)</source>
        <translation>Taille du carré PNG/SVG exporté en pixels (4096 au plus)</translation>
    </message>
    <message>
        <source>Clear Reference Image</source>
        <translation>Effacer l’image de référence</translation>
    </message>
    <message>
        <source>Clear Reference</source>
        <translation>Effacer référence</translation>
    </message>
    <message>
        <source>Save CSV File with Angle Values for Animation Reference</source>
        <translation>Enregistrer un fichier CSV des angles, comme référence pour l’animation</translation>
    </message>
    <message>
        <source>Save Keyframes CSV</source>
        <translation>Images clés CSV</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#545454;&quot;&gt;Thank you for helping test Dialwright 2.2!&lt;br/&gt;Latest builds can be found at:&lt;br/&gt;&lt;/span&gt;&lt;a href=&quot;%1&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#007af4;&quot;&gt;%1&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#545454;&quot;&gt;Merci de nous aider à tester Dialwright 2.2&#xa0;!&lt;br/&gt;Les dernières versions se trouvent sur&#xa0;:&lt;br/&gt;&lt;/span&gt;&lt;a href=&quot;%1&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#007af4;&quot;&gt;%1&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Calques</translation>
    </message>
    <message>
        <source>Select a Layer. Double-click a name to rename it.</source>
        <translation>Choisissez un calque. Double-cliquez sur un nom pour le renommer.</translation>
    </message>
    <message>
        <source>Add New Layer</source>
        <translation>Ajouter un nouveau calque</translation>
    </message>
    <message>
        <source>Add Layer</source>
        <translation>Ajouter un calque</translation>
    </message>
    <message>
        <source>Remove Selected Layer</source>
        <translation>Supprimer le calque sélectionné</translation>
    </message>
    <message>
        <source>Remove Layer</source>
        <translation>Supprimer le calque</translation>
    </message>
    <message>
        <source>Save only the selected layer, as a reusable preset</source>
        <translation>Enregistrer seulement le calque sélectionné, comme modèle réutilisable</translation>
    </message>
    <message>
        <source>Save Layer...</source>
        <translation>Enregistrer le calque...</translation>
    </message>
    <message>
        <source>Layer 1</source>
        <translation>Calque 1</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponentiel</translation>
    </message>
    <message>
        <source>Midpoint</source>
        <translation>Point médian</translation>
    </message>
    <message>
        <source>Choose a preset</source>
        <translation>Choisir un modèle</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Rename Layer</source>
        <translation>Renommer le calque</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>Enregistrement de %1…</translation>
    </message>
    <message>
        <source>SVG file (*.svg)</source>
        <translation>Fichier SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>Fichier PNG (*.png)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Gauge Does Not Fit</source>
        <translation>Le cadran ne tient pas</translation>
    </message>
    <message>
        <source>The gauge does not fit in the printable area of the page. It is printed at its true size, not shrunk, so what lies beyond the printable area is left out.</source>
        <translation>Le cadran ne tient pas dans la zone imprimable de la page. Il est imprimé à sa taille réelle, sans réduction&#xa0;: ce qui dépasse de la zone imprimable n’est donc pas imprimé.</translation>
    </message>
    <message>
        <source>Print Anyway</source>
        <translation>Imprimer quand même</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Impression…</translation>
    </message>
    <message>
        <source>Unable to print</source>
        <translation>Impossible d’imprimer</translation>
    </message>
    <message>
        <source>The gauge could not be sent to %1.</source>
        <translation>Le cadran n’a pas pu être envoyé à %1.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>The gauge has never been saved.</source>
        <translation>Le cadran n’a jamais été enregistré.</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 contient des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Save Gauge</source>
        <translation>Enregistrer le cadran</translation>
    </message>
    <message>
        <source>Save changes to the gauge before starting a new gauge?</source>
        <translation>Enregistrer les modifications du cadran avant d’en commencer un nouveau&#xa0;?</translation>
    </message>
    <message>
        <source>Open Gauge</source>
        <translation>Ouvrir un cadran</translation>
    </message>
    <message>
        <source>Gauge files (*.gauge)</source>
        <translation>Fichiers de cadran (*.gauge)</translation>
    </message>
    <message>
        <source>Save changes to the gauge before opening another gauge?</source>
        <translation>Enregistrer les modifications du cadran avant d’en ouvrir un autre&#xa0;?</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>%1 no longer exists. It has been removed from the recent files.</source>
        <translation>%1 n’existe plus. Il a été retiré des fichiers récents.</translation>
    </message>
    <message>
        <source>Save changes to the gauge before closing?</source>
        <translation>Enregistrer les modifications du cadran avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Save Layer As Preset</source>
        <translation>Enregistrer le calque comme modèle</translation>
    </message>
    <message>
        <source>Gauge file (*.gauge)</source>
        <translation>Fichier de cadran (*.gauge)</translation>
    </message>
    <message>
        <source>Load Gauge</source>
        <translation>Charger un cadran</translation>
    </message>
    <message>
        <source>Unable to open file</source>
        <translation>Impossible d’ouvrir le fichier</translation>
    </message>
    <message>
        <source>Unable to load gauge</source>
        <translation>Impossible de charger le cadran</translation>
    </message>
    <message>
        <source>%1 could not be read.

%2</source>
        <translation>%1 n’a pas pu être lu.

%2</translation>
    </message>
    <message>
        <source>The current layer has been modified.</source>
        <translation>Le calque actuel a été modifié.</translation>
    </message>
    <message>
        <source>Add the loaded gauge as new layers, or overwrite the current layer with it?</source>
        <translation>Ajouter le cadran chargé comme nouveaux calques, ou remplacer le calque actuel par celui-ci&#xa0;?</translation>
    </message>
    <message>
        <source>Add As New Layers</source>
        <translation>Ajouter comme nouveaux calques</translation>
    </message>
    <message>
        <source>Overwrite Current Layer</source>
        <translation>Remplacer le calque actuel</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>Charger un modèle</translation>
    </message>
    <message>
        <source>Choose a Color</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>New Layer</source>
        <translation>Nouveau calque</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Nom du calque&#xa0;:</translation>
    </message>
    <message>
        <source>A gauge must have at least one layer.</source>
        <translation>Un cadran doit avoir au moins un calque.</translation>
    </message>
    <message>
        <source>Duplicate Layer</source>
        <translation>Dupliquer le calque</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 copie</translation>
    </message>
    <message>
        <source>Move Layer Up</source>
        <translation>Monter le calque</translation>
    </message>
    <message>
        <source>Move Layer Down</source>
        <translation>Descendre le calque</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save &amp;Layer As Preset...</source>
        <translation>Enregistrer le &amp;calque comme modèle...</translation>
    </message>
    <message>
        <source>Export S&amp;VG...</source>
        <translation>Exporter en S&amp;VG...</translation>
    </message>
    <message>
        <source>Export &amp;PNG...</source>
        <translation>Exporter en &amp;PNG...</translation>
    </message>
    <message>
        <source>Export &amp;Keyframes CSV...</source>
        <translation>Exporter les images c&amp;lés en CSV...</translation>
    </message>
    <message>
        <source>Export P&amp;DF / Print...</source>
        <translation>Exporter en P&amp;DF / Imprimer...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Prin&amp;t...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Layer</source>
        <translation>&amp;Calque</translation>
    </message>
    <message>
        <source>&amp;Add Layer...</source>
        <translation>&amp;Ajouter un calque...</translation>
    </message>
    <message>
        <source>&amp;Remove Layer</source>
        <translation>&amp;Supprimer le calque</translation>
    </message>
    <message>
        <source>Re&amp;name Layer</source>
        <translation>&amp;Renommer le calque</translation>
    </message>
    <message>
        <source>&amp;Duplicate Layer</source>
        <translation>D&amp;upliquer le calque</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Check For Updates</source>
        <translation>&amp;Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>&amp;About Dialwright</source>
        <translation>À &amp;propos de Dialwright</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Files</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Dialwright %1&lt;/h3&gt;&lt;p&gt;Design the faces of round gauges: tick marks, arcs and numbers, layer by layer.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Dialwright %1&lt;/h3&gt;&lt;p&gt;Concevoir les cadrans de jauges rondes&#xa0;: graduations, arcs et chiffres, calque par calque.&lt;/p&gt;&lt;p&gt;Compilé avec Qt %2, fonctionne avec Qt %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Dialwright</source>
        <translation>À propos de Dialwright</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Load Reference Image (512x512)</source>
        <translation>Charger une image de référence (512x512)</translation>
    </message>
    <message>
        <source>Unable to load image</source>
        <translation>Impossible de charger l’image</translation>
    </message>
    <message>
        <source>%1 could not be read as a picture.</source>
        <translation>%1 n’a pas pu être lu comme une image.</translation>
    </message>
    <message>
        <source>%1 could not be read as a picture.

%2</source>
        <translation>%1 n’a pas pu être lu comme une image.

%2</translation>
    </message>
    <message>
        <source>Update Check Unavailable</source>
        <translation>Recherche de mises à jour indisponible</translation>
    </message>
    <message>
        <source>This build of Dialwright has no update address, so it cannot check for updates.</source>
        <translation>Cette version de Dialwright n’a pas d’adresse de mise à jour et ne peut donc pas rechercher de mises à jour.</translation>
    </message>
    <message>
        <source>Update Check Failed</source>
        <translation>Échec de la recherche de mises à jour</translation>
    </message>
    <message>
        <source>Request timed out. Please check your internet connection.</source>
        <translation>La requête a expiré. Veuillez vérifier votre connexion Internet.</translation>
    </message>
    <message>
        <source>Could not check for updates:
</source>
        <translation>Impossible de rechercher des mises à jour&#xa0;:
</translation>
    </message>
    <message>
        <source>Version info Invalid</source>
        <translation>Informations de version invalides</translation>
    </message>
    <message>
        <source>Could not check for updates:
Version info invalid, contact Author.</source>
        <translation>Impossible de rechercher des mises à jour&#xa0;:
Informations de version invalides, contactez l’auteur.</translation>
    </message>
    <message>
        <source>No Update Available</source>
        <translation>Aucune mise à jour disponible</translation>
    </message>
    <message>
        <source>Dialwright %1 is up to date.

Thank you for using Dialwright!</source>
        <translation>Dialwright %1 est à jour.

Merci d’utiliser Dialwright&#xa0;!</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>A new version (%1) is available!

%2</source>
        <translation>Une nouvelle version (%1) est disponible&#xa0;!

%2</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Visit Site</source>
        <translation>Visiter le site</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Save gauge</source>
        <translation>Enregistrer le cadran</translation>
    </message>
    <message>
        <source>Load gauge or preset</source>
        <translation>Charger un cadran ou un modèle</translation>
    </message>
    <message>
        <source>Export size in pixels</source>
        <translation>Taille d’export en pixels</translation>
    </message>
    <message>
        <source>Gauge preview</source>
        <translation>Aperçu du cadran</translation>
    </message>
    <message>
        <source>Reference picture</source>
        <translation>Image de référence</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>The gauge as it is drawn and exported. View &gt; Inspect shows it enlarged.</source>
        <translation>Le cadran tel qu’il est dessiné et exporté. Affichage &gt; Examiner le cadran l’affiche agrandi.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Inspect...</source>
        <translation>&amp;Examiner le cadran...</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <comment>%1 is the step, such as Add Layer</comment>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <comment>%1 is the step, such as Add Layer</comment>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Change Layer</source>
        <translation>Modifier le calque</translation>
    </message>
    <message>
        <source>Exported %1 (%2)</source>
        <translation>Exporté : %1 (%2)</translation>
    </message>
    <message>
        <source>%1 could not be opened.

%2</source>
        <translation>%1 n’a pas pu être ouvert.

%2</translation>
    </message>
    <message>
        <source>Rendering %1: frame %2 of %3, %4 frames a second, %5 left</source>
        <translation>Rendu de %1&#xa0;: image %2 sur %3, %4 images par seconde, encore %5</translation>
    </message>
    <message>
        <source>a while</source>
        <translation>un moment</translation>
    </message>
    <message>
        <source>%1:%2</source>
        <translation>%1:%2</translation>
    </message>
    <message>
        <source>Rendering %1…</source>
        <translation>Rendu de %1…</translation>
    </message>
    <message>
        <source>Writing into %1…</source>
        <translation>Écriture dans %1…</translation>
    </message>
    <message>
        <source>Exported into %1</source>
        <translation>Exporté dans %1</translation>
    </message>
    <message>
        <source>Export Assets</source>
        <translation>Exporter les ressources</translation>
    </message>
    <message>
        <source>Export For %1</source>
        <translation>Exporter pour %1</translation>
    </message>
    <message>
        <source>Export Ass&amp;ets...</source>
        <translation>Expor&amp;ter les ressources...</translation>
    </message>
    <message>
        <source>Export &amp;For...</source>
        <translation>Exporter po&amp;ur...</translation>
    </message>
    <message>
        <source>Export Ani&amp;mation...</source>
        <translation>Exporter l’ani&amp;mation...</translation>
    </message>
    <message>
        <source>Face and needles</source>
        <translation>Cadran et aiguilles</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Cadran</translation>
    </message>
    <message>
        <source>Needles</source>
        <translation>Aiguilles</translation>
    </message>
    <message>
        <source>Needles: what the SVG and PNG exports draw: the face with its needles, the face alone, or the needles alone on a transparent ground</source>
        <translation>Aiguilles&#xa0;: ce que dessinent les exports SVG et PNG&#xa0;: le cadran avec ses aiguilles, le cadran seul, ou les aiguilles seules sur fond transparent</translation>
    </message>
    <message>
        <source>Needles in exports</source>
        <translation>Aiguilles dans les exports</translation>
    </message>
    <message>
        <source>Face only</source>
        <translation>Cadran seul</translation>
    </message>
    <message>
        <source>Needles only</source>
        <translation>Aiguilles seules</translation>
    </message>
    <message>
        <source>Dial &amp;Color...</source>
        <translation>&amp;Couleur du cadran...</translation>
    </message>
    <message>
        <source>&amp;Black Dial</source>
        <translation>Cadran &amp;noir</translation>
    </message>
</context>
</TS>
