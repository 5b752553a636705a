<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>the disk is full or the file is too large</source>
        <translation>le disque est plein ou le fichier est trop gros</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Occidental (Windows-1252)</translation>
    </message>
    <message>
        <source>Western (ISO-8859-1)</source>
        <translation>Occidental (ISO-8859-1)</translation>
    </message>
    <message>
        <source>Western (ISO-8859-15)</source>
        <translation>Occidental (ISO-8859-15)</translation>
    </message>
    <message>
        <source>Western (DOS, CP850)</source>
        <translation>Occidental (DOS, CP850)</translation>
    </message>
    <message>
        <source>Western (DOS, CP437)</source>
        <translation>Occidental (DOS, CP437)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Europe centrale (Windows-1250)</translation>
    </message>
    <message>
        <source>Central European (ISO-8859-2)</source>
        <translation>Europe centrale (ISO-8859-2)</translation>
    </message>
    <message>
        <source>Central European (DOS, CP852)</source>
        <translation>Europe centrale (DOS, CP852)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Cyrillique (Windows-1251)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS, CP866)</source>
        <translation>Cyrillique (DOS, CP866)</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>Cyrillique (KOI8-R)</translation>
    </message>
    <message>
        <source>Cyrillic (ISO-8859-5)</source>
        <translation>Cyrillique (ISO-8859-5)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Grec (Windows-1253)</translation>
    </message>
    <message>
        <source>Greek (ISO-8859-7)</source>
        <translation>Grec (ISO-8859-7)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Turc (Windows-1254)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Balte (Windows-1257)</translation>
    </message>
    <message>
        <source>Chinese Simplified (GBK, GB18030)</source>
        <translation>Chinois simplifié (GBK, GB18030)</translation>
    </message>
    <message>
        <source>Chinese Traditional (Big5)</source>
        <translation>Chinois traditionnel (Big5)</translation>
    </message>
    <message>
        <source>Japanese (Shift_JIS)</source>
        <translation>Japonais (Shift_JIS)</translation>
    </message>
    <message>
        <source>Korean (EUC-KR)</source>
        <translation>Coréen (EUC-KR)</translation>
    </message>
    <message>
        <source>Plain ASCII</source>
        <translation>ASCII simple</translation>
    </message>
    <message>
        <source>Unicode (UTF-8)</source>
        <translation>Unicode (UTF-8)</translation>
    </message>
</context>
<context>
    <name>EntryLog</name>
    <message>
        <source>Cannot read the log %1: %2</source>
        <translation>Impossible de lire le journal %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Cannot open the log %1: %2</source>
        <translation>Impossible d&apos;ouvrir le journal %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>the disk is full or the file is too large</source>
        <translation>le disque est plein ou le fichier est trop gros</translation>
    </message>
    <message>
        <source>The log %1 (%2) is too big to be held in memory; it is left as it is.</source>
        <translation>Le journal %1 (%2) est trop gros pour tenir en mémoire&#x202f;; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>The log %1 holds a line of %2, too long to be shown; it is left as it is.</source>
        <translation>Le journal %1 contient une ligne de %2, trop longue pour être affichée&#x202f;; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>The log&apos;s folder %1 has a name that is not valid UTF-8, so no log is kept. Set XDG_DATA_HOME to a folder whose name is.</source>
        <translation>Le nom du dossier du journal %1 n&apos;est pas de l&apos;UTF-8 valide, aucun journal n&apos;est donc tenu. Donnez à XDG_DATA_HOME un dossier dont le nom l&apos;est.</translation>
    </message>
    <message>
        <source>Cannot write to the log %1: %2</source>
        <translation>Impossible d&apos;écrire dans le journal %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Cannot write the log %1: %2</source>
        <translation>Impossible d&apos;écrire le journal %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Cannot move the log %1 to the trash: %2. It stays where it is.</source>
        <translation>Impossible de mettre le journal %1 à la corbeille&#x202f;: %2. Il reste où il est.</translation>
    </message>
    <message>
        <source>Cannot delete the log %1: %2</source>
        <translation>Impossible de supprimer le journal %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>The log %1 is in use by another copy of the program. Try again in a moment.</source>
        <translation>Le journal %1 est utilisé par une autre copie du programme. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Cannot take back an append cut short in the log %1: %2</source>
        <translation>Impossible d&apos;annuler un ajout interrompu dans le journal %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>An import of %1 entries was cut short on %2; the log was restored to its state before it.</source>
        <translation>Une importation de %1 entrées a été interrompue le %2&#x202f;; le journal a été remis dans son état d&apos;avant.</translation>
    </message>
    <message>
        <source>An entry being written on %1 was cut short; the log was restored to its state before it.</source>
        <translation>L&apos;écriture d&apos;une entrée le %1 a été interrompue&#x202f;; le journal a été remis dans son état d&apos;avant.</translation>
    </message>
