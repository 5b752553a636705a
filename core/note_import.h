#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/code_page.h"

namespace kivra {

// Notes kept elsewhere, brought into the log: another copy's log or its text export, and the
// per-folder description files of file managers and command shells.
enum class ImportFormat { Log, DescriptIon, FilesBbs };

// Told by the file's name, in any letter case: "descript.ion" (also with a leading dot) and
// "files.bbs"; anything else is taken as a log.
ImportFormat ImportFormatOf(const QString& path);
QString ImportFormatName(ImportFormat format);

// One picked file: what it gives that the log lacks, or why it gives nothing.
struct ImportFile {
    QString path;  // native separators
    ImportFormat format = ImportFormat::Log;
    QStringList entries;      // the new ones, in the file's order
    QString skipped;          // why the file was passed over; empty when it was read
    CodePageChoice codePage;  // what its text was read in
};

struct ImportPlan {
    QList<ImportFile> files;     // in path order
    qsizetype alreadyInLog = 0;  // entries left out because the log has them
    qsizetype repeated = 0;      // left out because an earlier one is the same

    QStringList entries() const;
};

// The code pages the user chose, by the file's path as ImportFile gives it.
using CodePages = QHash<QString, QByteArray>;

// Reads the files (in path order) into the entries each would add to a log holding `logLines`;
// the log itself, picked too, is passed over. Each file is read in its code page in `chosen`,
// else in the one detected.
ImportPlan PlanImport(QStringList paths, const QStringList& logLines, const QString& logPath,
                      const CodePages& chosen = {});

// `entries` without those in `logLines` and without repeats, in their order.
QStringList NewEntries(const QStringList& entries, const QStringList& logLines);

namespace import_detail {

// A name in a description file and what it says of the item.
struct Described {
    QString name;
    QString description;
    bool operator==(const Described&) const = default;
};

// The file's entries, each line that is not empty as it stands; nullopt when none of the first
// 20 lines holds " - ", so the file is no log.
std::optional<QStringList> ReadLogEntries(QByteArrayView bytes, const LineDecoder& decode = {});
// Lines of "name description" or "\"name with blanks\" description"; what follows a 0x04 byte is
// another program's data.
QList<Described> ReadDescriptIon(QByteArrayView bytes, const LineDecoder& decode = {});
// A name in column 1, then its description; indented, "|" and "+" lines continue it. `isItem`
// tells a name the folder holds (any case), for names that do not look like "NAME.EXT".
QList<Described> ReadFilesBbs(QByteArrayView bytes,
                              const std::function<bool(const QString&)>& isItem,
                              const LineDecoder& decode = {});
// A folder's names, looked up as they are and ignoring case: description files name many items.
class FolderNames {
public:
    explicit FolderNames(const QStringList& names);
    // In any case.
    bool holds(const QString& name) const;

private:
    friend QString RealName(const QString& name, const FolderNames& names);
    QSet<QString> exact_;
    QHash<QString, QString> folded_;  // by case-folded name; null where two fold alike
};

// The name as the folder holds it: itself, else the one item that matches it ignoring case.
QString RealName(const QString& name, const FolderNames& names);

}  // namespace import_detail

}  // namespace kivra
