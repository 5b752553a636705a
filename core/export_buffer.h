#pragma once

#include <QStringList>

#include "core/entry_log.h"

namespace kivra {

// The buffer behind the export: it holds the log's lines and writes them out as plain text or
// as an RTF document. It keeps what it loaded until the next load.
class ExportBuffer {
public:
    enum FileType { Rtf = 0, Text = 1 };

    // Takes the file as plain text, whatever it holds: a log line that happens to start with
    // "{\rtf" is still a log line.
    LogResult LoadFile(const QString& path);
    // Replaces `path` atomically: a failure leaves any old file there whole.
    LogResult SaveFile(const QString& path, FileType type) const;

    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
};

}  // namespace kivra
