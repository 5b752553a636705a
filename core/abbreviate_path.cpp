#include "core/abbreviate_path.h"

#include <algorithm>

namespace kivra {

namespace {

bool isSeparator(QChar c) { return c == u'\\' || c == u'/'; }

// What stays in front of "...": "C:\" for a drive path, "/" for a POSIX path, else the first
// three characters.
qsizetype rootLength(const QString& path) {
    if (path.startsWith(u'/')) return 1;
    // Three code points: a surrogate pair is never split.
    qsizetype length = 0;
    for (int kept = 0; kept < 3 && length < path.size(); ++kept)
        length += path[length].isHighSurrogate() && length + 1 < path.size() &&
                          path[length + 1].isLowSurrogate()
                      ? 2
                      : 1;
    return length;
}

// The name's extension, up to two short parts (".tar.gz"); none for a name that is all extension.
qsizetype extensionStart(QStringView name) {
    qsizetype start = name.size();
    for (int parts = 0; parts < 2; ++parts) {
        const qsizetype dot = name.lastIndexOf(u'.', start - 1);
        if (dot <= 0 || start - dot > 5) break;
        start = dot;
    }
    return start;
}

}  // namespace

QString FitPath(const QString& original, int chars, int width,
                const std::function<int(QStringView)>& measure, LabelCase letterCase) {
    const QString path = letterCase == LabelCase::Lower ? original.toLower() : original;
    const QString shortened = AbbreviatePath(path, chars, LabelCase::Kept);
    qsizetype nameStart = path.size();
    while (nameStart > 0 && !isSeparator(path[nameStart - 1])) --nameStart;
    const QStringView name = QStringView(path).mid(nameStart);
    if (name.isEmpty() || nameStart == 0 ||
        (shortened.endsWith(name) && measure(shortened) <= width))
        return shortened;
    const QString front = path.left(rootLength(path)) + QStringLiteral("...") + path[nameStart - 1];
    const qsizetype extension = extensionStart(name);
    const QStringView stem = name.first(extension), tail = name.mid(extension);
    const auto elided = [&](qsizetype kept) {
        // A surrogate pair is never split.
        qsizetype head = (kept + 1) / 2, back = stem.size() - kept / 2;
        if (head > 0 && stem[head - 1].isHighSurrogate()) --head;
        if (back < stem.size() && stem[back].isLowSurrogate()) ++back;
        QString text = front;
        text.append(stem.first(head)).append(u'…').append(stem.mid(back)).append(tail);
        return text;
    };
    if (const QString whole = front + name.toString(); measure(whole) <= width) return whole;
    // The most of the stem that fits, found by halving.
    qsizetype low = 0, high = stem.size() - 1;
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (measure(elided(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return elided(low);
}

QString AbbreviatePath(const QString& original, int width, LabelCase letterCase) {
    // Cased before it is measured: lower-casing may lengthen it ("İ" becomes two code units).
    const QString path = letterCase == LabelCase::Lower ? original.toLower() : original;
    const qsizetype n = path.size();
    if (n <= width) return path;

    const qsizetype root = rootLength(path);
    // Counted from 1 as in the label's design: s = n - (w - root - 3). Never before the end of the
    // root, so the kept front and the tail cannot overlap even for tiny widths.
    const qsizetype first = std::max<qsizetype>(n - (width - root - 3), root + 1);
    qsizetype p = n + 1;
    for (qsizetype i = first; i <= n; ++i) {
        if (isSeparator(path[i - 1])) {
            p = i;
            break;
        }
    }
    QString result = path.left(root) + QStringLiteral("...");
    if (p <= n) result += QStringView(path).mid(p - 1);
    return result;
}

}  // namespace kivra
