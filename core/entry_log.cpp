#include "core/entry_log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <bit>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/app_info.h"
#include "core/atomic_file_writer.h"
#include "core/name_decoding.h"
#include "platform/file_writes.h"
#include "platform/log_access.h"

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

// The checked log as a QFile, or why not.
LogResult adopt(QFile& file, platform::LogOpening& opened, const QString& logFile,
                QIODevice::OpenMode mode) {
    if (!opened.error.isEmpty()) return LogResult::failure(opened.error);
    if (file.open(opened.fd, mode, QFileDevice::AutoCloseHandle)) return {};
    platform::CloseDescriptor(opened.fd);
    return failure("Cannot open the log %1: %2", logFile, file.errorString());
}

// Another copy's append or rewrite takes milliseconds; one still holding the lock after this
// long is stuck, and the user is told rather than left waiting.
constexpr int kLockWaitMs = 5000;

#ifndef Q_OS_WIN
// The notes are private: a log the program creates is its owner's alone.
constexpr QFileDevice::Permissions kPrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Where XDG_DATA_HOME points, or ~/.local/share; a relative one is ignored, as the XDG rules say.
QByteArray dataFolderBytes() {
    QByteArray home = qgetenv("XDG_DATA_HOME");
    if (!home.startsWith('/')) {
        home = qgetenv("HOME");
        if (home.isEmpty()) home = QFile::encodeName(QDir::homePath());
        home += "/.local/share";
    }
    return home + '/' + app::kTitle;
}
#endif

std::filesystem::path fsPath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString writeFailureReason(const QFileDevice& file) {
    if (file.error() != QFileDevice::NoError) return file.errorString();
    return tr("the disk is full or the file is too large");
}

}  // namespace

namespace entry_log_detail {

bool isAscii(QByteArrayView bytes) {
    const auto* const data = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    // Logs are mostly ASCII paths and text: sixteen bytes at a time where SSE2 is there, else
    // eight.
#if defined(__SSE2__)
    for (; i + 64 <= size; i += 64) {
        const auto* const block = reinterpret_cast<const __m128i*>(data + i);
        const __m128i any =
            _mm_or_si128(_mm_or_si128(_mm_loadu_si128(block), _mm_loadu_si128(block + 1)),
                         _mm_or_si128(_mm_loadu_si128(block + 2), _mm_loadu_si128(block + 3)));
        if (_mm_movemask_epi8(any)) return false;
    }
#endif
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, 8);
        if (word & 0x8080808080808080ULL) return false;
    }
    unsigned char any = 0;
    for (; i < size; ++i) any |= data[i];
    return (any & 0x80) == 0;
}

// An ASCII line as text in one pass, each byte checked as it is widened; a null string where
// the line is not ASCII.
QString fromAscii(QByteArrayView line) {
    const auto* const in = reinterpret_cast<const uchar*>(line.data());
    const qsizetype size = line.size();
    QString text(size, Qt::Uninitialized);
    auto* const out = reinterpret_cast<char16_t*>(text.data());
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const auto widen = [&](qsizetype at) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), _mm_unpacklo_epi8(bytes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at + 8), _mm_unpackhi_epi8(bytes, zero));
        return _mm_movemask_epi8(bytes) == 0;
    };
    for (; i + 32 <= size; i += 32) {
        const auto* const at = reinterpret_cast<const __m128i*>(in + i);
        if (_mm_movemask_epi8(_mm_or_si128(_mm_loadu_si128(at), _mm_loadu_si128(at + 1))))
            return {};
        widen(i);
        widen(i + 16);
    }
    for (; i + 16 <= size; i += 16)
        if (!widen(i)) return {};
    // The last sixteen bytes again rather than one at a time.
    if (i < size && size >= 16) return widen(size - 16) ? text : QString();
#endif
    for (; i < size; ++i) {
        if (in[i] & 0x80) return {};
        out[i] = in[i];
    }
    return text;
}

