#include "core/undo_record.h"

#include <QList>

namespace kivra {

namespace {

constexpr QByteArrayView kTag = "kivra32-undo";

std::optional<qint64> count(const QByteArray& field) {
    // Digits alone: no sign, no blanks, nothing a number parser would forgive.
    if (field.isEmpty() || field.size() > 18) return std::nullopt;
    for (const char c : field)
        if (c < '0' || c > '9') return std::nullopt;
    return field.toLongLong();
}

}  // namespace

QByteArray UndoRecord::encode() const {
    return kTag.toByteArray() + (kind == Kind::Import ? " import " : " entry ") +
           QByteArray::number(entries) + ' ' + QByteArray::number(before) + ' ' +
           QByteArray::number(after) + ' ' + began.toUTC().toString(Qt::ISODateWithMs).toLatin1() +
           '\n';
}

std::optional<UndoRecord> UndoRecord::parse(QByteArrayView bytes) {
    if (!bytes.endsWith('\n')) return std::nullopt;
    const QList<QByteArray> fields = bytes.chopped(1).toByteArray().split(' ');
    if (fields.size() != 6 || fields[0] != kTag) return std::nullopt;
    UndoRecord record;
    if (fields[1] == "import")
        record.kind = Kind::Import;
    else if (fields[1] != "entry")
        return std::nullopt;
    const std::optional<qint64> entries = count(fields[2]), before = count(fields[3]),
                                after = count(fields[4]);
    record.began = QDateTime::fromString(QString::fromLatin1(fields[5]), Qt::ISODateWithMs);
    // Years a record can be written in, so its time reads back as written.
    const int year = record.began.toUTC().date().year();
    if (!entries || !before || !after || *entries < 1 || *after < *before ||
        !record.began.isValid() || year < 2000 || year > 9999)
        return std::nullopt;
    record.entries = *entries;
    record.before = *before;
    record.after = *after;
    return record;
}

}  // namespace kivra
