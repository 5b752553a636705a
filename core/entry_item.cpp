#include "core/entry_item.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "core/name_decoding.h"
#include "platform/directory_reader.h"

namespace kivra {

namespace {

#ifdef Q_OS_WIN
constexpr qsizetype kRootLength = 3;  // "C:\"
#else
constexpr qsizetype kRootLength = 1;
#endif
constexpr QLatin1StringView kDash(" - ");

}  // namespace

bool IsAbsolutePath(QByteArrayView path) {
#ifdef Q_OS_WIN
    return path.size() >= 3 && path[1] == ':' && path[2] == '\\' && QChar::isLetter(path[0]);
#else
    return path.startsWith('/');
#endif
}

bool ItemExists(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) return true;
    const QString folder = info.absolutePath();
    if (folder == path || info.fileName().isEmpty()) return false;
        // A name that is not valid UTF-8 is reached only through its folder's listing.
#ifdef Q_OS_WIN
    const auto entries = platform::ReadDirectory(folder.toUtf8());
#else
    const auto entries = platform::ReadDirectory(QFile::encodeName(folder));
#endif
    if (!entries) return false;
    const QString name = info.fileName();
    for (const platform::DirectoryEntry& entry : *entries)
        if (DecodeName(entry.name) == name) return true;
    return false;
}

bool BeginsWithPath(const QString& line) {
    const qsizetype at = line.indexOf(kDash);
    return at >= 0 && IsAbsolutePath(line.first(std::min(at, kRootLength)).toUtf8());
}

// Every later path a line begins with extends its first, so is a path when the first is.
ItemState StateOfEntry(const QString& line) {
    if (!BeginsWithPath(line)) return ItemState::NotAPath;
    bool folderThere = false;
    for (qsizetype at = line.indexOf(kDash); at >= 0; at = line.indexOf(kDash, at + 1)) {
        const QString path = line.left(at);
        if (ItemExists(path)) return ItemState::There;
        const QString folder = QFileInfo(path).absolutePath();
        if (folder != path && QFileInfo::exists(folder)) folderThere = true;
    }
    return folderThere ? ItemState::Gone : ItemState::FolderGone;
}

EntryItem ItemOfEntry(const QString& line) {
    EntryItem item;
    if (!BeginsWithPath(line)) return item;
    for (qsizetype at = line.indexOf(kDash); at >= 0; at = line.indexOf(kDash, at + 1)) {
        const QString path = line.left(at);
        if (ItemExists(path))
            item = {path, true};
        else if (item.path.isEmpty())
            item.path = path;
    }
    return item;
}

qsizetype DescriptionStart(const QString& line) {
    // No path is longer: the rest of a long line is description.
    const EntryItem item = ItemOfEntry(line.left(1 << 16));
    const qsizetype dash = item.path.isEmpty() ? line.indexOf(kDash) : item.path.size();
    return dash < 0 ? -1 : dash + kDash.size();
}

}  // namespace kivra