QString decodeLine(QByteArrayView line) {
    if (line.size() < 16) {
        if (isAscii(line)) return QString::fromLatin1(line);
    } else if (QString text = fromAscii(line); !text.isNull()) {
        return text;
    }
    static thread_local QStringDecoder system(QStringConverter::System,
                                              QStringConverter::Flag::Stateless);
    static thread_local QStringDecoder windows1252("windows-1252",
                                                   QStringConverter::Flag::Stateless);
    // Asked of the decoder itself: its name says "Locale" rather than what it decodes.
    static const bool systemIsUtf8 =
        QString(QStringDecoder(QStringConverter::System).decode(QByteArrayView("\xC3\xA9"))) ==
        u"\u00E9";
    system.resetState();
    QString text = system.decode(line);
    if (!system.hasError()) return text;
    const auto asWindows1252 = [](QByteArrayView bytes) -> QString {
        if (!windows1252.isValid()) return QString::fromLatin1(bytes);
        windows1252.resetState();
        return windows1252.decode(bytes);
    };
    // Valid sequences stay themselves; only the stray bytes are taken as Windows-1252, one by one,
    // as a line with a name typed elsewhere and an older description may mix them.
    return systemIsUtf8 ? DecodeName(line) : asWindows1252(line);
}

// The first CR or LF from `p` on, or `end`: thirty-two bytes at a time where SSE2 is there.
const char* lineEnd(const char* p, const char* const end) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    const auto ends = [&](const char* at) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        return unsigned(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf))));
    };
    for (; end - p >= 32; p += 32)
        if (const unsigned found = ends(p) | ends(p + 16) << 16) return p + std::countr_zero(found);
    for (; end - p >= 16; p += 16) {
        if (const unsigned found = ends(p)) return p + std::countr_zero(found);
    }
#endif
    while (p < end && *p != '\r' && *p != '\n') ++p;
    return p;
}

