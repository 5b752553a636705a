#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/entry_log.h"

namespace kivra {

// Which items the log describes, for the lists. A line describes an item when it begins with the
// item's full path (a directory's with or without its trailing separator) followed by " - ";
// when a line begins with the paths of two items beside each other, the longer one has it. Each
// line is filed once under the directory of each path it may begin with, so a listing looks up
// its own directory and never searches the log. Lines are matched as text, as the lists show
// names (stray bytes as Windows-1252 letters); Windows paths ignore case.
class DescriptionIndex {
public:
    struct Item {
        QString name;
        bool isDirectory = false;
    };
    // One line that describes an item.
    struct Hit {
        qint64 start;    // of the line in the index's text
        qint32 name;     // where the item's name begins in the line
        qint32 pathEnd;  // where " - " follows the path
    };
    using Hits = std::vector<Hit>;

    // Reads the log; a missing log is an empty index.
    LogResult load(const QString& logFile);
    // Lines in the log's format, as an append adds them.
    void addBytes(QByteArrayView bytes);

    // For each of `items` (the entries of `directory` as the lists show them), the lines that
    // describe it, in the log's order. A root is looked up as an item of the directory "".
    std::vector<Hits> lookUp(const QString& directory, const QList<Item>& items) const;
    // The same for one directory by its full path.
    Hits lookUpDirectory(const QString& path) const;

    QString description(const Hit& hit) const;
    QStringList descriptions(const Hits& hits) const;

    qsizetype lineCount() const { return lines_; }

private:
    void fileLines(qsizetype from);

    // The log's lines as UTF-8, stray bytes decoded.
    QByteArray text_;
    QHash<QByteArray, Hits> byDirectory_;
    qsizetype lines_ = 0;
};

// The size and time of the log, to tell whether it changed since it was read.
struct LogStamp {
    qint64 size = -1;
    QDateTime modified;

    static LogStamp of(const QString& logFile);
    bool operator==(const LogStamp&) const = default;
};

// How a View Current entry's item stands on disk.
enum class ItemState { NotAPath, There, Gone, FolderGone };
// An entry is there when any path it begins with names an existing file or directory; the first
// one decides whether it is a path at all.
ItemState StateOfEntry(const QString& line);

}  // namespace kivra
