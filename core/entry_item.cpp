#include "core/entry_item.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "core/name_decoding.h"
#include "platform/directory_reader.h"
#include "platform/native_path.h"

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

QByteArray NativePathOfItem(const QString& path) {
    const QChar separator = QDir::separator();
    if (path.size() > kRootLength && path.endsWith(separator)) {
        const QByteArray folder = NativePathOfItem(path.chopped(1));
        return folder.isEmpty() ? folder : folder + separator.toLatin1();
    }
    const QFileInfo info(path);
    if (info.exists()) return platform::NativeBytes(path);
    // Bytes that are not valid UTF-8 decode to letters beyond ASCII: an ASCII path that is not
    // there is not there under any other bytes, and no folder need be read (a gone count asks
    // this of every entry).
    if (std::all_of(path.begin(), path.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return {};
    const QString folder = info.absolutePath();
    if (folder == path || info.fileName().isEmpty()) return {};
    // A name that is not valid UTF-8 is reached only through its folder's listing, and so is a
    // folder that holds one.
    const QByteArray parent = NativePathOfItem(folder);
    if (parent.isEmpty()) return {};
    const auto entries = platform::ReadDirectory(parent);
    if (!entries) return {};
    const QString name = info.fileName();
    for (const platform::DirectoryEntry& entry : *entries)
        if (DecodeName(entry.name) == name) return platform::JoinBytes(parent, entry.name);
    return {};
}

bool ItemExists(const QString& path) { return !NativePathOfItem(path).isEmpty(); }

bool BeginsWithPath(const QString& line) {
    const qsizetype at = line.indexOf(kDash);
    return at >= 0 && IsAbsolutePath(line.first(std::min(at, kRootLength)).toUtf8());
}

// The folder of `path`, as QFileInfo gives it; the memo's own where `path` names a plain item in
// it, which spares most look-ups QFileInfo's cleaning of the path.
static QString FolderOf(const QString& path, const FolderMemo& memo) {
    const qsizetype end = memo.folder.size();
    if (end > 1 && path.size() > end + 1 && path.startsWith(memo.folder) && path[end] == u'/') {
        const QStringView name = QStringView(path).sliced(end + 1);
        if (!name.contains(u'/') && !name.contains(u'\\') && name != u"." && name != u"..")
            return memo.folder;
    }
    return QFileInfo(path).absolutePath();
}

// Every later path a line begins with extends its first, so is a path when the first is.
ItemState StateOfEntry(const QString& line, FolderMemo* memo) {
    if (!BeginsWithPath(line)) return ItemState::NotAPath;
    FolderMemo own;
    if (!memo) memo = &own;
    bool folderThere = false;
    for (qsizetype at = line.indexOf(kDash); at >= 0; at = line.indexOf(kDash, at + 1)) {
        const QString path = line.left(at);
        if (const QString folder = FolderOf(path, *memo); folder != path) {
            if (memo->folder != folder) *memo = {folder, ItemExists(folder)};
            // Nothing is there in a folder that is not.
            if (!memo->there) continue;
            folderThere = true;
        }
        if (ItemExists(path)) return ItemState::There;
    }
    return folderThere ? ItemState::Gone : ItemState::FolderGone;
}

EntryItem ItemOfEntry(const QString& line) {
    EntryItem item;
    if (!BeginsWithPath(line)) return item;
    for (qsizetype at = line.indexOf(kDash); at >= 0; at = line.indexOf(kDash, at + 1)) {
        const QString path = line.left(at);
        if (QByteArray native = NativePathOfItem(path); !native.isEmpty())
            item = {path, true, std::move(native)};
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
