#pragma once

#include <QByteArray>
#include <QFile>
#include <memory>

#include "core/entry_log.h"

namespace kivra {

// The buffer behind the export: it holds the log as loaded and writes it out as plain text or as
// an RTF document. It keeps what it loaded until the next load.
class AtomicFileWriter;

class ExportBuffer {
public:
    enum FileType { Rtf = 0, Text = 1 };

    // The type a chosen name asks for: text for a name ending in "txt", RTF for any other ending;
    // a name without an extension takes `picked`, the type of the filter selected.
    static FileType typeFor(const QString& path, FileType picked);

    // Takes the file as plain text, whatever it holds: a log line that happens to start with
    // "{\rtf" is still a log line.
    Result<void> load(const QString& path);
    // Replaces `path` atomically: a failure leaves any old file there whole. Text is the lines
    // as they stand in the log, each ended by CR LF; a line too long to copy is written from
    // the log as it is, and one that memory cannot hold as RTF is refused with its size. A new
    // file, or one replacing another user's or one others may write, is private.
    Result<void> save(const QString& path, FileType type) const;

private:
    // Writes the lines at the log's start that end in CR LF; returns their size.
    qint64 copyCrLfLines(AtomicFileWriter& writer) const;

    // Holds the log's mapping while bytes_ points into it; empty when bytes_ is a copy.
    std::unique_ptr<QFile> mapped_;
    QByteArray bytes_;
    QString loadedFrom_;
};

}  // namespace kivra
