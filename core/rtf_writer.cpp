#include "core/rtf_writer.h"

#include "core/entry_log.h"

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

// ASCII bytes: runs that need no escape go out whole.
void appendEscapedAscii(QByteArrayView text, QByteArray& out) {
    const auto plain = [](char c) {
        return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
    };
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* const run = p;
        while (p < end && plain(*p)) ++p;
        out.append(run, p - run);
        if (p < end) appendEscaped(QByteArrayView(p++, 1), out);
    }
}

}  // namespace

void AppendRtfHeader(QByteArray& out) {
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
           "{\\fonttbl{\\f0\\fswiss\\fcharset0 MS Sans Serif;}}\r\n"
           "\\viewkind4\\pard\\plain\\f0\\fs16 ";
}

void AppendRtfParagraph(const QString& line, QByteArray& out) {
    appendEscaped(line, out);
    out += "\\par\r\n";
}

void AppendRtfParagraph(QByteArrayView logLine, QByteArray& out) {
    // ASCII needs no decoding: the bytes are the characters.
    if (entry_log_detail::isAscii(logLine))
        appendEscapedAscii(logLine, out);
    else
        appendEscaped(entry_log_detail::decodeLine(logLine), out);
    out += "\\par\r\n";
}

void AppendRtfFooter(QByteArray& out) { out += "}\r\n"; }

QByteArray WriteRtfFromLog(QByteArrayView logBytes) {
    QByteArray out;
    AppendRtfHeader(out);
    entry_log_detail::forEachLine(logBytes, [&out](QByteArrayView line) { AppendRtfParagraph(line, out); });
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
