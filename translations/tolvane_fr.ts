<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form1</name>
    <message>
        <source>cannot open a display, for none is set: is a desktop session running?</source>
        <translation>impossible d&apos;ouvrir un affichage, car aucun n&apos;est défini : une session de bureau est-elle ouverte ?</translation>
    </message>
    <message>
        <source>cannot open the display &quot;%1&quot;: is a desktop session running?</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage « %1 » : une session de bureau est-elle ouverte ?</translation>
    </message>
</context>
<context>
    <name>ImageNames</name>
    <message>
        <source>Cell %1, row %2, column %3: %4</source>
        <extracomment>%4 is the picture file the cell shows (&quot;AngleL.bmp&quot;), or &quot;empty&quot;.</extracomment>
        <translation>Case %1, ligne %2, colonne %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a cell</comment>
        <translation>vide</translation>
    </message>
    <message>
        <source>Horizontal wall slot %1, between cells %2 and %3: %4</source>
        <extracomment>%4 is the picture file the wall slot shows (&quot;WallH.bmp&quot;), or &quot;empty&quot;.</extracomment>
        <translation>Emplacement de mur horizontal %1, entre les cases %2 et %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>Vertical wall slot %1, between cells %2 and %3: %4</source>
        <translation>Emplacement de mur vertical %1, entre les cases %2 et %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a wall slot</comment>
        <translation>vide</translation>
    </message>
    <message>
        <source>design picture</source>
        <translation>image de conception</translation>
    </message>
    <message>
        <source>Object sample: %1</source>
        <extracomment>%1 is the picture file the sample shows, or &quot;design picture&quot; before the first selection.</extracomment>
        <translation>Aperçu de l&apos;objet&#xa0;: %1</translation>
    </message>
    <message>
        <source>Horizontal wall sample: %1</source>
        <translation>Aperçu du mur horizontal&#xa0;: %1</translation>
    </message>
    <message>
        <source>Vertical wall sample: %1</source>
        <translation>Aperçu du mur vertical&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PictureLoad</name>
    <message>
        <source>it came out as an empty picture</source>
        <translation>le chargement a donné une image vide</translation>
    </message>
    <message>
        <source>it is not a picture: %1</source>
        <extracomment>%1 says what is wrong with the file (&quot;it is not a Windows bitmap&quot;).</extracomment>
        <translation>ce n&apos;est pas une image&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is not a Windows bitmap</source>
        <translation>ce n&apos;est pas un bitmap Windows</translation>
    </message>
    <message>
        <source>its bitmap header is of an unknown kind</source>
        <translation>son en-tête bitmap est d&apos;un type inconnu</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>le fichier s&apos;arrête au milieu de son en-tête</translation>
    </message>
    <message>
        <source>its header declares no valid picture size</source>
        <translation>son en-tête n&apos;indique aucune taille d&apos;image valable</translation>
    </message>
    <message>
        <source>it declares a picture of %1 × %2 pixels, larger than %3 × %3</source>
        <translation>elle annonce une image de %1 × %2 pixels, plus grande que %3 × %3</translation>
    </message>
    <message>
        <source>it declares a picture of %1 × %2 pixels, which would take %3 MiB of memory; a picture may take at most %4 MiB (%5 × %5 pixels)</source>
        <translation>elle annonce une image de %1 × %2 pixels, qui occuperait %3 Mio de mémoire&#xa0;; une image peut occuper au plus %4 Mio (%5 × %5 pixels)</translation>
    </message>
    <message>
        <source>its pixel format is not supported</source>
        <translation>son format de pixels n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>the file is shorter than its header says</source>
        <translation>le fichier est plus court que ne l&apos;indique son en-tête</translation>
    </message>
    <message>
        <source>the file ends inside its compressed pixel data</source>
        <translation>le fichier s&apos;arrête au milieu de ses données de pixels compressées</translation>
    </message>
    <message>
        <source>it is not a picture file</source>
        <translation>ce n&apos;est pas un fichier image</translation>
    </message>
    <message>
        <source>it is too large to be a tile picture</source>
        <translation>le fichier est trop grand pour être une image de tuile</translation>
    </message>
    <message>
        <source>there is not enough memory to load it</source>
        <translation>il n&apos;y a pas assez de mémoire pour la charger</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is a link that leads round a loop of links. Remove the link, or point it at a folder</source>
        <translation>son dossier «&#xa0;%1&#xa0;» est un lien qui mène à une boucle de liens. Supprimez le lien, ou faites-le pointer vers un dossier</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; on its path is a link that leads round a loop of links. Remove the link, or point it at a folder</source>
        <translation>le dossier «&#xa0;%1&#xa0;» de son chemin est un lien qui mène à une boucle de liens. Supprimez le lien, ou faites-le pointer vers un dossier</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is a link to &quot;%2&quot;, where there is no folder. Remove the link, or make the folder it points to</source>
        <translation>son dossier «&#xa0;%1&#xa0;» est un lien vers «&#xa0;%2&#xa0;», où il n&apos;y a aucun dossier. Supprimez le lien, ou créez le dossier vers lequel il pointe</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; on its path is a link to &quot;%2&quot;, where there is no folder. Remove the link, or make the folder it points to</source>
        <translation>le dossier «&#xa0;%1&#xa0;» de son chemin est un lien vers «&#xa0;%2&#xa0;», où il n&apos;y a aucun dossier. Supprimez le lien, ou créez le dossier vers lequel il pointe</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is a file, not a folder</source>
        <translation>son dossier «&#xa0;%1&#xa0;» est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>it is a link to a file that is missing</source>
        <translation>c&apos;est un lien vers un fichier absent</translation>
    </message>
    <message>
        <source>its folder cannot be read (%1)</source>
        <translation>son dossier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>le fichier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>it is not a picture: it cannot be decoded (%1)</source>
        <extracomment>%1 is Qt&apos;s message for why its decoder failed (&quot;Unable to read image data&quot;).</extracomment>
        <translation>ce n&apos;est pas une image&#xa0;: elle ne peut pas être décodée (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1 × %2 pixels</source>
        <translation>il n&apos;y a pas assez de mémoire pour une image de %1 × %2 pixels</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2.</source>
        <extracomment>%1 is the picture file&apos;s full path; %2 says why, as a clause of its own (&quot;the file is missing&quot;).</extracomment>
        <translation>L&apos;image «&#xa0;%1&#xa0;» ne peut pas être chargée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>its folder is missing. Run &quot;%1&quot; to put the sample tiles there; if you have tiles of your own, put them there and run &quot;%1 --check&quot; to check them</source>
        <translation>son dossier est absent. Lancez « %1 » pour y placer les tuiles d&apos;exemple ; si vous avez vos propres tuiles, placez-les-y et lancez « %1 --check » pour les vérifier</translation>
    </message>
    <message>
        <source>the file is missing. &quot;%1 --check&quot; names every picture that the folder lacks or that the editor cannot load; &quot;%1&quot; adds the sample tiles for the ones it lacks and keeps the files you have</source>
        <translation>le fichier est absent. « %1 --check » nomme chaque image qui manque au dossier ou que l&apos;éditeur ne peut pas charger ; « %1 » ajoute les tuiles d&apos;exemple pour celles qui manquent et garde vos fichiers</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no documents folder to hold the picture folder</source>
        <translation>HOME n&apos;est pas défini, il n&apos;y a donc pas de dossier de documents pour contenir le dossier des images</translation>
    </message>
    <message>
        <source>HOME is &quot;%1&quot;, which is not the absolute path of a folder, so there is no documents folder to hold the picture folder</source>
        <translation>HOME vaut « %1 », qui n&apos;est pas le chemin absolu d&apos;un dossier, il n&apos;y a donc pas de dossier de documents pour contenir le dossier des images</translation>
    </message>
    <message>
        <source>XDG_DOCUMENTS_DIR in &quot;%1&quot; is set aside for ~/Documents: it is neither an absolute path nor one under $HOME</source>
        <extracomment>Ends the cause of a missing picture folder: why it is looked for in ~/Documents.</extracomment>
        <translation>XDG_DOCUMENTS_DIR dans « %1 » est écarté au profit de ~/Documents : ce n&apos;est ni un chemin absolu ni un chemin sous $HOME</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide, y compris les options propres à Qt.</translation>
    </message>
