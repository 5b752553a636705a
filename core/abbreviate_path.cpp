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

}  // namespace

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
