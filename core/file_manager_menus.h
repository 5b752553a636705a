#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/result.h"

namespace kivra {

// "Describe with Kivra/32" for the file managers that keep their menu items per user only:
// a Nautilus script and a Thunar custom action. The package installs the others' files.

// Thunar's custom actions with ours added to the user's own, which are kept token for token;
// `added` is false, and `xml` the file as it was, where ours is there already.
struct ThunarActions {
    QByteArray xml;
    bool added = false;
};
// A failure, and nothing to write, where `existing` is not an actions file Thunar could read.
Result<ThunarActions> MergeThunarAction(const QByteArray& existing, const QString& program);

// The script Nautilus lists under Scripts: makes the first file or folder selected current.
QByteArray NautilusScript(const QString& program);

struct MenuFiles {
    QStringList written;  // new or changed
    QStringList present;  // ours already, left as they were
    QList<Failure> failures;
};
// Writes the script under `dataHome` and merges the action into `configHome`'s Thunar file
// (the XDG data and config folders), both starting `program`. A file it cannot read or write is
// left as it was, with the reason.
MenuFiles AddFileManagerMenus(const QString& dataHome, const QString& configHome,
                              const QString& program);

}  // namespace kivra
