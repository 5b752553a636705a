// Any bytes at all may sit in a log edited by hand: reading must never crash, never invent a
// line break and never drop a line.
#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/description_index.h"
#include "core/entry_item.h"
#include "core/entry_log.h"
#include "core/export_buffer.h"
#include "core/name_decoding.h"
#include "core/rtf_writer.h"
#include "fuzz_check.h"

using kivra::DecodeLogLines;
using kivra::EncodeLogLine;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = DecodeLogLines(bytes);
    check(kivra::WriteRtfFromLog(bytes) == kivra::WriteRtf(lines));  // as the export writes them

    // As many lines as line ends, plus an unterminated last one; CR LF counts once.
    QByteArrayList ends = bytes.toByteArray().replace("\r\n", "\n").replace('\r', '\n').split('\n');
    if (ends.last().isEmpty()) ends.removeLast();
    check(lines.size() == ends.size());

    // Read in chunks, wherever they happen to end, the lines are the same.
    QBuffer device;
    device.setData(bytes.toByteArray());
    device.open(QIODevice::ReadOnly);
    check(kivra::ReadLogLines(device, 1 + static_cast<qsizetype>(size % 7)) == lines);

    // The same lines through the checked opening of a log on disk.
    static const QTemporaryDir folder;
    QFile log(folder.filePath(QLatin1StringView(kivra::EntryLog::kFileName)));
    check(log.open(QIODevice::WriteOnly) && log.write(bytes.data(), bytes.size()) == bytes.size());
    log.close();
    const kivra::Result<QStringList> read = kivra::EntryLog(folder.path()).readEntries();
    check(read ? *read == lines : lines.isEmpty());

    // Exported as text: each line's own bytes, ended by CR LF. In memory where the system has a
    // place for it: every export is synced to the disk.
    static const QTemporaryDir memory(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/kivra-fuzz-XXXXXX")
                                          : QDir::tempPath() +
                                                QStringLiteral("/kivra-fuzz-XXXXXX"));
    kivra::ExportBuffer exported;
    const QString text = memory.filePath(QStringLiteral("export.txt"));
    check(exported.load(log.fileName()) && exported.save(text, kivra::ExportBuffer::Text));
    QFile out(text);
    check(out.open(QIODevice::ReadOnly) &&
          out.readAll() == (ends.isEmpty() ? QByteArray() : ends.join("\r\n") + "\r\n"));

    // Written back and read again, every line survives as it was.
    QByteArray written;
    for (const QString& line : lines) {
        check(!line.contains(u'\r') && !line.contains(u'\n'));
        EncodeLogLine(line, written);
    }
    check(DecodeLogLines(written) == lines);

    // A file named by these bytes, its line read back: the same file found, and marked.
    QByteArray name = bytes.first(std::min<qsizetype>(bytes.size(), 255)).toByteArray();
    for (char& c : name)
        if (c == '/' || c == '\0' || c == '\r' || c == '\n') c = '_';
    if (name.isEmpty() || name == "." || name == "..") return 0;
    const QByteArray path = QFile::encodeName(memory.path()) + '/' + name;
    ::close(::open(path.constData(), O_CREAT | O_WRONLY, 0600));
    QByteArray line;
    EncodeLogLine(path, QStringLiteral(" - d"), line);
    const QString entry = DecodeLogLines(line).value(0);
    const kivra::EntryItem item = kivra::ItemOfEntry(entry);
    check(line == path + " - d\r\n" && item.exists && item.native == path);
    // A memo left by any other lines, then by this one, tells what none tells.
    kivra::FolderMemo memo;
    for (const QString& other : lines) kivra::StateOfEntry(other.left(1 << 12), &memo);
    check(kivra::StateOfEntry(entry, &memo) == kivra::ItemState::There &&
          kivra::StateOfEntry(entry, &memo) == kivra::ItemState::There);
    kivra::DescriptionIndex index;
    index.addBytes(line);
    check(index.descriptions(index.lookUp(kivra::DecodeName(path), false)) == QStringList{"d"});
    ::unlink(path.constData());
    check(kivra::StateOfEntry(entry, &memo) == kivra::StateOfEntry(entry));
    return 0;
}