</context>
<context>
    <name>ExportBuffer</name>
    <message>
        <source>Cannot read the log %1: %2</source>
        <translation>Impossible de lire le journal %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>it was shortened during the export</source>
        <translation>il a été raccourci pendant l&apos;export</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>the log holds a line of %1, too long to export</source>
        <translation>le journal contient une ligne de %1, trop longue pour être exportée</translation>
    </message>
</context>
<context>
    <name>FileComment</name>
    <message>
        <source>it is a link</source>
        <translation>c&apos;est un lien</translation>
    </message>
    <message>
        <source>it belongs to another user (%1)</source>
        <translation>il appartient à un autre utilisateur (%1)</translation>
    </message>
    <message>
        <source>it is too long to keep in the file; the log has it</source>
        <translation>elle est trop longue pour être gardée dans le fichier ; le journal la contient</translation>
    </message>
    <message>
        <source>it was replaced while it was written</source>
        <translation>il a été remplacé pendant l&apos;écriture</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Described: %1</source>
        <translation>Décrit&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>FileManagerMenus</name>
    <message>
        <source>Describe with Kivra/32</source>
        <translation>Décrire avec Kivra/32</translation>
    </message>
    <message>
        <source>Make it current in Kivra/32, ready to be described</source>
        <translation>En faire l&apos;élément courant de Kivra/32, prêt à être décrit</translation>
    </message>
    <message>
        <source>it is not a list of Thunar&apos;s actions (%1)</source>
        <translation>ce n&apos;est pas une liste d&apos;actions de Thunar (%1)</translation>
    </message>
    <message>
        <source>its outermost element is &lt;%1&gt;</source>
        <translation>son élément le plus externe est &lt;%1&gt;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>it holds no element</source>
        <translation>il ne contient aucun élément</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file of a list&apos;s size</source>
        <translation>ce n&apos;est pas un fichier ordinaire de la taille d&apos;une liste</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 was left as it was: %2</source>
        <translation>%1 a été laissé tel quel : %2</translation>
    </message>
</context>
<context>
    <name>FindMoved</name>
    <message>
        <source>Its comment holds the note</source>
        <translation>Son commentaire contient la note</translation>
    </message>
    <message>
        <source>Downloaded from the address in the note</source>
        <translation>Téléchargé depuis l&apos;adresse citée dans la note</translation>
    </message>
    <message>
        <source>The only item of this name</source>
        <translation>Le seul élément de ce nom</translation>
    </message>
    <message>
        <source>The only one of this name in a folder of the same name</source>
        <translation>Le seul de ce nom dans un dossier du même nom</translation>
    </message>
    <message numerus="yes">
        <source>%n items of this name: pick one</source>
        <translation>
            <numerusform>%n élément de ce nom : en choisir un</numerusform>
            <numerusform>%n éléments de ce nom : en choisir un</numerusform>
        </translation>
    </message>
    <message>
        <source>Find Moved</source>
        <translation>Retrouver les déplacés</translation>
    </message>
    <message>
        <source>Where the gone items are now. The ticked entries are re-pointed when you press OK; the log changes on &quot;Return&quot;.</source>
        <translation>Où sont maintenant les éléments disparus. Les entrées cochées reçoivent leur nouveau chemin quand vous appuyez sur OK ; le journal change avec &quot;Retour&quot;.</translation>
    </message>
    <message>
        <source>Moved items</source>
        <translation>Éléments déplacés</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Now at</source>
        <translation>Maintenant à</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Pourquoi</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Find Moved In</source>
        <translation>Retrouver les déplacés dans</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>%1 folders searched, %2 found</source>
        <extracomment>Find Moved&apos;s progress: folders searched, gone items found so far.</extracomment>
        <translation>%1 dossiers parcourus, %2 trouvés</translation>
    </message>
