#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/entry_item.h"
#include "core/entry_log.h"

namespace kivra {

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

    // Reads the log, `slice` bytes at a time, so it is never held whole beside the index; of a line
    // longer than a megabyte only the start is kept. A missing log is an empty index.
    Result<void> load(const QString& logFile, qsizetype slice = qsizetype(1) << 22);
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
    // Room for about `lines` lines, made before they are filed.
    void expectLines(size_t lines);
    void fileLines(qsizetype from);
    void file(quint64 place, size_t hash);
    void rehash(size_t buckets);
    size_t hashAt(quint64 place) const;

    // The log's lines as UTF-8, stray bytes decoded.
    QByteArray text_;
    // A chained hash table of the paths lines begin with. Each place is a line's start (40 bits)
    // and its path's length (24 bits): with the chain and the bucket, a million lines cost about
    // 16 MB beside their text.
    // bench/run 'marks memory above no log' needs it: 1.20x (target 1.3x); a QMultiHash is 53 MB.
    std::vector<quint64> places_;
    std::vector<quint32> next_;     // in places_, plus one; 0 ends a chain
    std::vector<quint32> buckets_;  // the same, by hash; a power of two long
    qsizetype lines_ = 0;
};

}  // namespace kivra
