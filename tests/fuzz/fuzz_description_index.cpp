// The first byte decides which paths exist and how much of the log is read at a time, the rest is
// a log. Every path a line begins with is looked up, as a file and as a directory, and must find
// exactly the lines a plain scan finds, also in the index read from the log's file.
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include "core/description_index.h"
#include "fuzz_check.h"

static QByteArrayView withoutSeparator(QByteArrayView path) {
    return path.size() > 1 && path.endsWith('/') ? path.chopped(1) : path;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const QByteArrayView log(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    const auto exists = [seed = data[0]](const QString& path) {
        return qHash(path, seed) % 3 == 0;
    };
    kivra::DescriptionIndex index;
    index.addBytes(log);
    static const QTemporaryDir folder;
    const QString logFile = folder.filePath("KVtemp.dat");
    QFile file(logFile);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
          file.write(log.data(), log.size()) == log.size());
    file.close();
    kivra::DescriptionIndex read;
    check(bool(read.load(logFile, data[0] % 16 + 1)) && read.lineCount() == index.lineCount());
    QByteArrayList lines, names;
    kivra::ForEachLogLine(log, [&](QByteArrayView line) {
        if (line.data() == log.data() && line.startsWith("\xEF\xBB\xBF")) line = line.sliced(3);
        lines.append(line.isValidUtf8() ? line.toByteArray() : kivra::DecodeLogLine(line).toUtf8());
        for (qsizetype dash = lines.last().indexOf(" - "); dash >= 0 && names.size() < 64;
             dash = lines.last().indexOf(" - ", dash + 1))
            names << lines.last().first(dash) << lines.last().first(dash) + '/';
    });
    for (const QByteArray& bytes : std::as_const(names)) {
        const QString path = QString::fromUtf8(bytes);  // drops a leading byte-order mark
        const QByteArray name = path.toUtf8();
        for (const bool isDirectory : {false, true}) {
            QStringList expected;
            for (const QByteArray& line : std::as_const(lines)) {
                const QByteArrayView room = QByteArrayView(line).first(qMin(line.size(), 4096 + 3));
                qsizetype dash = room.startsWith('/') ? room.indexOf(" - ") : -1;
                while (dash >= 0 && withoutSeparator(room.first(dash)) != withoutSeparator(name))
                    dash = room.indexOf(" - ", dash + 1);
                if (dash < 0 || (room[dash - 1] == '/' && dash > 1 && !isDirectory)) continue;
                bool longer = false;  // a longer path that exists has the line
                for (qsizetype next = room.indexOf(" - ", dash + 1); next >= 0 && !longer;
                     next = room.indexOf(" - ", next + 1))
                    longer = exists(QString::fromUtf8(room.first(next)));
                if (!longer) expected.append(QString::fromUtf8(line.sliced(dash + 3)));
            }
            check(index.descriptions(index.lookUp(path, isDirectory, exists)) == expected);
            check(read.descriptions(read.lookUp(path, isDirectory, exists)) == expected);
        }
    }
    return 0;
}