</context>
<context>
    <name>LogAccess</name>
    <message>
        <source>The log %1 is not used: %2.
To mend it: %3</source>
        <translation>Le journal %1 n&apos;est pas utilisé&#x202f;: %2.
Pour y remédier&#x202f;: %3</translation>
    </message>
    <message>
        <source>Cannot write the log %1: its folder %2 cannot be written to (%3)</source>
        <translation>Impossible d&apos;écrire le journal %1&#x202f;: son dossier %2 n&apos;est pas modifiable (%3)</translation>
    </message>
    <message>
        <source>Cannot open the log %1: %2</source>
        <translation>Impossible d&apos;ouvrir le journal %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>
It belongs to root, perhaps from a run with sudo. To mend it: sudo chown %1 %2</source>
        <translation>
Il appartient à root, peut-être après un lancement avec sudo. Pour y remédier&#x202f;: sudo chown %1 %2</translation>
    </message>
    <message>
        <source>its folder %1 is a symbolic link</source>
        <translation>son dossier %1 est un lien symbolique</translation>
    </message>
    <message>
        <source>its folder %1 belongs to another user (%2)</source>
        <translation>son dossier %1 appartient à un autre utilisateur (%2)</translation>
    </message>
    <message>
        <source>other users can write to its folder %1</source>
        <translation>d&apos;autres utilisateurs peuvent écrire dans son dossier %1</translation>
    </message>
    <message>
        <source>the group of its folder %1 can write to it</source>
        <translation>le groupe de son dossier %1 peut y écrire</translation>
    </message>
    <message>
        <source>the link %1 on its way was made by another user (%2)</source>
        <translation>le lien %1 sur son chemin a été créé par un autre utilisateur (%2)</translation>
    </message>
    <message>
        <source>the link %1 leads into the folder %2, which belongs to another user (%3)</source>
        <translation>le lien %1 mène dans le dossier %2, qui appartient à un autre utilisateur (%3)</translation>
    </message>
    <message>
        <source>the link %1 leads into the folder %2, which other users can write to</source>
        <translation>le lien %1 mène dans le dossier %2, où d&apos;autres utilisateurs peuvent écrire</translation>
    </message>
    <message>
        <source>the link %1 leads into the folder %2, whose group can write to it</source>
        <translation>le lien %1 mène dans le dossier %2, où son groupe peut écrire</translation>
    </message>
    <message>
        <source>it is a link made by another user (%1)</source>
        <translation>c&apos;est un lien créé par un autre utilisateur (%1)</translation>
    </message>
    <message>
        <source>it is a link to %1, which is not there</source>
        <translation>c&apos;est un lien vers %1, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a link to %1, which belongs to another user (%2)</source>
        <translation>c&apos;est un lien vers %1, qui appartient à un autre utilisateur (%2)</translation>
    </message>
    <message>
        <source>Cannot read the log %1: %2</source>
        <translation>Impossible de lire le journal %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it belongs to another user (%1)</source>
        <translation>il appartient à un autre utilisateur (%1)</translation>
    </message>
    <message>
        <source>Cannot lock the log %1: %2</source>
        <translation>Impossible de verrouiller le journal %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be opened (%2)</source>
        <translation>son fichier de verrou %1 ne peut pas être ouvert (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 belongs to another user (%2)</source>
        <translation>son fichier de verrou %1 appartient à un autre utilisateur (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is not an ordinary file</source>
        <translation>son fichier de verrou %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>its undo record %1 is a symbolic link</source>
        <translation>son fichier d&apos;annulation %1 est un lien symbolique</translation>
    </message>
    <message>
        <source>its undo record %1 belongs to another user (%2)</source>
        <translation>son fichier d&apos;annulation %1 appartient à un autre utilisateur (%2)</translation>
    </message>
    <message>
        <source>its undo record %1 is not an ordinary file</source>
        <translation>son fichier d&apos;annulation %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot write the undo record %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier d&apos;annulation %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Cannot open the undo record %1: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;annulation %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>
To mend it: chmod u+w %1</source>
        <translation>
Pour y remédier&#x202f;: chmod u+w %1</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Currently no entries exist</source>
        <translation>Aucune entrée pour le moment</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>unreadable: not an ordinary file</source>
        <translation>illisible&#x202f;: pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>unreadable: not found</source>
        <translation>illisible&#x202f;: introuvable</translation>
    </message>
    <message>
        <source>unreadable: larger than 256 MB</source>
        <translation>illisible&#x202f;: plus de 256 Mo</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>illisible&#x202f;: %1</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>The format of an imported file that is this program&apos;s log or its text export.</extracomment>
        <translation>journal</translation>
    </message>
    <message>
        <source>it is the log itself</source>
        <translation>c&apos;est le journal lui-même</translation>
    </message>
    <message>
        <source>not a log</source>
        <translation>pas un journal</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s home folder in the drive list, as a file manager names it.</extracomment>
        <translation>Dossier personnel</translation>
    </message>
</context>
<context>
    <name>kivra::AboutDialog</name>
    <message>
        <source>Kivra allows you to describe paths and/ or files and save that info to a textfile. Can come in handy when you d/l a load of files and want to keep track of their meaning, purpose etc...</source>
        <translation>Avec Kivra, décrivez dossiers et fichiers et enregistrez ces infos dans un fichier texte. Pratique quand vous téléchargez beaucoup de fichiers et voulez savoir à quoi ils servent.</translation>
    </message>
    <message>
        <source>Check for possible updates/info etc. at the following url: https://kivra32.example.org</source>
        <translation>Mises à jour, infos, etc. à l&apos;adresse suivante&#x202f;: https://kivra32.example.org</translation>
    </message>
    <message>
        <source>Warning: this program is provided as is, without warranty of any kind. You use it at your own risk. Copyright (c) 2026 the Kivra32 developers. MIT License.</source>
        <translation>Avertissement&#x202f;: ce programme est fourni tel quel, sans garantie d&apos;aucune sorte. Vous l&apos;utilisez à vos propres risques. Copyright (c) 2026 les développeurs de Kivra32. Licence MIT.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;système...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>kivra::CurrentEntriesModel</name>
    <message>
        <source>No longer exists</source>
        <translation>N&apos;existe plus</translation>
    </message>
    <message>
        <source>Its folder or volume is not there</source>
        <translation>Son dossier ou son volume n&apos;est pas là</translation>
    </message>
</context>
<context>
    <name>kivra::EntryDelegate</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>kivra::EntryRecorder</name>
    <message>
        <source>%1

This entry was not saved:
%2</source>
        <translation>%1

Cette entrée n&apos;a pas été enregistrée&#x202f;:
%2</translation>
    </message>
    <message>
        <source>Record the description of %1 before quitting?</source>
        <translation>Enregistrer la description de %1 avant de quitter&#x202f;?</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>En&amp;registrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>The description of %1 is in the log, but it could not be written into the item itself: %2

Later failures to write a note into a file are not told again until the program starts anew.</source>
        <translation>La description de %1 est dans le journal, mais elle n&apos;a pas pu être écrite dans l&apos;élément lui-même&#x202f;: %2

Les échecs suivants d&apos;écriture d&apos;une note dans un fichier ne seront plus signalés avant le prochain lancement du programme.</translation>
    </message>
</context>
<context>
    <name>kivra::FolderLists</name>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Lecteurs</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
</context>
<context>
    <name>kivra::HelpDialog</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>kivra::ImportFlow</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An imported file and its format: &quot;/home/ann/DESCRIPT.ION (DESCRIPT.ION)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: skipped, %2</source>
        <translation>%1&#x202f;: ignoré, %2</translation>
    </message>
    <message>
        <source>%1: no new entries</source>
        <translation>%1&#x202f;: aucune nouvelle entrée</translation>
    </message>
    <message numerus="yes">
        <source>and %n more files</source>
        <translation>
            <numerusform>et %n autre fichier</numerusform>
            <numerusform>et %n autres fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries are already in the log.</source>
        <translation>
            <numerusform>%n entrée est déjà dans le journal.</numerusform>
            <numerusform>%n entrées sont déjà dans le journal.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries repeat one before them.</source>
        <translation>
            <numerusform>%n entrée répète une entrée précédente.</numerusform>
            <numerusform>%n entrées répètent une entrée précédente.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Notes (*.dat descript.ion files.bbs *.txt)</source>
        <translation>Notes (*.dat descript.ion files.bbs *.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>

There is nothing new to import.</source>
        <translation>

Il n&apos;y a rien de nouveau à importer.</translation>
    </message>
    <message numerus="yes">
        <source>Import %n entries?</source>
        <translation>
            <numerusform>Importer %n entrée&#x202f;?</numerusform>
            <numerusform>Importer %n entrées&#x202f;?</numerusform>
        </translation>
    </message>
    <message>
        <source>

Nothing was imported.</source>
        <translation>

Rien n&apos;a été importé.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1 : %n nouvelle</numerusform>
            <numerusform>%1 : %n nouvelles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kivra::ImportPreviewDialog</name>
    <message>
        <source>Imported file</source>
        <translation>Fichier importé</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>Page de codes</translation>
    </message>
    <message>
        <source>First entries, as they will be written</source>
        <translation>Premières entrées, telles qu’elles seront écrites</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>&amp;Code page:</source>
        <translation>&amp;Page de codes :</translation>
    </message>
    <message>
        <source>First &amp;entries, as they will be written:</source>
        <translation>Premières &amp;entrées, telles qu’elles seront écrites :</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>choisie</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>devinée</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>détectée</translation>
    </message>
    <message>
        <source>No new entries</source>
        <translation>Aucune nouvelle entrée</translation>
    </message>
</context>
<context>
    <name>kivra::ItemFrame</name>
    <message>
        <source>File/Path Information</source>
        <translation>Infos fichier/chemin</translation>
    </message>
    <message>
        <source>File/Path:</source>
        <extracomment>Caption of the path of the file or folder shown.</extracomment>
        <translation>Chemin&#x202f;:</translation>
    </message>
    <message>
        <source>File/Path: </source>
        <translation>Chemin&#x202f;: </translation>
    </message>
    <message>
        <source>From:</source>
        <extracomment>Caption of the address a download came from.</extracomment>
        <translation>Source&#x202f;:</translation>
    </message>
    <message>
        <source>Downloaded from</source>
        <translation>Téléchargé depuis</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#x202f;:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>
Linked from: %1</source>
        <translation>
Lié depuis&#x202f;: %1</translation>
    </message>
    <message>
        <source>

The grey hint is the comment kept in the item itself (user.xdg.comment), as a file manager or another program set it.</source>
        <translation>

L&apos;indication grisée est le commentaire gardé dans l&apos;élément lui-même (user.xdg.comment), tel qu&apos;un gestionnaire de fichiers ou un autre programme l&apos;a défini.</translation>
    </message>
    <message>
        <source>

It no longer exists.</source>
        <translation>

Il n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Insert Download Address</source>
        <translation>Insérer l&apos;adresse de téléchargement</translation>
    </message>
    <message>
        <source>Described as %1 before it was renamed:</source>
        <translation>Décrit sous le nom %1 avant d&apos;être renommé&#x202f;:</translation>
    </message>
    <message>
        <source>

%1 takes the grey hint into the box.</source>
        <translation>

%1 reprend l&apos;indication grisée dans la zone.</translation>
    </message>
    <message>
        <source>Described as %1 before it was renamed: %2</source>
        <translation>Décrit sous le nom %1 avant d&apos;être renommé&#x202f;: %2</translation>
    </message>
    <message>
        <source>Insert Grey Hint</source>
        <translation>Insérer l&apos;indication grisée</translation>
    </message>
</context>
<context>
    <name>kivra::LogExport</name>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Plain Text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>Rich Text (*.rtf)</source>
        <translation>Texte enrichi (*.rtf)</translation>
    </message>
</context>
<context>
    <name>kivra::MainWindow</name>
    <message>
        <source>File</source>
        <extracomment>Only measured, never shown: the height of a menu bar.</extracomment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>%1

There is no such file or folder, or it cannot be read.</source>
        <translation>%1

Ce fichier ou dossier n&apos;existe pas, ou ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1

This item no longer exists.</source>
        <translation>%1

Cet élément n&apos;existe plus.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Export (Save Info)</source>
        <translation>E&amp;xporter (Enregistrer les infos)</translation>
    </message>
    <message>
        <source>View &amp;Current</source>
        <translation>&amp;Voir les entrées</translation>
    </message>
    <message>
        <source>&amp;Write Notes into Files</source>
        <translation>Écrire les &amp;notes dans les fichiers</translation>
    </message>
    <message>
        <source>&amp;Newest First</source>
        <translation>&amp;Plus récents d&apos;abord</translation>
    </message>
    <message>
        <source>Hi&amp;dden Files</source>
        <translation>Fichiers &amp;cachés</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualiser</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À p&amp;ropos</translation>
    </message>
    <message>
        <source>Add to File &amp;Managers&apos; Menus</source>
        <translation>Ajouter aux &amp;menus des gestionnaires de fichiers</translation>
    </message>
    <message>
        <source>Written:</source>
        <translation>Écrit :</translation>
    </message>
    <message>
        <source>There already, left as they were:</source>
        <translation>Déjà présents, laissés tels quels :</translation>
    </message>
    <message>
        <source>Nautilus lists &quot;Describe with Kivra32&quot; under Scripts in the context menu of a file or folder; Thunar lists &quot;Describe with Kivra/32&quot; in it once it is started again (thunar -q). Dolphin, Konqueror, Nemo, Caja and PCManFM-Qt list it from the files the package installs.</source>
        <translation>Nautilus affiche « Describe with Kivra32 » sous Scripts dans le menu contextuel d&apos;un fichier ou d&apos;un dossier ; Thunar y affiche « Décrire avec Kivra/32 » une fois relancé (thunar -q). Dolphin, Konqueror, Nemo, Caja et PCManFM-Qt l&apos;affichent grâce aux fichiers que le paquet installe.</translation>
    </message>
</context>
<context>
    <name>kivra::RefusalBar</name>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
</context>
<context>
    <name>kivra::ViewCurrentDialog</name>
    <message>
        <source>Kivra/32 - View Current</source>
        <translation>Kivra/32 - Voir les entrées</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>A button: go back to the main window.</extracomment>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Placeholder of the box that filters the entries.</extracomment>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Edit Entry</source>
        <translation>Modifier l&apos;entrée</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The find count: entries shown of the entries in the list.</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Write the changes back to the log?</source>
        <translation>Réécrire les modifications dans le journal&#x202f;?</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Écrire</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>Move all %1 entries to the trash? They can be restored from there.</source>
        <translation>Mettre les %1 entrées à la corbeille&#x202f;? Elles pourront y être restaurées.</translation>
    </message>
    <message>
        <source>All entries were moved to the trash, from where they can be restored.</source>
        <translation>Toutes les entrées ont été mises à la corbeille, d&apos;où elles peuvent être restaurées.</translation>
    </message>
    <message>
        <source>Find Moved</source>
        <translation>Retrouver les déplacés</translation>
    </message>
    <message>
        <source>Find Moved In Folder...</source>
        <translation>Retrouver les déplacés dans un dossier...</translation>
    </message>
    <message>
        <source>Only Gone Entries</source>
        <translation>Seulement les entrées disparues</translation>
    </message>
    <message>
        <source>%1 of %2 gone</source>
        <extracomment>Entries whose item is no longer there, of all in the list.</extracomment>
        <translation>%1 sur %2 disparues</translation>
    </message>
    <message>
        <source>No entry shown is gone.</source>
        <translation>Aucune entrée affichée n&apos;a disparu.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %n gone items was found.</source>
        <translation>
            <numerusform>L&apos;élément disparu (%n) n&apos;a pas été trouvé.</numerusform>
            <numerusform>Aucun des %n éléments disparus n&apos;a été trouvé.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading %1 of %2…</source>
        <extracomment>While the log is read: lines read so far, of all.</extracomment>
        <translation>Lecture de %1 sur %2…</translation>
    </message>
    <message>
        <source>Writing the log…</source>
        <translation>Écriture du journal…</translation>
    </message>
    <message>
        <source>Reading the log…</source>
        <translation>Lecture du journal…</translation>
    </message>
    <message>
        <source>Sorting %1 entries…</source>
        <translation>Tri de %1 entrées…</translation>
    </message>
</context>
</TS>
