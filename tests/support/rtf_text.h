#pragma once

#include <QStringList>

namespace kivra::test {

// A small RTF reader, written apart from the writer: groups, \\ \{ \}, \uN with one fallback
// character skipped, \tab and \par; the font table and other control words are skipped. ok is
// false for unbalanced braces or text outside the one outer group.
struct RtfText {
    bool ok = false;
    QStringList paragraphs;
};
RtfText ReadRtfText(const QByteArray& rtf);

}  // namespace kivra::test
