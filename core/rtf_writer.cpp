#include "core/rtf_writer.h"

#include <algorithm>

#include "core/byte_scan.h"
#include "core/log_lines.h"

namespace kivra {

namespace {

char16_t unitOf(QChar ch) { return ch.unicode(); }
// Only ever called with ASCII bytes: the bytes are the characters.
char16_t unitOf(char c) { return static_cast<unsigned char>(c); }

template <typename Text>
void appendEscaped(const Text& text, QByteArray& out) {
    for (const auto ch : text) {
        const char16_t unit = unitOf(ch);
        switch (unit) {
            case u'\\':
                out += "\\\\";
                continue;
            case u'{':
                out += "\\{";
                continue;
            case u'}':
                out += "\\}";
                continue;
            case u'\t':
                out += "\\tab ";
                continue;
            default:
                break;
        }
        if (unit >= 0x20 && unit < 0x7F) {
            out += static_cast<char>(unit);
        } else {
            // \u takes a signed 16-bit number; the "?" is what a reader without Unicode shows.
            out += "\\u";
            out += QByteArray::number(static_cast<int>(static_cast<qint16>(unit)));
            out += '?';
        }
    }
}

// ASCII bytes, written straight into room made ahead (a piece at a time, so a long line needs
// no room for six times its length).
void appendEscapedAscii(QByteArrayView text, QByteArray& out) {
    constexpr qsizetype kPiece = 4096;
    constexpr qsizetype kLongestEscape = 6;  // "\u127?"
    for (qsizetype from = 0; from < text.size(); from += kPiece) {
        const QByteArrayView piece = text.sliced(from, std::min(kPiece, text.size() - from));
        const qsizetype start = out.size();
        out.resize(start + kLongestEscape * piece.size());
        char* const begin = out.data() + start;
        char* o = begin;
        qsizetype i = 0;
        while (i < piece.size()) {
            const qsizetype plain = CopyPlainRtf(piece.sliced(i), o);
            o += plain;
            i += plain;
            if (i == piece.size()) break;
            const char c = piece[i++];
            if (c == '\\' || c == '{' || c == '}') {
                *o++ = '\\';
                *o++ = c;
            } else {
                QByteArray escaped;
                appendEscaped(QByteArrayView(&c, 1), escaped);
                o = std::copy(escaped.cbegin(), escaped.cend(), o);
            }
        }
        out.resize(start + (o - begin));
    }
}

}  // namespace

void AppendRtfHeader(QByteArray& out) {
    out +=
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
        "{\\fonttbl{\\f0\\fswiss\\fcharset0 MS Sans Serif;}}\r\n"
        "\\viewkind4\\pard\\plain\\f0\\fs16 ";
}

void AppendRtfParagraph(const QString& line, QByteArray& out) {
    appendEscaped(line, out);
    out += "\\par\r\n";
}

void AppendRtfParagraph(QByteArrayView logLine, QByteArray& out) {
    // ASCII needs no decoding: the bytes are the characters.
    if (IsAscii(logLine))
        appendEscapedAscii(logLine, out);
    else
        appendEscaped(DecodeLogLine(logLine), out);
    out += "\\par\r\n";
}

void AppendRtfFooter(QByteArray& out) { out += "}\r\n"; }

QByteArray WriteRtfFromLog(QByteArrayView logBytes) {
    QByteArray out;
    AppendRtfHeader(out);
    ForEachLogLine(logBytes, [&out](QByteArrayView line) { AppendRtfParagraph(line, out); });
    AppendRtfFooter(out);
    return out;
}

QByteArray WriteRtf(const QStringList& paragraphs) {
    QByteArray out;
    AppendRtfHeader(out);
    for (const QString& line : paragraphs) AppendRtfParagraph(line, out);
    AppendRtfFooter(out);
    return out;
}

}  // namespace kivra
