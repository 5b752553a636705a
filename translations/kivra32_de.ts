<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>the disk is full or the file is too large</source>
        <translation>das Laufwerk ist voll oder die Datei zu groß</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Westeuropäisch (Windows-1252)</translation>
    </message>
    <message>
        <source>Western (ISO-8859-1)</source>
        <translation>Westeuropäisch (ISO-8859-1)</translation>
    </message>
    <message>
        <source>Western (ISO-8859-15)</source>
        <translation>Westeuropäisch (ISO-8859-15)</translation>
    </message>
    <message>
        <source>Western (DOS, CP850)</source>
        <translation>Westeuropäisch (DOS, CP850)</translation>
    </message>
    <message>
        <source>Western (DOS, CP437)</source>
        <translation>Westeuropäisch (DOS, CP437)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Mitteleuropäisch (Windows-1250)</translation>
    </message>
    <message>
        <source>Central European (ISO-8859-2)</source>
        <translation>Mitteleuropäisch (ISO-8859-2)</translation>
    </message>
    <message>
        <source>Central European (DOS, CP852)</source>
        <translation>Mitteleuropäisch (DOS, CP852)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Kyrillisch (Windows-1251)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS, CP866)</source>
        <translation>Kyrillisch (DOS, CP866)</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>Kyrillisch (KOI8-R)</translation>
    </message>
    <message>
        <source>Cyrillic (ISO-8859-5)</source>
        <translation>Kyrillisch (ISO-8859-5)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Griechisch (Windows-1253)</translation>
    </message>
    <message>
        <source>Greek (ISO-8859-7)</source>
        <translation>Griechisch (ISO-8859-7)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Türkisch (Windows-1254)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Baltisch (Windows-1257)</translation>
    </message>
    <message>
        <source>Chinese Simplified (GBK, GB18030)</source>
        <translation>Chinesisch vereinfacht (GBK, GB18030)</translation>
    </message>
    <message>
        <source>Chinese Traditional (Big5)</source>
        <translation>Chinesisch traditionell (Big5)</translation>
    </message>
    <message>
        <source>Japanese (Shift_JIS)</source>
        <translation>Japanisch (Shift_JIS)</translation>
    </message>
    <message>
        <source>Korean (EUC-KR)</source>
        <translation>Koreanisch (EUC-KR)</translation>
    </message>
    <message>
        <source>Plain ASCII</source>
        <translation>Reines ASCII</translation>
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
        <translation>Das Protokoll %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot open the log %1: %2</source>
        <translation>Das Protokoll %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the disk is full or the file is too large</source>
        <translation>das Laufwerk ist voll oder die Datei zu groß</translation>
    </message>
    <message>
        <source>The log %1 (%2) is too big to be held in memory; it is left as it is.</source>
        <translation>Das Protokoll %1 (%2) ist zu groß für den Speicher; es bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>The log %1 holds a line of %2, too long to be shown; it is left as it is.</source>
        <translation>Das Protokoll %1 enthält eine Zeile von %2, zu lang zum Anzeigen; es bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>The log&apos;s folder %1 has a name that is not valid UTF-8, so no log is kept. Set XDG_DATA_HOME to a folder whose name is.</source>
        <translation>Der Name des Protokollordners %1 ist kein gültiges UTF-8, daher wird kein Protokoll geführt. Setzen Sie XDG_DATA_HOME auf einen Ordner mit gültigem Namen.</translation>
    </message>
    <message>
        <source>Cannot write to the log %1: %2</source>
        <translation>In das Protokoll %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the log %1: %2</source>
        <translation>Das Protokoll %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot move the log %1 to the trash: %2. It stays where it is.</source>
        <translation>Das Protokoll %1 kann nicht in den Papierkorb verschoben werden: %2. Es bleibt, wo es ist.</translation>
    </message>
    <message>
        <source>Cannot delete the log %1: %2</source>
        <translation>Das Protokoll %1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>The log %1 is in use by another copy of the program. Try again in a moment.</source>
        <translation>Das Protokoll %1 wird von einer anderen Kopie des Programms benutzt. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot take back an append cut short in the log %1: %2</source>
        <translation>Ein abgebrochenes Anhängen im Protokoll %1 kann nicht zurückgenommen werden: %2</translation>
    </message>
    <message>
        <source>An import of %1 entries was cut short on %2; the log was restored to its state before it.</source>
        <translation>Ein Import von %1 Einträgen wurde am %2 abgebrochen; das Protokoll wurde auf seinen Stand davor zurückgesetzt.</translation>
    </message>
    <message>
        <source>An entry being written on %1 was cut short; the log was restored to its state before it.</source>
        <translation>Ein Eintrag, der am %1 geschrieben wurde, wurde abgebrochen; das Protokoll wurde auf seinen Stand davor zurückgesetzt.</translation>
    </message>
