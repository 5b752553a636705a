#pragma once

#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace kivra {

// The lines of the log (see EntryLog) and of the files in its format: their bytes as text and
// back, and the walk from line to line.

// One line's bytes as text. Where the system encoding is UTF-8, each byte that is not part of a
// valid sequence reads as its Windows-1252 letter; elsewhere a line invalid in the system encoding
// reads as Windows-1252. Rewrites from View Current write lines back as the bytes they were read
// as.
QString DecodeLogLine(QByteArrayView line);
// One line in the system encoding plus CR LF, appended to `out`; CR and LF inside the line become
// '?'.
void EncodeLogLine(const QString& line, QByteArray& out);
// The same for a line that begins with a path in the file system's own bytes (platform's
// NativeBytes), which stay as they are on POSIX, names that are not valid UTF-8 included, and are
// encoded as text on Windows; CR and LF in them become '?' too.
void EncodeLogLine(QByteArrayView nativePath, const QString& rest, QByteArray& out);

// `text` with each line end (CR LF, CR or LF) made one blank: a description pasted from several
// lines keeps its words apart and stays one entry.
QString OneLine(QString text);

// Calls `visit` with each line's bytes, without its terminator; returns the number of lines.
// Splits at CR LF, lone CR and lone LF; a last line without terminator counts, a final
// terminator yields no extra empty line.
qsizetype ForEachLogLine(QByteArrayView bytes, const std::function<void(QByteArrayView)>& visit);
// The lines, each decoded: no byte turns into U+FFFD.
QStringList DecodeLogLines(QByteArrayView bytes);
// The same lines, read from `device` a chunk at a time; nullopt on a read error.
std::optional<QStringList> ReadLogLines(QIODevice& device, qsizetype chunk = 1 << 18);

}  // namespace kivra
