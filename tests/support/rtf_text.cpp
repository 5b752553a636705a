#include "support/rtf_text.h"

#include <QList>
#include <QStringDecoder>

namespace kivra::test {

namespace {

struct Group {
    bool skip = false;
    int fallbackChars = 1;  // \ucN
};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

const QStringList kDestinations = {"fonttbl", "colortbl", "stylesheet", "info", "pict",
                                   "header", "footer", "generator"};

}  // namespace

RtfText ReadRtfText(const QByteArray& rtf) {
    RtfText result;
    QList<Group> groups;
    QString current;
    QStringDecoder windows1252("windows-1252");
    int toSkip = 0;  // fallback characters still to drop after a \uN
    bool closedOuter = false;

    auto fail = [&](const QString& why) {
        result.ok = false;
        result.error = why;
        return result;
    };
    auto emitText = [&](const QString& text) {
        if (groups.isEmpty() || groups.last().skip) return;
        current += text;
    };

    const qsizetype n = rtf.size();
    for (qsizetype i = 0; i < n;) {
        const char c = rtf[i];
        if (closedOuter) {
            if (c == '\r' || c == '\n' || c == '\0') {
                ++i;
                continue;
            }
            return fail(QStringLiteral("text after the outer group at %1").arg(i));
        }
        if (c == '{') {
            Group g = groups.isEmpty() ? Group{} : groups.last();
            groups.append(g);
            toSkip = 0;
            ++i;
            continue;
        }
        if (c == '}') {
            if (groups.isEmpty()) return fail(QStringLiteral("unbalanced } at %1").arg(i));
            groups.removeLast();
            if (groups.isEmpty()) closedOuter = true;
            toSkip = 0;
            ++i;
            continue;
        }
        if (groups.isEmpty()) return fail(QStringLiteral("text before the outer group"));
        if (c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c != '\\') {
            if (toSkip > 0) {
                --toSkip;
            } else {
                emitText(QString(QChar(static_cast<uchar>(c) < 0x80 ? c : '?')));
                if (static_cast<uchar>(c) >= 0x80) return fail(QStringLiteral("8-bit byte in RTF"));
            }
            ++i;
            continue;
        }
        // A control word or symbol.
        if (i + 1 >= n) return fail(QStringLiteral("lone backslash at the end"));
        const char s = rtf[i + 1];
        if (!isLetter(s)) {
            i += 2;
            QString symbol;
            if (s == '\\' || s == '{' || s == '}') {
                symbol = QChar(s);
            } else if (s == '~') {
                symbol = QChar(0xA0);
            } else if (s == '\'') {
                if (i + 2 > n) return fail(QStringLiteral("short \\'"));
                bool okHex = false;
                const int byte = rtf.mid(i, 2).toInt(&okHex, 16);
                if (!okHex) return fail(QStringLiteral("bad \\' at %1").arg(i));
                i += 2;
                const char b = static_cast<char>(byte);
                symbol = windows1252.decode(QByteArrayView(&b, 1));
            } else if (s == '*') {
                groups.last().skip = true;
                continue;
            } else if (s == '\r' || s == '\n') {
                symbol = QStringLiteral("\n");
            } else {
                continue;  // \- \_ and others: optional hyphens and the like
            }
            if (toSkip > 0) {
                --toSkip;
                continue;
            }
            emitText(symbol);
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && isLetter(rtf[j])) ++j;
        const QString word = QString::fromLatin1(rtf.mid(i + 1, j - i - 1));
        bool hasParam = false;
        int param = 0;
        qsizetype k = j;
        if (k < n && (rtf[k] == '-' || (rtf[k] >= '0' && rtf[k] <= '9'))) {
            ++k;
            while (k < n && rtf[k] >= '0' && rtf[k] <= '9') ++k;
            param = rtf.mid(j, k - j).toInt(&hasParam);
        }
        if (k < n && rtf[k] == ' ') ++k;  // the delimiter belongs to the word
        i = k;

        if (kDestinations.contains(word)) {
            groups.last().skip = true;
        } else if (word == "uc" && hasParam) {
            groups.last().fallbackChars = param;
        } else if (word == "u" && hasParam) {
            const char16_t unit = static_cast<char16_t>(param < 0 ? param + 65536 : param);
            if (groups.last().skip) continue;
            emitText(QString(QChar(unit)));
            toSkip = groups.last().fallbackChars;
        } else if (word == "par" || word == "line") {
            if (!groups.last().skip) {
                result.paragraphs.append(current);
                current.clear();
            }
        } else if (word == "tab") {
            emitText(QStringLiteral("\t"));
        }
    }
    if (!closedOuter) return fail(QStringLiteral("the outer group is not closed"));
    if (!current.isEmpty()) result.paragraphs.append(current);
    result.ok = true;
    return result;
}

}  // namespace kivra::test
