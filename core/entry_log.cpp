#include "core/entry_log.h"

#include <cstring>
#include <optional>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

#include "core/app_info.h"
#include "core/atomic_file_writer.h"
#include "platform/ordinary_file.h"

namespace kivra {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("EntryLog", text); }

LogResult failure(const char* what, const QString& path, const QString& reason) {
    return LogResult::failure(tr(what).arg(QDir::toNativeSeparators(path), reason));
}

// A hand-edited log may end without its last CR LF.
bool endsWithoutTerminator(QFile& file) {
    const qint64 size = file.size();
    if (size == 0 || !file.seek(size - 1)) return false;
    char last = 0;
    return file.read(&last, 1) == 1 && last != '\n' && last != '\r';
}

// A short write sets no error of its own.
QString writeFailureReason(const QFileDevice& file) {
    if (file.error() != QFileDevice::NoError) return file.errorString();
    return tr("the disk is full or the file is too large");
}

}  // namespace

namespace entry_log_detail {

bool isAscii(QByteArrayView bytes) {
    const char* const data = bytes.data();
    const qsizetype size = bytes.size();
    // Eight bytes at a time: logs are mostly ASCII paths and text.
    unsigned char any = 0;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, 8);
        if (word & 0x8080808080808080ULL) return false;
    }
    for (; i < size; ++i) any |= static_cast<unsigned char>(data[i]);
    return (any & 0x80) == 0;
}

QString decodeLine(QByteArrayView line) {
    if (isAscii(line)) return QString::fromLatin1(line);
    static thread_local QStringDecoder system(QStringConverter::System,
                                              QStringConverter::Flag::Stateless);
    static thread_local QStringDecoder windows1252("windows-1252",
                                                   QStringConverter::Flag::Stateless);
    system.resetState();
    QString text = system.decode(line);
    if (!system.hasError()) return text;
    if (!windows1252.isValid()) return QString::fromLatin1(line);
    windows1252.resetState();
    return windows1252.decode(line);
}

qsizetype forEachLine(QByteArrayView bytes, const std::function<void(QByteArrayView)>& visit) {
    if (bytes.isEmpty()) return 0;  // data() may be null, which memchr must not see
    const char* const data = bytes.data();
    const char* const end = data + bytes.size();
    const char* start = data;
    qsizetype count = 0;
    while (start < end) {
        // memchr is much faster than a byte loop; a lone CR is rare but still ends a line.
        const char* lf = static_cast<const char*>(std::memchr(start, '\n', end - start));
        const char* stop = lf ? lf : end;
        const char* cr = static_cast<const char*>(std::memchr(start, '\r', stop - start));
        ++count;
        if (cr) {
            visit(QByteArrayView(start, cr - start));
            start = (cr + 1 < end && cr[1] == '\n') ? cr + 2 : cr + 1;
            continue;
        }
        visit(QByteArrayView(start, stop - start));
        start = stop + 1;
    }
    return count;
}

QStringList decodeLines(QByteArrayView bytes) {
    QStringList lines;
    if (bytes.isEmpty()) return lines;
    const char* const end = bytes.data() + bytes.size();
    qsizetype lineFeeds = 0;
    for (const char* p = bytes.data(); (p = static_cast<const char*>(std::memchr(p, '\n', end - p))); ++p)
        ++lineFeeds;
    lines.reserve(lineFeeds + 1);
    forEachLine(bytes, [&lines](QByteArrayView line) { lines.append(decodeLine(line)); });
    return lines;
}

std::optional<QStringList> readLines(QIODevice& device, qsizetype chunk) {
    // Read in chunks rather than whole: a large log then never sits in memory twice, as bytes
    // and as lines.
    QStringList lines;
    const auto add = [&lines](QByteArrayView line) { lines.append(decodeLine(line)); };
    QByteArray buffer(chunk, Qt::Uninitialized);
    qsizetype have = 0;
    for (;;) {
        if (have == buffer.size()) buffer.resize(buffer.size() * 2);  // one line longer than a chunk
        const qint64 got = device.read(buffer.data() + have, buffer.size() - have);
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        have += got;
        // Only whole lines now; a CR at the very end may be the first half of a CR LF.
        qsizetype scan = buffer[have - 1] == '\r' ? have - 1 : have;
        qsizetype end = 0;
        while (scan > 0) {
            const char c = buffer[scan - 1];
            if (c == '\n' || c == '\r') {
                end = (c == '\r' && scan < have && buffer[scan] == '\n') ? scan + 1 : scan;
                break;
            }
            --scan;
        }
        if (end == 0) continue;
        forEachLine(QByteArrayView(buffer.constData(), end), add);
        std::memmove(buffer.data(), buffer.constData() + end, have - end);
        have -= end;
    }
    forEachLine(QByteArrayView(buffer.constData(), have), add);
    return lines;
}

