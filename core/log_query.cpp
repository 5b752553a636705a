#include "core/log_query.h"

#include <QDir>
#include <QIODevice>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "core/byte_scan.h"
#include "core/entry_table.h"
#include "core/text_fold.h"
#include "platform/native_path.h"

namespace kivra {

namespace {

constexpr char kPartSeparator[] = " - ";
// bench/run '--find, a word in 90%': a byte loop back to the line's start takes 1.4x grep -ci.
constexpr qsizetype kNear = 256;

}  // namespace

qsizetype ForEachLineForPath(QByteArrayView log, QByteArrayView path, bool under,
                             const LineVisitor& visit) {
    const char separator = QDir::separator().toLatin1();
    const QByteArrayView bare =
        path.endsWith(separator) && path.size() > 1 ? path.chopped(1) : path;
    QByteArray folder = bare.toByteArray();
    if (!folder.endsWith(separator)) folder += separator;
    const QByteArray exact = bare.toByteArray() + kPartSeparator;
    const QByteArray withSeparator = folder + kPartSeparator;
    qsizetype count = 0;
    ForEachLogLine(log, [&](QByteArrayView line) {
        if (line.startsWith(exact) ||
            (under ? line.startsWith(folder) : line.startsWith(withSeparator))) {
            visit(line, false);
            ++count;
        }
    });
    return count;
}

qsizetype ForEachLineHolding(QByteArrayView log, const QString& words, const LineVisitor& visit,
                             qsizetype block) {
    const std::vector<QByteArray> folded = EntryTable::findWords(words);
    if (folded.empty()) return 0;
    // Folding keeps every ASCII letter, so a word that folds to more is in no ASCII line.
    const bool asciiWords =
        std::all_of(folded.begin(), folded.end(), [](const QByteArray& w) { return IsAscii(w); });
    const auto holdsAll = [&folded](QByteArrayView text) {
        return std::all_of(folded.begin(), folded.end(),
                           [text](const QByteArray& w) { return FindLowered(text, w) >= 0; });
    };
    QByteArray key;
    qsizetype count = 0;
    const auto check = [&](QByteArrayView line) {
        const bool ascii = IsAscii(line);
        if (ascii) {
            if (!asciiWords || !holdsAll(line)) return;
        } else {
            key.clear();
            AppendFolded(DecodeLogLine(line), key);
            if (!holdsAll(key)) return;
        }
        visit(line, ascii);
        ++count;
    };
    // A block of ASCII lines is searched through at once for the longest word, as View
    // Current's find does; a block with any other byte line by line.
    const char* const end = log.data() + log.size();
    for (const char* from = log.data(); from < end;) {
        const char* to = FindLineEnd(from + std::min<qsizetype>(block, end - from), end);
        if (to < end) to += (to[0] == '\r' && to + 1 < end && to[1] == '\n') ? 2 : 1;
        const QByteArrayView lines(from, to);
        from = to;
        if (!IsAscii(lines)) {
            ForEachLogLine(lines, check);
            continue;
        }
        if (!asciiWords) continue;
        for (const char* at = lines.data(); at < to;) {
            const qsizetype hit = FindLowered(QByteArrayView(at, to), folded.front());
            if (hit < 0) break;
            // The line began after the last line end before the hit, at `at` at the earliest:
            // sought forward sixteen bytes at a time when the hit is near, else back from it.
            const char* start = at;
            if (hit <= kNear) {
                for (const char* e; (e = FindLineEnd(start, at + hit)) < at + hit;) start = e + 1;
            } else {
                start = at + hit;
                while (start > at && start[-1] != '\r' && start[-1] != '\n') --start;
            }
            const char* const stop = FindLineEnd(at + hit, to);
            const QByteArrayView line(start, stop);
            if (std::all_of(folded.begin() + 1, folded.end(),
                            [line](const QByteArray& w) { return FindLowered(line, w) >= 0; })) {
                visit(line, true);
                ++count;
            }
            // Past its terminator: the next line starts there, with no line end to look for.
            at = stop < to && stop[0] == '\r' && stop + 1 < to && stop[1] == '\n' ? stop + 2
                 : stop < to                                                      ? stop + 1
                                                                                  : stop;
        }
    }
    return count;
}

qsizetype ForEachPieceOfLines(QIODevice& in, qsizetype piece,
                              const std::function<qsizetype(QByteArrayView lines)>& search) {
    // Not zeroed: a script's find in a short log would pay for a piece's pages that no byte
    // reaches.
    size_t room = size_t(piece);
    auto buffer = std::make_unique_for_overwrite<char[]>(room);
    qsizetype kept = 0, count = 0;
    for (bool atEnd = false; !atEnd;) {
        if (room < size_t(kept + piece)) {
            room = std::max(2 * room, size_t(kept + piece));
            auto grown = std::make_unique_for_overwrite<char[]>(room);
            std::memcpy(grown.get(), buffer.get(), size_t(kept));
            buffer = std::move(grown);
        }
        const qint64 got = in.read(buffer.get() + kept, piece);
        if (got < 0) return -1;
        atEnd = got == 0;
        const QByteArrayView have(buffer.get(), kept + got);
        // A CR that ends the piece may be the first half of a CR LF.
        qsizetype cut = have.size();
        if (!atEnd) {
            cut = have.lastIndexOf('\n') + 1;
            if (cut == 0) cut = have.first(have.size() - 1).lastIndexOf('\r') + 1;
        }
        count += search(have.first(cut));
        kept = have.size() - cut;
        std::memmove(buffer.get(), buffer.get() + cut, size_t(kept));
    }
    return count;
}

void AppendScriptLine(QByteArrayView line, bool ascii, char end, std::string& out) {
    QByteArray decoded;
    if (!ascii && !IsAscii(line)) line = decoded = DecodeLogLine(line).toUtf8();
    // A std::string's append, inlined, not QByteArray's: the lines of a large find pass here.
    out.append(line.data(), size_t(line.size()));
    out.push_back(end);
}

QByteArray RecordedPath(const QByteArray& argument) {
    QByteArray path = platform::AbsoluteNativePath(argument);
    const char separator = QDir::separator().toLatin1();
    if (!path.endsWith(separator) && platform::IsReadableDirectory(path)) path += separator;
    return path;
}

}  // namespace kivra
