#include "core/description_index.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <algorithm>
#include <array>
#include <bit>

#include "core/name_decoding.h"
#include "platform/directory_reader.h"

namespace kivra {

namespace {

#ifdef Q_OS_WIN
constexpr char kSeparator = '\\';
constexpr qsizetype kRootLength = 3;  // "C:\"
constexpr bool kLogIsUtf8 = false;
#else
constexpr char kSeparator = '/';
constexpr qsizetype kRootLength = 1;
constexpr bool kLogIsUtf8 = true;
#endif
constexpr QByteArrayView kDash(" - ");
constexpr QByteArrayView kBom("\xEF\xBB\xBF");
constexpr int kLengthBits = 24;
constexpr quint64 kLengthMask = (quint64(1) << kLengthBits) - 1;
// PATH_MAX: no path is longer, so the rest of a long line is description and is not searched.
constexpr qsizetype kLongestPath = 4096;

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

// FNV-1a, so that each beginning of a line extends the hash of the one before it.
constexpr quint64 kHashStart = 0xcbf29ce484222325;
quint64 hashStep(quint64 state, char byte) { return (state ^ uchar(byte)) * 0x100000001b3; }
size_t hashFinish(quint64 h) {
    // FNV's low bits alone, which pick the bucket, spread poorly.
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccd;
    h ^= h >> 33;
    return size_t(h);
}

size_t hashOf(QByteArrayView path) {
#ifdef Q_OS_WIN
    const QByteArray key = folded(path);
    path = key;
#endif
    quint64 state = kHashStart;
    for (const char byte : path) state = hashStep(state, byte);
    return hashFinish(state);
}

// The hashes of a line's beginnings, in growing length: each costs only the bytes it adds.
class PrefixHashes {
public:
    explicit PrefixHashes(QByteArrayView line) : line_(line) {}
    size_t of(qsizetype length) {
#ifdef Q_OS_WIN
        return hashOf(line_.first(length));  // folding is not by bytes
#else
        for (; done_ < length; ++done_) state_ = hashStep(state_, line_[done_]);
        return hashFinish(state_);
#endif
    }

private:
    QByteArrayView line_;
    qsizetype done_ = 0;
    quint64 state_ = kHashStart;
};

// The part of a line where its paths can end, without the line end.
QByteArrayView pathRoom(QByteArrayView line) {
    line = line.first(std::min(line.size(), kLongestPath + kDash.size()));
    const auto end =
        std::find_if(line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; });
    return line.first(end - line.begin());
}

}  // namespace

LogResult DescriptionIndex::load(const QString& logFile) {
    QFile file;
    bool missing = false;
    if (const LogResult opened = OpenLogFile(file, logFile, QIODevice::ReadOnly, &missing); !opened)
        return opened;
    if (missing) return {};
    QByteArray bytes = file.readAll();
    if (text_.isEmpty() &&
        (entry_log_detail::isAscii(bytes) || (kLogIsUtf8 && bytes.isValidUtf8()))) {
        // Kept as read: the index then costs little more than the log itself.
        text_ = std::move(bytes);
        fileLines(0);
    } else {
        addBytes(bytes);
    }
    return {};
}

void DescriptionIndex::addBytes(QByteArrayView bytes) {
    // A log whose last line lacks its line end gets it, as AppendEntry gives it one too.
    if (!text_.isEmpty() && !text_.endsWith('\n') && !text_.endsWith('\r')) text_ += '\n';
    const qsizetype from = text_.size();
    if (entry_log_detail::isAscii(bytes) || (kLogIsUtf8 && bytes.isValidUtf8())) {
        text_ += bytes;
    } else {
        entry_log_detail::forEachLine(bytes, [this](QByteArrayView line) {
            text_ += entry_log_detail::decodeLine(line).toUtf8();
            text_ += '\n';
        });
    }
    fileLines(from);
}

void DescriptionIndex::fileLines(qsizetype from) {
    const QByteArrayView added = QByteArrayView(text_).sliced(from);
    // Lines may end in CR alone, or not at all: never fewer buckets than sixteen.
    const size_t lines = size_t(std::count_if(added.begin(), added.end(),
                                              [](char c) { return c == '\n' || c == '\r'; })) +
                         1;
    places_.reserve(places_.size() + lines);
    next_.reserve(next_.size() + lines);
    if (buckets_.empty() || buckets_.size() < (places_.size() + lines) / 2)
        rehash(std::bit_ceil(places_.size() + lines) / 2);
    const char* const base = text_.constData();
    // Filed a batch at a time, each bucket asked for as its hash is known: the buckets lie
    // scattered over memory and would otherwise be waited for one by one.
    struct Pending {
        quint64 place;
        size_t hash;
    };
    std::array<Pending, 32> batch;
    size_t pending = 0;
    const auto fileBatch = [&] {
        for (size_t k = 0; k < pending; ++k) file(batch[k].place, batch[k].hash);
        pending = 0;
    };
    lines_ += entry_log_detail::forEachLine(added, [&](QByteArrayView line) {
        // A byte-order mark an editor put in front of the log belongs to no path.
        if (line.data() == base && line.startsWith(kBom)) line = line.sliced(kBom.size());
        if (!isAbsolute(line)) return;
        const quint64 start = quint64(line.data() - base);
        const QByteArrayView room = pathRoom(line);
        PrefixHashes hashes(room);
        for (qsizetype dash = room.indexOf(kDash); dash >= 0;
             dash = room.indexOf(kDash, dash + 1)) {
            const size_t hash = hashes.of(trimmed(room.first(dash)).size());
#if defined(__GNUC__)
            __builtin_prefetch(&buckets_[hash & (buckets_.size() - 1)], 1);
#endif
            batch[pending++] = {start << kLengthBits | quint64(dash), hash};
            if (pending == batch.size()) fileBatch();
        }
    });
    fileBatch();
    // Appends by this window, and lines with many " - ", may outgrow the table.
    if (places_.size() > 4 * buckets_.size()) rehash(std::bit_ceil(places_.size()) / 2);
}

