<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>the disk is full or the file is too large</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western (ISO-8859-1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western (ISO-8859-15)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western (DOS, CP850)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western (DOS, CP437)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European (ISO-8859-2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European (DOS, CP852)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic (DOS, CP866)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic (ISO-8859-5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek (ISO-8859-7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Simplified (GBK, GB18030)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Traditional (Big5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese (Shift_JIS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean (EUC-KR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode (UTF-8)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryLog</name>
    <message>
        <source>Cannot read the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full or the file is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 (%2) is too big to be held in memory; it is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 holds a line of %2, too long to be shown; it is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log&apos;s folder %1 has a name that is not valid UTF-8, so no log is kept. Set XDG_DATA_HOME to a folder whose name is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot move the log %1 to the trash: %2. It stays where it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 is in use by another copy of the program. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot take back an append cut short in the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An import of %1 entries was cut short on %2; the log was restored to its state before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An entry being written on %1 was cut short; the log was restored to its state before it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportBuffer</name>
    <message>
        <source>Cannot read the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was shortened during the export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the log holds a line of %1, too long to export</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileComment</name>
    <message>
        <source>it is a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is too long to keep in the file; the log has it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was replaced while it was written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Described: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileManagerMenus</name>
    <message>
        <source>Describe with Kivra/32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make it current in Kivra/32, ready to be described</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a list of Thunar&apos;s actions (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its outermost element is &lt;%1&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an ordinary file of a list&apos;s size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was left as it was: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindMoved</name>
    <message>
        <source>Its comment holds the note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded from the address in the note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The only item of this name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The only one of this name in a folder of the same name</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n items of this name: pick one</source>
        <translation>
            <numerusform>%n item of this name: pick one</numerusform>
            <numerusform>%n items of this name: pick one</numerusform>
        </translation>
    </message>
    <message>
        <source>Find Moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the gone items are now. The ticked entries are re-pointed when you press OK; the log changes on &quot;Return&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Moved In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folders searched, %2 found</source>
        <extracomment>Find Moved&apos;s progress: folders searched, gone items found so far.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogAccess</name>
    <message>
        <source>The log %1 is not used: %2.
To mend it: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the log %1: its folder %2 cannot be written to (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
It belongs to root, perhaps from a run with sudo. To mend it: sudo chown %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder %1 is a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder %1 belongs to another user (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other users can write to its folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the group of its folder %1 can write to it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link %1 on its way was made by another user (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link %1 leads into the folder %2, which belongs to another user (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link %1 leads into the folder %2, which other users can write to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link %1 leads into the folder %2, whose group can write to it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link made by another user (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to %1, which is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to %1, which belongs to another user (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot lock the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock file %1 cannot be opened (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock file %1 belongs to another user (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock file %1 is not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its undo record %1 is a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its undo record %1 belongs to another user (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its undo record %1 is not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the undo record %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the undo record %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
To mend it: chmod u+w %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Currently no entries exist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>unreadable: not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable: not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable: larger than 256 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>The format of an imported file that is this program&apos;s log or its text export.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is the log itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s home folder in the drive list, as a file manager names it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::AboutDialog</name>
    <message>
        <source>Kivra allows you to describe paths and/ or files and save that info to a textfile. Can come in handy when you d/l a load of files and want to keep track of their meaning, purpose etc...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for possible updates/info etc. at the following url: https://kivra32.example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: this program is provided as is, without warranty of any kind. You use it at your own risk. Copyright (c) 2026 the Kivra32 developers. MIT License.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::CurrentEntriesModel</name>
    <message>
        <source>No longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its folder or volume is not there</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::EntryDelegate</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::EntryRecorder</name>
    <message>
        <source>%1

This entry was not saved:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record the description of %1 before quitting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description of %1 is in the log, but it could not be written into the item itself: %2

Later failures to write a note into a file are not told again until the program starts anew.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::FolderLists</name>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::HelpDialog</name>
    <message>
        <source>%1 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::ImportFlow</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An imported file and its format: &quot;/home/ann/DESCRIPT.ION (DESCRIPT.ION)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: skipped, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no new entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more files</source>
        <translation>
            <numerusform>and %n more file</numerusform>
            <numerusform>and %n more files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries are already in the log.</source>
        <translation>
            <numerusform>%n entry is already in the log.</numerusform>
            <numerusform>%n entries are already in the log.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries repeat one before them.</source>
        <translation>
            <numerusform>%n entry repeats one before it.</numerusform>
            <numerusform>%n entries repeat one before them.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes (*.dat descript.ion files.bbs *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

There is nothing new to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Import %n entries?</source>
        <translation>
            <numerusform>Import %n entry?</numerusform>
            <numerusform>Import %n entries?</numerusform>
        </translation>
    </message>
    <message>
        <source>

Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1: %n new</numerusform>
            <numerusform>%1: %n new</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kivra::ImportPreviewDialog</name>
    <message>
        <source>Imported file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First entries, as they will be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Code page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First &amp;entries, as they will be written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>guessed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new entries</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::ItemFrame</name>
    <message>
        <source>File/Path Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File/Path:</source>
        <extracomment>Caption of the path of the file or folder shown.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File/Path: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <extracomment>Caption of the address a download came from.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Linked from: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The grey hint is the comment kept in the item itself (user.xdg.comment), as a file manager or another program set it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

It no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Download Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Described as %1 before it was renamed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

%1 takes the grey hint into the box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Described as %1 before it was renamed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Grey Hint</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::LogExport</name>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain Text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text (*.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::MainWindow</name>
    <message>
        <source>File</source>
        <extracomment>Only measured, never shown: the height of a menu bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

There is no such file or folder, or it cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

This item no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export (Save Info)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &amp;Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write Notes into Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Newest First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi&amp;dden Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to File &amp;Managers&apos; Menus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There already, left as they were:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nautilus lists &quot;Describe with Kivra32&quot; under Scripts in the context menu of a file or folder; Thunar lists &quot;Describe with Kivra/32&quot; in it once it is started again (thunar -q). Dolphin, Konqueror, Nemo, Caja and PCManFM-Qt list it from the files the package installs.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::RefusalBar</name>
    <message>
        <source>&amp;Retry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivra::ViewCurrentDialog</name>
    <message>
        <source>Kivra/32 - View Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>A button: go back to the main window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Placeholder of the box that filters the entries.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The find count: entries shown of the entries in the list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the changes back to the log?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move all %1 entries to the trash? They can be restored from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All entries were moved to the trash, from where they can be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Moved In Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Gone Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 gone</source>
        <extracomment>Entries whose item is no longer there, of all in the list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No entry shown is gone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>None of the %n gone items was found.</source>
        <translation>
            <numerusform>The %n gone item was not found.</numerusform>
            <numerusform>None of the %n gone items was found.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading %1 of %2…</source>
        <extracomment>While the log is read: lines read so far, of all.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the log…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the log…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting %1 entries…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
