#include "core/entry_log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

#include "core/app_info.h"
#include "core/atomic_file_writer.h"
#include "platform/data_folder.h"
#include "platform/file_writes.h"
#include "platform/log_access.h"
#include "platform/system_reason.h"
#include "platform/trash.h"

namespace kivra {

namespace {

#ifndef Q_OS_WIN
// The notes are private: a log the program creates is its owner's alone.
constexpr QFileDevice::Permissions kPrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QByteArray dataFolderBytes() { return platform::DataFolder() + '/' + app::kTitle; }
#endif

std::filesystem::path fsPath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

}  // namespace

Failure TooBigToHold(const QString& logFile, qint64 size) {
    return {QCoreApplication::translate(
                "EntryLog", "The log %1 (%2) is too big to be held in memory; it is left as it is.")
                .arg(QDir::toNativeSeparators(logFile), QLocale().formattedDataSize(size)),
            {}};
}

Failure LineTooLong(const QString& logFile, qint64 length) {
    return {
        QCoreApplication::translate(
            "EntryLog", "The log %1 holds a line of %2, too long to be shown; it is left as it is.")
            .arg(QDir::toNativeSeparators(logFile), QLocale().formattedDataSize(length)),
        {}};
}

LogStamp LogStamp::of(const QString& logFile) {
    // A plain stat: asked at every folder change and around every append. A link is followed,
    // as reads follow it.
    const QFileInfo info(logFile);
    if (!info.exists()) return {};
    return {info.size(), info.lastModified()};
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

EntryLog EntryLog::defaultLog() {
#ifndef Q_OS_WIN
    // A name that is not UTF-8 would come back as another folder's, one with U+FFFD in it.
    if (const QByteArray folder = dataFolderBytes(); !folder.isValidUtf8())
        return EntryLog(defaultAppDir(),
                        QCoreApplication::translate(
                            "EntryLog",
                            "The log's folder %1 has a name that is not valid UTF-8, so no log is "
                            "kept. Set XDG_DATA_HOME to a folder whose name is.")
                            .arg(QDir::toNativeSeparators(defaultAppDir())));
#endif
    return EntryLog(defaultAppDir());
}

QString EntryLog::filePath() const { return QDir(appDir_).filePath(QLatin1StringView(kFileName)); }

QString EntryLog::logPath() const { return QDir::toNativeSeparators(filePath()); }

bool EntryLog::logExists() const {
    if (!refusal_.isEmpty()) return false;
    QFile file;
    bool missing = false;
    return OpenLogFile(file, filePath(), QIODevice::ReadOnly, &missing) && !missing;
}

Result<QStringList> EntryLog::readEntries() const {
    if (!refusal_.isEmpty()) return refused();
    QFile file;
    if (const Result<void> opened = OpenLogFile(file, filePath(), QIODevice::ReadOnly); !opened)
        return opened.failure();
    std::optional<QStringList> lines = ReadLogLines(file);
    if (!lines)
        return PathFailure("EntryLog", QT_TRANSLATE_NOOP("EntryLog", "Cannot read the log %1: %2"),
                           filePath(), file.errorString());
    return std::move(*lines);
}

Result<void> EntryLog::writeEntries(const QStringList& lines) const {
    return writeLogBytes([&lines](AtomicFileWriter& writer) {
        for (const QString& line : lines) {
            EncodeLogLine(line, writer.chunk());
            writer.written();
        }
    });
}

Result<void> EntryLog::writeLogBytes(const std::function<void(AtomicFileWriter&)>& fill) const {
    return locked([this, &fill]() -> Result<void> {
        removeLeftovers();
        const QFileInfo info(filePath());
        // A record of an earlier append that a power cut left on the disk must not find the new
        // log and cut it.
        platform::ClearUndoRecord(info.absolutePath(), info.fileName(), true);
        const Result<platform::LogOpening> opened =
            platform::OpenLog(info.absolutePath(), info.fileName(), platform::LogUse::Replace);
        if (!opened) return opened.failure();
        // A linked log keeps its link: the file it names is replaced.
        AtomicFileWriter writer(opened->file);
        if (writer.open()) {
#ifndef Q_OS_WIN
            // A rewrite keeps the old log's mode; a new log is private.
            if (opened->missing) writer.setPermissions(kPrivateFile);
#endif
            fill(writer);
            if (writer.commit()) return {};
        }
        return PathFailure("EntryLog", QT_TRANSLATE_NOOP("EntryLog", "Cannot write the log %1: %2"),
                           filePath(), writer.errorString());
    });
}

bool EntryLog::rewritable() const {
    if (!refusal_.isEmpty()) return false;
    const QFileInfo info(filePath());
    const Result<platform::LogOpening> opened =
        platform::OpenLog(info.absolutePath(), info.fileName(), platform::LogUse::Replace);
    return opened && (opened->missing || QFileInfo(opened->file).isWritable());
}

Result<void> EntryLog::deleteLog() const { return removeLog(false); }

Result<void> EntryLog::trashLog() const { return removeLog(true); }

Result<void> EntryLog::removeLog(bool toTrash) const {
    if (refusal_.isEmpty() && !QFileInfo(appDir_).isDir()) return {};
    return locked([this, toTrash]() -> Result<void> {
        const QFileInfo info(filePath());
        platform::ClearUndoRecord(info.absolutePath(), info.fileName(), true);
        const Result<platform::LogOpening> opened =
            platform::OpenLog(info.absolutePath(), info.fileName(), platform::LogUse::Replace);
        if (!opened) return opened.failure();
        if (opened->missing) return {};
        // A log kept elsewhere through a link (a synchronised folder, say) goes on receiving
        // entries: it is emptied, and the link stays.
        if (opened->linked) return writeLogBytes([](AtomicFileWriter&) {});
        // The trash keeps it restorable; where there is none, it is deleted as before. A trash
        // that cannot take it whole leaves it in place.
        if (toTrash) {
            const Result<bool> trashed = platform::MoveToTrash(filePath());
            if (trashed && *trashed) return {};
            if (!trashed)
                return PathFailure(
                    "EntryLog",
                    QT_TRANSLATE_NOOP(
                        "EntryLog",
                        "Cannot move the log %1 to the trash: %2. It stays where it is."),
                    filePath(), trashed.failure().reason);
        }
        QFile file(filePath());
        if (!file.remove())
            return PathFailure("EntryLog",
                               QT_TRANSLATE_NOOP("EntryLog", "Cannot delete the log %1: %2"),
                               filePath(), file.errorString());
        return {};
    });
}

Result<void> EntryLog::usable() const {
    QFile file;
    bool missing = false;
    return openToRead(file, missing);
}

Result<void> EntryLog::openToRead(QFile& file, bool& missing) const {
    missing = false;
    if (!refusal_.isEmpty()) return refused();
    return OpenLogFile(file, filePath(), QIODevice::ReadOnly, &missing);
}

Result<void> EntryLog::makeFolder() const {
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
        return PathFailure("EntryLog",
                           QT_TRANSLATE_NOOP("EntryLog", "Cannot create the folder %1: %2"),
                           appDir_, QString::fromLocal8Bit(error.message()));
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
