<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>the disk is full or the file is too large</source>
        <translation>el disco está lleno o el archivo es demasiado grande</translation>
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
        <translation>Centroeuropeo (Windows-1250)</translation>
    </message>
    <message>
        <source>Central European (ISO-8859-2)</source>
        <translation>Centroeuropeo (ISO-8859-2)</translation>
    </message>
    <message>
        <source>Central European (DOS, CP852)</source>
        <translation>Centroeuropeo (DOS, CP852)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Cirílico (Windows-1251)</translation>
    </message>
    <message>
        <source>Cyrillic (DOS, CP866)</source>
        <translation>Cirílico (DOS, CP866)</translation>
    </message>
    <message>
        <source>Cyrillic (KOI8-R)</source>
        <translation>Cirílico (KOI8-R)</translation>
    </message>
    <message>
        <source>Cyrillic (ISO-8859-5)</source>
        <translation>Cirílico (ISO-8859-5)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Griego (Windows-1253)</translation>
    </message>
    <message>
        <source>Greek (ISO-8859-7)</source>
        <translation>Griego (ISO-8859-7)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Turco (Windows-1254)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Báltico (Windows-1257)</translation>
    </message>
    <message>
        <source>Chinese Simplified (GBK, GB18030)</source>
        <translation>Chino simplificado (GBK, GB18030)</translation>
    </message>
    <message>
        <source>Chinese Traditional (Big5)</source>
        <translation>Chino tradicional (Big5)</translation>
    </message>
    <message>
        <source>Japanese (Shift_JIS)</source>
        <translation>Japonés (Shift_JIS)</translation>
    </message>
    <message>
        <source>Korean (EUC-KR)</source>
        <translation>Coreano (EUC-KR)</translation>
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
        <translation>No se puede leer el registro %1: %2</translation>
    </message>
    <message>
        <source>Cannot open the log %1: %2</source>
        <translation>No se puede abrir el registro %1: %2</translation>
    </message>
    <message>
        <source>the disk is full or the file is too large</source>
        <translation>el disco está lleno o el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>The log %1 (%2) is too big to be held in memory; it is left as it is.</source>
        <translation>El registro %1 (%2) es demasiado grande para la memoria; se deja como está.</translation>
    </message>
    <message>
        <source>The log %1 holds a line of %2, too long to be shown; it is left as it is.</source>
        <translation>El registro %1 contiene una línea de %2, demasiado larga para mostrarla; se deja como está.</translation>
    </message>
    <message>
        <source>The log&apos;s folder %1 has a name that is not valid UTF-8, so no log is kept. Set XDG_DATA_HOME to a folder whose name is.</source>
        <translation>El nombre de la carpeta del registro %1 no es UTF-8 válido, así que no se lleva ningún registro. Asigne a XDG_DATA_HOME una carpeta con un nombre válido.</translation>
    </message>
    <message>
        <source>Cannot write to the log %1: %2</source>
        <translation>No se puede escribir en el registro %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the log %1: %2</source>
        <translation>No se puede escribir el registro %1: %2</translation>
    </message>
    <message>
        <source>Cannot move the log %1 to the trash: %2. It stays where it is.</source>
        <translation>No se puede mover el registro %1 a la papelera: %2. Se queda donde está.</translation>
    </message>
    <message>
        <source>Cannot delete the log %1: %2</source>
        <translation>No se puede eliminar el registro %1: %2</translation>
    </message>
    <message>
        <source>The log %1 is in use by another copy of the program. Try again in a moment.</source>
        <translation>Otra copia del programa está usando el registro %1. Vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Cannot take back an append cut short in the log %1: %2</source>
        <translation>No se puede deshacer una adición interrumpida en el registro %1: %2</translation>
    </message>
    <message>
        <source>An import of %1 entries was cut short on %2; the log was restored to its state before it.</source>
        <translation>Una importación de %1 entradas se interrumpió el %2; el registro se devolvió a su estado anterior.</translation>
    </message>
    <message>
        <source>An entry being written on %1 was cut short; the log was restored to its state before it.</source>
        <translation>La escritura de una entrada el %1 se interrumpió; el registro se devolvió a su estado anterior.</translation>
    </message>