</context>
<context>
    <name>SelectorNames</name>
    <message>
        <source>no object type</source>
        <translation>aucun type d&apos;objet</translation>
    </message>
    <message>
        <source>no variants</source>
        <translation>aucune variante</translation>
    </message>
    <message>
        <source>no wall type</source>
        <translation>aucun type de mur</translation>
    </message>
    <message>
        <source>Object type</source>
        <translation>Type d&apos;objet</translation>
    </message>
    <message>
        <source>Object variant</source>
        <translation>Variante d&apos;objet</translation>
    </message>
    <message>
        <source>Horizontal wall type</source>
        <translation>Type de mur horizontal</translation>
    </message>
    <message>
        <source>Vertical wall type</source>
        <translation>Type de mur vertical</translation>
    </message>
</context>
<context>
    <name>TileCheck</name>
    <message>
        <source>%1 loads, but at %2 × %3 pixels it does not fit its slot of %4 × %5: it covers some of its neighbours and leaves gaps beside others.</source>
        <translation>%1 se charge, mais avec %2 × %3 pixels elle ne correspond pas à son emplacement de %4 × %5 : elle recouvre certains de ses voisins et laisse des vides à côté d&apos;autres.</translation>
    </message>
    <message>
        <source>%1 loads, but at %2 × %3 pixels it is larger than its slot of %4 × %5 and covers its neighbours.</source>
        <translation>%1 se charge, mais avec %2 × %3 pixels elle est plus grande que son emplacement de %4 × %5 et recouvre ses voisins.</translation>
    </message>
    <message>
        <source>%1 loads, but at %2 × %3 pixels it is smaller than its slot of %4 × %5 and leaves gaps beside its neighbours.</source>
        <translation>%1 se charge, mais avec %2 × %3 pixels elle est plus petite que son emplacement de %4 × %5 et laisse des vides à côté de ses voisins.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 est absente.</translation>
    </message>
    <message>
        <source>%1 is missing; the folder has %2, whose name differs only in letter case.</source>
        <translation>%1 est absente ; le dossier contient %2, dont le nom ne diffère que par la casse.</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2.</source>
        <translation>%1 ne peut pas être chargée : %2.</translation>
    </message>
    <message>
        <source>None of the %1 pictures is in the folder.</source>
        <translation>Aucune des %1 images ne se trouve dans le dossier.</translation>
    </message>
    <message>
        <source>No picture can be loaded: %1.</source>
        <translation>Aucune image ne peut être chargée : %1.</translation>
    </message>
    <message>
        <source>Checking the %1 pictures the editor reads, in %2:</source>
        <translation>Vérification des %1 images que l&apos;éditeur lit, dans %2 :</translation>
    </message>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Le dossier ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>All %1 pictures load at their slot&apos;s size.</source>
        <translation>Les %1 images se chargent toutes à la taille de leur emplacement.</translation>
    </message>
    <message>
        <source>%1 of %2 pictures load at their slot&apos;s size; missing: %3, cannot be loaded: %4, of another size: %5.</source>
        <translation>%1 images sur %2 se chargent à la taille de leur emplacement ; absentes : %3, impossibles à charger : %4, d&apos;une autre taille : %5.</translation>
    </message>
    <message>
        <source>Files in the folder that the editor never reads:</source>
        <translation>Fichiers du dossier que l&apos;éditeur ne lit jamais :</translation>
    </message>
    <message>
        <source>The folder cannot be listed (%1), so the files in it that the editor never reads cannot be named.</source>
        <translation>Le dossier ne peut pas être listé (%1), donc les fichiers qu&apos;il contient et que l&apos;éditeur ne lit jamais ne peuvent pas être nommés.</translation>
    </message>