namespace {

// forEachLine's loop, with the call to `visit` inlined where the caller is here.
template <typename Visit>
qsizetype visitLines(QByteArrayView bytes, Visit&& visit) {
    if (bytes.isEmpty()) return 0;  // data() may be null
    const char* const end = bytes.data() + bytes.size();
    qsizetype count = 0;
    for (const char* start = bytes.data(); start < end;) {
        const char* const stop = lineEnd(start, end);
        ++count;
        visit(QByteArrayView(start, stop - start));
        if (stop == end) break;
        start = stop + (*stop == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
    }
    return count;
}

}  // namespace

qsizetype forEachLine(QByteArrayView bytes, const std::function<void(QByteArrayView)>& visit) {
    return visitLines(bytes, visit);
}

QStringList decodeLines(QByteArrayView bytes) {
    QStringList lines;
    if (bytes.isEmpty()) return lines;
    const char* const end = bytes.data() + bytes.size();
    qsizetype lineFeeds = 0;
    for (const char* p = bytes.data();
         (p = static_cast<const char*>(std::memchr(p, '\n', end - p))); ++p)
        ++lineFeeds;
    lines.reserve(lineFeeds + 1);
    visitLines(bytes, [&lines](QByteArrayView line) { lines.append(decodeLine(line)); });
    return lines;
}

std::optional<QStringList> readLines(QIODevice& device, qsizetype chunk) {
    // Read in chunks rather than whole: a large log then never sits in memory twice, as bytes
    // and as lines.
    QStringList lines;
    // Room for lines of 64 bytes, so a log of longer ones never moves the list as it grows.
    lines.reserve(qBound(qint64(0), device.size() / 64, qint64(1) << 24));
    const auto add = [&lines](QByteArrayView line) { lines.append(decodeLine(line)); };
    QByteArray buffer(chunk, Qt::Uninitialized);
    qsizetype have = 0;
    for (;;) {
        if (have == buffer.size())
            buffer.resize(buffer.size() * 2);  // one line longer than a chunk
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
        visitLines(QByteArrayView(buffer.constData(), end), add);
        std::memmove(buffer.data(), buffer.constData() + end, have - end);
        have -= end;
    }
    visitLines(QByteArrayView(buffer.constData(), have), add);
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

LogResult OpenLogFile(QFile& file, const QString& logFile, QIODevice::OpenMode mode,
                      bool* missing) {
    const QFileInfo info(logFile);
    const bool append = mode & QIODevice::Append;
    platform::LogOpening opened =
        platform::OpenLog(info.absolutePath(), info.fileName(),
                          append ? platform::LogUse::Append : platform::LogUse::Read);
    if (missing) *missing = opened.missing;
    if (opened.missing && !missing)
        return failure("Cannot open the log %1: %2", logFile, platform::SystemReason(ENOENT));
    if (opened.missing) return {};
    return adopt(file, opened, logFile, mode);
}

EntryLog::EntryLog(QString appDir, QString refusal)
    : appDir_(std::move(appDir)), refusal_(std::move(refusal)) {}

QString EntryLog::defaultAppDir() {
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath();
#else
    return QFile::decodeName(dataFolderBytes());
#endif
}

EntryLog EntryLog::Default() {
#ifndef Q_OS_WIN
    // A name that is not UTF-8 would come back as another folder's, one with U+FFFD in it.
    if (const QByteArray folder = dataFolderBytes(); !folder.isValidUtf8())
        return EntryLog(defaultAppDir(),
                        tr("The log's folder %1 has a name that is not valid UTF-8, so no log is "
                           "kept. Set XDG_DATA_HOME to a folder whose name is.")
                            .arg(QDir::toNativeSeparators(defaultAppDir())));
#endif
    return EntryLog(defaultAppDir());
}

QString EntryLog::filePath() const { return QDir(appDir_).filePath(QLatin1StringView(kFileName)); }

QString EntryLog::LogPath() const { return QDir::toNativeSeparators(filePath()); }

bool EntryLog::LogExists() const {
    if (!refusal_.isEmpty()) return false;
    QFile file;
    bool missing = false;
    return OpenLogFile(file, filePath(), QIODevice::ReadOnly, &missing) && !missing;
}

LogResult EntryLog::AppendEntry(const QString& line) const { return AppendEntries({line}); }

LogResult EntryLog::AppendEntries(const QStringList& lines) const {
    return Locked([this, &lines]() -> LogResult {
        QFile file;
        if (const LogResult opened = OpenLogFile(
                file, filePath(), QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered);
            !opened)
            return opened;

        const qint64 oldSize = file.size();
        QByteArray bytes;
        if (endsWithoutTerminator(file)) bytes = "\r\n";
        for (const QString& line : lines) entry_log_detail::encodeLine(line, bytes);
        // One write, so the lines and their CR LF go together. Under the lock no other copy can
        // have written since, so undoing a failed append cuts only its own bytes.
        const bool written = WriteAll(file, bytes);
        if (!written || !platform::SyncToDisk(file)) {
            const QString reason =
                written ? platform::SystemReason(errno) : writeFailureReason(file);
            file.resize(oldSize);
            return failure("Cannot write to the log %1: %2", filePath(), reason);
        }
        return {};
    });
}

ReadResult EntryLog::ReadEntries() const {
    if (!refusal_.isEmpty()) return {false, {}, refusal_};
    QFile file;
    if (const LogResult opened = OpenLogFile(file, filePath(), QIODevice::ReadOnly); !opened)
        return {false, {}, opened.error};
    std::optional<QStringList> lines = entry_log_detail::readLines(file);
    if (!lines)
        return {
            false, {}, failure("Cannot read the log %1: %2", filePath(), file.errorString()).error};
    return {true, std::move(*lines), {}};
}

LogResult EntryLog::WriteEntries(const QStringList& lines) const {
    return WriteLogBytes([&lines](AtomicFileWriter& writer) {
        for (const QString& line : lines) {
            entry_log_detail::encodeLine(line, writer.chunk());
            writer.written();
        }
    });
}

LogResult EntryLog::WriteLogBytes(const std::function<void(AtomicFileWriter&)>& fill) const {
    return Locked([this, &fill]() -> LogResult {
        removeLeftovers();
        const QFileInfo info(filePath());
        const platform::LogOpening opened =
            platform::OpenLog(info.absolutePath(), info.fileName(), platform::LogUse::Replace);
        if (!opened.error.isEmpty()) return LogResult::failure(opened.error);
        // A linked log keeps its link: the file it names is replaced.
        AtomicFileWriter writer(opened.file);
        if (writer.open()) {
#ifndef Q_OS_WIN
            // A rewrite keeps the old log's mode; a new log is private.
            if (opened.missing) writer.setPermissions(kPrivateFile);
#endif
            fill(writer);
            if (writer.commit()) return {};
        }
        return failure("Cannot write the log %1: %2", filePath(), writer.errorString());
    });
}

LogResult EntryLog::DeleteLog() const { return removeLog(false); }

LogResult EntryLog::TrashLog() const { return removeLog(true); }

LogResult EntryLog::removeLog(bool toTrash) const {
    if (refusal_.isEmpty() && !QFileInfo(appDir_).isDir()) return {};
    return Locked([this, toTrash]() -> LogResult {
        const QFileInfo info(filePath());
        const platform::LogOpening opened =
            platform::OpenLog(info.absolutePath(), info.fileName(), platform::LogUse::Replace);
        if (!opened.error.isEmpty()) return LogResult::failure(opened.error);
        if (opened.missing) return {};
        // A log kept elsewhere through a link (a synchronised folder, say) goes on receiving
        // entries: it is emptied, and the link stays.
        if (opened.linked) return WriteLogBytes([](AtomicFileWriter&) {});
        // The trash keeps it restorable; where there is none, it is deleted as before.
        if (toTrash && QFile::moveToTrash(filePath())) return {};
        QFile file(filePath());
        if (!file.remove())
            return failure("Cannot delete the log %1: %2", filePath(), file.errorString());
        return {};
    });
}

LogResult EntryLog::Locked(const std::function<LogResult()>& work) const {
    // Depth per log and thread, so the operations inside `work` do not wait for themselves.
    thread_local std::map<QString, int> held;
    int& depth = held[QFileInfo(filePath()).absoluteFilePath()];
    struct Hold {
        int& depth;
        explicit Hold(int& d) : depth(d) { ++depth; }
        ~Hold() { --depth; }
    };
    if (depth > 0) {
        const Hold hold(depth);
        return work();
    }
    if (!refusal_.isEmpty()) return LogResult::failure(refusal_);
    if (const LogResult made = makeFolder(); !made) return made;
    platform::LogLock lock;
    QString error;
    const QFileInfo info(filePath());
    switch (lock.take(info.absolutePath(), info.fileName(), kLockWaitMs, error)) {
        case platform::LogLock::Taken:
            break;
        case platform::LogLock::Busy:
            return LogResult::failure(
                tr("The log %1 is in use by another copy of the program. Try again in a moment.")
                    .arg(LogPath()));
        case platform::LogLock::Failed:
            return LogResult::failure(error);
    }
    const Hold hold(depth);
    return work();
}

QString EntryLog::NotAFileMessage() const {
    if (!refusal_.isEmpty()) return refusal_;
    QFile file;
    bool missing = false;
    return OpenLogFile(file, filePath(), QIODevice::ReadOnly, &missing).error;
}

LogResult EntryLog::makeFolder() const {
    if (QFileInfo(appDir_).isDir()) return {};
    // std::filesystem, unlike QDir, tells why a folder could not be made.
    const std::filesystem::path folder = fsPath(QDir::cleanPath(QDir(appDir_).absolutePath()));
    std::error_code error;
    std::filesystem::create_directories(folder.parent_path(), error);
    if (!error && std::filesystem::create_directory(folder, error)) {
#ifndef Q_OS_WIN
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
#endif
    }
    if (error)
        return failure("Cannot create the folder %1: %2", appDir_,
                       QString::fromLocal8Bit(error.message()));
    return {};
}

void EntryLog::removeLeftovers() const {
    // Where the file system has no unnamed temporary files, QSaveFile writes "KVtemp.dat." plus six
    // letters and renames it; a rewrite killed midway leaves that behind. Under the lock no other
    // copy's rewrite can be using one.
    static const QRegularExpression leftover(QStringLiteral("^KVtemp\\.dat\\.[A-Za-z0-9]{6}$"));
    const QDir dir(appDir_);
    const QStringList names = dir.entryList({QStringLiteral("KVtemp.dat.??????")},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (leftover.match(name).hasMatch()) QFile::remove(dir.filePath(name));
}

}  // namespace kivra
