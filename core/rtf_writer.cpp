#include "core/rtf_writer.h"

namespace kivra {

namespace {

void appendEscaped(const QString& text, QByteArray& out) {
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
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

}  // namespace

QByteArray WriteRtf(const QStringList& paragraphs) {
    QByteArray out;
    qsizetype estimate = 128;
    for (const QString& line : paragraphs) estimate += line.size() + 8;
    out.reserve(estimate);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
           "{\\fonttbl{\\f0\\fswiss\\fcharset0 MS Sans Serif;}}\r\n"
           "\\viewkind4\\pard\\plain\\f0\\fs16 ";
    for (const QString& line : paragraphs) {
        appendEscaped(line, out);
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

}  // namespace kivra
