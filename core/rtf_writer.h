#pragma once

#include <QByteArray>
#include <QStringList>

namespace kivra {

// An RTF document with one paragraph per line, in order, in "MS Sans Serif" at 8 points. The
// document is pure ASCII: backslashes and braces are escaped, tabs become \tab and every other
// character outside printable ASCII is written as \uN with a "?" fallback (a character beyond
// the Basic Multilingual Plane as its two UTF-16 halves), so any reader gets each line back as
// it was.
QByteArray WriteRtf(const QStringList& paragraphs);

// The same document in pieces, for writing it out as it is made.
void AppendRtfHeader(QByteArray& out);
void AppendRtfParagraph(const QString& line, QByteArray& out);
// A line as the log stores it (see EntryLog): decoded only if it is not plain ASCII.
void AppendRtfParagraph(QByteArrayView logLine, QByteArray& out);
void AppendRtfFooter(QByteArray& out);

// The same document for the lines of a log as stored (see EntryLog), without turning every line
// into a string first.
QByteArray WriteRtfFromLog(QByteArrayView logBytes);

}  // namespace kivra
