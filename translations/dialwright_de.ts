<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Export Animation</source>
        <translation>Animation exportieren</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>&amp;Data file:</source>
        <translation>&amp;Datendatei:</translation>
    </message>
    <message>
        <source>No data: the needles can sweep.</source>
        <translation>Keine Daten: Die Zeiger können durchlaufen.</translation>
    </message>
    <message>
        <source>Open Data File</source>
        <translation>Datendatei öffnen</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv *.txt *.tsv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Stands at its value</source>
        <translation>Steht auf seinem Wert</translation>
    </message>
    <message>
        <source>Sweeps</source>
        <translation>Läuft durch</translation>
    </message>
    <message>
        <source>Needle “%1”:</source>
        <translation>Zeiger „%1“:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>S&amp;weep there and back in:</source>
        <translation>D&amp;urchlauf hin und zurück in:</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Smooth (monotone cubic)</source>
        <translation>Glatt (monoton kubisch)</translation>
    </message>
    <message>
        <source>&amp;Between samples:</source>
        <translation>Zwischen &amp;Messwerten:</translation>
    </message>
    <message>
        <source>&amp;Frames a second:</source>
        <translation>&amp;Bilder pro Sekunde:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>Be&amp;reich:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Back&amp;ground:</source>
        <translation>&amp;Hintergrund:</translation>
    </message>
    <message>
        <source>&amp;Write to:</source>
        <translation>&amp;Speichern in:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen …</translation>
    </message>
    <message numerus="yes">
        <source>%n rows, %1 to %2 s.</source>
        <translation>
            <numerusform>%n Zeile, %1 bis %2 s.</numerusform>
            <numerusform>%n Zeilen, %1 bis %2 s.</numerusform>
        </translation>
    </message>
    <message>
        <source>Column “%1”</source>
        <translation>Spalte „%1“</translation>
    </message>
    <message>
        <source>%1 (*.%2)</source>
        <translation>%1 (*.%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n frames.</source>
        <translation>
            <numerusform>%n Einzelbild.</numerusform>
            <numerusform>%n Einzelbilder.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AnimationExport</name>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>The sweep of %1: %2</source>
        <translation>Der Durchlauf von %1: %2</translation>
    </message>
    <message>
        <source>%1 is to follow the column %2, but no data file is given.</source>
        <translation>%1 soll der Spalte %2 folgen, aber es ist keine Datendatei angegeben.</translation>
    </message>
    <message>
        <source>The data has no column %1; its columns are %2.</source>
        <translation>Die Daten haben keine Spalte %1; ihre Spalten sind %2.</translation>
    </message>
    <message>
        <source>The gauge has no needles to animate.</source>
        <translation>Die Skala hat keine Zeiger, die sich animieren ließen.</translation>
    </message>
    <message>
        <source>The gauge has no needle named %1; its needles are %2.</source>
        <translation>Die Skala hat keinen Zeiger namens %1; ihre Zeiger sind %2.</translation>
    </message>
    <message>
        <source>The movement of the needle %1: %2</source>
        <translation>Die Bewegung des Zeigers %1: %2</translation>
    </message>
    <message>
        <source>%1: sweep</source>
        <translation>%1: Durchlauf</translation>
    </message>
    <message>
        <source>None of the gauge&apos;s needles can be drawn.</source>
        <translation>Keiner der Zeiger der Skala kann gezeichnet werden.</translation>
    </message>
    <message>
        <source>Nothing drives the needles: give a data column or a sweep, or the times to show.</source>
        <translation>Nichts bewegt die Zeiger: Geben Sie eine Datenspalte, einen Durchlauf oder die zu zeigenden Zeiten an.</translation>
    </message>
    <message>
        <source>The animation was planned for another gauge.</source>
        <translation>Die Animation wurde für eine andere Skala geplant.</translation>
    </message>
</context>
<context>
    <name>ArcEditor</name>
    <message>
        <source>Arc %1</source>
        <translation>Bogen %1</translation>
    </message>
    <message>
        <source>Arc %1 Start</source>
        <translation>Start von Bogen %1</translation>
    </message>
    <message>
        <source>start angle</source>
        <translation>Startwinkel</translation>
    </message>
    <message>
        <source>Arc %1 Length</source>
        <translation>Länge von Bogen %1</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Arc %1 Radius</source>
        <translation>Radius von Bogen %1</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Arc %1 Line Width</source>
        <translation>Linienbreite von Bogen %1</translation>
    </message>
    <message>
        <source>line width</source>
        <translation>Linienbreite</translation>
    </message>
    <message>
        <source>Arc %1 Color</source>
        <translation>Farbe von Bogen %1</translation>
    </message>
    <message>
        <source>Arc %1 colour</source>
        <translation>Farbe von Bogen %1</translation>
    </message>
</context>
<context>
    <name>AssetSet</name>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>BoundedOutput</name>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
</context>
<context>
    <name>CapsEditor</name>
    <message>
        <source>Rounded Tick Caps</source>
        <translation>Abgerundete Strichenden</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Teilstriche</translation>
    </message>
    <message>
        <source>rounded end caps</source>
        <translation>abgerundete Enden</translation>
    </message>
    <message>
        <source>Rounded Arc Caps</source>
        <translation>Abgerundete Bogenenden</translation>
    </message>
    <message>
        <source>Arcs</source>
        <translation>Bögen</translation>
    </message>
</context>
<context>
    <name>ColorButton</name>
    <message>
        <source>Current colour: %1</source>
        <translation>Aktuelle Farbe: %1</translation>
    </message>
    <message>
        <source>%1. Current colour: %2</source>
        <translation>%1. Aktuelle Farbe: %2</translation>
    </message>
</context>
<context>
    <name>DecodedPicture</name>
    <message>
        <source>The picture has %1 x %2 pixels; a picture may have at most %3 million.</source>
        <translation>Das Bild hat %1 x %2 Pixel; ein Bild darf höchstens %3 Millionen haben.</translation>
    </message>
    <message>
        <source>The picture cannot be read as %1: %2</source>
        <translation>Das Bild kann nicht als %1 gelesen werden: %2</translation>
    </message>
    <message>
        <source>The picture cannot be read as SVG.</source>
        <translation>Das Bild kann nicht als SVG gelesen werden.</translation>
    </message>
    <message>
        <source>The SVG picture has no size: it needs a view box or a width and a height.</source>
        <translation>Das SVG-Bild hat keine Größe: Es braucht eine viewBox oder eine Breite und eine Höhe.</translation>
    </message>
    <message>
        <source>The picture has no data.</source>
        <translation>Das Bild enthält keine Daten.</translation>
    </message>
    <message>
        <source>The picture is not PNG, JPEG or SVG.</source>
        <translation>Das Bild ist weder PNG noch JPEG noch SVG.</translation>
    </message>
    <message>
        <source>The SVG picture holds images of %1 million pixels; a drawing may decode at most %2 million.</source>
        <translation>Das SVG-Bild enthält Bilder mit %1 Millionen Pixeln; eine Zeichnung darf höchstens %2 Millionen dekodieren.</translation>
    </message>
</context>
<context>
    <name>DriveData</name>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>A quote in the header row is never closed.</source>
        <translation>Ein Anführungszeichen in der Kopfzeile wird nie geschlossen.</translation>
    </message>
    <message>
        <source>In the header row, text follows the closing quote of a name.</source>
        <translation>In der Kopfzeile folgt Text auf das schließende Anführungszeichen eines Namens.</translation>
    </message>
    <message>
        <source>The file has %1 columns; a data file may have at most %2.</source>
        <translation>Die Datei hat %1 Spalten; eine Datendatei darf höchstens %2 haben.</translation>
    </message>
    <message>
        <source>The first line holds numbers, not names: the file needs a header row naming its columns.</source>
        <translation>Die erste Zeile enthält Zahlen statt Namen: Die Datei braucht eine Kopfzeile, die ihre Spalten benennt.</translation>
    </message>
    <message>
        <source>The file has a single column, %1; it needs a column of times and at least one of values.</source>
        <translation>Die Datei hat nur eine Spalte, %1; sie braucht eine Spalte mit Zeiten und mindestens eine mit Werten.</translation>
    </message>
    <message>
        <source>The time column names a unit, %1, that is not one of s, ms, us, min or h; its numbers are read as seconds.</source>
        <translation>Die Zeitspalte nennt eine Einheit, %1, die nicht s, ms, us, min oder h ist; ihre Zahlen werden als Sekunden gelesen.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, the most a data file may have.</source>
        <translation>Die Datei ist größer als %1 MB, mehr als eine Datendatei haben darf.</translation>
    </message>
    <message>
        <source>The file is UTF-16 text; save it as UTF-8 text.</source>
        <translation>Die Datei ist UTF-16-Text; speichern Sie sie als UTF-8-Text.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Line %1: a quote is never closed; the rest of the file is not read.</source>
        <translation>Zeile %1: Ein Anführungszeichen wird nie geschlossen; der Rest der Datei wird nicht gelesen.</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field.</source>
        <translation>Text folgt auf das schließende Anführungszeichen eines Felds.</translation>
    </message>
    <message>
        <source>%1 fields, where the header row names %2 columns.</source>
        <translation>%1 Felder, wo die Kopfzeile %2 Spalten nennt.</translation>
    </message>
    <message>
        <source>the time is missing.</source>
        <translation>Die Zeit fehlt.</translation>
    </message>
    <message>
        <source>%1 is not a time: seconds such as 12.5, or hh:mm:ss.sss.</source>
        <translation>%1 ist keine Zeit: Sekunden wie 12.5 oder hh:mm:ss.sss.</translation>
    </message>
    <message>
        <source>the time %1 s comes before %2 s, the time of an earlier row.</source>
        <translation>Die Zeit %1 s liegt vor %2 s, der Zeit einer früheren Zeile.</translation>
    </message>
    <message>
        <source>%1 in column %2 is not a number.</source>
        <translation>%1 in Spalte %2 ist keine Zahl.</translation>
    </message>
    <message>
        <source>Line %1: reading stops here; a data file may have at most %2 rows and %3 values.</source>
        <translation>Zeile %1: Das Lesen endet hier; eine Datendatei darf höchstens %2 Zeilen und %3 Werte haben.</translation>
    </message>
    <message>
        <source>Rows not listed here that could not be read: %1.</source>
        <translation>Weitere Zeilen, die nicht gelesen werden konnten und hier nicht aufgeführt sind: %1.</translation>
    </message>
    <message>
        <source>The file has a header row but no data.</source>
        <translation>Die Datei hat eine Kopfzeile, aber keine Daten.</translation>
    </message>
    <message>
        <source>No row of data could be read. %1</source>
        <translation>Keine Datenzeile konnte gelesen werden. %1</translation>
    </message>
    <message>
        <source>None of the value columns (%1) holds a number.</source>
        <translation>Keine der Wertespalten (%1) enthält eine Zahl.</translation>
    </message>
    <message>
        <source>Columns without a number are left out: %1.</source>
        <translation>Spalten ohne Zahl werden weggelassen: %1.</translation>
    </message>
</context>
<context>
    <name>DrivePlot</name>
    <message>
        <source>Plot of the driven values</source>
        <translation>Diagramm der angesteuerten Werte</translation>
    </message>
</context>
<context>
    <name>EmbeddedTargets</name>
    <message>
        <source>The angle table has no rows.</source>
        <translation>Die Winkeltabelle hat keine Zeilen.</translation>
    </message>
    <message>
        <source>Row %1 of the angle table is not a pair of finite numbers.</source>
        <translation>Zeile %1 der Winkeltabelle ist kein Paar endlicher Zahlen.</translation>
    </message>
    <message>
        <source>The value %1 in row %2 of the angle table is too large for a float.</source>
        <translation>Der Wert %1 in Zeile %2 der Winkeltabelle ist zu groß für einen float.</translation>
    </message>
    <message>
        <source>The angle of %1° in row %2 of the angle table does not fit the table&apos;s numbers.</source>
        <translation>Der Winkel von %1° in Zeile %2 der Winkeltabelle passt nicht in die Zahlen der Tabelle.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a variable in C.</source>
        <translation>„%1“ kann in C keine Variable benennen.</translation>
    </message>
    <message>
        <source>The C source would be larger than %1 MB.</source>
        <translation>Die C-Quelldatei wäre größer als %1 MB.</translation>
    </message>
    <message>
        <source>The picture has no pixels.</source>
        <translation>Das Bild hat keine Pixel.</translation>
    </message>
    <message>
        <source>The picture is %1 x %2 pixels; LVGL 8 takes at most %3 pixels each way.</source>
        <translation>Das Bild hat %1 x %2 Pixel; LVGL 8 nimmt in jeder Richtung höchstens %3 Pixel.</translation>
    </message>
    <message>
        <source>The LVGL image&apos;s size, stride and data do not agree.</source>
        <translation>Größe, Zeilenlänge und Daten des LVGL-Bildes passen nicht zueinander.</translation>
    </message>
    <message>
        <source>The picture is %1 x %2 pixels; LVGL 9 takes at most %3 pixels each way.</source>
        <translation>Das Bild hat %1 x %2 Pixel; LVGL 9 nimmt in jeder Richtung höchstens %3 Pixel.</translation>
    </message>
    <message>
        <source>Rows can be aligned to a power of two of bytes up to %1, not to %2.</source>
        <translation>Zeilen lassen sich auf eine Zweierpotenz von Bytes bis %1 ausrichten, nicht auf %2.</translation>
    </message>
    <message>
        <source>A row of %1 pixels takes %2 bytes in %3; LVGL 9 takes rows of at most %4 bytes.</source>
        <translation>Eine Zeile von %1 Pixeln belegt in %3 %2 Bytes; LVGL 9 nimmt Zeilen von höchstens %4 Bytes.</translation>
    </message>
    <message>
        <source>The picture takes %1 bytes in %2; LVGL takes at most %3.</source>
        <translation>Das Bild belegt in %2 %1 Bytes; LVGL nimmt höchstens %3.</translation>
    </message>
    <message>
        <source>The picture is %1 x %2 pixels; a TFT sprite takes at most %3 pixels each way.</source>
        <translation>Das Bild hat %1 x %2 Pixel; ein TFT-Sprite nimmt in jeder Richtung höchstens %3 Pixel.</translation>
    </message>
    <message>
        <source>The layer lays no values along its span.</source>
        <translation>Die Ebene trägt keine Werte über ihren Bereich auf.</translation>
    </message>
    <message>
        <source>The tolerance of the angle table must be above 0.</source>
        <translation>Die Toleranz der Winkeltabelle muss über 0 liegen.</translation>
    </message>
    <message>
        <source>The angle table would need more than %1 rows.</source>
        <translation>Die Winkeltabelle bräuchte mehr als %1 Zeilen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name the target&apos;s files.</source>
        <translation>„%1“ kann die Dateien des Ziels nicht benennen.</translation>
    </message>
    <message>
        <source>Swapped bytes apply to RGB565 only.</source>
        <translation>Vertauschte Bytes gelten nur für RGB565.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The size must be from %1 to %2 pixels.</source>
        <translation>Die Größe muss zwischen %1 und %2 Pixeln liegen.</translation>
    </message>
    <message>
        <source>The SVG would be larger than %1 MB.</source>
        <translation>Die SVG-Datei wäre größer als %1 MB.</translation>
    </message>
    <message>
        <source>Dialwright 2 Gauge</source>
        <translation>Dialwright-2-Skala</translation>
    </message>
    <message>
        <source>A gauge generated in Dialwright 2Saved to SVG.</source>
        <translation>Eine mit Dialwright 2 erstellte Skala, als SVG gespeichert.</translation>
    </message>
    <message>
        <source>The SVG could not be started.</source>
        <translation>Die SVG-Datei konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>The PDF would be larger than %1 MB.</source>
        <translation>Die PDF-Datei wäre größer als %1 MB.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Die PDF-Datei konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The PDF could not be written.</source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Only premultiplied ARGB32 images can be encoded.</source>
        <translation>Nur vormultiplizierte ARGB32-Bilder können kodiert werden.</translation>
    </message>
    <message>
        <source>The image could not be compressed.</source>
        <translation>Das Bild konnte nicht komprimiert werden.</translation>
    </message>
</context>
<context>
    <name>FaceEditor</name>
    <message>
        <source>Face</source>
        <translation>Zifferblatt</translation>
    </message>
    <message>
        <source>Label texts, one a line: the first line labels the first primary tick, the next line the next tick, and so on (the tick&apos;s angle is shown beside each line). An empty line leaves its tick without a label. With no text the labels are numbers.</source>
        <translation>Beschriftungstexte, einer pro Zeile: Die erste Zeile beschriftet den ersten Primärstrich, die nächste Zeile den nächsten Strich und so weiter (der Winkel des Strichs steht neben jeder Zeile). Eine leere Zeile lässt ihren Strich ohne Beschriftung. Ohne Text sind die Beschriftungen Zahlen.</translation>
    </message>
    <message>
        <source>Numbers (type texts to replace them)</source>
        <translation>Zahlen (Texte eingeben, um sie zu ersetzen)</translation>
    </message>
    <message>
        <source>Label Texts:</source>
        <translation>Beschriftungstexte:</translation>
    </message>
    <message>
        <source>The layer&apos;s pictures and texts, in the order they are drawn. Select one to edit it here, or click it on the preview; drag it there or move it with the arrow keys.</source>
        <translation>Die Bilder und Texte der Ebene in der Reihenfolge, in der sie gezeichnet werden. Wählen Sie eines aus, um es hier zu bearbeiten, oder klicken Sie es in der Vorschau an; ziehen Sie es dort oder bewegen Sie es mit den Pfeiltasten.</translation>
    </message>
    <message>
        <source>Texts and pictures</source>
        <translation>Texte und Bilder</translation>
    </message>
    <message>
        <source>Texts and Pictures:</source>
        <translation>Texte und Bilder:</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Add a text to the layer, below the hub</source>
        <translation>Der Ebene einen Text unterhalb der Nabe hinzufügen</translation>
    </message>
    <message>
        <source>Add Picture...</source>
        <translation>Bild hinzufügen...</translation>
    </message>
    <message>
        <source>Add a PNG, JPEG or SVG picture to the layer; the gauge file carries it. An SVG picture stays vector in SVG and PDF.</source>
        <translation>Der Ebene ein PNG-, JPEG- oder SVG-Bild hinzufügen; die Skalendatei führt es mit. Ein SVG-Bild bleibt in SVG und PDF ein Vektorbild.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected text or picture</source>
        <translation>Den gewählten Text oder das gewählte Bild entfernen</translation>
    </message>
    <message>
        <source>Select a text or a picture to edit it.</source>
        <translation>Wählen Sie einen Text oder ein Bild aus, um es zu bearbeiten.</translation>
    </message>
    <message>
        <source>Why the selected element is not drawn. It is kept in the gauge and saved as it is.</source>
        <translation>Warum das gewählte Element nicht gezeichnet wird. Es bleibt in der Skala und wird unverändert gespeichert.</translation>
    </message>
    <message>
        <source>The text; each line is a line on the dial</source>
        <translation>Der Text; jede Zeile ist eine Zeile auf dem Zifferblatt</translation>
    </message>
    <message>
        <source>in gauge radii from the centre</source>
        <translation>in Skalenradien vom Mittelpunkt</translation>
    </message>
    <message>
        <source>Where the text stands across, %1 (right is positive)</source>
        <translation>Wo der Text waagerecht steht, %1 (rechts ist positiv)</translation>
    </message>
    <message>
        <source>Where the text stands down, %1 (down is positive)</source>
        <translation>Wo der Text senkrecht steht, %1 (unten ist positiv)</translation>
    </message>
    <message>
        <source>Height of the font in drawing units: the dial is 500 across</source>
        <translation>Höhe der Schrift in Zeichnungseinheiten: Das Zifferblatt ist 500 breit</translation>
    </message>
    <message>
        <source>Rotation in degrees, clockwise</source>
        <translation>Drehung in Grad, im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Drehung:</translation>
    </message>
    <message>
        <source>Font of the text</source>
        <translation>Schrift des Textes</translation>
    </message>
    <message>
        <source>B</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>I</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Which part of the text stands at its position: its left edge, its middle or its right edge</source>
        <translation>Welcher Teil des Textes an seiner Position steht: sein linker Rand, seine Mitte oder sein rechter Rand</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Set Text Color</source>
        <translation>Textfarbe festlegen</translation>
    </message>
    <message>
        <source>Where the picture&apos;s centre stands across, %1</source>
        <translation>Wo die Bildmitte waagerecht steht, %1</translation>
    </message>
    <message>
        <source>Where the picture&apos;s centre stands down, %1</source>
        <translation>Wo die Bildmitte senkrecht steht, %1</translation>
    </message>
    <message>
        <source>Width of the picture in gauge radii; its height follows</source>
        <translation>Breite des Bildes in Skalenradien; seine Höhe folgt daraus</translation>
    </message>
    <message>
        <source>Opacity: 1 is solid, 0 invisible</source>
        <translation>Deckkraft: 1 ist deckend, 0 unsichtbar</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Ersetzen...</translation>
    </message>
    <message>
        <source>Put another picture file in its place</source>
        <translation>Eine andere Bilddatei an seine Stelle setzen</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Deckkraft:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Label Texts</source>
        <translation>Beschriftungstexte</translation>
    </message>
    <message>
        <source>Label texts</source>
        <translation>Beschriftungstexte</translation>
    </message>
    <message>
        <source>words</source>
        <translation>Wortlaut</translation>
    </message>
    <message>
        <source>Text X</source>
        <translation>Text-X</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Text Y</source>
        <translation>Text-Y</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Text Rotation</source>
        <translation>Textdrehung</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Textschrift</translation>
    </message>
    <message>
        <source>font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Text Bold</source>
        <translation>Text fett</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>fett</translation>
    </message>
    <message>
        <source>Text Italic</source>
        <translation>Text kursiv</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>kursiv</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>Textausrichtung</translation>
    </message>
    <message>
        <source>alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Picture X</source>
        <translation>Bild-X</translation>
    </message>
    <message>
        <source>Picture Y</source>
        <translation>Bild-Y</translation>
    </message>
    <message>
        <source>Picture Width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Picture Rotation</source>
        <translation>Bilddrehung</translation>
    </message>
    <message>
        <source>Picture Opacity</source>
        <translation>Bilddeckkraft</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>auslassen</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Text: %1</source>
        <translation>Text: %1</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>Nicht gezeichnet: %1</translation>
    </message>
    <message>
        <source>Change Label Texts</source>
        <translation>„Beschriftungstexte“ ändern</translation>
    </message>
    <message>
        <source>Change Text</source>
        <translation>„Text“ ändern</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>„Bild“ ändern</translation>
    </message>
    <message>
        <source>Remove Text</source>
        <translation>Text entfernen</translation>
    </message>
    <message>
        <source>Remove Picture</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Move Text</source>
        <translation>Text verschieben</translation>
    </message>
    <message>
        <source>Move Picture</source>
        <translation>Bild verschieben</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Unable to open file</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the most a picture of a gauge may have.</source>
        <translation>%1 ist größer als %2 MB, mehr als ein Bild einer Skala haben darf.</translation>
    </message>
    <message>
        <source>%1 is not a PNG, JPEG or SVG picture.</source>
        <translation>%1 ist kein PNG-, JPEG- oder SVG-Bild.</translation>
    </message>
    <message>
        <source>%1 cannot be drawn.

%2</source>
        <translation>%1 kann nicht gezeichnet werden.

%2</translation>
    </message>
    <message>
        <source>With %1 the gauge would hold %2 MB of pictures; a gauge file may hold at most %3 MB.</source>
        <translation>Mit %1 enthielte die Skala %2 MB an Bildern; eine Skalendatei darf höchstens %3 MB enthalten.</translation>
    </message>
    <message>
        <source>Replace Picture</source>
        <translation>Bild ersetzen</translation>
    </message>
</context>
<context>
    <name>FacePainter</name>
    <message>
        <source>The text is empty.</source>
        <translation>Der Text ist leer.</translation>
    </message>
    <message>
        <source>The text is longer than %1 characters.</source>
        <translation>Der Text ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>Its position, size or rotation is not a number.</source>
        <translation>Seine Position, Größe oder Drehung ist keine Zahl.</translation>
    </message>
    <message>
        <source>It lies more than %1 radii from the centre.</source>
        <translation>Es liegt mehr als %1 Radien vom Mittelpunkt entfernt.</translation>
    </message>
    <message>
        <source>Its size must be above 0 and at most %1.</source>
        <translation>Seine Größe muss über 0 und höchstens %1 sein.</translation>
    </message>
    <message>
        <source>Its position, width, rotation or opacity is not a number.</source>
        <translation>Seine Position, Breite, Drehung oder Deckkraft ist keine Zahl.</translation>
    </message>
    <message>
        <source>Its width must be above 0 and at most %1.</source>
        <translation>Seine Breite muss über 0 und höchstens %1 sein.</translation>
    </message>
    <message>
        <source>Its data in the gauge file is damaged: it is not base64.</source>
        <translation>Seine Daten in der Skalendatei sind beschädigt: Sie sind kein Base64.</translation>
    </message>
    <message>
        <source>A layer draws at most %1 texts and pictures.</source>
        <translation>Eine Ebene zeichnet höchstens %1 Texte und Bilder.</translation>
    </message>
</context>
<context>
    <name>FfmpegWriter</name>
    <message>
        <source>The video could not be written: %1</source>
        <translation>Das Video konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The video encoder failed: %1</source>
        <translation>Der Video-Encoder ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The FFmpeg libraries of this system have no %1 encoder.</source>
        <translation>Die FFmpeg-Bibliotheken dieses Systems haben keinen %1-Encoder.</translation>
    </message>
    <message>
        <source>The %1 encoder could not be started: %2</source>
        <translation>Der %1-Encoder konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The FFmpeg libraries of this system cannot write %1 files.</source>
        <translation>Die FFmpeg-Bibliotheken dieses Systems können keine %1-Dateien schreiben.</translation>
    </message>
    <message>
        <source>The frames cannot be converted for the %1 encoder.</source>
        <translation>Die Einzelbilder lassen sich nicht für den %1-Encoder umwandeln.</translation>
    </message>
    <message>
        <source>A frame could not be converted: %1</source>
        <translation>Ein Einzelbild konnte nicht umgewandelt werden: %1</translation>
    </message>
</context>
<context>
    <name>FrameEncoder</name>
    <message>
        <source>The video is already finished.</source>
        <translation>Das Video ist bereits abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>Frames</name>
    <message>
        <source>The frame rate must be a whole number from %1 to %2, not %3.</source>
        <translation>Die Bildrate muss eine ganze Zahl von %1 bis %2 sein, nicht %3.</translation>
    </message>
    <message>
        <source>The animation must start and end at times within %1 seconds of 0.</source>
        <translation>Die Animation muss zu Zeiten beginnen und enden, die höchstens %1 Sekunden von 0 entfernt sind.</translation>
    </message>
    <message>
        <source>The animation must end after it starts; it runs from %1 s to %2 s.</source>
        <translation>Die Animation muss nach ihrem Beginn enden; sie läuft von %1 s bis %2 s.</translation>
    </message>
    <message>
        <source>An animation may last at most %1 hours; %2 s to %3 s is longer.</source>
        <translation>Eine Animation darf höchstens %1 Stunden dauern; %2 s bis %3 s ist länger.</translation>
    </message>
</context>
<context>
    <name>GaugeDocument</name>
    <message>
        <source>%1 at line %2, column %3</source>
        <translation>%1 in Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>The gauge has more than %1 layers, more than a gauge file may hold.</source>
        <translation>Die Skala hat mehr als %1 Ebenen, mehr als eine Skalendatei enthalten darf.</translation>
    </message>
    <message>
        <source>The gauge file would be larger than %1 MB.</source>
        <translation>Die Skalendatei wäre größer als %1 MB.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file contains no layers.</source>
        <translation>Die Datei enthält keine Ebenen.</translation>
    </message>
    <message>
        <source>The file has %1 layers; a gauge file may hold at most %2.</source>
        <translation>Die Datei hat %1 Ebenen; eine Skalendatei darf höchstens %2 enthalten.</translation>
    </message>
    <message>
        <source>It is not valid JSON, and does not look like a gauge file from an earlier version either.</source>
        <translation>Sie ist kein gültiges JSON und sieht auch nicht wie eine Skalendatei einer früheren Version aus.</translation>
    </message>
    <message>
        <source>Layer %1 has %2 texts and pictures; a layer may hold at most %3.</source>
        <translation>Ebene %1 hat %2 Texte und Bilder; eine Ebene darf höchstens %3 enthalten.</translation>
    </message>
    <message>
        <source>Layer %1 has %2 label texts; a layer may hold at most %3.</source>
        <translation>Ebene %1 hat %2 Beschriftungstexte; eine Ebene darf höchstens %3 enthalten.</translation>
    </message>
    <message>
        <source>Layer %1 has a picture of %2 MB; a picture may be at most %3 MB.</source>
        <translation>Ebene %1 hat ein Bild von %2 MB; ein Bild darf höchstens %3 MB groß sein.</translation>
    </message>
    <message>
        <source>The gauge holds %1 MB of pictures; a gauge file may hold at most %2 MB.</source>
        <translation>Die Skala enthält %1 MB an Bildern; eine Skalendatei darf höchstens %2 MB enthalten.</translation>
    </message>
    <message>
        <source>Layer %1 has a table of %2 points; a table may hold at most %3.</source>
        <translation>Ebene %1 hat eine Tabelle mit %2 Punkten; eine Tabelle darf höchstens %3 enthalten.</translation>
    </message>
</context>
<context>
    <name>GaugeFile</name>
    <message>
        <source>The file is larger than %1 MiB, far too large for a gauge file.</source>
        <translation>Die Datei ist größer als %1 MiB, viel zu groß für eine Skalendatei.</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Ebene %1</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is a pipe, not a file.</source>
        <translation>Es ist eine Pipe, keine Datei.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Es ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine normale Datei.</translation>
    </message>
</context>
<context>
    <name>InspectionView</name>
    <message>
        <source>Inspect Gauge</source>
        <translation>Skala prüfen</translation>
    </message>
    <message>
        <source>Enlarged gauge</source>
        <translation>Vergrößerte Skala</translation>
    </message>
    <message>
        <source>The gauge as a PNG export of the size shown draws it. The mouse wheel, Plus and Minus zoom, dragging and the arrow keys move it, 0 fits it into the window and 1 shows it at 4096 pixels.</source>
        <translation>Die Skala, wie ein PNG-Export in der angezeigten Größe sie zeichnet. Mausrad, Plus und Minus zoomen, Ziehen und die Pfeiltasten verschieben sie, 0 passt sie in das Fenster ein und 1 zeigt sie mit 4096 Pixeln.</translation>
    </message>
    <message>
        <source>Wheel to zoom, drag to move</source>
        <translation>Mausrad zum Zoomen, Ziehen zum Verschieben</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Half the size (Minus)</source>
        <translation>Halbe Größe (Minus)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Twice the size (Plus)</source>
        <translation>Doppelte Größe (Plus)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>The whole gauge in the window (0)</source>
        <translation>Die ganze Skala im Fenster (0)</translation>
    </message>
    <message>
        <source>1:1 at %1</source>
        <translation>1:1 bei %1</translation>
    </message>
    <message>
        <source>One pixel of the largest export, %1 × %1, on each pixel of the screen (1)</source>
        <translation>Ein Pixel des größten Exports, %1 × %1, auf jedem Pixel des Bildschirms (1)</translation>
    </message>
    <message>
        <source>%1 × %1 pixels, %2% of %3 × %3</source>
        <translation>%1 × %1 Pixel, %2 % von %3 × %3</translation>
    </message>
    <message>
        <source>%1 (drawing…)</source>
        <translation>%1 (wird gezeichnet …)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 × %1 pixels enlarged to %2%</source>
        <translation>%1 × %1 Pixel auf %2% vergrößert</translation>
    </message>
</context>
<context>
    <name>Keyframes</name>
    <message>
        <source>The gauge has more than %1 primary ticks, too many for a keyframe file.</source>
        <translation>Die Skala hat mehr als %1 Primärstriche, zu viele für eine Keyframe-Datei.</translation>
    </message>
    <message>
        <source>The keyframe file would be larger than %1 MB.</source>
        <translation>Die Keyframe-Datei wäre größer als %1 MB.</translation>
    </message>
</context>
<context>
    <name>LabelEditor</name>
    <message>
        <source>Labels</source>
        <translation>Skalenzahlen</translation>
    </message>
    <message>
        <source>Tick Count Radius</source>
        <translation>Radius der Skalenzahlen</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Tick Count Decimal Places</source>
        <translation>Nachkommastellen der Skalenzahlen</translation>
    </message>
    <message>
        <source>decimal places</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Tick Count Start</source>
        <translation>Start der Skalenzahlen</translation>
    </message>
    <message>
        <source>first value</source>
        <translation>erster Wert</translation>
    </message>
    <message>
        <source>Tick Count Increment</source>
        <translation>Schrittweite der Skalenzahlen</translation>
    </message>
    <message>
        <source>increment</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Tick Count Font</source>
        <translation>Schrift der Skalenzahlen</translation>
    </message>
    <message>
        <source>Label font</source>
        <translation>Schrift der Skalenzahlen</translation>
    </message>
    <message>
        <source>Tick Count Color</source>
        <translation>Farbe der Skalenzahlen</translation>
    </message>
    <message>
        <source>Label colour</source>
        <translation>Farbe der Skalenzahlen</translation>
    </message>
    <message>
        <source>Rotate Tick Counts</source>
        <translation>Skalenzahlen drehen</translation>
    </message>
    <message>
        <source>Show Tick Counts</source>
        <translation>Skalenzahlen anzeigen</translation>
    </message>
    <message>
        <source>Skip First Tick</source>
        <translation>Erste Zahl auslassen</translation>
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
        <translation>Die Eigenfrequenz eines Zeigers muss zwischen %1 Hz und %2 Hz liegen, nicht bei %3 Hz.</translation>
    </message>
    <message>
        <source>A needle&apos;s damping ratio must be from 0 to %1, not %2.</source>
        <translation>Der Dämpfungsgrad eines Zeigers muss zwischen 0 und %1 liegen, nicht bei %2.</translation>
    </message>
</context>
<context>
    <name>NeedleEditor</name>
    <message>
        <source>Needles</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>The layer&apos;s needles, drawn over the whole gauge in this order. Select one to edit it here.</source>
        <translation>Die Zeiger der Ebene, in dieser Reihenfolge über die ganze Skala gezeichnet. Wählen Sie einen aus, um ihn hier zu bearbeiten.</translation>
    </message>
    <message>
        <source>Add Needle</source>
        <translation>Zeiger hinzufügen</translation>
    </message>
    <message>
        <source>Add a needle to the layer, pointing at the start of its span</source>
        <translation>Der Ebene einen Zeiger hinzufügen, der auf den Anfang ihres Bereichs zeigt</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected needle</source>
        <translation>Den gewählten Zeiger entfernen</translation>
    </message>
    <message>
        <source>Remove needle</source>
        <translation>Zeiger entfernen</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Durchlaufen</translation>
    </message>
    <message>
        <source>Move every needle from the start of its layer&apos;s span to the end and back; the gauge does not change</source>
        <translation>Jeden Zeiger vom Anfang des Bereichs seiner Ebene bis zum Ende und zurück bewegen; die Skala ändert sich nicht</translation>
    </message>
    <message>
        <source>Why the selected needle is not drawn. It is kept in the gauge and saved as it is.</source>
        <translation>Warum der gewählte Zeiger nicht gezeichnet wird. Er bleibt in der Skala und wird unverändert gespeichert.</translation>
    </message>
    <message>
        <source>The needle&apos;s name: dialwright-render --value NAME=V sets its value</source>
        <translation>Der Name des Zeigers: dialwright-render --value NAME=V setzt seinen Wert</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>The needle&apos;s shape: a bar, a bar narrowing to its tip, a bar with an arrow head, or a picture turned about its pivot</source>
        <translation>Die Form des Zeigers: ein Balken, ein zur Spitze hin schmaler werdender Balken, ein Balken mit Pfeilspitze oder ein Bild, das sich um seinen Drehpunkt dreht</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Tapered</source>
        <translation>Verjüngt</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Bild...</translation>
    </message>
    <message>
        <source>Draw the needle as a PNG, JPEG or SVG picture, upright as it points at 12 o&apos;clock; the gauge file carries it</source>
        <translation>Den Zeiger als PNG-, JPEG- oder SVG-Bild zeichnen, aufrecht, wie er auf 12 Uhr zeigt; die Skalendatei führt es mit</translation>
    </message>
    <message>
        <source>Needle picture</source>
        <translation>Zeigerbild</translation>
    </message>
    <message>
        <source>Shape:</source>
        <translation>Form:</translation>
    </message>
    <message>
        <source>in the picture&apos;s pixels from its top-left corner</source>
        <translation>in Pixeln des Bildes ab seiner oberen linken Ecke</translation>
    </message>
    <message>
        <source>Where in the picture the needle turns, across, %1</source>
        <translation>Wo im Bild sich der Zeiger dreht, waagerecht, %1</translation>
    </message>
    <message>
        <source>Where in the picture the needle turns, down, %1</source>
        <translation>Wo im Bild sich der Zeiger dreht, senkrecht, %1</translation>
    </message>
    <message>
        <source>Pivot X:</source>
        <translation>Drehpunkt X:</translation>
    </message>
    <message>
        <source>Pivot Y:</source>
        <translation>Drehpunkt Y:</translation>
    </message>
    <message>
        <source>From the pivot to the tip, in gauge radii</source>
        <translation>Vom Drehpunkt bis zur Spitze, in Skalenradien</translation>
    </message>
    <message>
        <source>How far the needle reaches behind the pivot, in gauge radii</source>
        <translation>Wie weit der Zeiger hinter den Drehpunkt reicht, in Skalenradien</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Tail:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Width at the hub in drawing units: the dial is 500 across</source>
        <translation>Breite an der Nabe in Zeichnungseinheiten: Das Zifferblatt ist 500 breit</translation>
    </message>
    <message>
        <source>Width at the tip (tapered) or of the arrow head, in drawing units</source>
        <translation>Breite an der Spitze (verjüngt) oder der Pfeilspitze, in Zeichnungseinheiten</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Tip:</source>
        <translation>Spitze:</translation>
    </message>
    <message>
        <source>Set Needle Color</source>
        <translation>Zeigerfarbe festlegen</translation>
    </message>
    <message>
        <source>Turns freely</source>
        <translation>Dreht frei</translation>
    </message>
    <message>
        <source>Values beyond the ends of the span turn the needle on round the dial (a compass) instead of stopping it at the end</source>
        <translation>Werte jenseits der Enden des Bereichs drehen den Zeiger weiter um das Zifferblatt (wie bei einem Kompass), statt ihn am Ende anzuhalten</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Hub:</source>
        <translation>Nabe:</translation>
    </message>
    <message>
        <source>A cap over the pivot</source>
        <translation>Eine Kappe über dem Drehpunkt</translation>
    </message>
    <message>
        <source>Radius of the hub cap in gauge radii</source>
        <translation>Radius der Nabenkappe in Skalenradien</translation>
    </message>
    <message>
        <source>Set Hub Color</source>
        <translation>Nabenfarbe festlegen</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>Schatten:</translation>
    </message>
    <message>
        <source>A soft shadow under the needle and its hub</source>
        <translation>Ein weicher Schatten unter dem Zeiger und seiner Nabe</translation>
    </message>
    <message>
        <source>How far the shadow is blurred, in drawing units</source>
        <translation>Wie stark der Schatten weichgezeichnet wird, in Zeichnungseinheiten</translation>
    </message>
    <message>
        <source>How far the shadow lies to the right, in drawing units</source>
        <translation>Wie weit der Schatten nach rechts versetzt ist, in Zeichnungseinheiten</translation>
    </message>
    <message>
        <source>How far the shadow lies down, in drawing units</source>
        <translation>Wie weit der Schatten nach unten versetzt ist, in Zeichnungseinheiten</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Versatz:</translation>
    </message>
    <message>
        <source>Move the needle along the layer&apos;s span</source>
        <translation>Den Zeiger über den Bereich der Ebene bewegen</translation>
    </message>
    <message>
        <source>The value the needle shows in the preview and in exports, on the layer&apos;s scale</source>
        <translation>Der Wert, den der Zeiger in der Vorschau und in Exporten zeigt, im Skalenverlauf der Ebene</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>Needle</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>Needle Name</source>
        <translation>Zeigername</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Needle Shape</source>
        <translation>Zeigerform</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Needle Picture</source>
        <translation>Zeigerbild</translation>
    </message>
    <message>
        <source>Needle Pivot X</source>
        <translation>Drehpunkt X des Zeigers</translation>
    </message>
    <message>
        <source>pivot X</source>
        <translation>Drehpunkt X</translation>
    </message>
    <message>
        <source>Needle Pivot Y</source>
        <translation>Drehpunkt Y des Zeigers</translation>
    </message>
    <message>
        <source>pivot Y</source>
        <translation>Drehpunkt Y</translation>
    </message>
    <message>
        <source>Needle Length</source>
        <translation>Zeigerlänge</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Needle Tail</source>
        <translation>Zeigerende</translation>
    </message>
    <message>
        <source>tail</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Needle Width</source>
        <translation>Zeigerbreite</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Needle Tip Width</source>
        <translation>Breite der Zeigerspitze</translation>
    </message>
    <message>
        <source>tip width</source>
        <translation>Spitzenbreite</translation>
    </message>
    <message>
        <source>Needle Color</source>
        <translation>Zeigerfarbe</translation>
    </message>
    <message>
        <source>Needle colour</source>
        <translation>Zeigerfarbe</translation>
    </message>
    <message>
        <source>Needle Turns Freely</source>
        <translation>Zeiger dreht frei</translation>
    </message>
    <message>
        <source>turns freely</source>
        <translation>dreht frei</translation>
    </message>
    <message>
        <source>Needle Hub</source>
        <translation>Zeigernabe</translation>
    </message>
    <message>
        <source>hub cap</source>
        <translation>Nabenkappe</translation>
    </message>
    <message>
        <source>Hub Radius</source>
        <translation>Nabenradius</translation>
    </message>
    <message>
        <source>hub radius</source>
        <translation>Nabenradius</translation>
    </message>
    <message>
        <source>Hub Color</source>
        <translation>Nabenfarbe</translation>
    </message>
    <message>
        <source>Hub colour</source>
        <translation>Nabenfarbe</translation>
    </message>
    <message>
        <source>Needle Shadow</source>
        <translation>Zeigerschatten</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Shadow Blur</source>
        <translation>Schattenunschärfe</translation>
    </message>
    <message>
        <source>shadow blur</source>
        <translation>Schattenunschärfe</translation>
    </message>
    <message>
        <source>Shadow Offset X</source>
        <translation>Schattenversatz X</translation>
    </message>
    <message>
        <source>shadow offset X</source>
        <translation>Schattenversatz X</translation>
    </message>
    <message>
        <source>Shadow Offset Y</source>
        <translation>Schattenversatz Y</translation>
    </message>
    <message>
        <source>shadow offset Y</source>
        <translation>Schattenversatz Y</translation>
    </message>
    <message>
        <source>Needle Value</source>
        <translation>Zeigerwert</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>value slider</source>
        <translation>Wertregler</translation>
    </message>
    <message>
        <source>%1 (not drawn)</source>
        <translation>%1 (nicht gezeichnet)</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>Nicht gezeichnet: %1</translation>
    </message>
    <message>
        <source>Change Needle</source>
        <translation>„Zeiger“ ändern</translation>
    </message>
    <message>
        <source>Change Needle Value</source>
        <translation>„Zeigerwert“ ändern</translation>
    </message>
    <message>
        <source>Move Needle</source>
        <translation>Zeiger bewegen</translation>
    </message>
    <message>
        <source>Change Needle Picture</source>
        <translation>„Zeigerbild“ ändern</translation>
    </message>
    <message>
        <source>Needle %1</source>
        <translation>Zeiger %1</translation>
    </message>
    <message>
        <source>Remove Needle</source>
        <translation>Zeiger entfernen</translation>
    </message>
    <message>
        <source>Play...</source>
        <translation>Abspielen...</translation>
    </message>
    <message>
        <source>Play a data file on the needles in real time, as an animation of it shows them: a needle follows the column of its name, else the first column; the gauge does not change</source>
        <translation>Eine Datendatei in Echtzeit auf den Zeigern abspielen, wie eine Animation sie zeigt: Ein Zeiger folgt der Spalte seines Namens, sonst der ersten Spalte; die Skala ändert sich nicht</translation>
    </message>
    <message>
        <source>Play Data</source>
        <translation>Daten abspielen</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv *.txt *.tsv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>NeedleFile</name>
    <message>
        <source>Layer %1 has %2 needles; a layer may hold at most %3.</source>
        <translation>Ebene %1 hat %2 Zeiger; eine Ebene darf höchstens %3 enthalten.</translation>
    </message>
    <message>
        <source>Layer %1 has a needle picture of %2 MB; a picture may be at most %3 MB.</source>
        <translation>Ebene %1 hat ein Zeigerbild von %2 MB; ein Bild darf höchstens %3 MB groß sein.</translation>
    </message>
</context>
<context>
    <name>NeedlePainter</name>
    <message>
        <source>The layer lays no values along its span: it needs primary divisions, and an increment of its labels that is not 0.</source>
        <translation>Die Ebene trägt keine Werte über ihren Bogen auf: Sie braucht Hauptteilungen und eine Schrittweite der Beschriftung, die nicht 0 ist.</translation>
    </message>
    <message>
        <source>Its shape is not one this version knows.</source>
        <translation>Diese Version kennt seine Form nicht.</translation>
    </message>
    <message>
        <source>Its value, length or widths are not numbers.</source>
        <translation>Sein Wert, seine Länge oder Breiten sind keine Zahlen.</translation>
    </message>
    <message>
        <source>Its length must be above 0 and its tail at least 0, both at most %1 radii.</source>
        <translation>Seine Länge muss über 0 liegen und sein Ende mindestens 0 sein, beide höchstens %1 Radien.</translation>
    </message>
    <message>
        <source>Its widths must be from 0 to %1, and not both 0.</source>
        <translation>Seine Breiten müssen zwischen 0 und %1 liegen und dürfen nicht beide 0 sein.</translation>
    </message>
    <message>
        <source>Its hub&apos;s radius must be above 0 and at most %1.</source>
        <translation>Der Radius seiner Nabe muss über 0 und höchstens %1 sein.</translation>
    </message>
    <message>
        <source>Its shadow&apos;s offset and blur must be numbers of at most %1.</source>
        <translation>Versatz und Unschärfe seines Schattens müssen Zahlen von höchstens %1 sein.</translation>
    </message>
    <message>
        <source>Its pivot must lie below the top of its picture.</source>
        <translation>Sein Drehpunkt muss unterhalb der Oberkante seines Bildes liegen.</translation>
    </message>
</context>
<context>
    <name>NeedlePlayer</name>
    <message>
        <source>The file has no column of values.</source>
        <translation>Die Datei hat keine Spalte mit Werten.</translation>
    </message>
</context>
<context>
    <name>NeedleValues</name>
    <message>
        <source>The gauge has no needles.</source>
        <translation>Das Instrument hat keine Zeiger.</translation>
    </message>
    <message>
        <source>The gauge has no needle named “%1”.</source>
        <translation>Das Instrument hat keinen Zeiger namens „%1“.</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>Descriptor %1 is not open.</source>
        <translation>Der Deskriptor %1 ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Descriptor %1 is open for reading only.</source>
        <translation>Der Deskriptor %1 ist nur zum Lesen geöffnet.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is a block device; only files, pipes and character devices are written.</source>
        <translation>Es ist ein Blockgerät; geschrieben werden nur Dateien, Pipes und zeichenorientierte Geräte.</translation>
    </message>
    <message>
        <source>It is not a file; only files, pipes and character devices are written.</source>
        <translation>Es ist keine Datei; geschrieben werden nur Dateien, Pipes und zeichenorientierte Geräte.</translation>
    </message>
    <message>
        <source>No program is reading from the pipe.</source>
        <translation>Kein Programm liest aus der Pipe.</translation>
    </message>
    <message>
        <source>Only files can be written.</source>
        <translation>Nur Dateien können geschrieben werden.</translation>
    </message>
    <message>
        <source>The file is not open.</source>
        <translation>Die Datei ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>PhysicalOutputDialog</name>
    <message>
        <source>Export PDF / Print</source>
        <translation>PDF exportieren / Drucken</translation>
    </message>
    <message>
        <source>The gauge is drawn at its true size: the dial&apos;s edge (radius 1.0) measures the diameter on paper, and every line and label scales with it.</source>
        <translation>Die Skala wird in ihrer wahren Größe gezeichnet: Der Rand des Zifferblatts (Radius 1,0) misst auf dem Papier den Durchmesser, und jede Linie und jede Zahl wird mit ihm skaliert.</translation>
    </message>
    <message>
        <source>Fit: a square page around the drawing, with a margin.</source>
        <translation>Einpassen: eine quadratische Seite um die Zeichnung, mit Rand.</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Lines of width 0 have no width of their own; on paper they are drawn this wide.</source>
        <translation>Linien der Breite 0 haben keine eigene Breite; auf Papier werden sie so breit gezeichnet.</translation>
    </message>
    <message>
        <source>Centre &amp;cross</source>
        <translation>Mittel&amp;kreuz</translation>
    </message>
    <message>
        <source>50 mm &amp;scale bar below the dial</source>
        <translation>50-mm-&amp;Maßstab unter dem Zifferblatt</translation>
    </message>
    <message>
        <source>Measure it on the print to check that the printer did not scale the page.</source>
        <translation>Messen Sie ihn auf dem Ausdruck nach, um zu prüfen, dass der Drucker die Seite nicht skaliert hat.</translation>
    </message>
    <message>
        <source>&amp;Fill the dial with</source>
        <translation>Zifferblatt &amp;füllen mit</translation>
    </message>
    <message>
        <source>White marks do not show on white paper.</source>
        <translation>Weiße Striche sind auf weißem Papier nicht zu sehen.</translation>
    </message>
    <message>
        <source>Choose the dial&apos;s colour</source>
        <translation>Farbe des Zifferblatts wählen</translation>
    </message>
    <message>
        <source>&amp;Diameter:</source>
        <translation>&amp;Durchmesser:</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Seite:</translation>
    </message>
    <message>
        <source>&amp;Hairline width:</source>
        <translation>&amp;Haarlinienbreite:</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF &amp;exportieren...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Dial Colour</source>
        <translation>Farbe des Zifferblatts</translation>
    </message>
    <message>
        <source>The gauge does not fit on the %1 page at this diameter. It will not be shrunk: what lies beyond the page is cut off. Choose Fit or a smaller diameter.</source>
        <translation>Die Skala passt bei diesem Durchmesser nicht auf die Seite %1. Sie wird nicht verkleinert: Was über die Seite hinausragt, wird abgeschnitten. Wählen Sie „Einpassen“ oder einen kleineren Durchmesser.</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Unit of the diameter</source>
        <translation>Einheit des Durchmessers</translation>
    </message>
    <message>
        <source>Dial colour</source>
        <translation>Farbe des Zifferblatts</translation>
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
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>Skala</translation>
    </message>
</context>
<context>
    <name>PhysicalSize</name>
    <message>
        <source>&quot;%1&quot; is not a length: give a number and a unit, mm, cm or in (for example 62mm).</source>
        <translation>„%1“ ist keine Länge: Geben Sie eine Zahl und eine Einheit an, mm, cm oder in (zum Beispiel 62mm).</translation>
    </message>
    <message>
        <source>The diameter must be from %1 to %2, not %3.</source>
        <translation>Der Durchmesser muss zwischen %1 und %2 liegen, nicht %3.</translation>
    </message>
    <message>
        <source>The hairline width must be from %1 to %2, not %3.</source>
        <translation>Die Haarlinienbreite muss zwischen %1 und %2 liegen, nicht %3.</translation>
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
        <translation>%1 kann nicht durch ein Einzelbild ersetzt werden: %2</translation>
    </message>
    <message>
        <source>It is a device or a pipe, not a file.</source>
        <translation>Es ist ein Gerät oder eine Pipe, keine Datei.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Den Ordner %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>No temporary folder could be made beside the frames: %1</source>
        <translation>Neben den Einzelbildern konnte kein temporärer Ordner angelegt werden: %1</translation>
    </message>
    <message>
        <source>%1; the earlier frames are kept in %2.</source>
        <translation>%1; die bisherigen Einzelbilder liegen noch in %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Change Layers</source>
        <translation>Ebenen ändern</translation>
    </message>
    <message>
        <source>Add Layer</source>
        <translation>Ebene hinzufügen</translation>
    </message>
    <message>
        <source>Change Layer</source>
        <translation>Ebene ändern</translation>
    </message>
</context>
<context>
    <name>RenderTool</name>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>Write the gauge as a vector PDF at its true size; needs --diameter.</source>
        <translation>Die Skala als Vektor-PDF in ihrer wahren Größe schreiben; braucht --diameter.</translation>
    </message>
    <message>
        <source>Diameter of the dial (the circle at radius 1.0) on paper, %1 to %2, with its unit: 62mm, 6.2cm or 2.44in. Needed by --pdf; with --svg, the SVG&apos;s width and height are given in millimetres.</source>
        <translation>Durchmesser des Zifferblatts (des Kreises bei Radius 1.0) auf Papier, %1 bis %2, mit Einheit: 62mm, 6.2cm oder 2.44in. Nötig für --pdf; mit --svg werden Breite und Höhe der SVG-Datei in Millimetern angegeben.</translation>
    </message>
    <message>
        <source>Width that lines of width 0 get at a true size, %1 to %2 (default %3).</source>
        <translation>Breite, die Linien der Breite 0 in wahrer Größe erhalten, %1 bis %2 (Vorgabe %3).</translation>
    </message>
    <message>
        <source>Page of the PDF: a4 (default), letter, or fit (a square page around the drawing).</source>
        <translation>Seite der PDF-Datei: a4 (Vorgabe), letter oder fit (eine quadratische Seite um die Zeichnung).</translation>
    </message>
    <message>
        <source>Put a 50 mm scale bar with millimetre ticks below the dial in the PDF.</source>
        <translation>In der PDF-Datei einen 50-mm-Maßstab mit Millimeterstrichen unter das Zifferblatt setzen.</translation>
    </message>
    <message>
        <source>Put a thin cross over the dial&apos;s centre in the PDF.</source>
        <translation>In der PDF-Datei ein dünnes Kreuz über die Mitte des Zifferblatts setzen.</translation>
    </message>
    <message>
        <source>Turns a gauge file into the images, keyframes and gauge document that Dialwright exports.</source>
        <translation>Macht aus einer Skalendatei die Bilder, Keyframes und Skalendokumente, die Dialwright exportiert.</translation>
    </message>
    <message>
        <source>Edge length of the PNG and SVG in pixels, %1 to %2 (default %3).</source>
        <translation>Kantenlänge der PNG- und SVG-Datei in Pixeln, %1 bis %2 (Vorgabe %3).</translation>
    </message>
    <message>
        <source>Write the gauge as a PNG with a transparent background.</source>
        <translation>Die Skala als PNG mit durchsichtigem Hintergrund schreiben.</translation>
    </message>
    <message>
        <source>Write the gauge as an SVG.</source>
        <translation>Die Skala als SVG schreiben.</translation>
    </message>
    <message>
        <source>Write the keyframe CSV: the angle of every primary tick.</source>
        <translation>Die Keyframe-CSV schreiben: den Winkel jedes Primärstrichs.</translation>
    </message>
    <message>
        <source>Write the gauge document (converts files of earlier versions).</source>
        <translation>Das Skalendokument schreiben (wandelt Dateien früherer Versionen um).</translation>
    </message>
    <message>
        <source>The gauge file to read (JSON or an earlier version&apos;s).</source>
        <translation>Die zu lesende Skalendatei (JSON oder aus einer früheren Version).</translation>
    </message>
    <message>
        <source>The size must be a whole number from %1 to %2, not &quot;%3&quot;.</source>
        <translation>Die Größe muss eine ganze Zahl von %1 bis %2 sein, nicht „%3“.</translation>
    </message>
    <message>
        <source>No gauge file given.</source>
        <translation>Keine Skalendatei angegeben.</translation>
    </message>
    <message>
        <source>Only one gauge file can be read at a time.</source>
        <translation>Es kann nur eine Skalendatei auf einmal gelesen werden.</translation>
    </message>
    <message>
        <source>Only a single output can go to standard output.</source>
        <translation>Nur eine einzige Ausgabe kann auf die Standardausgabe gehen.</translation>
    </message>
    <message>
        <source>An output file name is empty.</source>
        <translation>Ein Ausgabedateiname ist leer.</translation>
    </message>
    <message>
        <source>Two outputs name the same file: %1</source>
        <translation>Zwei Ausgaben nennen dieselbe Datei: %1</translation>
    </message>
    <message>
        <source>An output names the gauge file being read: %1</source>
        <translation>Eine Ausgabe nennt die gelesene Skalendatei: %1</translation>
    </message>
    <message>
        <source>The page must be a4, letter or fit, not &quot;%1&quot;.</source>
        <translation>Die Seite muss a4, letter oder fit sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>The background must be a colour name or #rrggbb, not &quot;%1&quot;.</source>
        <translation>Der Hintergrund muss ein Farbname oder #rrggbb sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>--pdf needs --diameter, the size of the dial on paper (for example --diameter 62mm).</source>
        <translation>--pdf braucht --diameter, die Größe des Zifferblatts auf Papier (zum Beispiel --diameter 62mm).</translation>
    </message>
    <message>
        <source>--hairline applies to a true size only: give --diameter too.</source>
        <translation>--hairline gilt nur für eine wahre Größe: Geben Sie auch --diameter an.</translation>
    </message>
    <message>
        <source>--%1 applies to the PDF only: give --pdf too.</source>
        <translation>--%1 gilt nur für die PDF-Datei: Geben Sie auch --pdf an.</translation>
    </message>
    <message>
        <source>warning: the gauge at %1 does not fit on the %2 page and is cut off at its edges; --page fit makes a page that holds it.</source>
        <translation>Warnung: Die Skala passt bei %1 nicht auf die Seite %2 und wird an den Rändern abgeschnitten; --page fit erzeugt eine Seite, auf die sie passt.</translation>
    </message>
    <message>
        <source>no output was written.</source>
        <translation>keine Ausgabe wurde geschrieben.</translation>
    </message>
    <message>
        <source>written: %1; not written: %2.</source>
        <translation>geschrieben: %1; nicht geschrieben: %2.</translation>
    </message>
    <message>
        <source>What the PNG, SVG and PDF show: the face with its needles (with, the default), the face alone (none), or the needles alone (only).</source>
        <translation>Was PNG, SVG und PDF zeigen: das Zifferblatt mit seinen Zeigern (with, die Vorgabe), das Zifferblatt allein (none) oder nur die Zeiger (only).</translation>
    </message>
    <message>
        <source>Show the value V on the needles named NAME in this run&apos;s drawings, or on every needle without a name. May be given more than once; a later one wins.</source>
        <translation>Zeigt in den Bildern dieses Aufrufs den Wert V auf den Zeigern namens NAME, ohne Namen auf allen Zeigern. Darf mehrmals angegeben werden; eine spätere Angabe gilt.</translation>
    </message>
    <message>
        <source>--needles must be with, none or only, not &quot;%1&quot;.</source>
        <translation>--needles muss with, none oder only sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>--value must be NAME=V or V, with V a number, not &quot;%1&quot;.</source>
        <translation>--value muss NAME=V oder V mit einer Zahl V sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>Fill the dial with COLOR (a name or #rrggbb) under the gauge in the PDF, so that white marks show on paper; with --animate, fill every frame with it.</source>
        <translation>Das Zifferblatt in der PDF-Datei unter der Skala mit COLOR (ein Name oder #rrggbb) füllen, damit weiße Striche auf Papier sichtbar sind; mit --animate jedes Einzelbild damit füllen.</translation>
    </message>
    <message>
        <source>Write an animation of the needles: a .mov (QuickTime Animation, or ProRes 4444 with --codec prores), .webm (VP9), .mp4 (H.264), or PNG frames named by a pattern with %d or into a folder. Transparent unless --background is given.</source>
        <translation>Eine Animation der Zeiger schreiben: eine .mov-Datei (QuickTime Animation oder mit --codec prores ProRes 4444), .webm-Datei (VP9), .mp4-Datei (H.264) oder PNG-Einzelbilder, benannt nach einem Muster mit %d oder in einen Ordner. Transparent, sofern nicht --background angegeben ist.</translation>
    </message>
    <message>
        <source>Move the needles named NAME as the column COLUMN (its name or its place from 1) of the --data file. May be given more than once.</source>
        <translation>Die Zeiger namens NAME nach der Spalte COLUMN (ihr Name oder ihre Stelle ab 1) der --data-Datei bewegen. Darf mehrmals angegeben werden.</translation>
    </message>
    <message>
        <source>The CSV file of the driving data: a header row, a time column, value columns.</source>
        <translation>Die CSV-Datei mit den Steuerdaten: eine Kopfzeile, eine Zeitspalte, Wertespalten.</translation>
    </message>
    <message>
        <source>Sweep the needles named NAME, or without a name every needle no --drive moves, from the start of the scale to its end and back in SECONDS.</source>
        <translation>Die Zeiger namens NAME – ohne Namen jeden Zeiger, den kein --drive bewegt – in SECONDS vom Anfang des Skalenverlaufs bis zu seinem Ende und zurück laufen lassen.</translation>
    </message>
    <message>
        <source>Frames a second of the animation, %1 to %2 (default 30).</source>
        <translation>Bilder pro Sekunde der Animation, %1 bis %2 (Vorgabe 30).</translation>
    </message>
    <message>
        <source>Start the animation at this time of the data, in seconds.</source>
        <translation>Die Animation bei dieser Zeit der Daten beginnen, in Sekunden.</translation>
    </message>
    <message>
        <source>End the animation at this time of the data, in seconds.</source>
        <translation>Die Animation bei dieser Zeit der Daten beenden, in Sekunden.</translation>
    </message>
    <message>
        <source>How values between the samples are found: linear (the default) or cubic (smooth, never beyond the samples around).</source>
        <translation>Wie Werte zwischen den Messwerten bestimmt werden: linear (die Vorgabe) oder cubic (glatt, nie über die umliegenden Messwerte hinaus).</translation>
    </message>
    <message>
        <source>The codec of a .mov animation: qtrle (QuickTime Animation, the default) or prores (ProRes 4444).</source>
        <translation>Der Codec einer .mov-Animation: qtrle (QuickTime Animation, die Vorgabe) oder prores (ProRes 4444).</translation>
    </message>
    <message>
        <source>Write the asset set into the folder DIR: face.png without needles, each needle upright on a picture of its own (its hub and shadow apart), and gauge.json with the pivots and each needle&apos;s value-to-angle table.</source>
        <translation>Den Asset-Satz in den Ordner DIR schreiben: face.png ohne Zeiger, jeden Zeiger aufrecht in einem eigenen Bild (Nabe und Schatten getrennt) und gauge.json mit den Drehpunkten und der Wert-Winkel-Tabelle jedes Zeigers.</translation>
    </message>
    <message>
        <source>Write the gauge for a display, simulator or web page into the folder of --out: %1.</source>
        <translation>Die Skala für ein Display, einen Simulator oder eine Webseite in den Ordner von --out schreiben: %1.</translation>
    </message>
    <message>
        <source>The folder --target writes into.</source>
        <translation>Der Ordner, in den --target schreibt.</translation>
    </message>
    <message>
        <source>LVGL 9&apos;s colour format of the face with --target lvgl9: %1 (default ARGB8888).</source>
        <translation>Das LVGL-9-Farbformat des Zifferblatts mit --target lvgl9: %1 (Vorgabe ARGB8888).</translation>
    </message>
    <message>
        <source>Swap the two bytes of RGB565 pixels, for displays on SPI (--target lvgl9 with RGB565, --target tft).</source>
        <translation>Die beiden Bytes der RGB565-Pixel tauschen, für Displays an SPI (--target lvgl9 mit RGB565, --target tft).</translation>
    </message>
    <message>
        <source>--animate writes the animation alone: give the other outputs in a run of their own.</source>
        <translation>--animate schreibt nur die Animation: Geben Sie die anderen Ausgaben in einem eigenen Aufruf an.</translation>
    </message>
    <message>
        <source>Nothing to write: give --png, --svg, --pdf, --keyframes, --gauge, --assets, --target or --animate.</source>
        <translation>Nichts zu schreiben: Geben Sie --png, --svg, --pdf, --keyframes, --gauge, --assets, --target oder --animate an.</translation>
    </message>
    <message>
        <source>warning: layer “%1”: %2 is not drawn: %3</source>
        <translation>Warnung: Ebene „%1“: %2 wird nicht gezeichnet: %3</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>text %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>the needle “%1”</source>
        <translation>Zeiger „%1“</translation>
    </message>
    <message numerus="yes">
        <source>warning: %n more parts of the gauge are not drawn.</source>
        <translation>
            <numerusform>Warnung: %n weiterer Teil der Skala wird nicht gezeichnet.</numerusform>
            <numerusform>Warnung: %n weitere Teile der Skala werden nicht gezeichnet.</numerusform>
        </translation>
    </message>
    <message>
        <source>--%1 applies to an animation only: give --animate too.</source>
        <translation>--%1 gilt nur für eine Animation: Geben Sie auch --animate an.</translation>
    </message>
    <message>
        <source>An animation cannot go to standard output.</source>
        <translation>Eine Animation kann nicht auf die Standardausgabe gehen.</translation>
    </message>
    <message>
        <source>--codec %1 does not fit %2: a .mov takes qtrle or prores.</source>
        <translation>--codec %1 passt nicht zu %2: Eine .mov-Datei nimmt qtrle oder prores.</translation>
    </message>
    <message>
        <source>The animation&apos;s format follows from its name: .mov, .webm, .mp4, a PNG pattern with %d or a folder, not &quot;%1&quot;.</source>
        <translation>Das Format der Animation ergibt sich aus ihrem Namen: .mov, .webm, .mp4, ein PNG-Muster mit %d oder ein Ordner, nicht „%1“.</translation>
    </message>
    <message>
        <source>--fps must be a whole number from %1 to %2, not &quot;%3&quot;.</source>
        <translation>--fps muss eine ganze Zahl von %1 bis %2 sein, nicht „%3“.</translation>
    </message>
    <message>
        <source>--%1 must be a time in seconds, not &quot;%2&quot;.</source>
        <translation>--%1 muss eine Zeit in Sekunden sein, nicht „%2“.</translation>
    </message>
    <message>
        <source>--interpolation must be linear or cubic, not &quot;%1&quot;.</source>
        <translation>--interpolation muss linear oder cubic sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>--drive must be NAME=COLUMN, not &quot;%1&quot;.</source>
        <translation>--drive muss NAME=COLUMN sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>--drive needs --data, the file of the driving data.</source>
        <translation>--drive braucht --data, die Datei mit den Steuerdaten.</translation>
    </message>
    <message>
        <source>--data needs --drive NAME=COLUMN to say which needle follows which column.</source>
        <translation>--data braucht --drive NAME=COLUMN, um anzugeben, welcher Zeiger welcher Spalte folgt.</translation>
    </message>
    <message>
        <source>--sweep must be NAME=SECONDS or SECONDS, with SECONDS above 0 and at most %1, not &quot;%2&quot;.</source>
        <translation>--sweep muss NAME=SECONDS oder SECONDS sein, mit SECONDS über 0 und höchstens %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>--animate needs --drive NAME=COLUMN with --data, or --sweep.</source>
        <translation>--animate braucht --drive NAME=COLUMN mit --data oder --sweep.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Frame %1 of %2 (%3%)</source>
        <translation><byte value="xd"/>Einzelbild %1 von %2 (%3 %)</translation>
    </message>
    <message>
        <source>--target and --out go together.</source>
        <translation>--target und --out gehören zusammen.</translation>
    </message>
    <message>
        <source>--%1 applies to --target only.</source>
        <translation>--%1 gilt nur für --target.</translation>
    </message>
    <message>
        <source>--target must be one of %1, not &quot;%2&quot;.</source>
        <translation>--target muss eines von %1 sein, nicht „%2“.</translation>
    </message>
    <message>
        <source>--color-format takes one of %1, with --target lvgl9, not &quot;%2&quot;.</source>
        <translation>--color-format nimmt mit --target lvgl9 eines von %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>--swap-bytes applies to --target tft and to --target lvgl9 with RGB565 only.</source>
        <translation>--swap-bytes gilt nur für --target tft und für --target lvgl9 mit RGB565.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Unable to save file</source>
        <translation>Datei kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>%1 could not be saved.

%2</source>
        <translation>%1 konnte nicht gespeichert werden.

%2</translation>
    </message>
</context>
<context>
    <name>ScaleEditor</name>
    <message>
        <source>Scale:</source>
        <translation>Verlauf:</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gleichmäßig</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarithmisch</translation>
    </message>
    <message>
        <source>Decibel</source>
        <translation>Dezibel</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenz</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>How values are laid along the span. Even spaces the ticks with the bias; the other scales put each tick and label at its value and leave the bias and the label start and increment unused.</source>
        <translation>Wie die Werte über den Bereich verteilt sind. „Gleichmäßig“ verteilt die Striche mit der Verzerrung; die anderen Verläufe setzen jeden Strich und jede Skalenzahl an ihren Wert und verwenden weder die Verzerrung noch Start und Schrittweite der Skalenzahlen.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Value at the start of the span (in dB on a decibel scale)</source>
        <translation>Wert am Anfang des Bereichs (in dB bei einem Dezibel-Verlauf)</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Value at the end of the span (in dB on a decibel scale)</source>
        <translation>Wert am Ende des Bereichs (in dB bei einem Dezibel-Verlauf)</translation>
    </message>
    <message>
        <source>Exponent:</source>
        <translation>Exponent:</translation>
    </message>
    <message>
        <source>Exponent of a power-law scale: 2 for a square-law meter movement, 0.5 for its inverse</source>
        <translation>Exponent eines Potenzverlaufs: 2 für ein quadratisches Messwerk, 0,5 für dessen Umkehrung</translation>
    </message>
    <message>
        <source>Points...</source>
        <translation>Punkte...</translation>
    </message>
    <message>
        <source>Edit the calibration table: the fraction of the span at which each value stands</source>
        <translation>Die Kalibriertabelle bearbeiten: bei welchem Anteil des Bereichs jeder Wert steht</translation>
    </message>
    <message>
        <source>This scale cannot be drawn as it is, so the layer is drawn evenly, with its bias, until it is put right.</source>
        <translation>Dieser Verlauf kann so nicht gezeichnet werden; die Ebene wird daher gleichmäßig, mit ihrer Verzerrung, gezeichnet, bis er berichtigt ist.</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Scale From</source>
        <translation>Verlauf von</translation>
    </message>
    <message>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <source>Scale To</source>
        <translation>Verlauf bis</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Scale Exponent</source>
        <translation>Exponent des Verlaufs</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>Scale Points</source>
        <translation>Punkte des Verlaufs</translation>
    </message>
    <message>
        <source>calibration points</source>
        <translation>Kalibrierpunkte</translation>
    </message>
    <message>
        <source>%1 The layer is drawn evenly.</source>
        <translation>%1 Die Ebene wird gleichmäßig gezeichnet.</translation>
    </message>
    <message>
        <source>Change Scale</source>
        <translation>„Verlauf“ ändern</translation>
    </message>
</context>
<context>
    <name>ScaleMap</name>
    <message>
        <source>This version does not know the scale type “%1”.</source>
        <translation>Diese Version kennt den Skalenverlauf „%1“ nicht.</translation>
    </message>
    <message>
        <source>A decibel scale cannot reach %1 dB.</source>
        <translation>Ein Dezibel-Verlauf kann %1 dB nicht erreichen.</translation>
    </message>
    <message>
        <source>The exponent must be above 0.</source>
        <translation>Der Exponent muss über 0 liegen.</translation>
    </message>
    <message>
        <source>A calibration table needs at least two points.</source>
        <translation>Eine Kalibriertabelle braucht mindestens zwei Punkte.</translation>
    </message>
    <message>
        <source>Point %1 is not a value and a fraction.</source>
        <translation>Punkt %1 ist kein Wert mit Anteil.</translation>
    </message>
    <message>
        <source>The fraction of point %1 must lie between 0 and 1.</source>
        <translation>Der Anteil von Punkt %1 muss zwischen 0 und 1 liegen.</translation>
    </message>
    <message>
        <source>The values must increase from point to point (point %1).</source>
        <translation>Die Werte müssen von Punkt zu Punkt steigen (Punkt %1).</translation>
    </message>
    <message>
        <source>Points %1 and %2 are too far apart.</source>
        <translation>Die Punkte %1 und %2 liegen zu weit auseinander.</translation>
    </message>
    <message>
        <source>“From” and “To” must be numbers.</source>
        <translation>„Von“ und „Bis“ müssen Zahlen sein.</translation>
    </message>
    <message>
        <source>“From” and “To” must differ.</source>
        <translation>„Von“ und „Bis“ müssen verschieden sein.</translation>
    </message>
    <message>
        <source>“From” and “To” are too far apart.</source>
        <translation>„Von“ und „Bis“ liegen zu weit auseinander.</translation>
    </message>
    <message>
        <source>A logarithmic scale needs “From” and “To” above 0.</source>
        <translation>Ein logarithmischer Verlauf braucht „Von“ und „Bis“ über 0.</translation>
    </message>
    <message>
        <source>“From” and “To” are too far below 0 dB to tell apart.</source>
        <translation>„Von“ und „Bis“ liegen zu weit unter 0 dB, um sie zu unterscheiden.</translation>
    </message>
</context>
<context>
    <name>ScalePointsDialog</name>
    <message>
        <source>Calibration Points</source>
        <translation>Kalibrierpunkte</translation>
    </message>
    <message>
        <source>Where each value stands, as a fraction of the span: 0 at its start, 1 at its end. Values increase from row to row; between the points the scale follows a smooth curve that never turns back.</source>
        <translation>Wo jeder Wert steht, als Anteil des Bereichs: 0 an seinem Anfang, 1 an seinem Ende. Die Werte steigen von Zeile zu Zeile; zwischen den Punkten folgt der Verlauf einer glatten Kurve, die nie umkehrt.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Calibration points: a value and the fraction of the span where it stands</source>
        <translation>Kalibrierpunkte: ein Wert und der Anteil des Bereichs, an dem er steht</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a point after the selected one</source>
        <translation>Einen Punkt nach dem ausgewählten hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected points</source>
        <translation>Die ausgewählten Punkte entfernen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Replace the points with two columns copied from a spreadsheet or a CSV file: value and fraction, separated by a tab or a comma</source>
        <translation>Die Punkte durch zwei Spalten ersetzen, die aus einer Tabellenkalkulation oder einer CSV-Datei kopiert wurden: Wert und Anteil, getrennt durch einen Tabulator oder ein Komma</translation>
    </message>
    <message>
        <source>Nothing pasted. %1</source>
        <translation>Nichts eingefügt. %1</translation>
    </message>
    <message>
        <source>Row %1: the %2 is not a number.</source>
        <translation>Zeile %1: %2 ist keine Zahl.</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Der Wert</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>Der Anteil</translation>
    </message>
    <message>
        <source>Calibration points</source>
        <translation>Kalibrierpunkte</translation>
    </message>
</context>
<context>
    <name>SpanEditor</name>
    <message>
        <source>Start Angle</source>
        <translation>Startwinkel</translation>
    </message>
    <message>
        <source>Start angle</source>
        <translation>Startwinkel</translation>
    </message>
    <message>
        <source>Angle Length</source>
        <translation>Winkellänge</translation>
    </message>
    <message>
        <source>Angle length</source>
        <translation>Winkellänge</translation>
    </message>
    <message>
        <source>Bias</source>
        <translation>Verzerrung</translation>
    </message>
    <message>
        <source>Bias Type</source>
        <translation>Verzerrungsart</translation>
    </message>
    <message>
        <source>Bias type</source>
        <translation>Verzerrungsart</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>A video cannot be written to this device or pipe.</source>
        <translation>Auf dieses Gerät oder in diese Pipe kann kein Video geschrieben werden.</translation>
    </message>
    <message>
        <source>No temporary file could be made beside the file.</source>
        <translation>Neben der Datei konnte keine temporäre Datei angelegt werden.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>dialwright: only the first file is opened
</source>
        <translation>dialwright: nur die erste Datei wird geöffnet
</translation>
    </message>
    <message>
        <source>Design the faces of round gauges: tick marks, arcs and numbers.</source>
        <translation>Skalen runder Anzeigen gestalten: Teilstriche, Bögen und Zahlen.</translation>
    </message>
    <message>
        <source>A gauge file to open.</source>
        <translation>Eine zu öffnende Skalendatei.</translation>
    </message>
</context>
<context>
    <name>SvgPicture</name>
    <message>
        <source>The SVG picture holds a vector picture of its own, which is not drawn.</source>
        <translation>Das SVG-Bild enthält ein eigenes Vektorbild, das nicht gezeichnet wird.</translation>
    </message>
    <message>
        <source>The SVG picture holds an image of %1 x %2 pixels, too many to draw.</source>
        <translation>Das SVG-Bild enthält ein Bild von %1 x %2 Pixeln, zu viele zum Zeichnen.</translation>
    </message>
    <message>
        <source>The SVG picture refers to itself without end.</source>
        <translation>Das SVG-Bild verweist endlos auf sich selbst.</translation>
    </message>
    <message>
        <source>The SVG picture draws more than %1 elements.</source>
        <translation>Das SVG-Bild zeichnet mehr als %1 Elemente.</translation>
    </message>
    <message>
        <source>The SVG picture nests deeper than %1 levels.</source>
        <translation>Das SVG-Bild ist tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>The SVG picture has more than %1 elements.</source>
        <translation>Das SVG-Bild hat mehr als %1 Elemente.</translation>
    </message>
    <message>
        <source>The SVG picture shows the file “%1”, which the gauge does not carry.</source>
        <translation>Das SVG-Bild zeigt die Datei „%1“, die die Skala nicht mitführt.</translation>
    </message>
    <message>
        <source>The SVG picture cannot be read: %1 at line %2.</source>
        <translation>Das SVG-Bild kann nicht gelesen werden: %1 in Zeile %2.</translation>
    </message>
    <message>
        <source>The SVG picture is empty.</source>
        <translation>Das SVG-Bild ist leer.</translation>
    </message>
    <message>
        <source>The SVG picture has a style sheet that may read other files.</source>
        <translation>Das SVG-Bild hat ein Stylesheet, das andere Dateien lesen könnte.</translation>
    </message>
    <message>
        <source>The SVG picture holds an image that is not PNG or JPEG.</source>
        <translation>Das SVG-Bild enthält ein Bild, das weder PNG noch JPEG ist.</translation>
    </message>
    <message>
        <source>The SVG picture declares entities, which are not read.</source>
        <translation>Das SVG-Bild deklariert Entitäten, die nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The picture is not an SVG document.</source>
        <translation>Das Bild ist kein SVG-Dokument.</translation>
    </message>
    <message>
        <source>The SVG picture names two targets for one element.</source>
        <translation>Das SVG-Bild nennt zwei Ziele für ein Element.</translation>
    </message>
    <message>
        <source>The SVG picture draws more than %1 characters of text.</source>
        <translation>Das SVG-Bild zeichnet mehr als %1 Zeichen Text.</translation>
    </message>
    <message>
        <source>The SVG picture covers itself more than %1 times over, too much to draw.</source>
        <translation>Das SVG-Bild überdeckt sich mehr als %1-mal selbst, zu oft zum Zeichnen.</translation>
    </message>
</context>
<context>
    <name>TargetDialog</name>
    <message>
        <source>Swap the bytes of RGB565 pixels (displays on SPI)</source>
        <translation>Bytes der RGB565-Pixel tauschen (Displays an SPI)</translation>
    </message>
    <message>
        <source>Export For</source>
        <translation>Exportieren für</translation>
    </message>
    <message>
        <source>LVGL 9 (C sources, .bin files, header and example)</source>
        <translation>LVGL 9 (C-Quellen, .bin-Dateien, Header und Beispiel)</translation>
    </message>
    <message>
        <source>LVGL 8 (C sources, header and example)</source>
        <translation>LVGL 8 (C-Quellen, Header und Beispiel)</translation>
    </message>
    <message>
        <source>TFT sprites (RGB565 headers)</source>
        <translation>TFT-Sprites (RGB565-Header)</translation>
    </message>
    <message>
        <source>FlightGear (2D instrument)</source>
        <translation>FlightGear (2D-Instrument)</translation>
    </message>
    <message>
        <source>Web page (HTML and ES module)</source>
        <translation>Webseite (HTML und ES-Modul)</translation>
    </message>
    <message>
        <source>Table (CSV and JSON)</source>
        <translation>Tabelle (CSV und JSON)</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Ziel:</translation>
    </message>
    <message>
        <source>&amp;Colour format:</source>
        <translation>&amp;Farbformat:</translation>
    </message>
</context>
<context>
    <name>TickLevelEditor</name>
    <message>
        <source>Primary</source>
        <translation>Primärstriche</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Sekundärstriche</translation>
    </message>
    <message>
        <source>Tertiary</source>
        <translation>Tertiärstriche</translation>
    </message>
    <message>
        <source>Primary ticks</source>
        <translation>Primärstriche</translation>
    </message>
    <message>
        <source>Secondary ticks</source>
        <translation>Sekundärstriche</translation>
    </message>
    <message>
        <source>Tertiary ticks</source>
        <translation>Tertiärstriche</translation>
    </message>
    <message>
        <source>Primary tick colour</source>
        <translation>Farbe der Primärstriche</translation>
    </message>
    <message>
        <source>Secondary tick colour</source>
        <translation>Farbe der Sekundärstriche</translation>
    </message>
    <message>
        <source>Tertiary tick colour</source>
        <translation>Farbe der Tertiärstriche</translation>
    </message>
    <message>
        <source>%1 Count</source>
        <translation>Anzahl der %1</translation>
    </message>
    <message>
        <source>divisions</source>
        <translation>Teilungen</translation>
    </message>
    <message>
        <source>%1 Inner Radius</source>
        <translation>Innenradius der %1</translation>
    </message>
    <message>
        <source>inner radius</source>
        <translation>Innenradius</translation>
    </message>
    <message>
        <source>%1 Outer Radius</source>
        <translation>Außenradius der %1</translation>
    </message>
    <message>
        <source>outer radius</source>
        <translation>Außenradius</translation>
    </message>
    <message>
        <source>%1 Line Width</source>
        <translation>Linienbreite der %1</translation>
    </message>
    <message>
        <source>line width</source>
        <translation>Linienbreite</translation>
    </message>
    <message>
        <source>%1 Color</source>
        <translation>Farbe der %1</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Its value is not a number.</source>
        <translation>Sein Wert ist keine Zahl.</translation>
    </message>
    <message>
        <source>The ends of its scale have no angle.</source>
        <translation>Die Enden seines Skalenverlaufs haben keinen Winkel.</translation>
    </message>
    <message>
        <source>Needle %1: %2</source>
        <translation>Zeiger %1: %2</translation>
    </message>
</context>
<context>
    <name>ValueScale</name>
    <message>
        <source>Line %1 is not a value and a fraction: “%2”.</source>
        <translation>Zeile %1 ist kein Wert mit Anteil: „%2“.</translation>
    </message>
    <message>
        <source>The text holds no points: one value and one fraction a line.</source>
        <translation>Der Text enthält keine Punkte: einen Wert und einen Anteil je Zeile.</translation>
    </message>
    <message>
        <source>The text holds more than %1 points; a table may hold at most %1.</source>
        <translation>Der Text enthält mehr als %1 Punkte; eine Tabelle darf höchstens %1 enthalten.</translation>
    </message>
</context>
<context>
    <name>ValueSource</name>
    <message>
        <source>The values of a sweep must be numbers.</source>
        <translation>Die Werte eines Durchlaufs müssen Zahlen sein.</translation>
    </message>
    <message>
        <source>A sweep must last more than 0 seconds and at most %1 hours.</source>
        <translation>Ein Durchlauf muss länger als 0 Sekunden und höchstens %1 Stunden dauern.</translation>
    </message>
</context>
<context>
    <name>VersionDocument</name>
    <message>
        <source>The version document is not well-formed XML: %1 (line %2, column %3)</source>
        <translation>Das Versionsdokument ist kein wohlgeformtes XML: %1 (Zeile %2, Spalte %3)</translation>
    </message>
</context>
<context>
    <name>VideoFormats</name>
    <message>
        <source>PNG sequence (.png)</source>
        <translation>PNG-Sequenz (.png)</translation>
    </message>
    <message>
        <source>QuickTime Animation, lossless (.mov)</source>
        <translation>QuickTime Animation, verlustfrei (.mov)</translation>
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
        <translation>H.264 ohne Transparenz (.mp4)</translation>
    </message>
    <message>
        <source>The frame rate must be from %1 to %2 frames a second.</source>
        <translation>Die Bildrate muss zwischen %1 und %2 Bildern pro Sekunde liegen.</translation>
    </message>
    <message>
        <source>H.264 needs an even size; choose %1 or %2 pixels.</source>
        <translation>H.264 braucht eine gerade Größe; wählen Sie %1 oder %2 Pixel.</translation>
    </message>
    <message>
        <source>No file name is given.</source>
        <translation>Es ist kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>The frames&apos; file name may hold only one frame number (%d).</source>
        <translation>Der Dateiname der Einzelbilder darf nur eine Bildnummer (%d) enthalten.</translation>
    </message>
</context>
<context>
    <name>VideoWriter</name>
    <message>
        <source>The video is not open.</source>
        <translation>Das Video ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>A frame is missing: it could not be drawn.</source>
        <translation>Ein Einzelbild fehlt: Es konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>A frame has %1 × %2 pixels; the video has %3 × %3.</source>
        <translation>Ein Einzelbild hat %1 × %2 Pixel; das Video hat %3 × %3.</translation>
    </message>
    <message>
        <source>The animation has no frames.</source>
        <translation>Die Animation hat keine Einzelbilder.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Start Angle:</source>
        <translation>Startwinkel:</translation>
    </message>
    <message>
        <source>Angle Start: -360 to 360</source>
        <translation>Startwinkel: -360 bis 360</translation>
    </message>
    <message>
        <source>Angle Length:</source>
        <translation>Winkellänge:</translation>
    </message>
    <message>
        <source>Angle Length: -360 to 360</source>
        <translation>Winkellänge: -360 bis 360</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bias:&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Verzerrung:&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Bias Amount: 0 to 1</source>
        <translation>Stärke der Verzerrung: 0 bis 1</translation>
    </message>
    <message>
        <source>Bias Type:</source>
        <translation>Verzerrungsart:</translation>
    </message>
    <message>
        <source>Which function to use for Bias.</source>
        <translation>Welche Funktion die Verzerrung verwendet.</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Vorlage:</translation>
    </message>
    <message>
        <source>Select a Preset from file</source>
        <translation>Eine Vorlage aus einer Datei wählen</translation>
    </message>
    <message>
        <source>Save the whole gauge - every layer - to a file</source>
        <translation>Die ganze Skala – alle Ebenen – in einer Datei speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Load a gauge file or preset, adding its layers to this gauge</source>
        <translation>Eine Skalendatei oder Vorlage laden und ihre Ebenen zu dieser Skala hinzufügen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Divisions</source>
        <translation>Teilstriche</translation>
    </message>
    <message>
        <source>Primary:</source>
        <translation>Primär:</translation>
    </message>
    <message>
        <source>Number of Primary Divisions</source>
        <translation>Anzahl der Primärteilungen</translation>
    </message>
    <message>
        <source>Line Width:</source>
        <translation>Linienbreite:</translation>
    </message>
    <message>
        <source>Width of Line</source>
        <translation>Breite der Linie</translation>
    </message>
    <message>
        <source>Set Primary Division Color</source>
        <translation>Farbe der Primärstriche festlegen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Inner Radius:</source>
        <translation>Innenradius:</translation>
    </message>
    <message>
        <source>Inner Radius of Tick Marks</source>
        <translation>Innenradius der Teilstriche</translation>
    </message>
    <message>
        <source>Outer Radius:</source>
        <translation>Außenradius:</translation>
    </message>
    <message>
        <source>Outer Radius of Tick Marks</source>
        <translation>Außenradius der Teilstriche</translation>
    </message>
    <message>
        <source>Secondary:</source>
        <translation>Sekundär:</translation>
    </message>
    <message>
        <source>Number of Secondary Divisions</source>
        <translation>Anzahl der Sekundärteilungen</translation>
    </message>
    <message>
        <source>Set Secondary Division Color</source>
        <translation>Farbe der Sekundärstriche festlegen</translation>
    </message>
    <message>
        <source>Tertiary:</source>
        <translation>Tertiär:</translation>
    </message>
    <message>
        <source>Number of Tertiary Divisions</source>
        <translation>Anzahl der Tertiärteilungen</translation>
    </message>
    <message>
        <source>Set Tertiary Division Color</source>
        <translation>Farbe der Tertiärstriche festlegen</translation>
    </message>
    <message>
        <source>Draw Lines with Rounded Caps?</source>
        <translation>Linien mit abgerundeten Enden zeichnen?</translation>
    </message>
    <message>
        <source>Rounded End Caps</source>
        <translation>Abgerundete Enden</translation>
    </message>
    <message>
        <source>Arcs</source>
        <translation>Bögen</translation>
    </message>
    <message>
        <source>Arc 1 Start:</source>
        <translation>Bogen 1 Start:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Set Arc 1 Color</source>
        <translation>Farbe von Bogen 1 festlegen</translation>
    </message>
    <message>
        <source>Radius:</source>
        <translation>Radius:</translation>
    </message>
    <message>
        <source>Radius of Arc</source>
        <translation>Radius des Bogens</translation>
    </message>
    <message>
        <source>Arc 2 Start:</source>
        <translation>Bogen 2 Start:</translation>
    </message>
    <message>
        <source>Set Arc 2 Color</source>
        <translation>Farbe von Bogen 2 festlegen</translation>
    </message>
    <message>
        <source>Arc 3 Start:</source>
        <translation>Bogen 3 Start:</translation>
    </message>
    <message>
        <source>Set Arc 3 Color</source>
        <translation>Farbe von Bogen 3 festlegen</translation>
    </message>
    <message>
        <source>Arc 4 Start:</source>
        <translation>Bogen 4 Start:</translation>
    </message>
    <message>
        <source>Set Arc 4 Color</source>
        <translation>Farbe von Bogen 4 festlegen</translation>
    </message>
    <message>
        <source>Tick Counts</source>
        <translation>Skalenzahlen</translation>
    </message>
    <message>
        <source>Radius of Tick Counts</source>
        <translation>Radius der Skalenzahlen</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>First Tick Value</source>
        <translation>Wert der ersten Skalenzahl</translation>
    </message>
    <message>
        <source>Set Tick Count Color</source>
        <translation>Farbe der Skalenzahlen festlegen</translation>
    </message>
    <message>
        <source>Dec. Places:</source>
        <translation>Nachkommast.:</translation>
    </message>
    <message>
        <source>Number of Decimal Places for Tick Counts</source>
        <translation>Anzahl der Nachkommastellen der Skalenzahlen</translation>
    </message>
    <message>
        <source>Increment:</source>
        <translation>Schrittweite:</translation>
    </message>
    <message>
        <source>Number to Increment Ticks By</source>
        <translation>Abstand von einer Skalenzahl zur nächsten</translation>
    </message>
    <message>
        <source>Show Tick Counts on Gauge?</source>
        <translation>Skalenzahlen auf der Skala anzeigen?</translation>
    </message>
    <message>
        <source>Show Tick Counts</source>
        <translation>Skalenzahlen anzeigen</translation>
    </message>
    <message>
        <source>Rotate Tick Counts to match Tick Angle?</source>
        <translation>Skalenzahlen passend zum Strichwinkel drehen?</translation>
    </message>
    <message>
        <source>Rotate Tick Counts</source>
        <translation>Skalenzahlen drehen</translation>
    </message>
    <message>
        <source>Skip drawing first tick count for overlap?</source>
        <translation>Erste Skalenzahl wegen Überlappung auslassen?</translation>
    </message>
    <message>
        <source>Skip First Tick</source>
        <translation>Erste Zahl auslassen</translation>
    </message>
    <message>
        <source>Change Font for Tick Counts</source>
        <translation>Schrift der Skalenzahlen ändern</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Gauge Preview</source>
        <translation>Skalenvorschau</translation>
    </message>
    <message>
        <source>Save Scalable Vector Graphics Format</source>
        <translation>Im Format Scalable Vector Graphics speichern</translation>
    </message>
    <message>
        <source>Save SVG</source>
        <translation>SVG speichern</translation>
    </message>
    <message>
        <source>Load Reference Image png (512x512px)</source>
        <translation>Referenzbild laden, PNG (512x512 px)</translation>
    </message>
    <message>
        <source>Load Reference</source>
        <translation>Referenz laden</translation>
    </message>
    <message>
        <source>Save PNG file (no background)</source>
        <translation>PNG-Datei speichern (ohne Hintergrund)</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>PNG speichern</translation>
    </message>
    <message>
        <source>Size of the exported PNG/SVG square in pixels (max 4096)</source>
        <translation>Größe des exportierten PNG-/SVG-Quadrats in Pixeln (höchstens 4096)</translation>
    </message>
    <message>
        <source>Clear Reference Image</source>
        <translation>Referenzbild entfernen</translation>
    </message>
    <message>
        <source>Clear Reference</source>
        <translation>Referenz entfernen</translation>
    </message>
    <message>
        <source>Save CSV File with Angle Values for Animation Reference</source>
        <translation>CSV-Datei mit den Winkeln als Referenz für Animationen speichern</translation>
    </message>
    <message>
        <source>Save Keyframes CSV</source>
        <translation>Keyframe-CSV speichern</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#545454;&quot;&gt;Thank you for helping test Dialwright 2.2!&lt;br/&gt;Latest builds can be found at:&lt;br/&gt;&lt;/span&gt;&lt;a href=&quot;%1&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#007af4;&quot;&gt;%1&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#545454;&quot;&gt;Danke, dass Sie Dialwright 2.2 testen!&lt;br/&gt;Die neuesten Versionen finden Sie unter:&lt;br/&gt;&lt;/span&gt;&lt;a href=&quot;%1&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#007af4;&quot;&gt;%1&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Ebenen</translation>
    </message>
    <message>
        <source>Select a Layer. Double-click a name to rename it.</source>
        <translation>Eine Ebene auswählen. Ein Doppelklick auf einen Namen benennt sie um.</translation>
    </message>
    <message>
        <source>Add New Layer</source>
        <translation>Neue Ebene hinzufügen</translation>
    </message>
    <message>
        <source>Add Layer</source>
        <translation>Ebene hinzufügen</translation>
    </message>
    <message>
        <source>Remove Selected Layer</source>
        <translation>Ausgewählte Ebene entfernen</translation>
    </message>
    <message>
        <source>Remove Layer</source>
        <translation>Ebene entfernen</translation>
    </message>
    <message>
        <source>Save only the selected layer, as a reusable preset</source>
        <translation>Nur die ausgewählte Ebene speichern, als wiederverwendbare Vorlage</translation>
    </message>
    <message>
        <source>Save Layer...</source>
        <translation>Ebene speichern...</translation>
    </message>
    <message>
        <source>Layer 1</source>
        <translation>Ebene 1</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponentiell</translation>
    </message>
    <message>
        <source>Midpoint</source>
        <translation>Mittelpunkt</translation>
    </message>
    <message>
        <source>Choose a preset</source>
        <translation>Vorlage wählen</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>„%1“ ändern</translation>
    </message>
    <message>
        <source>Rename Layer</source>
        <translation>Ebene umbenennen</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>%1 wird gespeichert …</translation>
    </message>
    <message>
        <source>SVG file (*.svg)</source>
        <translation>SVG-Datei (*.svg)</translation>
    </message>
    <message>
        <source>PNG file (*.png)</source>
        <translation>PNG-Datei (*.png)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Gauge Does Not Fit</source>
        <translation>Skala passt nicht</translation>
    </message>
    <message>
        <source>The gauge does not fit in the printable area of the page. It is printed at its true size, not shrunk, so what lies beyond the printable area is left out.</source>
        <translation>Die Skala passt nicht in den bedruckbaren Bereich der Seite. Sie wird in ihrer wahren Größe gedruckt, nicht verkleinert; was über den bedruckbaren Bereich hinausragt, fehlt daher.</translation>
    </message>
    <message>
        <source>Print Anyway</source>
        <translation>Trotzdem drucken</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Wird gedruckt …</translation>
    </message>
    <message>
        <source>Unable to print</source>
        <translation>Drucken nicht möglich</translation>
    </message>
    <message>
        <source>The gauge could not be sent to %1.</source>
        <translation>Die Skala konnte nicht an %1 gesendet werden.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The gauge has never been saved.</source>
        <translation>Die Skala wurde noch nie gespeichert.</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 hat Änderungen, die nicht gespeichert sind.</translation>
    </message>
    <message>
        <source>Save Gauge</source>
        <translation>Skala speichern</translation>
    </message>
    <message>
        <source>Save changes to the gauge before starting a new gauge?</source>
        <translation>Änderungen an der Skala speichern, bevor eine neue Skala begonnen wird?</translation>
    </message>
    <message>
        <source>Open Gauge</source>
        <translation>Skala öffnen</translation>
    </message>
    <message>
        <source>Gauge files (*.gauge)</source>
        <translation>Skalendateien (*.gauge)</translation>
    </message>
    <message>
        <source>Save changes to the gauge before opening another gauge?</source>
        <translation>Änderungen an der Skala speichern, bevor eine andere Skala geöffnet wird?</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>%1 no longer exists. It has been removed from the recent files.</source>
        <translation>%1 existiert nicht mehr. Die Datei wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Save changes to the gauge before closing?</source>
        <translation>Änderungen an der Skala vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Save Layer As Preset</source>
        <translation>Ebene als Vorlage speichern</translation>
    </message>
    <message>
        <source>Gauge file (*.gauge)</source>
        <translation>Skalendatei (*.gauge)</translation>
    </message>
    <message>
        <source>Load Gauge</source>
        <translation>Skala laden</translation>
    </message>
    <message>
        <source>Unable to open file</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Unable to load gauge</source>
        <translation>Skala kann nicht geladen werden</translation>
    </message>
    <message>
        <source>%1 could not be read.

%2</source>
        <translation>%1 konnte nicht gelesen werden.

%2</translation>
    </message>
    <message>
        <source>The current layer has been modified.</source>
        <translation>Die aktuelle Ebene wurde geändert.</translation>
    </message>
    <message>
        <source>Add the loaded gauge as new layers, or overwrite the current layer with it?</source>
        <translation>Die geladene Skala als neue Ebenen hinzufügen oder die aktuelle Ebene damit überschreiben?</translation>
    </message>
    <message>
        <source>Add As New Layers</source>
        <translation>Als neue Ebenen hinzufügen</translation>
    </message>
    <message>
        <source>Overwrite Current Layer</source>
        <translation>Aktuelle Ebene überschreiben</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>Vorlage laden</translation>
    </message>
    <message>
        <source>Choose a Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>New Layer</source>
        <translation>Neue Ebene</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Name der Ebene:</translation>
    </message>
    <message>
        <source>A gauge must have at least one layer.</source>
        <translation>Eine Skala muss mindestens eine Ebene haben.</translation>
    </message>
    <message>
        <source>Duplicate Layer</source>
        <translation>Ebene duplizieren</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 Kopie</translation>
    </message>
    <message>
        <source>Move Layer Up</source>
        <translation>Ebene nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Layer Down</source>
        <translation>Ebene nach unten verschieben</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save &amp;Layer As Preset...</source>
        <translation>&amp;Ebene als Vorlage speichern...</translation>
    </message>
    <message>
        <source>Export S&amp;VG...</source>
        <translation>Als S&amp;VG exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;PNG...</source>
        <translation>Als &amp;PNG exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;Keyframes CSV...</source>
        <translation>&amp;Keyframe-CSV exportieren...</translation>
    </message>
    <message>
        <source>Export P&amp;DF / Print...</source>
        <translation>P&amp;DF exportieren / Drucken...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>Druckv&amp;orschau...</translation>
    </message>
    <message>
        <source>Prin&amp;t...</source>
        <translation>Dru&amp;cken...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Layer</source>
        <translation>&amp;Ebene</translation>
    </message>
    <message>
        <source>&amp;Add Layer...</source>
        <translation>Ebene &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove Layer</source>
        <translation>Ebene &amp;entfernen</translation>
    </message>
    <message>
        <source>Re&amp;name Layer</source>
        <translation>Ebene u&amp;mbenennen</translation>
    </message>
    <message>
        <source>&amp;Duplicate Layer</source>
        <translation>Ebene &amp;duplizieren</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Check For Updates</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Dialwright</source>
        <translation>&amp;Über Dialwright</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Files</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Dialwright %1&lt;/h3&gt;&lt;p&gt;Design the faces of round gauges: tick marks, arcs and numbers, layer by layer.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Dialwright %1&lt;/h3&gt;&lt;p&gt;Skalen runder Anzeigen gestalten: Teilstriche, Bögen und Zahlen, Ebene für Ebene.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2, läuft mit Qt %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Dialwright</source>
        <translation>Über Dialwright</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Load Reference Image (512x512)</source>
        <translation>Referenzbild laden (512x512)</translation>
    </message>
    <message>
        <source>Unable to load image</source>
        <translation>Bild kann nicht geladen werden</translation>
    </message>
    <message>
        <source>%1 could not be read as a picture.</source>
        <translation>%1 konnte nicht als Bild gelesen werden.</translation>
    </message>
    <message>
        <source>%1 could not be read as a picture.

%2</source>
        <translation>%1 konnte nicht als Bild gelesen werden.

%2</translation>
    </message>
    <message>
        <source>Update Check Unavailable</source>
        <translation>Update-Suche nicht verfügbar</translation>
    </message>
    <message>
        <source>This build of Dialwright has no update address, so it cannot check for updates.</source>
        <translation>Diese Ausgabe von Dialwright hat keine Update-Adresse und kann daher nicht nach Updates suchen.</translation>
    </message>
    <message>
        <source>Update Check Failed</source>
        <translation>Update-Suche fehlgeschlagen</translation>
    </message>
    <message>
        <source>Request timed out. Please check your internet connection.</source>
        <translation>Zeitüberschreitung der Anfrage. Bitte prüfen Sie Ihre Internetverbindung.</translation>
    </message>
    <message>
        <source>Could not check for updates:
</source>
        <translation>Die Suche nach Updates war nicht möglich:
</translation>
    </message>
    <message>
        <source>Version info Invalid</source>
        <translation>Versionsangaben ungültig</translation>
    </message>
    <message>
        <source>Could not check for updates:
Version info invalid, contact Author.</source>
        <translation>Die Suche nach Updates war nicht möglich:
Versionsangaben ungültig, bitte wenden Sie sich an den Autor.</translation>
    </message>
    <message>
        <source>No Update Available</source>
        <translation>Kein Update verfügbar</translation>
    </message>
    <message>
        <source>Dialwright %1 is up to date.

Thank you for using Dialwright!</source>
        <translation>Dialwright %1 ist auf dem neuesten Stand.

Danke, dass Sie Dialwright verwenden!</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>A new version (%1) is available!

%2</source>
        <translation>Eine neue Version (%1) ist verfügbar!

%2</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Visit Site</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Save gauge</source>
        <translation>Skala speichern</translation>
    </message>
    <message>
        <source>Load gauge or preset</source>
        <translation>Skala oder Vorlage laden</translation>
    </message>
    <message>
        <source>Export size in pixels</source>
        <translation>Exportgröße in Pixeln</translation>
    </message>
    <message>
        <source>Gauge preview</source>
        <translation>Skalenvorschau</translation>
    </message>
    <message>
        <source>Reference picture</source>
        <translation>Referenzbild</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>The gauge as it is drawn and exported. View &gt; Inspect shows it enlarged.</source>
        <translation>Die Skala, wie sie gezeichnet und exportiert wird. Ansicht &gt; Skala prüfen zeigt sie vergrößert.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Inspect...</source>
        <translation>Skala &amp;prüfen...</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <comment>%1 is the step, such as Add Layer</comment>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <comment>%1 is the step, such as Add Layer</comment>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Change Layer</source>
        <translation>Ebene ändern</translation>
    </message>
    <message>
        <source>Exported %1 (%2)</source>
        <translation>Exportiert: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 could not be opened.

%2</source>
        <translation>%1 konnte nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>Rendering %1: frame %2 of %3, %4 frames a second, %5 left</source>
        <translation>%1 wird gerendert: Einzelbild %2 von %3, %4 Bilder pro Sekunde, noch %5</translation>
    </message>
    <message>
        <source>a while</source>
        <translation>eine Weile</translation>
    </message>
    <message>
        <source>%1:%2</source>
        <translation>%1:%2</translation>
    </message>
    <message>
        <source>Rendering %1…</source>
        <translation>%1 wird gerendert …</translation>
    </message>
    <message>
        <source>Writing into %1…</source>
        <translation>Wird in %1 geschrieben …</translation>
    </message>
    <message>
        <source>Exported into %1</source>
        <translation>Exportiert in %1</translation>
    </message>
    <message>
        <source>Export Assets</source>
        <translation>Assets exportieren</translation>
    </message>
    <message>
        <source>Export For %1</source>
        <translation>Exportieren für %1</translation>
    </message>
    <message>
        <source>Export Ass&amp;ets...</source>
        <translation>&amp;Assets exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;For...</source>
        <translation>Exportieren fü&amp;r...</translation>
    </message>
    <message>
        <source>Export Ani&amp;mation...</source>
        <translation>Ani&amp;mation exportieren...</translation>
    </message>
    <message>
        <source>Face and needles</source>
        <translation>Zifferblatt und Zeiger</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Zifferblatt</translation>
    </message>
    <message>
        <source>Needles</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>Needles: what the SVG and PNG exports draw: the face with its needles, the face alone, or the needles alone on a transparent ground</source>
        <translation>Zeiger: was die SVG- und PNG-Exporte zeichnen: das Zifferblatt mit seinen Zeigern, das Zifferblatt allein oder nur die Zeiger auf durchsichtigem Grund</translation>
    </message>
    <message>
        <source>Needles in exports</source>
        <translation>Zeiger in Exporten</translation>
    </message>
    <message>
        <source>Face only</source>
        <translation>Nur Zifferblatt</translation>
    </message>
    <message>
        <source>Needles only</source>
        <translation>Nur Zeiger</translation>
    </message>
    <message>
        <source>Dial &amp;Color...</source>
        <translation>Zifferblatt&amp;farbe...</translation>
    </message>
    <message>
        <source>&amp;Black Dial</source>
        <translation>&amp;Schwarzes Zifferblatt</translation>
    </message>
</context>
</TS>
