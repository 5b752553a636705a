#include "core/description_index.h"

#include <QFile>
#include <QFileInfo>

#include "core/name_decoding.h"
#include "platform/directory_reader.h"

namespace kivra {

namespace {

#ifdef Q_OS_WIN
constexpr char kSeparator = '\\';
constexpr qsizetype kRootLength = 3;  // "C:\"
constexpr bool kLogIsUtf8 = false;
#else
constexpr bool kLogIsUtf8 = true;
constexpr char kSeparator = '/';
constexpr qsizetype kRootLength = 1;
#endif
constexpr QByteArrayView kDash(" - ");

bool isAbsolute(QByteArrayView path) {
#ifdef Q_OS_WIN
    return path.size() >= 3 && path[1] == ':' && path[2] == '\\' && QChar::isLetter(path[0]);
#else
    return path.startsWith('/');
#endif
}

// The form a path is filed and looked up by.
QByteArray folded(QByteArrayView path) {
#ifdef Q_OS_WIN
    return QString::fromUtf8(path).toCaseFolded().toUtf8();
#else
    return path.toByteArray();
#endif
}

// A directory without its trailing separator, except at a root.
QByteArrayView trimmed(QByteArrayView path) {
    if (path.size() > kRootLength && path.endsWith(kSeparator)) path.chop(1);
    return path;
}

bool isRoot(QByteArrayView path) { return isAbsolute(path) && path.size() <= kRootLength; }

}  // namespace

LogResult DescriptionIndex::load(const QString& logFile) {
    QFile file(logFile);
    if (!file.exists()) return {};
    if (!file.open(QIODevice::ReadOnly))
        return LogResult::failure(QStringLiteral("%1: %2").arg(logFile, file.errorString()));
    addBytes(file.readAll());
    // Appends by this window come one at a time; a whole log's vectors keep no slack.
    for (Hits& hits : byDirectory_) hits.shrink_to_fit();
    return {};
}

void DescriptionIndex::addBytes(QByteArrayView bytes) {
    const qsizetype from = text_.size();
    // Valid UTF-8 is filed as it stands; other lines as the lists would show their names.
    if (entry_log_detail::isAscii(bytes) || (kLogIsUtf8 && bytes.isValidUtf8())) {
        text_ += bytes;
        if (!text_.isEmpty() && !text_.endsWith('\n') && !text_.endsWith('\r')) text_ += '\n';
    } else {
        entry_log_detail::forEachLine(bytes, [this](QByteArrayView line) {
            text_ += entry_log_detail::decodeLine(line).toUtf8();
            text_ += '\n';
        });
    }
    fileLines(from);
}

void DescriptionIndex::fileLines(qsizetype from) {
    const char* const base = text_.constData();
    QByteArray lastKey;
    Hits* lastHits = nullptr;
    lines_ +=
        entry_log_detail::forEachLine(QByteArrayView(text_).sliced(from), [&](QByteArrayView line) {
            if (!isAbsolute(line)) return;
            for (qsizetype dash = line.indexOf(kDash); dash > 0;
                 dash = line.indexOf(kDash, dash + 1)) {
                const QByteArrayView path = trimmed(line.first(dash));
                qsizetype parent = 0;
                qint32 name = 0;
                if (!isRoot(path)) {
                    const qsizetype cut = path.lastIndexOf(kSeparator);
                    parent = std::max(cut, kRootLength);
                    name = static_cast<qint32>(cut + 1);
                }
                // Lines of one directory tend to come together: hash its name once for them.
                const QByteArrayView key = path.first(parent);
                if (!lastHits || key != lastKey) {
                    lastKey = key.toByteArray();
                    lastHits = &byDirectory_[folded(key)];
                }
                lastHits->push_back({line.data() - base, name, static_cast<qint32>(dash)});
            }
        });
}

std::vector<DescriptionIndex::Hits> DescriptionIndex::lookUp(const QString& directory,
                                                             const QList<Item>& items) const {
    std::vector<Hits> result(items.size());
    const auto bucket = byDirectory_.constFind(folded(trimmed(directory.toUtf8())));
    if (bucket == byDirectory_.cend() || bucket->empty()) return result;
    QHash<QByteArray, qsizetype> byName;
    byName.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i) byName.insert(folded(items[i].name.toUtf8()), i);

    const Hits& hits = *bucket;
    for (size_t i = 0; i < hits.size();) {
        // The paths one line begins with come in a row, shortest first: the last that names an
        // item has the line.
        qsizetype owner = -1;
        Hit best{};
        const qint64 start = hits[i].start;
        for (; i < hits.size() && hits[i].start == start; ++i) {
            const Hit& hit = hits[i];
            const QByteArrayView path(text_.constData() + start, hit.pathEnd);
            const bool directoryForm = path.size() > kRootLength && path.endsWith(kSeparator);
            const auto item = byName.constFind(folded(trimmed(path).sliced(hit.name)));
            if (item == byName.cend()) continue;
            if (directoryForm && !items[*item].isDirectory) continue;
            owner = *item;
            best = hit;
        }
        if (owner >= 0) result[owner].push_back(best);
    }
    return result;
}

DescriptionIndex::Hits DescriptionIndex::lookUpDirectory(const QString& path) const {
    const QByteArray bytes = path.toUtf8();
    const QByteArrayView clean = trimmed(bytes);
    if (isRoot(clean)) return lookUp(QString(), {{path, true}}).front();
    const qsizetype cut = clean.lastIndexOf(kSeparator);
    const QString parent = QString::fromUtf8(clean.first(std::max(cut, kRootLength)));
    return lookUp(parent, {{QString::fromUtf8(clean.sliced(cut + 1)), true}}).front();
}

QString DescriptionIndex::description(const Hit& hit) const {
    const qsizetype from = hit.start + hit.pathEnd + kDash.size();
    qsizetype end = from;
    while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r') ++end;
    return QString::fromUtf8(QByteArrayView(text_).sliced(from, end - from));
}

QStringList DescriptionIndex::descriptions(const Hits& hits) const {
    QStringList texts;
    texts.reserve(hits.size());
    for (const Hit& hit : hits) texts.append(description(hit));
    return texts;
}

LogStamp LogStamp::of(const QString& logFile) {
    const QFileInfo info(logFile);
    if (!info.exists()) return {};
    return {info.size(), info.lastModified()};
}

namespace {

// Looks the name up among the directory's entries as the lists show them, when the path as text
// does not reach it (a name that is not valid UTF-8).
bool listedIn(const QString& directory, const QString& name) {
    const auto entries = platform::ReadDirectory(QFile::encodeName(directory));
    if (!entries) return false;
    for (const platform::DirectoryEntry& entry : *entries)
        if (DecodeName(entry.name).compare(name, Qt::CaseSensitive) == 0) return true;
    return false;
}

}  // namespace

ItemState StateOfEntry(const QString& line) {
    bool folderThere = false;
    for (qsizetype dash = line.indexOf(QLatin1StringView(kDash)); dash >= 0;
         dash = line.indexOf(QLatin1StringView(kDash), dash + 1)) {
        const QString path = line.left(dash);
        if (!isAbsolute(path.toUtf8())) {
            if (dash == line.indexOf(QLatin1StringView(kDash))) return ItemState::NotAPath;
            continue;
        }
        const QFileInfo info(path);
        if (info.exists()) return ItemState::There;
        const QString folder = info.absolutePath();
        if (folder == path || !QFileInfo::exists(folder)) continue;
        folderThere = true;
        if (listedIn(folder, info.fileName())) return ItemState::There;
    }
    return folderThere ? ItemState::Gone : ItemState::FolderGone;
}

}  // namespace kivra
