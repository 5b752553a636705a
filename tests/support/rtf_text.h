#pragma once

#include <QString>
#include <QStringList>

namespace kivra::test {

struct RtfText {
    bool ok = false;      // well formed: balanced braces, one outer group, nothing after it
    QString error;
    QStringList paragraphs;  // the text of each \par-ended paragraph, plus a final unended one
};

// A small RTF reader, independent of the writer: groups, control words and symbols, \uN with its
// \ucN fallback skipped, \'hh as Windows-1252, \tab, \par and \line; destinations such as the font
// table and {\*...} are skipped.
RtfText ReadRtfText(const QByteArray& rtf);

}  // namespace kivra::test
