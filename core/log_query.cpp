#include "core/log_query.h"

#include <QDir>
#include <vector>

#include "core/byte_scan.h"
#include "core/entry_table.h"
#include "platform/native_path.h"

namespace kivra {

namespace {

constexpr char kPartSeparator[] = " - ";

void appendLine(QByteArrayView line, char end, QByteArray& out) {
    if (IsAscii(line))
        out += line;
    else
        out += DecodeLogLine(line).toUtf8();
    out += end;
}

}  // namespace

QByteArray LinesForPath(const EntryTable& table, QByteArrayView path, bool under, char end,
                        qsizetype& count) {
    const char separator = QDir::separator().toLatin1();
    const QByteArrayView bare =
        path.endsWith(separator) && path.size() > 1 ? path.chopped(1) : path;
    QByteArray folder = bare.toByteArray();
    if (!folder.endsWith(separator)) folder += separator;
    const QByteArray exact = bare.toByteArray() + kPartSeparator;
    const QByteArray withSeparator = folder + kPartSeparator;
    QByteArray out;
    count = 0;
    for (quint32 i = 0; i < table.size(); ++i) {
        const QByteArrayView line = table.line(i);
        if (line.startsWith(exact) ||
            (under ? line.startsWith(folder) : line.startsWith(withSeparator))) {
            appendLine(line, end, out);
            ++count;
        }
    }
    return out;
}

QByteArray LinesHolding(const EntryTable& table, const QString& words, char end, qsizetype& count) {
    std::vector<char> holds(table.size());
    table.find(EntryTable::findWords(words), 0, table.size(), holds);
    QByteArray out;
    count = 0;
    for (quint32 i = 0; i < table.size(); ++i) {
        if (!holds[i]) continue;
        appendLine(table.line(i), end, out);
        ++count;
    }
    return out;
}

QByteArray RecordedPath(const QByteArray& argument) {
    QByteArray path = platform::AbsoluteNativePath(argument);
    const char separator = QDir::separator().toLatin1();
    if (!path.endsWith(separator) && platform::IsReadableDirectory(path)) path += separator;
    return path;
}

}  // namespace kivra
