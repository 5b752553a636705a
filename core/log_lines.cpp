#include "core/log_lines.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <cstring>

#include "core/byte_scan.h"
#include "core/name_decoding.h"

namespace kivra {

namespace {

// ForEachLogLine's loop, with the call to `visit` inlined where the caller is here.
template <typename Visit>
qsizetype visitLines(QByteArrayView bytes, Visit&& visit) {
    if (bytes.isEmpty()) return 0;  // data() may be null
    const char* const end = bytes.data() + bytes.size();
    qsizetype count = 0;
    for (const char* start = bytes.data(); start < end;) {
        const char* const stop = FindLineEnd(start, end);
        ++count;
        visit(QByteArrayView(start, stop - start));
        if (stop == end) break;
        start = stop + (*stop == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
    }
    return count;
}

}  // namespace

QString DecodeLogLine(QByteArrayView line) {
    if (IsAscii(line)) return QString::fromLatin1(line);
    static thread_local QStringDecoder system(QStringConverter::System,
                                              QStringConverter::Flag::Stateless);
    static thread_local QStringDecoder windows1252("windows-1252",
                                                   QStringConverter::Flag::Stateless);
    // Asked of the decoder itself: its name says "Locale" rather than what it decodes.
    static const bool systemIsUtf8 =
        QString(QStringDecoder(QStringConverter::System).decode(QByteArrayView("\xC3\xA9"))) ==
        u"\u00E9";
    // Byte-order marks in front go, every one of them, valid line or not: a line written back
    // then reads as it did.
    while (line.startsWith("\xEF\xBB\xBF")) line = line.sliced(3);
    system.resetState();
    QString text = system.decode(line);
    if (!system.hasError()) return text;
    const auto asWindows1252 = [](QByteArrayView bytes) -> QString {
        if (!windows1252.isValid()) return QString::fromLatin1(bytes);
        windows1252.resetState();
        return windows1252.decode(bytes);
    };
    // Valid sequences stay themselves; only the stray bytes are taken as Windows-1252, one by one,
    // as a line with a name typed elsewhere and an older description may mix them.
    return systemIsUtf8 ? DecodeName(line) : asWindows1252(line);
}

void EncodeLogLine(const QString& line, QByteArray& out) {
    static thread_local QStringEncoder system(QStringConverter::System,
                                              QStringConverter::Flag::Stateless);
    if (line.contains(u'\r') || line.contains(u'\n')) {
        QString oneLine = line;
        oneLine.replace(u'\r', u'?').replace(u'\n', u'?');
        out += system.encode(oneLine);
    } else {
        out += system.encode(line);
    }
    out += "\r\n";
}

void EncodeLogLine(QByteArrayView nativePath, const QString& rest, QByteArray& out) {
#ifdef Q_OS_WIN
    EncodeLogLine(QString::fromUtf8(nativePath) + rest, out);
#else
    const qsizetype from = out.size();
    out += nativePath;
    for (qsizetype i = from; i < out.size(); ++i)
        if (out[i] == '\r' || out[i] == '\n') out[i] = '?';
    EncodeLogLine(rest, out);
#endif
}

QString OneLine(QString text) {
    return text.replace(QLatin1StringView("\r\n"), QLatin1StringView(" "))
        .replace(u'\r', u' ')
        .replace(u'\n', u' ');
}

qsizetype ForEachLogLine(QByteArrayView bytes, const std::function<void(QByteArrayView)>& visit) {
    return visitLines(bytes, visit);
}

QStringList DecodeLogLines(QByteArrayView bytes) {
    QStringList lines;
    if (bytes.isEmpty()) return lines;
    lines.reserve(CountLineEnds(bytes) + 1);
    visitLines(bytes, [&lines](QByteArrayView line) { lines.append(DecodeLogLine(line)); });
    return lines;
}

std::optional<QStringList> ReadLogLines(QIODevice& device, qsizetype chunk) {
    // Read in chunks rather than whole: a large log then never sits in memory twice, as bytes
    // and as lines.
    QStringList lines;
    // Room for lines of 64 bytes, so a log of longer ones never moves the list as it grows.
    lines.reserve(qBound(qint64(0), device.size() / 64, qint64(1) << 24));
    const auto add = [&lines](QByteArrayView line) { lines.append(DecodeLogLine(line)); };
    QByteArray buffer(chunk, Qt::Uninitialized);
    qsizetype have = 0;
    for (;;) {
        if (have == buffer.size())
            buffer.resize(buffer.size() * 2);  // one line longer than a chunk
        const qint64 got = device.read(buffer.data() + have, buffer.size() - have);
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        have += got;
        // Only whole lines now; a CR at the very end may be the first half of a CR LF.
        qsizetype scan = buffer[have - 1] == '\r' ? have - 1 : have;
        qsizetype end = 0;
        while (scan > 0) {
            const char c = buffer[scan - 1];
            if (c == '\n' || c == '\r') {
                end = (c == '\r' && scan < have && buffer[scan] == '\n') ? scan + 1 : scan;
                break;
            }
            --scan;
        }
        if (end == 0) continue;
        visitLines(QByteArrayView(buffer.constData(), end), add);
        std::memmove(buffer.data(), buffer.constData() + end, have - end);
        have -= end;
    }
    visitLines(QByteArrayView(buffer.constData(), have), add);
    return lines;
}

}  // namespace kivra