void DescriptionIndex::file(quint64 place, size_t hash) {
    quint32& bucket = buckets_[hash & (buckets_.size() - 1)];
    places_.push_back(place);
    next_.push_back(bucket);
    bucket = quint32(places_.size());
}

size_t DescriptionIndex::hashAt(quint64 place) const {
    const QByteArrayView line(text_.constData() + (place >> kLengthBits),
                              qsizetype(place & kLengthMask));
    return hashOf(trimmed(line));
}

void DescriptionIndex::rehash(size_t buckets) {
    buckets_.assign(std::max<size_t>(buckets, 16), 0);
    for (size_t i = 0; i < places_.size(); ++i) {
        quint32& bucket = buckets_[hashAt(places_[i]) & (buckets_.size() - 1)];
        next_[i] = bucket;
        bucket = quint32(i + 1);
    }
}

DescriptionIndex::Hits DescriptionIndex::lookUp(
    const QString& path, bool isDirectory,
    const std::function<bool(const QString&)>& exists) const {
    Hits hits;
    if (buckets_.empty()) return hits;
    const QByteArray wanted = path.toUtf8();
    const QByteArrayView item = trimmed(wanted);
    const QByteArray key = folded(item);
    for (quint32 i = buckets_[hashOf(item) & (buckets_.size() - 1)]; i != 0; i = next_[i - 1]) {
        const qint64 start = qint64(places_[i - 1] >> kLengthBits);
        const qint32 pathEnd = qint32(places_[i - 1] & kLengthMask);
        const QByteArrayView room = pathRoom(QByteArrayView(text_).sliced(start));
        const QByteArrayView begins = room.first(pathEnd);
        const bool directoryForm = trimmed(begins).size() != begins.size();
        if (directoryForm && !isDirectory) continue;
        if (folded(trimmed(begins)) != key) continue;  // another path in the same bucket
        // A longer path that begins the same line and exists has the line.
        bool longerExists = false;
        for (qsizetype dash = room.indexOf(kDash, pathEnd + 1); dash > 0 && !longerExists;
             dash = room.indexOf(kDash, dash + 1))
            longerExists = exists(QString::fromUtf8(room.first(dash)));
        if (!longerExists) hits.push_back({start, pathEnd});
    }
    std::sort(hits.begin(), hits.end(),
              [](const Hit& a, const Hit& b) { return a.start < b.start; });
    return hits;
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
    QFile file;
    bool missing = false;
    if (!OpenLogFile(file, logFile, QIODevice::ReadOnly, &missing) || missing) return {};
    return {file.size(), file.fileTime(QFileDevice::FileModificationTime)};
}

bool ItemExists(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) return true;
    const QString folder = info.absolutePath();
    if (folder == path || info.fileName().isEmpty()) return false;
        // A name that is not valid UTF-8 is reached only through its folder's listing.
#ifdef Q_OS_WIN
    const auto entries = platform::ReadDirectory(folder.toUtf8());
#else
    const auto entries = platform::ReadDirectory(QFile::encodeName(folder));
#endif
    if (!entries) return false;
    const QString name = info.fileName();
    for (const platform::DirectoryEntry& entry : *entries)
        if (DecodeName(entry.name) == name) return true;
    return false;
}

ItemState StateOfEntry(const QString& line) {
    bool folderThere = false;
    const QLatin1StringView dash(kDash.data(), kDash.size());
    for (qsizetype at = line.indexOf(dash); at >= 0; at = line.indexOf(dash, at + 1)) {
        const QString path = line.left(at);
        if (!isAbsolute(path.toUtf8())) {
            if (at == line.indexOf(dash)) return ItemState::NotAPath;
            continue;
        }
        if (ItemExists(path)) return ItemState::There;
        const QString folder = QFileInfo(path).absolutePath();
        if (folder != path && QFileInfo::exists(folder)) folderThere = true;
    }
    return folderThere ? ItemState::Gone : ItemState::FolderGone;
}

EntryItem ItemOfEntry(const QString& line) {
    EntryItem item;
    const QLatin1StringView dash(kDash.data(), kDash.size());
    for (qsizetype at = line.indexOf(dash); at >= 0; at = line.indexOf(dash, at + 1)) {
        const QString path = line.left(at);
        if (!isAbsolute(path.toUtf8())) {
            if (item.path.isEmpty()) return item;
            continue;
        }
        if (ItemExists(path))
            item = {path, true};
        else if (item.path.isEmpty())
            item.path = path;
    }
    return item;
}

}  // namespace kivra
