<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>cannot open a display, for none is set: is a desktop session running?</source>
        <translation>kann keine Anzeige öffnen, denn keine ist eingestellt: Läuft eine Desktop-Sitzung?</translation>
    </message>
    <message>
        <source>cannot open the display &quot;%1&quot;: is a desktop session running?</source>
        <translation>kann die Anzeige „%1“ nicht öffnen: Läuft eine Desktop-Sitzung?</translation>
    </message>
</context>
<context>
    <name>ImageNames</name>
    <message>
        <source>Cell %1, row %2, column %3: %4</source>
        <extracomment>%4 is the picture file the cell shows (&quot;AngleL.bmp&quot;), or &quot;empty&quot;.</extracomment>
        <translation>Zelle %1, Zeile %2, Spalte %3: %4</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a cell</comment>
        <translation>leer</translation>
    </message>
    <message>
        <source>Horizontal wall slot %1, between cells %2 and %3: %4</source>
        <extracomment>%4 is the picture file the wall slot shows (&quot;WallH.bmp&quot;), or &quot;empty&quot;.</extracomment>
        <translation>Waagerechter Wandplatz %1, zwischen den Zellen %2 und %3: %4</translation>
    </message>
    <message>
        <source>Vertical wall slot %1, between cells %2 and %3: %4</source>
        <translation>Senkrechter Wandplatz %1, zwischen den Zellen %2 und %3: %4</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a wall slot</comment>
        <translation>leer</translation>
    </message>
    <message>
        <source>design picture</source>
        <translation>Entwurfsbild</translation>
    </message>
    <message>
        <source>Object sample: %1</source>
        <extracomment>%1 is the picture file the sample shows, or &quot;design picture&quot; before the first selection.</extracomment>
        <translation>Objektvorschau: %1</translation>
    </message>
    <message>
        <source>Horizontal wall sample: %1</source>
        <translation>Vorschau der waagerechten Wand: %1</translation>
    </message>
    <message>
        <source>Vertical wall sample: %1</source>
        <translation>Vorschau der senkrechten Wand: %1</translation>
    </message>
