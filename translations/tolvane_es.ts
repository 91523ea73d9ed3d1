<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Form1</name>
    <message>
        <source>cannot open a display, for none is set: is a desktop session running?</source>
        <translation>no se puede abrir una pantalla, porque no hay ninguna definida: ¿hay una sesión de escritorio en marcha?</translation>
    </message>
    <message>
        <source>cannot open the display &quot;%1&quot;: is a desktop session running?</source>
        <translation>no se puede abrir la pantalla «%1»: ¿hay una sesión de escritorio en marcha?</translation>
    </message>
</context>
<context>
    <name>ImageNames</name>
    <message>
        <source>Cell %1, row %2, column %3: %4</source>
        <extracomment>%4 is the picture file the cell shows (&quot;AngleL.bmp&quot;), or &quot;empty&quot;.</extracomment>
        <translation>Casilla %1, fila %2, columna %3: %4</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a cell</comment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Horizontal wall slot %1, between cells %2 and %3: %4</source>
        <extracomment>%4 is the picture file the wall slot shows (&quot;WallH.bmp&quot;), or &quot;empty&quot;.</extracomment>
        <translation>Hueco de pared horizontal %1, entre las casillas %2 y %3: %4</translation>
    </message>
    <message>
        <source>Vertical wall slot %1, between cells %2 and %3: %4</source>
        <translation>Hueco de pared vertical %1, entre las casillas %2 y %3: %4</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a wall slot</comment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>design picture</source>
        <translation>imagen de diseño</translation>
    </message>
    <message>
        <source>Object sample: %1</source>
        <extracomment>%1 is the picture file the sample shows, or &quot;design picture&quot; before the first selection.</extracomment>
        <translation>Muestra del objeto: %1</translation>
    </message>
    <message>
        <source>Horizontal wall sample: %1</source>
        <translation>Muestra de la pared horizontal: %1</translation>
    </message>
    <message>
        <source>Vertical wall sample: %1</source>
        <translation>Muestra de la pared vertical: %1</translation>
    </message>
