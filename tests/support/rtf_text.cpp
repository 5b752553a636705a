#include "support/rtf_text.h"

#include <QRegularExpression>

namespace kivra::test {

RtfText ReadRtfText(const QByteArray& rtf) {
    static const QRegularExpression word(R"(\\([a-z]+)(-?\d+)? ?)");
    RtfText result;
    QString current;
    int depth = 0;
    int skipDepth = 0;  // inside the font table
    bool closed = false;
    const QString text = QString::fromLatin1(rtf);
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (closed && c != u'\r' && c != u'\n') return {};
        if (c == u'{' || c == u'}') {
            depth += c == u'{' ? 1 : -1;
            if (depth < 0) return {};
            if (skipDepth > depth) skipDepth = 0;
            closed = depth == 0;
            ++i;
        } else if (c == u'\r' || c == u'\n') {
            ++i;
        } else if (c != u'\\') {
            if (!skipDepth) current += c;
            ++i;
        } else if (i + 1 < text.size() && QStringLiteral("\\{}").contains(text[i + 1])) {
            if (!skipDepth) current += text[i + 1];
            i += 2;
        } else {
            const auto match = word.match(text, i, QRegularExpression::NormalMatch,
                                          QRegularExpression::AnchorAtOffsetMatchOption);
            if (!match.hasMatch()) return {};
            i += match.capturedLength();
            const QString name = match.captured(1);
            if (name == u"fonttbl") skipDepth = depth;
            if (skipDepth) continue;
            if (name == u"par") {
                result.paragraphs.append(current);
                current.clear();
            } else if (name == u"tab") {
                current += u'\t';
            } else if (name == u"u") {
                current += QChar(static_cast<char16_t>(match.captured(2).toInt()));
                ++i;  // the fallback character
            }
        }
    }
    result.ok = closed && current.isEmpty();
    return result;
}

}  // namespace kivra::test
