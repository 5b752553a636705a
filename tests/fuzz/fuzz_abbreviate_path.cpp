// The first two bytes choose the width and, by the width's lowest bit, the letter case; the rest
// is the path.
#include <QList>
#include <QString>
#include <cstring>

#include "core/abbreviate_path.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    int16_t width;
    std::memcpy(&width, data, 2);
    const QString given = QString::fromUtf8(reinterpret_cast<const char*>(data) + 2,
                                            static_cast<qsizetype>(size - 2));
    const bool lower = width & 1;
    const QString result = kivra::AbbreviatePath(
        given, width, lower ? kivra::LabelCase::Lower : kivra::LabelCase::Kept);
    // Measured and cut as cased: lower-casing may lengthen it.
    const QString path = lower ? given.toLower() : given;
    if (path.size() <= width) {
        check(result == path);
        return 0;
    }
    // Three code points, a lone surrogate counting as one.
    qsizetype root = 1;
    if (!path.startsWith(u'/')) {
        while (root < path.size() && QStringView(path).first(root).toUcs4().size() < 3) ++root;
        if (root < path.size() && path[root].isLowSurrogate() && path[root - 1].isHighSurrogate())
            ++root;
    }
    const QString front = path.left(root) + QStringLiteral("...");
    check(result.startsWith(front));
    const QString tail = result.mid(front.size());
    check(path.endsWith(tail));
    check(tail.isEmpty() || tail[0] == u'\\' || tail[0] == u'/');
    if (width >= 7) check(result.size() <= width + 2);
    return 0;
}