</context>
<context>
    <name>ExportBuffer</name>
    <message>
        <source>Cannot read the log %1: %2</source>
        <translation>Das Protokoll %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it was shortened during the export</source>
        <translation>es wurde während des Exports gekürzt</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the log holds a line of %1, too long to export</source>
        <translation>das Protokoll enthält eine Zeile von %1, zu lang für den Export</translation>
    </message>
</context>
<context>
    <name>FileComment</name>
    <message>
        <source>it is a link</source>
        <translation>es ist eine Verknüpfung</translation>
    </message>
    <message>
        <source>it belongs to another user (%1)</source>
        <translation>es gehört einem anderen Benutzer (%1)</translation>
    </message>
    <message>
        <source>it is too long to keep in the file; the log has it</source>
        <translation>sie ist zu lang, um in der Datei aufbewahrt zu werden; das Protokoll enthält sie</translation>
    </message>
    <message>
        <source>it was replaced while it was written</source>
        <translation>es wurde ersetzt, während geschrieben wurde</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Described: %1</source>
        <translation>Beschrieben: %1</translation>
    </message>
</context>
<context>
    <name>FileManagerMenus</name>
    <message>
        <source>Describe with Kivra/32</source>
        <translation>Mit Kivra/32 beschreiben</translation>
    </message>
    <message>
        <source>Make it current in Kivra/32, ready to be described</source>
        <translation>In Kivra/32 zum aktuellen Element machen, bereit zum Beschreiben</translation>
    </message>
    <message>
        <source>it is not a list of Thunar&apos;s actions (%1)</source>
        <translation>sie ist keine Liste von Thunar-Aktionen (%1)</translation>
    </message>
    <message>
        <source>its outermost element is &lt;%1&gt;</source>
        <translation>ihr äußerstes Element ist &lt;%1&gt;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>it holds no element</source>
        <translation>sie enthält kein Element</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file of a list&apos;s size</source>
        <translation>sie ist keine gewöhnliche Datei in der Größe einer Liste</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 was left as it was: %2</source>
        <translation>%1 wurde gelassen, wie sie war: %2</translation>
    </message>
</context>
<context>
    <name>FindMoved</name>
    <message>
        <source>Its comment holds the note</source>
        <translation>Sein Kommentar enthält die Notiz</translation>
    </message>
    <message>
        <source>Downloaded from the address in the note</source>
        <translation>Von der Adresse in der Notiz heruntergeladen</translation>
    </message>
    <message>
        <source>The only item of this name</source>
        <translation>Das einzige Element dieses Namens</translation>
    </message>
    <message>
        <source>The only one of this name in a folder of the same name</source>
        <translation>Das einzige dieses Namens in einem Ordner gleichen Namens</translation>
    </message>
    <message numerus="yes">
        <source>%n items of this name: pick one</source>
        <translation>
            <numerusform>%n Element dieses Namens: eines wählen</numerusform>
            <numerusform>%n Elemente dieses Namens: eines wählen</numerusform>
        </translation>
    </message>
    <message>
        <source>Find Moved</source>
        <translation>Verschobene suchen</translation>
    </message>
    <message>
        <source>Where the gone items are now. The ticked entries are re-pointed when you press OK; the log changes on &quot;Return&quot;.</source>
        <translation>Wo die fehlenden Elemente jetzt sind. Die angehakten Einträge erhalten mit OK ihren neuen Pfad; das Protokoll ändert sich mit &quot;Zurück&quot;.</translation>
    </message>
    <message>
        <source>Moved items</source>
        <translation>Verschobene Elemente</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Now at</source>
        <translation>Jetzt in</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Warum</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keines)</translation>
    </message>
    <message>
        <source>Find Moved In</source>
        <translation>Verschobene suchen in</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Suche läuft…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>%1 folders searched, %2 found</source>
        <extracomment>Find Moved&apos;s progress: folders searched, gone items found so far.</extracomment>
        <translation>%1 Ordner durchsucht, %2 gefunden</translation>
    </message>
