#pragma once

#include <QString>
#include <QStringList>

#include "core/description_index.h"

class QWidget;

namespace kivra {

class EntryLog;

struct ImportOutcome {
    QStringList added;  // the entries appended, in the log's order; none when nothing was
    LogStamp before;    // the log just before they were
};

// The main window's "Import": picks files, tells what they hold that the log lacks, and on Yes
// appends it. Entries already in the log are never changed.
ImportOutcome RunImport(QWidget* owner, const EntryLog& log, const QString& directory);

}  // namespace kivra
