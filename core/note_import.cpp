#include "core/note_import.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "core/log_lines.h"
#include "core/name_decoding.h"
#include "platform/directory_reader.h"
#include "platform/native_path.h"

namespace kivra {

namespace {

// A file picked by mistake (a disk image, say) is not read into memory whole.
constexpr qint64 kMaxImportBytes = qint64(256) << 20;
constexpr int kLogSniffLines = 20;

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

QByteArrayView withoutBom(QByteArrayView bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

qsizetype skipBlanks(const QString& text, qsizetype from) {
    while (from < text.size() && isBlank(text[from])) ++from;
    return from;
}

// "NAME.EXT": a name line in FILES.BBS whose item is not (or no longer) in the folder.
bool looksLikeFileName(const QString& token) {
    static const QString notInNames = QStringLiteral("\"*/:<>?\\|");
    for (const QChar c : token)
        if (c < u' ' || notInNames.contains(c)) return false;
    const qsizetype dot = token.lastIndexOf(u'.');
    return dot > 0 && dot < token.size() - 1 && token[0].isLetterOrNumber();
}

std::optional<QByteArray> readFile(const QString& path, QString& why) {
    const QFileInfo info(path);
    // A pipe or device would block the read, or never end.
    if (!info.isFile()) {
        why = info.exists()
                  ? QCoreApplication::translate("NoteImport", "unreadable: not an ordinary file")
                  : QCoreApplication::translate("NoteImport", "unreadable: not found");
        return std::nullopt;
    }
    if (info.size() > kMaxImportBytes) {
        why = QCoreApplication::translate("NoteImport", "unreadable: larger than 256 MB");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = QCoreApplication::translate("NoteImport", "unreadable: %1").arg(file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        why = QCoreApplication::translate("NoteImport", "unreadable: %1").arg(file.errorString());
        return std::nullopt;
    }
    return bytes;
}

QStringList folderNames(const QString& folder) {
    QStringList names;
    if (const auto entries = platform::ReadDirectory(platform::NativeBytes(folder)))
        for (const platform::DirectoryEntry& entry : *entries) names.append(DecodeName(entry.name));
    return names;
}

// The entries a description file gives: the item's full path, " - ", the description.
QStringList describedEntries(const QString& path, ImportFormat format, QByteArrayView bytes,
                             const LineDecoder& decode) {
    const QString folder = platform::NormalizedDirectory(QFileInfo(path).absolutePath());
    const import_detail::FolderNames names(folderNames(folder));
    const auto isItem = [&names](const QString& name) { return names.holds(name); };
    const QList<import_detail::Described> described =
        format == ImportFormat::DescriptIon ? import_detail::ReadDescriptIon(bytes, decode)
                                            : import_detail::ReadFilesBbs(bytes, isItem, decode);
    QStringList entries;
    entries.reserve(described.size());
    for (const import_detail::Described& item : described)
        entries.append(platform::JoinPath(folder, import_detail::RealName(item.name, names)) +
                       QStringLiteral(" - ") + item.description);
    return entries;
}

// A DESCRIPT.ION's text alone: what follows a 0x04 byte on a line is another program's data.
QByteArray withoutTails(QByteArrayView bytes) {
    if (!bytes.contains('\x04')) return bytes.toByteArray();
    QByteArray text;
    ForEachLogLine(bytes, [&text](QByteArrayView line) {
        text += line.first(line.contains('\x04') ? line.indexOf('\x04') : line.size());
        text += '\n';
    });
    return text;
}

// Those of `wanted` that `logLines` holds; the log may be large, the import is not.
QSet<QString> alreadyThere(const QSet<QString>& wanted, const QStringList& logLines) {
    QSet<QString> there;
    for (const QString& line : logLines)
        if (wanted.contains(line)) there.insert(line);
    return there;
}

}  // namespace

ImportFormat ImportFormatOf(const QString& path) {
    const QString name = QFileInfo(path).fileName().toLower();
    if (name == u"descript.ion" || name == u".descript.ion") return ImportFormat::DescriptIon;
    if (name == u"files.bbs") return ImportFormat::FilesBbs;
    return ImportFormat::Log;
}

QString ImportFormatName(ImportFormat format) {
    switch (format) {
        case ImportFormat::DescriptIon:
            return QStringLiteral("DESCRIPT.ION");
        case ImportFormat::FilesBbs:
            return QStringLiteral("FILES.BBS");
        case ImportFormat::Log:
            break;
    }
    //: The format of an imported file that is this program's log or its text export.
    return QCoreApplication::translate("NoteImport", "log");
}

QStringList ImportPlan::entries() const {
    QStringList all;
    for (const ImportFile& file : files) all += file.entries;
    return all;
}

ImportPlan PlanImport(QStringList paths, const QStringList& logLines, const QString& logPath,
                      const CodePages& chosen) {
    const QString log = QFileInfo(logPath).canonicalFilePath();
    for (QString& path : paths) path = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    std::sort(paths.begin(), paths.end());
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());

    ImportPlan plan;
    QList<QStringList> candidates;
    QSet<QString> wanted;
    for (const QString& path : std::as_const(paths)) {
        ImportFile file{path, ImportFormatOf(path), {}, {}, {}};
        QStringList entries;
        if (!log.isEmpty() && QFileInfo(path).canonicalFilePath() == log) {
            file.skipped = QCoreApplication::translate("NoteImport", "it is the log itself");
        } else if (const std::optional<QByteArray> bytes = readFile(path, file.skipped)) {
            // A log holds lines from several machines: those in UTF-8 stay so.
            const bool byLine = file.format == ImportFormat::Log;
            // A code page the user chose needs no detection: a change in the preview reads
            // the file once.
            if (const auto choice = chosen.find(path); choice != chosen.end())
                file.codePage = {*choice, false};
            else
                file.codePage = ChooseCodePage(
                    file.format == ImportFormat::DescriptIon ? withoutTails(*bytes) : *bytes,
                    byLine);
            const LineDecoder decode(file.codePage.name, byLine);
            if (file.format != ImportFormat::Log) {
                entries = describedEntries(path, file.format, *bytes, decode);
            } else if (auto lines = import_detail::ReadLogEntries(*bytes, decode)) {
                entries = std::move(*lines);
            } else {
                file.skipped = QCoreApplication::translate("NoteImport", "not a log");
            }
        }
        for (const QString& entry : std::as_const(entries)) wanted.insert(entry);
        candidates.append(std::move(entries));
        plan.files.append(std::move(file));
    }

    const QSet<QString> inLog = alreadyThere(wanted, logLines);
    QSet<QString> taken;
    for (qsizetype i = 0; i < plan.files.size(); ++i) {
        for (const QString& entry : std::as_const(candidates[i])) {
            if (inLog.contains(entry)) {
                ++plan.alreadyInLog;
            } else if (taken.contains(entry)) {
                ++plan.repeated;
            } else {
                taken.insert(entry);
                plan.files[i].entries.append(entry);
            }
        }
    }
    return plan;
}

QStringList NewEntries(const QStringList& entries, const QStringList& logLines) {
    QSet<QString> taken = alreadyThere(QSet<QString>(entries.begin(), entries.end()), logLines);
    QStringList fresh;
    for (const QString& entry : entries)
        if (!taken.contains(entry)) taken.insert(entry), fresh.append(entry);
    return fresh;
}

namespace import_detail {

std::optional<QStringList> ReadLogEntries(QByteArrayView bytes, const LineDecoder& decode) {
    QStringList entries;
    qsizetype seen = 0;
    bool isLog = false;
    ForEachLogLine(withoutBom(bytes), [&](QByteArrayView line) {
        if (seen++ < kLogSniffLines && line.contains(QByteArrayView(" - "))) isLog = true;
        // A line of blanks alone describes nothing; a stray byte-order mark decodes to nothing.
        QString entry = decode(line);
        if (std::any_of(entry.cbegin(), entry.cend(), [](QChar c) { return !isBlank(c); }))
            entries.append(std::move(entry));
    });
    if (!isLog) return std::nullopt;
    return entries;
}

QList<Described> ReadDescriptIon(QByteArrayView bytes, const LineDecoder& decode) {
    QList<Described> described;
    ForEachLogLine(withoutBom(bytes), [&](QByteArrayView raw) {
        const qsizetype tail = raw.indexOf('\x04');
        const bool multiLine = tail >= 0 && tail + 1 < raw.size() && raw[tail + 1] == '\xC2';
        const QString line = decode(tail >= 0 ? raw.first(tail) : raw);
        QString name;
        qsizetype rest = 0;
        if (line.startsWith(u'"')) {
            const qsizetype close = line.indexOf(u'"', 1);
            if (close < 0) return;
            name = line.mid(1, close - 1);
            rest = close + 1;
        } else {
            while (rest < line.size() && !isBlank(line[rest])) ++rest;
            name = line.left(rest);
        }
        const qsizetype start = skipBlanks(line, rest);
        if (name.isEmpty() || start == line.size()) return;
        QString description = line.mid(start);
        // An entry is one line.
        if (multiLine) description.replace(QStringLiteral("\\n"), QStringLiteral(" "));
        described.append({name, description});
    });
    return described;
}

QList<Described> ReadFilesBbs(QByteArrayView bytes,
                              const std::function<bool(const QString&)>& isItem,
                              const LineDecoder& decode) {
    QList<Described> described;
    bool open = false;  // continuation lines have a description to go on
    const auto close = [&] {
        if (open && described.last().description.isEmpty()) described.removeLast();
        open = false;
    };
    ForEachLogLine(withoutBom(bytes), [&](QByteArrayView raw) {
        const QString line = decode(raw);
        if (line.isEmpty()) return;
        const QChar first = line[0];
        if (isBlank(first) || first == u'|' || first == u'+') {
            if (!open) return;
            // The marker may follow the indent: "    | more" as well as "| more".
            qsizetype start = skipBlanks(line, 0);
            if (start < line.size() && (line[start] == u'|' || line[start] == u'+'))
                start = skipBlanks(line, start + 1);
            const QString more = line.mid(start).trimmed();
            if (more.isEmpty()) return;
            QString& description = described.last().description;
            if (!description.isEmpty()) description += u' ';
            description += more;
            return;
        }
        close();
        qsizetype end = 0;
        while (end < line.size() && !isBlank(line[end])) ++end;
        const QString name = line.left(end);
        if (!looksLikeFileName(name) && !isItem(name)) return;  // a heading, a rule
        described.append({name, line.mid(skipBlanks(line, end))});
        open = true;
    });
    close();
    return described;
}

FolderNames::FolderNames(const QStringList& names) {
    exact_.reserve(names.size());
    folded_.reserve(names.size());
    for (const QString& name : names) {
        exact_.insert(name);
        // Case folding here is letter by letter, as comparing without case is.
        const QString key = name.toCaseFolded();
        if (const auto at = folded_.find(key); at == folded_.end())
            folded_.insert(key, name);
        else
            *at = QString();  // more than one: none is the one meant
    }
}

bool FolderNames::holds(const QString& name) const { return folded_.contains(name.toCaseFolded()); }

QString RealName(const QString& name, const FolderNames& names) {
    if (names.exact_.contains(name)) return name;
    const QString match = names.folded_.value(name.toCaseFolded());
    return match.isNull() ? name : match;
}

}  // namespace import_detail

}  // namespace kivra