</context>
<context>
    <name>LogAccess</name>
    <message>
        <source>The log %1 is not used: %2.
To mend it: %3</source>
        <translation>Das Protokoll %1 wird nicht benutzt: %2.
Abhilfe: %3</translation>
    </message>
    <message>
        <source>Cannot write the log %1: its folder %2 cannot be written to (%3)</source>
        <translation>Das Protokoll %1 kann nicht geschrieben werden: in seinen Ordner %2 kann nicht geschrieben werden (%3)</translation>
    </message>
    <message>
        <source>Cannot open the log %1: %2</source>
        <translation>Das Protokoll %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>
It belongs to root, perhaps from a run with sudo. To mend it: sudo chown %1 %2</source>
        <translation>
Es gehört root, vielleicht von einem Aufruf mit sudo. Abhilfe: sudo chown %1 %2</translation>
    </message>
    <message>
        <source>its folder %1 is a symbolic link</source>
        <translation>sein Ordner %1 ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>its folder %1 belongs to another user (%2)</source>
        <translation>sein Ordner %1 gehört einem anderen Benutzer (%2)</translation>
    </message>
    <message>
        <source>other users can write to its folder %1</source>
        <translation>andere Benutzer können in seinen Ordner %1 schreiben</translation>
    </message>
    <message>
        <source>the group of its folder %1 can write to it</source>
        <translation>die Gruppe seines Ordners %1 kann hineinschreiben</translation>
    </message>
    <message>
        <source>the link %1 on its way was made by another user (%2)</source>
        <translation>die Verknüpfung %1 auf seinem Pfad stammt von einem anderen Benutzer (%2)</translation>
    </message>
    <message>
        <source>the link %1 leads into the folder %2, which belongs to another user (%3)</source>
        <translation>die Verknüpfung %1 führt in den Ordner %2, der einem anderen Benutzer gehört (%3)</translation>
    </message>
    <message>
        <source>the link %1 leads into the folder %2, which other users can write to</source>
        <translation>die Verknüpfung %1 führt in den Ordner %2, in den andere Benutzer schreiben können</translation>
    </message>
    <message>
        <source>the link %1 leads into the folder %2, whose group can write to it</source>
        <translation>die Verknüpfung %1 führt in den Ordner %2, in den seine Gruppe schreiben kann</translation>
    </message>
    <message>
        <source>it is a link made by another user (%1)</source>
        <translation>es ist eine Verknüpfung eines anderen Benutzers (%1)</translation>
    </message>
    <message>
        <source>it is a link to %1, which is not there</source>
        <translation>es ist eine Verknüpfung auf %1, das nicht vorhanden ist</translation>
    </message>
    <message>
        <source>it is a link to %1, which belongs to another user (%2)</source>
        <translation>es ist eine Verknüpfung auf %1, das einem anderen Benutzer gehört (%2)</translation>
    </message>
    <message>
        <source>Cannot read the log %1: %2</source>
        <translation>Das Protokoll %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it belongs to another user (%1)</source>
        <translation>es gehört einem anderen Benutzer (%1)</translation>
    </message>
    <message>
        <source>Cannot lock the log %1: %2</source>
        <translation>Das Protokoll %1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be opened (%2)</source>
        <translation>seine Sperrdatei %1 kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 belongs to another user (%2)</source>
        <translation>seine Sperrdatei %1 gehört einem anderen Benutzer (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is not an ordinary file</source>
        <translation>seine Sperrdatei %1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>its undo record %1 is a symbolic link</source>
        <translation>sein Rücknahmeprotokoll %1 ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>its undo record %1 belongs to another user (%2)</source>
        <translation>sein Rücknahmeprotokoll %1 gehört einem anderen Benutzer (%2)</translation>
    </message>
    <message>
        <source>its undo record %1 is not an ordinary file</source>
        <translation>sein Rücknahmeprotokoll %1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot write the undo record %1: %2</source>
        <translation>Das Rücknahmeprotokoll %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot open the undo record %1: %2</source>
        <translation>Das Rücknahmeprotokoll %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>
To mend it: chmod u+w %1</source>
        <translation>
Abhilfe: chmod u+w %1</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Currently no entries exist</source>
        <translation>Zurzeit gibt es keine Einträge</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>unreadable: not an ordinary file</source>
        <translation>nicht lesbar: keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>unreadable: not found</source>
        <translation>nicht lesbar: nicht gefunden</translation>
    </message>
    <message>
        <source>unreadable: larger than 256 MB</source>
        <translation>nicht lesbar: größer als 256 MB</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>The format of an imported file that is this program&apos;s log or its text export.</extracomment>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>it is the log itself</source>
        <translation>es ist das Protokoll selbst</translation>
    </message>
    <message>
        <source>not a log</source>
        <translation>kein Protokoll</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s home folder in the drive list, as a file manager names it.</extracomment>
        <translation>Persönlicher Ordner</translation>
    </message>
</context>
<context>
    <name>kivra::AboutDialog</name>
    <message>
        <source>Kivra allows you to describe paths and/ or files and save that info to a textfile. Can come in handy when you d/l a load of files and want to keep track of their meaning, purpose etc...</source>
        <translation>Mit Kivra beschreiben Sie Ordner und Dateien und speichern das in einer Textdatei. Praktisch, wenn Sie viele Dateien laden und festhalten wollen, wozu sie dienen.</translation>
    </message>
    <message>
        <source>Check for possible updates/info etc. at the following url: https://kivra32.example.org</source>
        <translation>Aktualisierungen, Infos usw. finden Sie unter: https://kivra32.example.org</translation>
    </message>
    <message>
        <source>Warning: this program is provided as is, without warranty of any kind. You use it at your own risk. Copyright (c) 2026 the Kivra32 developers. MIT License.</source>
        <translation>Warnung: Dieses Programm wird ohne jede Gewährleistung bereitgestellt, wie es ist. Die Benutzung erfolgt auf eigene Gefahr. Copyright (c) 2026 die Kivra32-Entwickler. MIT-Lizenz.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>kivra::CurrentEntriesModel</name>
    <message>
        <source>No longer exists</source>
        <translation>Nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>Its folder or volume is not there</source>
        <translation>Sein Ordner oder Laufwerk ist nicht da</translation>
    </message>
</context>
<context>
    <name>kivra::EntryDelegate</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>kivra::EntryRecorder</name>
    <message>
        <source>%1

This entry was not saved:
%2</source>
        <translation>%1

Dieser Eintrag wurde nicht gespeichert:
%2</translation>
    </message>
    <message>
        <source>Record the description of %1 before quitting?</source>
        <translation>Die Beschreibung von %1 vor dem Beenden eintragen?</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Eintragen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>The description of %1 is in the log, but it could not be written into the item itself: %2

Later failures to write a note into a file are not told again until the program starts anew.</source>
        <translation>Die Beschreibung von %1 steht im Protokoll, konnte aber nicht in das Element selbst geschrieben werden: %2

Weitere Fehler beim Schreiben einer Notiz in eine Datei werden bis zum nächsten Programmstart nicht mehr gemeldet.</translation>
    </message>
</context>
<context>
    <name>kivra::FolderLists</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
<context>
    <name>kivra::HelpDialog</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
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
        <translation>%1: übersprungen, %2</translation>
    </message>
    <message>
        <source>%1: no new entries</source>
        <translation>%1: keine neuen Einträge</translation>
    </message>
    <message numerus="yes">
        <source>and %n more files</source>
        <translation>
            <numerusform>und %n weitere Datei</numerusform>
            <numerusform>und %n weitere Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries are already in the log.</source>
        <translation>
            <numerusform>%n Eintrag steht schon im Protokoll.</numerusform>
            <numerusform>%n Einträge stehen schon im Protokoll.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries repeat one before them.</source>
        <translation>
            <numerusform>%n Eintrag wiederholt einen früheren.</numerusform>
            <numerusform>%n Einträge wiederholen einen früheren.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Notes (*.dat descript.ion files.bbs *.txt)</source>
        <translation>Notizen (*.dat descript.ion files.bbs *.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>

There is nothing new to import.</source>
        <translation>

Es gibt nichts Neues zu importieren.</translation>
    </message>
    <message numerus="yes">
        <source>Import %n entries?</source>
        <translation>
            <numerusform>%n Eintrag importieren?</numerusform>
            <numerusform>%n Einträge importieren?</numerusform>
        </translation>
    </message>
    <message>
        <source>

Nothing was imported.</source>
        <translation>

Es wurde nichts importiert.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1: %n neu</numerusform>
            <numerusform>%1: %n neu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kivra::ImportPreviewDialog</name>
    <message>
        <source>Imported file</source>
        <translation>Importierte Datei</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>Codepage</translation>
    </message>
    <message>
        <source>First entries, as they will be written</source>
        <translation>Erste Einträge, wie sie geschrieben werden</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Code page:</source>
        <translation>&amp;Codepage:</translation>
    </message>
    <message>
        <source>First &amp;entries, as they will be written:</source>
        <translation>Erste &amp;Einträge, wie sie geschrieben werden:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>gewählt</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>geraten</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>erkannt</translation>
    </message>
    <message>
        <source>No new entries</source>
        <translation>Keine neuen Einträge</translation>
    </message>
</context>
<context>
    <name>kivra::ItemFrame</name>
    <message>
        <source>File/Path Information</source>
        <translation>Datei-/Pfadangaben</translation>
    </message>
    <message>
        <source>File/Path:</source>
        <extracomment>Caption of the path of the file or folder shown.</extracomment>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>File/Path: </source>
        <translation>Pfad: </translation>
    </message>
    <message>
        <source>From:</source>
        <extracomment>Caption of the address a download came from.</extracomment>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Downloaded from</source>
        <translation>Heruntergeladen von</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschr.:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>
Linked from: %1</source>
        <translation>
Verlinkt von: %1</translation>
    </message>
    <message>
        <source>

The grey hint is the comment kept in the item itself (user.xdg.comment), as a file manager or another program set it.</source>
        <translation>

Der graue Hinweis ist der Kommentar im Element selbst (user.xdg.comment), wie ihn ein Dateimanager oder ein anderes Programm gesetzt hat.</translation>
    </message>
    <message>
        <source>

It no longer exists.</source>
        <translation>

Es ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Insert Download Address</source>
        <translation>Download-Adresse einfügen</translation>
    </message>
    <message>
        <source>Described as %1 before it was renamed:</source>
        <translation>Beschrieben als %1, bevor es umbenannt wurde:</translation>
    </message>
    <message>
        <source>

%1 takes the grey hint into the box.</source>
        <translation>

%1 übernimmt den grauen Hinweis in das Feld.</translation>
    </message>
    <message>
        <source>Described as %1 before it was renamed: %2</source>
        <translation>Beschrieben als %1, bevor es umbenannt wurde: %2</translation>
    </message>
    <message>
        <source>Insert Grey Hint</source>
        <translation>Grauen Hinweis einfügen</translation>
    </message>
</context>
<context>
    <name>kivra::LogExport</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Plain Text (*.txt)</source>
        <translation>Nur Text (*.txt)</translation>
    </message>
    <message>
        <source>Rich Text (*.rtf)</source>
        <translation>Rich Text (*.rtf)</translation>
    </message>
</context>
<context>
    <name>kivra::MainWindow</name>
    <message>
        <source>File</source>
        <extracomment>Only measured, never shown: the height of a menu bar.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>%1

There is no such file or folder, or it cannot be read.</source>
        <translation>%1

Diese Datei oder dieser Ordner existiert nicht oder kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1

This item no longer exists.</source>
        <translation>%1

Dieses Element ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Export (Save Info)</source>
        <translation>&amp;Exportieren (Info speichern)</translation>
    </message>
    <message>
        <source>View &amp;Current</source>
        <translation>Einträge an&amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Write Notes into Files</source>
        <translation>Notizen in Dateien &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Newest First</source>
        <translation>&amp;Neueste zuerst</translation>
    </message>
    <message>
        <source>Hi&amp;dden Files</source>
        <translation>&amp;Versteckte Dateien</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Aktualisie&amp;ren</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Add to File &amp;Managers&apos; Menus</source>
        <translation>Zu den &amp;Menüs der Dateimanager hinzufügen</translation>
    </message>
    <message>
        <source>Written:</source>
        <translation>Geschrieben:</translation>
    </message>
    <message>
        <source>There already, left as they were:</source>
        <translation>Schon vorhanden, unverändert gelassen:</translation>
    </message>
    <message>
        <source>Nautilus lists &quot;Describe with Kivra32&quot; under Scripts in the context menu of a file or folder; Thunar lists &quot;Describe with Kivra/32&quot; in it once it is started again (thunar -q). Dolphin, Konqueror, Nemo, Caja and PCManFM-Qt list it from the files the package installs.</source>
        <translation>Nautilus zeigt „Describe with Kivra32“ unter Skripte im Kontextmenü einer Datei oder eines Ordners; Thunar zeigt „Mit Kivra/32 beschreiben“ darin, sobald es neu gestartet ist (thunar -q). Dolphin, Konqueror, Nemo, Caja und PCManFM-Qt zeigen es dank der Dateien, die das Paket installiert.</translation>
    </message>
</context>
<context>
    <name>kivra::RefusalBar</name>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>kivra::ViewCurrentDialog</name>
    <message>
        <source>Kivra/32 - View Current</source>
        <translation>Kivra/32 - Einträge anzeigen</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>A button: go back to the main window.</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Placeholder of the box that filters the entries.</extracomment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Edit Entry</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The find count: entries shown of the entries in the list.</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Write the changes back to the log?</source>
        <translation>Die Änderungen ins Protokoll zurückschreiben?</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Zurückschreiben</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Move all %1 entries to the trash? They can be restored from there.</source>
        <translation>Alle %1 Einträge in den Papierkorb verschieben? Dort lassen sie sich wiederherstellen.</translation>
    </message>
    <message>
        <source>All entries were moved to the trash, from where they can be restored.</source>
        <translation>Alle Einträge wurden in den Papierkorb verschoben, aus dem sie sich wiederherstellen lassen.</translation>
    </message>
    <message>
        <source>Find Moved</source>
        <translation>Verschobene suchen</translation>
    </message>
    <message>
        <source>Find Moved In Folder...</source>
        <translation>Verschobene in Ordner suchen...</translation>
    </message>
    <message>
        <source>Only Gone Entries</source>
        <translation>Nur fehlende Einträge</translation>
    </message>
    <message>
        <source>%1 of %2 gone</source>
        <extracomment>Entries whose item is no longer there, of all in the list.</extracomment>
        <translation>%1 von %2 fehlen</translation>
    </message>
    <message>
        <source>No entry shown is gone.</source>
        <translation>Kein gezeigter Eintrag fehlt.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %n gone items was found.</source>
        <translation>
            <numerusform>Das %n fehlende Element wurde nicht gefunden.</numerusform>
            <numerusform>Keines der %n fehlenden Elemente wurde gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading %1 of %2…</source>
        <extracomment>While the log is read: lines read so far, of all.</extracomment>
        <translation>Lese %1 von %2 …</translation>
    </message>
    <message>
        <source>Writing the log…</source>
        <translation>Das Protokoll wird geschrieben …</translation>
    </message>
    <message>
        <source>Reading the log…</source>
        <translation>Das Protokoll wird gelesen …</translation>
    </message>
    <message>
        <source>Sorting %1 entries…</source>
        <translation>Sortiere %1 Einträge …</translation>
    </message>
</context>
</TS>