</context>
<context>
    <name>PictureLoad</name>
    <message>
        <source>it came out as an empty picture</source>
        <translation>es ergab ein leeres Bild</translation>
    </message>
    <message>
        <source>it is not a picture: %1</source>
        <extracomment>%1 says what is wrong with the file (&quot;it is not a Windows bitmap&quot;).</extracomment>
        <translation>es ist kein Bild: %1</translation>
    </message>
    <message>
        <source>it is not a Windows bitmap</source>
        <translation>es ist keine Windows-Bitmap</translation>
    </message>
    <message>
        <source>its bitmap header is of an unknown kind</source>
        <translation>sein Bitmap-Header ist von unbekannter Art</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>die Datei endet mitten in ihrem Header</translation>
    </message>
    <message>
        <source>its header declares no valid picture size</source>
        <translation>sein Header gibt keine gültige Bildgröße an</translation>
    </message>
    <message>
        <source>it declares a picture of %1 × %2 pixels, larger than %3 × %3</source>
        <translation>es gibt ein Bild von %1 × %2 Pixeln an, größer als %3 × %3</translation>
    </message>
    <message>
        <source>it declares a picture of %1 × %2 pixels, which would take %3 MiB of memory; a picture may take at most %4 MiB (%5 × %5 pixels)</source>
        <translation>es gibt ein Bild von %1 × %2 Pixeln an, das %3 MiB Speicher belegen würde; ein Bild darf höchstens %4 MiB belegen (%5 × %5 Pixel)</translation>
    </message>
    <message>
        <source>its pixel format is not supported</source>
        <translation>sein Pixelformat wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the file is shorter than its header says</source>
        <translation>die Datei ist kürzer, als ihr Header angibt</translation>
    </message>
    <message>
        <source>the file ends inside its compressed pixel data</source>
        <translation>die Datei endet mitten in ihren komprimierten Pixeldaten</translation>
    </message>
    <message>
        <source>it is not a picture file</source>
        <translation>es ist keine Bilddatei</translation>
    </message>
    <message>
        <source>it is too large to be a tile picture</source>
        <translation>die Datei ist zu groß für ein Kachelbild</translation>
    </message>
    <message>
        <source>there is not enough memory to load it</source>
        <translation>es ist nicht genug Speicher frei, um es zu laden</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is a link that leads round a loop of links. Remove the link, or point it at a folder</source>
        <translation>sein Ordner „%1“ ist ein Link, der in eine Schleife aus Links führt. Entfernen Sie den Link oder lassen Sie ihn auf einen Ordner zeigen</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; on its path is a link that leads round a loop of links. Remove the link, or point it at a folder</source>
        <translation>der Ordner „%1“ auf seinem Pfad ist ein Link, der in eine Schleife aus Links führt. Entfernen Sie den Link oder lassen Sie ihn auf einen Ordner zeigen</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is a link to &quot;%2&quot;, where there is no folder. Remove the link, or make the folder it points to</source>
        <translation>sein Ordner „%1“ ist ein Link auf „%2“, wo es keinen Ordner gibt. Entfernen Sie den Link oder legen Sie den Ordner an, auf den er zeigt</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; on its path is a link to &quot;%2&quot;, where there is no folder. Remove the link, or make the folder it points to</source>
        <translation>der Ordner „%1“ auf seinem Pfad ist ein Link auf „%2“, wo es keinen Ordner gibt. Entfernen Sie den Link oder legen Sie den Ordner an, auf den er zeigt</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is a file, not a folder</source>
        <translation>sein Ordner „%1“ ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>it is a link to a file that is missing</source>
        <translation>es ist ein Link auf eine Datei, die fehlt</translation>
    </message>
    <message>
        <source>its folder cannot be read (%1)</source>
        <translation>sein Ordner kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is not a picture: it cannot be decoded (%1)</source>
        <extracomment>%1 is Qt&apos;s message for why its decoder failed (&quot;Unable to read image data&quot;).</extracomment>
        <translation>es ist kein Bild: es lässt sich nicht dekodieren (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1 × %2 pixels</source>
        <translation>es ist nicht genug Speicher für ein Bild von %1 × %2 Pixeln frei</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2.</source>
        <extracomment>%1 is the picture file&apos;s full path; %2 says why, as a clause of its own (&quot;the file is missing&quot;).</extracomment>
        <translation>Das Bild „%1“ kann nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>its folder is missing. Run &quot;%1&quot; to put the sample tiles there; if you have tiles of your own, put them there and run &quot;%1 --check&quot; to check them</source>
        <translation>sein Ordner fehlt. Führen Sie „%1“ aus, um die Beispielkacheln dort abzulegen; wenn Sie eigene Kacheln haben, legen Sie sie dort ab und prüfen Sie sie mit „%1 --check“</translation>
    </message>
    <message>
        <source>the file is missing. &quot;%1 --check&quot; names every picture that the folder lacks or that the editor cannot load; &quot;%1&quot; adds the sample tiles for the ones it lacks and keeps the files you have</source>
        <translation>die Datei fehlt. „%1 --check“ nennt jedes Bild, das dem Ordner fehlt oder das der Editor nicht laden kann; „%1“ ergänzt die fehlenden durch Beispielkacheln und behält Ihre vorhandenen Dateien</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no documents folder to hold the picture folder</source>
        <translation>HOME ist nicht gesetzt, also gibt es keinen Dokumentenordner, der den Bilderordner enthält</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, which is not the absolute path of a folder, so there is no documents folder to hold the picture folder</source>
        <translation>HOME ist „%1“, kein absoluter Pfad eines Ordners, also gibt es keinen Dokumentenordner, der den Bilderordner enthält</translation>
    </message>
    <message>
        <source>XDG_DOCUMENTS_DIR in &quot;%1&quot; is set aside for ~/Documents: it is neither an absolute path nor one under $HOME</source>
        <extracomment>Ends the cause of a missing picture folder: why it is looked for in ~/Documents.</extracomment>
        <translation>XDG_DOCUMENTS_DIR in „%1“ wird zugunsten von ~/Documents übergangen: Es ist weder ein absoluter Pfad noch einer unter $HOME</translation>
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
    <name>SelectorNames</name>
    <message>
        <source>no object type</source>
        <translation>kein Objekttyp</translation>
    </message>
    <message>
        <source>no variants</source>
        <translation>keine Varianten</translation>
    </message>
    <message>
        <source>no wall type</source>
        <translation>kein Wandtyp</translation>
    </message>
    <message>
        <source>Object type</source>
        <translation>Objekttyp</translation>
    </message>
    <message>
        <source>Object variant</source>
        <translation>Objektvariante</translation>
    </message>
    <message>
        <source>Horizontal wall type</source>
        <translation>Typ der waagerechten Wand</translation>
    </message>
    <message>
        <source>Vertical wall type</source>
        <translation>Typ der senkrechten Wand</translation>
    </message>
</context>
<context>
    <name>TileCheck</name>
    <message>
        <source>%1 loads, but at %2 × %3 pixels it does not fit its slot of %4 × %5: it covers some of its neighbours and leaves gaps beside others.</source>
        <translation>%1 lässt sich laden, passt aber mit %2 × %3 Pixeln nicht auf seinen Platz von %4 × %5: es verdeckt einige seiner Nachbarn und lässt neben anderen Lücken.</translation>
    </message>
    <message>
        <source>%1 loads, but at %2 × %3 pixels it is larger than its slot of %4 × %5 and covers its neighbours.</source>
        <translation>%1 lässt sich laden, ist aber mit %2 × %3 Pixeln größer als sein Platz von %4 × %5 und verdeckt seine Nachbarn.</translation>
    </message>
    <message>
        <source>%1 loads, but at %2 × %3 pixels it is smaller than its slot of %4 × %5 and leaves gaps beside its neighbours.</source>
        <translation>%1 lässt sich laden, ist aber mit %2 × %3 Pixeln kleiner als sein Platz von %4 × %5 und lässt Lücken neben seinen Nachbarn.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 fehlt.</translation>
    </message>
    <message>
        <source>%1 is missing; the folder has %2, whose name differs only in letter case.</source>
        <translation>%1 fehlt; der Ordner enthält %2, dessen Name sich nur in der Groß- und Kleinschreibung unterscheidet.</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2.</source>
        <translation>%1 kann nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>None of the %1 pictures is in the folder.</source>
        <translation>Keines der %1 Bilder liegt im Ordner.</translation>
    </message>
    <message>
        <source>No picture can be loaded: %1.</source>
        <translation>Kein Bild lässt sich laden: %1.</translation>
    </message>
    <message>
        <source>Checking the %1 pictures the editor reads, in %2:</source>
        <translation>Prüfung der %1 Bilder, die der Editor liest, in %2:</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Der Ordner kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>All %1 pictures load at their slot&apos;s size.</source>
        <translation>Alle %1 Bilder lassen sich in der Größe ihres Platzes laden.</translation>
    </message>
    <message>
        <source>%1 of %2 pictures load at their slot&apos;s size; missing: %3, cannot be loaded: %4, of another size: %5.</source>
        <translation>%1 von %2 Bildern lassen sich in der Größe ihres Platzes laden; fehlend: %3, nicht ladbar: %4, in anderer Größe: %5.</translation>
    </message>
    <message>
        <source>Files in the folder that the editor never reads:</source>
        <translation>Dateien im Ordner, die der Editor nie liest:</translation>
    </message>
    <message>
        <source>The folder cannot be listed (%1), so the files in it that the editor never reads cannot be named.</source>
        <translation>Der Ordner kann nicht aufgelistet werden (%1), daher lassen sich die Dateien darin, die der Editor nie liest, nicht nennen.</translation>
    </message>
</context>
<context>
    <name>TileTool</name>
    <message>
        <source>Wrote the contact sheet %1</source>
        <translation>Kontaktbogen %1 geschrieben</translation>
    </message>
    <message>
        <source>Could not draw the contact sheet: %1</source>
        <translation>Der Kontaktbogen konnte nicht gezeichnet werden: %1</translation>
    </message>
    <message>
        <source>Wrote %1 of %2 tile pictures into %3</source>
        <translation>%1 von %2 Kachelbildern nach %3 geschrieben</translation>
    </message>
    <message>
        <source>Writes the sample tile set for Tolvane: 187 Windows bitmaps, by default into the folder the editor reads its pictures from.</source>
        <translation>Schreibt die Beispielkacheln für Tolvane: 187 Windows-Bitmaps, standardmäßig in den Ordner, aus dem der Editor seine Bilder liest.</translation>
    </message>
    <message>
        <source>Overwrite pictures that exist already.</source>
        <translation>Bereits vorhandene Bilder überschreiben.</translation>
    </message>
    <message>
        <source>Also write a contact sheet of all tiles.</source>
        <translation>Zusätzlich einen Kontaktbogen aller Kacheln schreiben.</translation>
    </message>
    <message>
        <source>FILE.png</source>
        <translation>DATEI.png</translation>
    </message>
    <message>
        <source>Print the folder the editor reads its pictures from, and stop.</source>
        <translation>Den Ordner ausgeben, aus dem der Editor seine Bilder liest, und beenden.</translation>
    </message>
    <message>
        <source>List the picture files the editor reads, with their sizes, and stop.</source>
        <translation>Die Bilddateien, die der Editor liest, mit ihren Größen auflisten und beenden.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Where to write the pictures; by default the editor&apos;s picture folder.</source>
        <translation>Wohin die Bilder geschrieben werden; standardmäßig der Bilderordner des Editors.</translation>
    </message>
    <message>
        <source>[FOLDER]</source>
        <translation>[ORDNER]</translation>
    </message>
    <message>
        <source>Object type %1</source>
        <translation>Objekttyp %1</translation>
    </message>
    <message>
        <source>Wall type %1</source>
        <translation>Wandtyp %1</translation>
    </message>
    <message>
        <source>cannot create the folder</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message numerus="yes">
        <source>Kept %n files that were there already (--force overwrites them)</source>
        <translation>
            <numerusform>%n bereits vorhandene Datei behalten (--force überschreibt sie)</numerusform>
            <numerusform>%n bereits vorhandene Dateien behalten (--force überschreibt sie)</numerusform>
        </translation>
    </message>
    <message>
        <source>Check the pictures in FOLDER (by default the editor&apos;s picture folder) as the editor loads them, name each one that is missing, cannot be loaded or is not of its slot&apos;s size, and stop. Exits with 1 unless all load at their slot&apos;s size.</source>
        <translation>Die Bilder in ORDNER (standardmäßig der Bilderordner des Editors) so prüfen, wie der Editor sie lädt, jedes nennen, das fehlt, nicht geladen werden kann oder nicht die Größe seines Platzes hat, und beenden. Endet mit 1, außer wenn alle sich in der Größe ihres Platzes laden lassen.</translation>
    </message>
    <message>
        <source>Could not write to the standard output: %1</source>
        <translation>Die Standardausgabe konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>cannot encode it</source>
        <translation>sie kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>Could not write the contact sheet %1: %2</source>
        <translation>Der Kontaktbogen %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Fehler beim Schreiben von %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be combined with %2.</source>
        <translation>%1 kann nicht mit %2 kombiniert werden.</translation>
    </message>
    <message>
        <source>%1 takes no folder.</source>
        <translation>%1 nimmt keinen Ordner an.</translation>
    </message>
    <message>
        <source>Give at most one folder.</source>
        <translation>Höchstens einen Ordner angeben.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is empty.</source>
        <translation>Der Name des Ordners ist leer.</translation>
    </message>
    <message>
        <source>The contact sheet&apos;s file name is empty.</source>
        <translation>Der Dateiname des Kontaktbogens ist leer.</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>app::Form1</name>
    <message>
        <source>Empties the board</source>
        <translation>Leert das Spielfeld</translation>
    </message>
</context>
</TS>
