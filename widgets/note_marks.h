#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace kivra::widgets {

// How the lists show that the log describes an item: a small note, alone for a file, over the
// corner of a folder's icon; the descriptions in the tooltip and the accessible description.
QIcon NoteIcon();
QIcon BlankIcon();
QIcon WithNote(const QIcon& icon);
// The name or full path, then each description on a line of its own; the tip as PlainTip
// makes it.
QString NotesText(const QString& name, const QStringList& descriptions);
QString NotesTip(const QString& name, const QStringList& descriptions);
QString NotesAccessibleText(const QStringList& descriptions);

}  // namespace kivra::widgets