</context>
<context>
    <name>TileTool</name>
    <message>
        <source>Wrote the contact sheet %1</source>
        <translation>Planche contact %1 écrite</translation>
    </message>
    <message>
        <source>Could not draw the contact sheet: %1</source>
        <translation>Impossible de dessiner la planche contact&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wrote %1 of %2 tile pictures into %3</source>
        <translation>%1 images de tuiles sur %2 écrites dans %3</translation>
    </message>
    <message>
        <source>Writes the sample tile set for Tolvane: 187 Windows bitmaps, by default into the folder the editor reads its pictures from.</source>
        <translation>Écrit le jeu de tuiles d&apos;exemple de Tolvane&#xa0;: 187 bitmaps Windows, par défaut dans le dossier où l&apos;éditeur lit ses images.</translation>
    </message>
    <message>
        <source>Overwrite pictures that exist already.</source>
        <translation>Écraser les images qui existent déjà.</translation>
    </message>
    <message>
        <source>Also write a contact sheet of all tiles.</source>
        <translation>Écrire aussi une planche contact de toutes les tuiles.</translation>
    </message>
    <message>
        <source>FILE.png</source>
        <translation>FICHIER.png</translation>
    </message>
    <message>
        <source>Print the folder the editor reads its pictures from, and stop.</source>
        <translation>Afficher le dossier où l&apos;éditeur lit ses images, puis s&apos;arrêter.</translation>
    </message>
    <message>
        <source>List the picture files the editor reads, with their sizes, and stop.</source>
        <translation>Lister les fichiers image que l&apos;éditeur lit, avec leurs tailles, puis s&apos;arrêter.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Where to write the pictures; by default the editor&apos;s picture folder.</source>
        <translation>Où écrire les images&#xa0;; par défaut le dossier d&apos;images de l&apos;éditeur.</translation>
    </message>
    <message>
        <source>[FOLDER]</source>
        <translation>[DOSSIER]</translation>
    </message>
    <message>
        <source>Object type %1</source>
        <translation>Type d&apos;objet %1</translation>
    </message>
    <message>
        <source>Wall type %1</source>
        <translation>Type de mur %1</translation>
    </message>
    <message>
        <source>cannot create the folder</source>
        <translation>impossible de créer le dossier</translation>
    </message>
    <message numerus="yes">
        <source>Kept %n files that were there already (--force overwrites them)</source>
        <translation>
            <numerusform>%n fichier déjà présent conservé (--force l&apos;écrase)</numerusform>
            <numerusform>%n fichiers déjà présents conservés (--force les écrase)</numerusform>
        </translation>
    </message>
    <message>
        <source>Check the pictures in FOLDER (by default the editor&apos;s picture folder) as the editor loads them, name each one that is missing, cannot be loaded or is not of its slot&apos;s size, and stop. Exits with 1 unless all load at their slot&apos;s size.</source>
        <translation>Vérifier les images de DOSSIER (par défaut le dossier d&apos;images de l&apos;éditeur) comme l&apos;éditeur les charge, nommer chacune qui est absente, ne peut pas être chargée ou n&apos;a pas la taille de son emplacement, puis s&apos;arrêter. Se termine avec 1 sauf si toutes se chargent à la taille de leur emplacement.</translation>
    </message>
    <message>
        <source>Could not write to the standard output: %1</source>
        <translation>Impossible d&apos;écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot encode it</source>
        <translation>impossible de l&apos;encoder</translation>
    </message>
    <message>
        <source>Could not write the contact sheet %1: %2</source>
        <translation>Impossible d&apos;écrire la planche contact %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be combined with %2.</source>
        <translation>%1 ne peut pas être combiné avec %2.</translation>
    </message>
    <message>
        <source>%1 takes no folder.</source>
        <translation>%1 ne prend pas de dossier.</translation>
    </message>
    <message>
        <source>Give at most one folder.</source>
        <translation>Indiquez un dossier au plus.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is empty.</source>
        <translation>Le nom du dossier est vide.</translation>
    </message>
    <message>
        <source>The contact sheet&apos;s file name is empty.</source>
        <translation>Le nom de fichier de la planche contact est vide.</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>c&apos;est un lien symbolique</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>app::Form1</name>
    <message>
        <source>Empties the board</source>
        <translation>Vide le plateau</translation>
    </message>
</context>
</TS>