</context>
<context>
    <name>ExportBuffer</name>
    <message>
        <source>Cannot read the log %1: %2</source>
        <translation>No se puede leer el registro %1: %2</translation>
    </message>
    <message>
        <source>it was shortened during the export</source>
        <translation>se acortó durante la exportación</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>the log holds a line of %1, too long to export</source>
        <translation>el registro contiene una línea de %1, demasiado larga para exportarla</translation>
    </message>
</context>
<context>
    <name>FileComment</name>
    <message>
        <source>it is a link</source>
        <translation>es un enlace</translation>
    </message>
    <message>
        <source>it belongs to another user (%1)</source>
        <translation>pertenece a otro usuario (%1)</translation>
    </message>
    <message>
        <source>it is too long to keep in the file; the log has it</source>
        <translation>es demasiado larga para guardarla en el archivo; el registro la contiene</translation>
    </message>
    <message>
        <source>it was replaced while it was written</source>
        <translation>fue sustituido mientras se escribía</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Described: %1</source>
        <translation>Descrito: %1</translation>
    </message>
</context>
<context>
    <name>FileManagerMenus</name>
    <message>
        <source>Describe with Kivra/32</source>
        <translation>Describir con Kivra/32</translation>
    </message>
    <message>
        <source>Make it current in Kivra/32, ready to be described</source>
        <translation>Hacerlo actual en Kivra/32, listo para describirlo</translation>
    </message>
    <message>
        <source>it is not a list of Thunar&apos;s actions (%1)</source>
        <translation>no es una lista de acciones de Thunar (%1)</translation>
    </message>
    <message>
        <source>its outermost element is &lt;%1&gt;</source>
        <translation>su elemento más externo es &lt;%1&gt;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>it holds no element</source>
        <translation>no contiene ningún elemento</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file of a list&apos;s size</source>
        <translation>no es un archivo normal del tamaño de una lista</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>%1 was left as it was: %2</source>
        <translation>%1 se dejó como estaba: %2</translation>
    </message>
</context>
<context>
    <name>FindMoved</name>
    <message>
        <source>Its comment holds the note</source>
        <translation>Su comentario contiene la nota</translation>
    </message>
    <message>
        <source>Downloaded from the address in the note</source>
        <translation>Descargado de la dirección citada en la nota</translation>
    </message>
    <message>
        <source>The only item of this name</source>
        <translation>El único elemento con este nombre</translation>
    </message>
    <message>
        <source>The only one of this name in a folder of the same name</source>
        <translation>El único con este nombre en una carpeta del mismo nombre</translation>
    </message>
    <message numerus="yes">
        <source>%n items of this name: pick one</source>
        <translation>
            <numerusform>%n elemento con este nombre: elija uno</numerusform>
            <numerusform>%n elementos con este nombre: elija uno</numerusform>
        </translation>
    </message>
    <message>
        <source>Find Moved</source>
        <translation>Buscar movidos</translation>
    </message>
    <message>
        <source>Where the gone items are now. The ticked entries are re-pointed when you press OK; the log changes on &quot;Return&quot;.</source>
        <translation>Dónde están ahora los elementos que faltan. Las entradas marcadas reciben su ruta nueva al pulsar Aceptar; el registro cambia con &quot;Volver&quot;.</translation>
    </message>
    <message>
        <source>Moved items</source>
        <translation>Elementos movidos</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Now at</source>
        <translation>Ahora en</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Por qué</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Find Moved In</source>
        <translation>Buscar movidos en</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>%1 folders searched, %2 found</source>
        <extracomment>Find Moved&apos;s progress: folders searched, gone items found so far.</extracomment>
        <translation>%1 carpetas recorridas, %2 encontrados</translation>
    </message>
</context>
<context>
    <name>LogAccess</name>
    <message>
        <source>The log %1 is not used: %2.