void encodeLine(const QString& line, QByteArray& out) {
    static thread_local QStringEncoder system(QStringConverter::System,
                                              QStringConverter::Flag::Stateless);
    if (line.contains(u'\r') || line.contains(u'\n')) {
        QString oneLine = line;
        oneLine.replace(u'\r', u'?').replace(u'\n', u'?');
        out += system.encode(oneLine);
    } else {
        out += system.encode(line);
    }
    out += "\r\n";
}

}  // namespace entry_log_detail

EntryLog::EntryLog(QString appDir) : appDir_(std::move(appDir)) {}

QString EntryLog::defaultAppDir() {
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath();
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' +
           QLatin1StringView(app::kTitle);
#endif
}

QString EntryLog::filePath() const { return QDir(appDir_).filePath(QLatin1StringView(kFileName)); }

QString EntryLog::LogPath() const { return QDir::toNativeSeparators(filePath()); }

bool EntryLog::LogExists() const { return platform::IsOrdinaryFile(filePath()); }

LogResult EntryLog::AppendEntry(const QString& line) const {
    if (!QDir().mkpath(appDir_))
        return failure("Cannot create the folder %1: %2", appDir_, tr("permission denied or no space"));
    QFile file(filePath());
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return failure("Cannot open the log %1: %2", file.fileName(), file.errorString());

    const qint64 oldSize = file.size();
    QByteArray bytes;
    if (endsWithoutTerminator(file)) bytes = "\r\n";
    entry_log_detail::encodeLine(line, bytes);
    // One write, so the line and its CR LF go together; a short write is undone.
    if (file.write(bytes) != bytes.size()) {
        const QString reason = writeFailureReason(file);
        file.resize(oldSize);
        return failure("Cannot write to the log %1: %2", file.fileName(), reason);
    }
    file.close();
    return {};
}

ReadResult EntryLog::ReadEntries() const {
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, failure("Cannot open the log %1: %2", file.fileName(), file.errorString()).error};
    std::optional<QStringList> lines = entry_log_detail::readLines(file);
    if (!lines)
        return {false, {}, failure("Cannot read the log %1: %2", file.fileName(), file.errorString()).error};
    return {true, std::move(*lines), {}};
}

LogResult EntryLog::WriteEntries(const QStringList& lines) const {
    if (!QDir().mkpath(appDir_))
        return failure("Cannot create the folder %1: %2", appDir_, tr("permission denied or no space"));
    AtomicFileWriter writer(filePath());
    if (writer.open()) {
        for (const QString& line : lines) {
            entry_log_detail::encodeLine(line, writer.chunk());
            writer.written();
        }
        if (writer.commit()) return {};
    }
    return failure("Cannot write the log %1: %2", filePath(), writer.errorString());
}

LogResult EntryLog::WriteLogBytes(const std::function<void(AtomicFileWriter&)>& fill) const {
    if (!QDir().mkpath(appDir_))
        return failure("Cannot create the folder %1: %2", appDir_, tr("permission denied or no space"));
    AtomicFileWriter writer(filePath());
    if (writer.open()) {
        fill(writer);
        if (writer.commit()) return {};
    }
    return failure("Cannot write the log %1: %2", filePath(), writer.errorString());
}

LogResult EntryLog::DeleteLog() const {
    QFile file(filePath());
    if (!file.exists() && !QFileInfo(file).isSymLink()) return {};
    if (!file.remove())
        return failure("Cannot delete the log %1: %2", file.fileName(), file.errorString());
    return {};
}

}  // namespace kivra
