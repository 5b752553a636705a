#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/entry_log.h"

namespace kivra {

// A file or directory at `path`, also one whose name the lists decode from bytes that are not
// valid UTF-8.
bool ItemExists(const QString& path);

// Which items the log describes, for the lists. A line describes an item when it begins with the
// item's full path (a directory's with or without its trailing separator) followed by " - ";
// when a line begins with the paths of two existing items, the longer one has it. Each path a
// line may begin with is filed by its hash, so looking up an item costs one hash look-up, whatever
// the size of the log or of the listing: the lists ask only for the rows they draw. Lines are
// matched as text, as the lists show names (stray bytes as Windows-1252 letters); Windows paths
// ignore case.
class DescriptionIndex {
public:
    // One line that describes an item.
    struct Hit {
        qint64 start;    // of the line in the index's text
        qint32 pathEnd;  // where " - " follows the path
    };
    using Hits = std::vector<Hit>;

    // Reads the log; a missing log is an empty index.
    LogResult load(const QString& logFile);
    // Lines in the log's format, as an append adds them.
    void addBytes(QByteArrayView bytes);

    // The lines that describe the item at `path` (as the lists show it), in the log's order;
    // `exists` tells whether a longer path a line begins with is there.
    Hits lookUp(const QString& path, bool isDirectory,
                const std::function<bool(const QString&)>& exists = ItemExists) const;

    QString description(const Hit& hit) const;
    QStringList descriptions(const Hits& hits) const;

    qsizetype lineCount() const { return lines_; }

private:
    void fileLines(qsizetype from);
    void file(quint64 place, size_t hash);
    void rehash(size_t buckets);
    size_t hashAt(quint64 place) const;

    // The log's lines as UTF-8, stray bytes decoded.
    QByteArray text_;
    // A chained hash table of the paths lines begin with. Each place is a line's start (40 bits)
    // and its path's length (24 bits): with the chain and the bucket, a million lines cost about
    // 16 MB beside their text.
    std::vector<quint64> places_;
    std::vector<quint32> next_;     // in places_, plus one; 0 ends a chain
    std::vector<quint32> buckets_;  // the same, by hash; a power of two long
    qsizetype lines_ = 0;
};

// The size and time of the log, to tell whether it changed since it was read.
struct LogStamp {
    qint64 size = -1;
    QDateTime modified;

    static LogStamp of(const QString& logFile);
    bool operator==(const LogStamp&) const = default;
};

// Whether the text before an entry's first " - " is an absolute path; the disk is not asked.
bool BeginsWithPath(const QString& line);

// How a View Current entry's item stands on disk.
enum class ItemState { NotAPath, There, Gone, FolderGone };
// An entry is there when any path it begins with names an existing file or directory; the first
// one decides whether it is a path at all.
ItemState StateOfEntry(const QString& line);

// The item an entry describes: the longest path it begins with that exists, as the marks decide;
// else its first path, marked gone. An empty path when it begins with none.
struct EntryItem {
    QString path;
    bool exists = false;
};
EntryItem ItemOfEntry(const QString& line);

}  // namespace kivra