To mend it: %3</source>
        <translation>No se usa el registro %1: %2.
Para arreglarlo: %3</translation>
    </message>
    <message>
        <source>Cannot write the log %1: its folder %2 cannot be written to (%3)</source>
        <translation>No se puede escribir el registro %1: no se puede escribir en su carpeta %2 (%3)</translation>
    </message>
    <message>
        <source>Cannot open the log %1: %2</source>
        <translation>No se puede abrir el registro %1: %2</translation>
    </message>
    <message>
        <source>
It belongs to root, perhaps from a run with sudo. To mend it: sudo chown %1 %2</source>
        <translation>
Pertenece a root, quizá de una ejecución con sudo. Para arreglarlo: sudo chown %1 %2</translation>
    </message>
    <message>
        <source>its folder %1 is a symbolic link</source>
        <translation>su carpeta %1 es un enlace simbólico</translation>
    </message>
    <message>
        <source>its folder %1 belongs to another user (%2)</source>
        <translation>su carpeta %1 pertenece a otro usuario (%2)</translation>
    </message>
    <message>
        <source>other users can write to its folder %1</source>
        <translation>otros usuarios pueden escribir en su carpeta %1</translation>
    </message>
    <message>
        <source>the group of its folder %1 can write to it</source>
        <translation>el grupo de su carpeta %1 puede escribir en ella</translation>
    </message>
    <message>
        <source>the link %1 on its way was made by another user (%2)</source>
        <translation>el enlace %1 de su camino lo creó otro usuario (%2)</translation>
    </message>
    <message>
        <source>the link %1 leads into the folder %2, which belongs to another user (%3)</source>
        <translation>el enlace %1 lleva a la carpeta %2, que pertenece a otro usuario (%3)</translation>
    </message>
    <message>
        <source>the link %1 leads into the folder %2, which other users can write to</source>
        <translation>el enlace %1 lleva a la carpeta %2, en la que otros usuarios pueden escribir</translation>
    </message>
    <message>
        <source>the link %1 leads into the folder %2, whose group can write to it</source>
        <translation>el enlace %1 lleva a la carpeta %2, en la que su grupo puede escribir</translation>
    </message>
    <message>
        <source>it is a link made by another user (%1)</source>
        <translation>es un enlace creado por otro usuario (%1)</translation>
    </message>
    <message>
        <source>it is a link to %1, which is not there</source>
        <translation>es un enlace a %1, que no existe</translation>
    </message>
    <message>
        <source>it is a link to %1, which belongs to another user (%2)</source>
        <translation>es un enlace a %1, que pertenece a otro usuario (%2)</translation>
    </message>
    <message>
        <source>Cannot read the log %1: %2</source>
        <translation>No se puede leer el registro %1: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it belongs to another user (%1)</source>
        <translation>pertenece a otro usuario (%1)</translation>
    </message>
    <message>
        <source>Cannot lock the log %1: %2</source>
        <translation>No se puede bloquear el registro %1: %2</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be opened (%2)</source>
        <translation>no se puede abrir su archivo de bloqueo %1 (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 belongs to another user (%2)</source>
        <translation>su archivo de bloqueo %1 pertenece a otro usuario (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is not an ordinary file</source>
        <translation>su archivo de bloqueo %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>its undo record %1 is a symbolic link</source>
        <translation>su archivo de deshacer %1 es un enlace simbólico</translation>
    </message>
    <message>
        <source>its undo record %1 belongs to another user (%2)</source>
        <translation>su archivo de deshacer %1 pertenece a otro usuario (%2)</translation>
    </message>
    <message>
        <source>its undo record %1 is not an ordinary file</source>
        <translation>su archivo de deshacer %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot write the undo record %1: %2</source>
        <translation>No se puede escribir el archivo de deshacer %1: %2</translation>
    </message>
    <message>
        <source>Cannot open the undo record %1: %2</source>
        <translation>No se puede abrir el archivo de deshacer %1: %2</translation>
    </message>
    <message>
        <source>
To mend it: chmod u+w %1</source>
        <translation>
Para arreglarlo: chmod u+w %1</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Currently no entries exist</source>
        <translation>Por ahora no hay ninguna entrada</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>unreadable: not an ordinary file</source>
        <translation>ilegible: no es un archivo normal</translation>
    </message>
    <message>
        <source>unreadable: not found</source>
        <translation>ilegible: no se encuentra</translation>
    </message>
    <message>
        <source>unreadable: larger than 256 MB</source>
        <translation>ilegible: mayor de 256 MB</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>ilegible: %1</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>The format of an imported file that is this program&apos;s log or its text export.</extracomment>
        <translation>registro</translation>
    </message>
    <message>
        <source>it is the log itself</source>
        <translation>es el propio registro</translation>
    </message>
    <message>
        <source>not a log</source>
        <translation>no es un registro</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s home folder in the drive list, as a file manager names it.</extracomment>
        <translation>Carpeta personal</translation>
    </message>
</context>
<context>
    <name>kivra::AboutDialog</name>
    <message>
        <source>Kivra allows you to describe paths and/ or files and save that info to a textfile. Can come in handy when you d/l a load of files and want to keep track of their meaning, purpose etc...</source>
        <translation>Kivra le permite describir carpetas y archivos y guardarlo en un archivo de texto. Útil cuando descarga muchos archivos y quiere recordar qué son y para qué sirven.</translation>
    </message>
    <message>
        <source>Check for possible updates/info etc. at the following url: https://kivra32.example.org</source>
        <translation>Actualizaciones, información, etc. en: https://kivra32.example.org</translation>
    </message>
    <message>
        <source>Warning: this program is provided as is, without warranty of any kind. You use it at your own risk. Copyright (c) 2026 the Kivra32 developers. MIT License.</source>
        <translation>Advertencia: este programa se ofrece tal cual, sin garantía de ningún tipo. Lo usa bajo su propia responsabilidad. Copyright (c) 2026 los desarrolladores de Kivra32. Licencia MIT.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible por ahora</translation>
    </message>
</context>
<context>
    <name>kivra::CurrentEntriesModel</name>
    <message>
        <source>No longer exists</source>
        <translation>Ya no existe</translation>
    </message>
    <message>
        <source>Its folder or volume is not there</source>
        <translation>Falta su carpeta o volumen</translation>
    </message>
</context>
<context>
    <name>kivra::EntryDelegate</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
</context>
<context>
    <name>kivra::EntryRecorder</name>
    <message>
        <source>%1

This entry was not saved:
%2</source>
        <translation>%1

Esta entrada no se guardó:
%2</translation>
    </message>
    <message>
        <source>Record the description of %1 before quitting?</source>
        <translation>¿Registrar la descripción de %1 antes de salir?</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Registrar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>The description of %1 is in the log, but it could not be written into the item itself: %2

Later failures to write a note into a file are not told again until the program starts anew.</source>
        <translation>La descripción de %1 está en el registro, pero no se pudo escribir en el propio elemento: %2

Los siguientes fallos al escribir una nota en un archivo no se avisan de nuevo hasta que el programa vuelva a arrancar.</translation>
    </message>
</context>
<context>
    <name>kivra::FolderLists</name>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
</context>
<context>
    <name>kivra::HelpDialog</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
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
        <translation>%1: descartado, %2</translation>
    </message>
    <message>
        <source>%1: no new entries</source>
        <translation>%1: ninguna entrada nueva</translation>
    </message>
    <message numerus="yes">
        <source>and %n more files</source>
        <translation>
            <numerusform>y %n archivo más</numerusform>
            <numerusform>y %n archivos más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries are already in the log.</source>
        <translation>
            <numerusform>%n entrada ya está en el registro.</numerusform>
            <numerusform>%n entradas ya están en el registro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries repeat one before them.</source>
        <translation>
            <numerusform>%n entrada repite una anterior.</numerusform>
            <numerusform>%n entradas repiten una anterior.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Notes (*.dat descript.ion files.bbs *.txt)</source>
        <translation>Notas (*.dat descript.ion files.bbs *.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>

There is nothing new to import.</source>
        <translation>

No hay nada nuevo que importar.</translation>
    </message>
    <message numerus="yes">
        <source>Import %n entries?</source>
        <translation>
            <numerusform>¿Importar %n entrada?</numerusform>
            <numerusform>¿Importar %n entradas?</numerusform>
        </translation>
    </message>
    <message>
        <source>

Nothing was imported.</source>
        <translation>

No se importó nada.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1: %n nueva</numerusform>
            <numerusform>%1: %n nuevas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kivra::ImportPreviewDialog</name>
    <message>
        <source>Imported file</source>
        <translation>Archivo importado</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>Página de códigos</translation>
    </message>
    <message>
        <source>First entries, as they will be written</source>
        <translation>Primeras entradas, tal como se escribirán</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>&amp;Code page:</source>
        <translation>&amp;Página de códigos:</translation>
    </message>
    <message>
        <source>First &amp;entries, as they will be written:</source>
        <translation>Primeras &amp;entradas, tal como se escribirán:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>elegida</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>supuesta</translation>
    </message>
    <message>
        <source>detected</source>
        <translation>detectada</translation>
    </message>
    <message>
        <source>No new entries</source>
        <translation>Ninguna entrada nueva</translation>
    </message>
</context>
<context>
    <name>kivra::ItemFrame</name>
    <message>
        <source>File/Path Information</source>
        <translation>Información de archivo/ruta</translation>
    </message>
    <message>
        <source>File/Path:</source>
        <extracomment>Caption of the path of the file or folder shown.</extracomment>
        <translation>Ruta:</translation>
    </message>
    <message>
        <source>File/Path: </source>
        <translation>Ruta: </translation>
    </message>
    <message>
        <source>From:</source>
        <extracomment>Caption of the address a download came from.</extracomment>
        <translation>Origen:</translation>
    </message>
    <message>
        <source>Downloaded from</source>
        <translation>Descargado de</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>
Linked from: %1</source>
        <translation>
Enlazado desde: %1</translation>
    </message>
    <message>
        <source>

The grey hint is the comment kept in the item itself (user.xdg.comment), as a file manager or another program set it.</source>
        <translation>

La pista gris es el comentario guardado en el propio elemento (user.xdg.comment), tal como lo puso un gestor de archivos u otro programa.</translation>
    </message>
    <message>
        <source>

It no longer exists.</source>
        <translation>

Ya no existe.</translation>
    </message>
    <message>
        <source>Insert Download Address</source>
        <translation>Insertar dirección de descarga</translation>
    </message>
    <message>
        <source>Described as %1 before it was renamed:</source>
        <translation>Descrito como %1 antes de cambiar de nombre:</translation>
    </message>
    <message>
        <source>

%1 takes the grey hint into the box.</source>
        <translation>

%1 lleva la pista gris al cuadro.</translation>
    </message>
    <message>
        <source>Described as %1 before it was renamed: %2</source>
        <translation>Descrito como %1 antes de cambiar de nombre: %2</translation>
    </message>
    <message>
        <source>Insert Grey Hint</source>
        <translation>Insertar pista gris</translation>
    </message>
</context>
<context>
    <name>kivra::LogExport</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Plain Text (*.txt)</source>
        <translation>Texto sin formato (*.txt)</translation>
    </message>
    <message>
        <source>Rich Text (*.rtf)</source>
        <translation>Texto enriquecido (*.rtf)</translation>
    </message>
</context>
<context>
    <name>kivra::MainWindow</name>
    <message>
        <source>File</source>
        <extracomment>Only measured, never shown: the height of a menu bar.</extracomment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>%1

There is no such file or folder, or it cannot be read.</source>
        <translation>%1

Ese archivo o carpeta no existe o no se puede leer.</translation>
    </message>
    <message>
        <source>%1

This item no longer exists.</source>
        <translation>%1

Este elemento ya no existe.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Export (Save Info)</source>
        <translation>&amp;Exportar (Guardar información)</translation>
    </message>
    <message>
        <source>View &amp;Current</source>
        <translation>Ver e&amp;ntradas</translation>
    </message>
    <message>
        <source>&amp;Write Notes into Files</source>
        <translation>Escri&amp;bir las notas en los archivos</translation>
    </message>
    <message>
        <source>&amp;Newest First</source>
        <translation>Más &amp;recientes primero</translation>
    </message>
    <message>
        <source>Hi&amp;dden Files</source>
        <translation>Archivos &amp;ocultos</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>Add to File &amp;Managers&apos; Menus</source>
        <translation>Añadir a los &amp;menús de los gestores de archivos</translation>
    </message>
    <message>
        <source>Written:</source>
        <translation>Escrito:</translation>
    </message>
    <message>
        <source>There already, left as they were:</source>
        <translation>Ya presentes, dejados como estaban:</translation>
    </message>
    <message>
        <source>Nautilus lists &quot;Describe with Kivra32&quot; under Scripts in the context menu of a file or folder; Thunar lists &quot;Describe with Kivra/32&quot; in it once it is started again (thunar -q). Dolphin, Konqueror, Nemo, Caja and PCManFM-Qt list it from the files the package installs.</source>
        <translation>Nautilus muestra «Describe with Kivra32» en Scripts en el menú contextual de un archivo o una carpeta; Thunar muestra «Describir con Kivra/32» en él una vez iniciado de nuevo (thunar -q). Dolphin, Konqueror, Nemo, Caja y PCManFM-Qt lo muestran gracias a los archivos que instala el paquete.</translation>
    </message>
</context>
<context>
    <name>kivra::RefusalBar</name>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
</context>
<context>
    <name>kivra::ViewCurrentDialog</name>
    <message>
        <source>Kivra/32 - View Current</source>
        <translation>Kivra/32 - Ver entradas</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>A button: go back to the main window.</extracomment>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Placeholder of the box that filters the entries.</extracomment>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Edit Entry</source>
        <translation>Editar entrada</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The find count: entries shown of the entries in the list.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Write the changes back to the log?</source>
        <translation>¿Escribir los cambios en el registro?</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Move all %1 entries to the trash? They can be restored from there.</source>
        <translation>¿Mover las %1 entradas a la papelera? Allí se pueden restaurar.</translation>
    </message>
    <message>
        <source>All entries were moved to the trash, from where they can be restored.</source>
        <translation>Todas las entradas se movieron a la papelera, desde donde se pueden restaurar.</translation>
    </message>
    <message>
        <source>Find Moved</source>
        <translation>Buscar movidos</translation>
    </message>
    <message>
        <source>Find Moved In Folder...</source>
        <translation>Buscar movidos en carpeta...</translation>
    </message>
    <message>
        <source>Only Gone Entries</source>
        <translation>Solo entradas que faltan</translation>
    </message>
    <message>
        <source>%1 of %2 gone</source>
        <extracomment>Entries whose item is no longer there, of all in the list.</extracomment>
        <translation>%1 de %2 faltan</translation>
    </message>
    <message>
        <source>No entry shown is gone.</source>
        <translation>Ninguna entrada mostrada falta.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %n gone items was found.</source>
        <translation>
            <numerusform>No se encontró el %n elemento que falta.</numerusform>
            <numerusform>No se encontró ninguno de los %n elementos que faltan.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading %1 of %2…</source>
        <extracomment>While the log is read: lines read so far, of all.</extracomment>
        <translation>Leyendo %1 de %2…</translation>
    </message>
    <message>
        <source>Writing the log…</source>
        <translation>Escribiendo el registro…</translation>
    </message>
    <message>
        <source>Reading the log…</source>
        <translation>Leyendo el registro…</translation>
    </message>
    <message>
        <source>Sorting %1 entries…</source>
        <translation>Ordenando %1 entradas…</translation>
    </message>
</context>
</TS>