</context>
<context>
    <name>PictureLoad</name>
    <message>
        <source>it came out as an empty picture</source>
        <translation>se obtuvo una imagen vacía</translation>
    </message>
    <message>
        <source>it is not a picture: %1</source>
        <extracomment>%1 says what is wrong with the file (&quot;it is not a Windows bitmap&quot;).</extracomment>
        <translation>no es una imagen: %1</translation>
    </message>
    <message>
        <source>it is not a Windows bitmap</source>
        <translation>no es un mapa de bits de Windows</translation>
    </message>
    <message>
        <source>its bitmap header is of an unknown kind</source>
        <translation>su cabecera de mapa de bits es de un tipo desconocido</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>el archivo termina en mitad de su cabecera</translation>
    </message>
    <message>
        <source>its header declares no valid picture size</source>
        <translation>su cabecera no declara un tamaño de imagen válido</translation>
    </message>
    <message>
        <source>it declares a picture of %1 × %2 pixels, larger than %3 × %3</source>
        <translation>declara una imagen de %1 × %2 píxeles, mayor que %3 × %3</translation>
    </message>
    <message>
        <source>it declares a picture of %1 × %2 pixels, which would take %3 MiB of memory; a picture may take at most %4 MiB (%5 × %5 pixels)</source>
        <translation>declara una imagen de %1 × %2 píxeles, que ocuparía %3 MiB de memoria; una imagen puede ocupar como mucho %4 MiB (%5 × %5 píxeles)</translation>
    </message>
    <message>
        <source>its pixel format is not supported</source>
        <translation>su formato de píxeles no es compatible</translation>
    </message>
    <message>
        <source>the file is shorter than its header says</source>
        <translation>el archivo es más corto de lo que indica su cabecera</translation>
    </message>
    <message>
        <source>the file ends inside its compressed pixel data</source>
        <translation>el archivo termina en mitad de sus datos de píxeles comprimidos</translation>
    </message>
    <message>
        <source>it is not a picture file</source>
        <translation>no es un archivo de imagen</translation>
    </message>
    <message>
        <source>it is too large to be a tile picture</source>
        <translation>el archivo es demasiado grande para ser una imagen de baldosa</translation>
    </message>
    <message>
        <source>there is not enough memory to load it</source>
        <translation>no hay memoria suficiente para cargarla</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is a link that leads round a loop of links. Remove the link, or point it at a folder</source>
        <translation>su carpeta «%1» es un enlace que lleva a un bucle de enlaces. Elimine el enlace o haga que apunte a una carpeta</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; on its path is a link that leads round a loop of links. Remove the link, or point it at a folder</source>
        <translation>la carpeta «%1» de su ruta es un enlace que lleva a un bucle de enlaces. Elimine el enlace o haga que apunte a una carpeta</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is a link to &quot;%2&quot;, where there is no folder. Remove the link, or make the folder it points to</source>
        <translation>su carpeta «%1» es un enlace a «%2», donde no hay ninguna carpeta. Elimine el enlace o cree la carpeta a la que apunta</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; on its path is a link to &quot;%2&quot;, where there is no folder. Remove the link, or make the folder it points to</source>
        <translation>la carpeta «%1» de su ruta es un enlace a «%2», donde no hay ninguna carpeta. Elimine el enlace o cree la carpeta a la que apunta</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is a file, not a folder</source>
        <translation>su carpeta «%1» es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>it is a link to a file that is missing</source>
        <translation>es un enlace a un archivo que no existe</translation>
    </message>
    <message>
        <source>its folder cannot be read (%1)</source>
        <translation>no se puede leer su carpeta (%1)</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>no se puede leer el archivo (%1)</translation>
    </message>
    <message>
        <source>it is not a picture: it cannot be decoded (%1)</source>
        <extracomment>%1 is Qt&apos;s message for why its decoder failed (&quot;Unable to read image data&quot;).</extracomment>
        <translation>no es una imagen: no se puede descodificar (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1 × %2 pixels</source>
        <translation>no hay memoria suficiente para una imagen de %1 × %2 píxeles</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2.</source>
        <extracomment>%1 is the picture file&apos;s full path; %2 says why, as a clause of its own (&quot;the file is missing&quot;).</extracomment>
        <translation>No se puede cargar la imagen «%1»: %2.</translation>
    </message>
    <message>
        <source>its folder is missing. Run &quot;%1&quot; to put the sample tiles there; if you have tiles of your own, put them there and run &quot;%1 --check&quot; to check them</source>
        <translation>falta su carpeta. Ejecute «%1» para colocar allí las baldosas de ejemplo; si tiene baldosas propias, colóquelas allí y ejecute «%1 --check» para comprobarlas</translation>
    </message>
    <message>
        <source>the file is missing. &quot;%1 --check&quot; names every picture that the folder lacks or that the editor cannot load; &quot;%1&quot; adds the sample tiles for the ones it lacks and keeps the files you have</source>
        <translation>falta el archivo. «%1 --check» nombra cada imagen que falta en la carpeta o que el editor no puede cargar; «%1» añade las baldosas de ejemplo que faltan y conserva sus archivos</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no documents folder to hold the picture folder</source>
        <translation>HOME no está definido, así que no hay carpeta de documentos que contenga la carpeta de imágenes</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, which is not the absolute path of a folder, so there is no documents folder to hold the picture folder</source>
        <translation>HOME es «%1», que no es la ruta absoluta de una carpeta, así que no hay carpeta de documentos que contenga la carpeta de imágenes</translation>
    </message>
    <message>
        <source>XDG_DOCUMENTS_DIR in &quot;%1&quot; is set aside for ~/Documents: it is neither an absolute path nor one under $HOME</source>
        <extracomment>Ends the cause of a missing picture folder: why it is looked for in ~/Documents.</extracomment>
        <translation>XDG_DOCUMENTS_DIR en «%1» se deja de lado en favor de ~/Documents: no es una ruta absoluta ni una ruta bajo $HOME</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
</context>
<context>
    <name>SelectorNames</name>
    <message>
        <source>no object type</source>
        <translation>ningún tipo de objeto</translation>
    </message>
    <message>
        <source>no variants</source>
        <translation>sin variantes</translation>
    </message>
    <message>
        <source>no wall type</source>
        <translation>ningún tipo de pared</translation>
    </message>
    <message>
        <source>Object type</source>
        <translation>Tipo de objeto</translation>
    </message>
    <message>
        <source>Object variant</source>
        <translation>Variante de objeto</translation>
    </message>
    <message>
        <source>Horizontal wall type</source>
        <translation>Tipo de pared horizontal</translation>
    </message>
    <message>
        <source>Vertical wall type</source>
        <translation>Tipo de pared vertical</translation>
    </message>
</context>
<context>
    <name>TileCheck</name>
    <message>
        <source>%1 loads, but at %2 × %3 pixels it does not fit its slot of %4 × %5: it covers some of its neighbours and leaves gaps beside others.</source>
        <translation>%1 se carga, pero con %2 × %3 píxeles no encaja en su hueco de %4 × %5: tapa a algunos de sus vecinos y deja espacios vacíos junto a otros.</translation>
    </message>
    <message>
        <source>%1 loads, but at %2 × %3 pixels it is larger than its slot of %4 × %5 and covers its neighbours.</source>
        <translation>%1 se carga, pero con %2 × %3 píxeles es más grande que su hueco de %4 × %5 y tapa a sus vecinos.</translation>
    </message>
    <message>
        <source>%1 loads, but at %2 × %3 pixels it is smaller than its slot of %4 × %5 and leaves gaps beside its neighbours.</source>
        <translation>%1 se carga, pero con %2 × %3 píxeles es más pequeña que su hueco de %4 × %5 y deja espacios vacíos junto a sus vecinos.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 no está en la carpeta.</translation>
    </message>
    <message>
        <source>%1 is missing; the folder has %2, whose name differs only in letter case.</source>
        <translation>%1 no está; la carpeta contiene %2, cuyo nombre solo se diferencia en mayúsculas y minúsculas.</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2.</source>
        <translation>%1 no se puede cargar: %2.</translation>
    </message>
    <message>
        <source>None of the %1 pictures is in the folder.</source>
        <translation>Ninguna de las %1 imágenes está en la carpeta.</translation>
    </message>
    <message>
        <source>No picture can be loaded: %1.</source>
        <translation>No se puede cargar ninguna imagen: %1.</translation>
    </message>
    <message>
        <source>Checking the %1 pictures the editor reads, in %2:</source>
        <translation>Comprobando las %1 imágenes que lee el editor, en %2:</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>No se puede leer la carpeta: %1.</translation>
    </message>
    <message>
        <source>All %1 pictures load at their slot&apos;s size.</source>
        <translation>Las %1 imágenes se cargan todas con el tamaño de su hueco.</translation>
    </message>
    <message>
        <source>%1 of %2 pictures load at their slot&apos;s size; missing: %3, cannot be loaded: %4, of another size: %5.</source>
        <translation>%1 de %2 imágenes se cargan con el tamaño de su hueco; faltan: %3, no se pueden cargar: %4, de otro tamaño: %5.</translation>
    </message>
    <message>
        <source>Files in the folder that the editor never reads:</source>
        <translation>Archivos de la carpeta que el editor nunca lee:</translation>
    </message>
    <message>
        <source>The folder cannot be listed (%1), so the files in it that the editor never reads cannot be named.</source>
        <translation>No se puede listar la carpeta (%1), así que no se pueden nombrar los archivos que contiene y que el editor nunca lee.</translation>
    </message>
</context>
<context>
    <name>TileTool</name>
    <message>
        <source>Wrote the contact sheet %1</source>
        <translation>Hoja de contactos %1 escrita</translation>
    </message>
    <message>
        <source>Could not draw the contact sheet: %1</source>
        <translation>No se pudo dibujar la hoja de contactos: %1</translation>
    </message>
    <message>
        <source>Wrote %1 of %2 tile pictures into %3</source>
        <translation>Se escribieron %1 de %2 imágenes de baldosas en %3</translation>
    </message>
    <message>
        <source>Writes the sample tile set for Tolvane: 187 Windows bitmaps, by default into the folder the editor reads its pictures from.</source>
        <translation>Escribe el juego de baldosas de ejemplo de Tolvane: 187 mapas de bits de Windows, por omisión en la carpeta de la que el editor lee sus imágenes.</translation>
    </message>
    <message>
        <source>Overwrite pictures that exist already.</source>
        <translation>Sobrescribir las imágenes que ya existen.</translation>
    </message>
    <message>
        <source>Also write a contact sheet of all tiles.</source>
        <translation>Escribir también una hoja de contactos con todas las baldosas.</translation>
    </message>
    <message>
        <source>FILE.png</source>
        <translation>ARCHIVO.png</translation>
    </message>
    <message>
        <source>Print the folder the editor reads its pictures from, and stop.</source>
        <translation>Mostrar la carpeta de la que el editor lee sus imágenes y terminar.</translation>
    </message>
    <message>
        <source>List the picture files the editor reads, with their sizes, and stop.</source>
        <translation>Listar los archivos de imagen que lee el editor, con sus tamaños, y terminar.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Where to write the pictures; by default the editor&apos;s picture folder.</source>
        <translation>Dónde escribir las imágenes; por omisión, la carpeta de imágenes del editor.</translation>
    </message>
    <message>
        <source>[FOLDER]</source>
        <translation>[CARPETA]</translation>
    </message>
    <message>
        <source>Object type %1</source>
        <translation>Tipo de objeto %1</translation>
    </message>
    <message>
        <source>Wall type %1</source>
        <translation>Tipo de pared %1</translation>
    </message>
    <message>
        <source>cannot create the folder</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message numerus="yes">
        <source>Kept %n files that were there already (--force overwrites them)</source>
        <translation>
            <numerusform>Se conservó %n archivo que ya existía (--force lo sobrescribe)</numerusform>
            <numerusform>Se conservaron %n archivos que ya existían (--force los sobrescribe)</numerusform>
        </translation>
    </message>
    <message>
        <source>Check the pictures in FOLDER (by default the editor&apos;s picture folder) as the editor loads them, name each one that is missing, cannot be loaded or is not of its slot&apos;s size, and stop. Exits with 1 unless all load at their slot&apos;s size.</source>
        <translation>Comprobar las imágenes de CARPETA (por omisión, la carpeta de imágenes del editor) tal como las carga el editor, nombrar cada una que falte, no se pueda cargar o no tenga el tamaño de su hueco, y terminar. Sale con 1 salvo que todas se carguen con el tamaño de su hueco.</translation>
    </message>
    <message>
        <source>Could not write to the standard output: %1</source>
        <translation>No se pudo escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>cannot encode it</source>
        <translation>no se puede codificar</translation>
    </message>
    <message>
        <source>Could not write the contact sheet %1: %2</source>
        <translation>No se pudo escribir la hoja de contactos %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be combined with %2.</source>
        <translation>%1 no se puede combinar con %2.</translation>
    </message>
    <message>
        <source>%1 takes no folder.</source>
        <translation>%1 no admite ninguna carpeta.</translation>
    </message>
    <message>
        <source>Give at most one folder.</source>
        <translation>Indique como máximo una carpeta.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is empty.</source>
        <translation>El nombre de la carpeta está vacío.</translation>
    </message>
    <message>
        <source>The contact sheet&apos;s file name is empty.</source>
        <translation>El nombre de archivo de la hoja de contactos está vacío.</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>app::Form1</name>
    <message>
        <source>Empties the board</source>
        <translation>Vacía el tablero</translation>
    </message>
</context>
</TS>
