#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QStringList>
#include <optional>

namespace kivra {

// What an append keeps beside the log while it writes: the log's size before it and after it,
// what it appends and when it began. An opening that finds one a dead copy left takes the log
// back to `before`.
struct UndoRecord {
    enum class Kind { Entry, Import };

    qint64 before = 0;
    qint64 after = 0;
    qint64 entries = 0;
    Kind kind = Kind::Entry;
    QDateTime began;

    // One line; a record cut short lacks its line end and is no record.
    QByteArray encode() const;
    static std::optional<UndoRecord> parse(QByteArrayView bytes);
    bool operator==(const UndoRecord&) const = default;
};

// What openings of any log have mended since the last call (an append a dead copy left cut short,
// taken back), each to be told once.
QStringList TakeLogNotices();

}  // namespace kivra
