#include "main_window/folder_lists.h"

#include <QDir>
#include <QFile>
#include <QSignalBlocker>
#include <QStandardPaths>

#include "core/name_decoding.h"
#include "platform/directory_reader.h"
#include "platform/native_path.h"
#include "widgets/directory_list.h"
#include "widgets/drive_list.h"
#include "widgets/file_list.h"
#include "widgets/settings.h"

namespace kivra {

namespace {

const QString kNewestFirstSetting = QStringLiteral("view/newestFirst");
const QString kLastFolderSetting = QStringLiteral("view/lastFolder");

}  // namespace

QByteArray FolderLists::startFolder() {
    const QByteArray last = widgets::UserSettings().value(kLastFolderSetting).toByteArray();
    for (const QByteArray& folder :
         {last,
          QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation))})
        if (!folder.isEmpty() && platform::IsReadableDirectory(folder)) return folder;
    return QFile::encodeName(QDir::homePath());
}

void FolderLists::rememberFolder(const QByteArray& folder) {
    widgets::UserSettings().setValue(kLastFolderSetting, folder);
}

FolderLists::FolderLists(const TwipsScale& scale, QWidget* client, const QByteArray& start)
    : QObject(client) {
    directoryList_ = new widgets::DirectoryList(client);
    directoryList_->setObjectName(QStringLiteral("directoryList"));
    directoryList_->setAccessibleName(tr("Folders"));
    directoryList_->setGeometry(scale.rect(144, 504, 3072, 3312));

    driveList_ = new widgets::DriveList(client);
    driveList_->setObjectName(QStringLiteral("driveList"));
    driveList_->setAccessibleName(tr("Drives"));
    driveList_->setGeometry(scale.rect(144, 3924, 3072, 288));

    fileList_ = new widgets::FileList(client);
    fileList_->setObjectName(QStringLiteral("fileList"));
    fileList_->setAccessibleName(tr("Files"));
    fileList_->setGeometry(scale.rect(3312, 504, 4548, 3720));
    fileList_->setNewestFirst(widgets::UserSettings().value(kNewestFirstSetting).toBool());

    // At start no item is current yet. A folder that is gone or cannot be read would leave them
    // empty with no way out.
    const QByteArray current = start.isEmpty() ? platform::CurrentDirectory() : start;
    if (current.isEmpty() || !directoryList_->setNativePath(current))
        if (!directoryList_->setPath(QDir::homePath())) directoryList_->setPath(QDir::rootPath());
    driveList_->showDriveOf(directoryList_->path());
    connect(fileList_, &widgets::FileList::listed, this, &FolderLists::takeListing);
    fileList_->setPath(directoryList_->path(), directoryList_->nativePath());
    watch();

    connect(&folderWatch_, &FolderWatch::changed, this, &FolderLists::followDisk);
    connect(&folderWatch_, &FolderWatch::renamed, this,
            [this](const QByteArray& from, const QByteArray& to) {
                emit renamed(platform::JoinPath(directoryList_->path(), DecodeName(from)),
                             platform::JoinPath(directoryList_->path(), DecodeName(to)));
            });
    connect(fileList_, &widgets::FileList::directoryGone, this, &FolderLists::leaveVanishedFolder);
    connect(directoryList_, &widgets::DirectoryList::directoryGone, this,
            &FolderLists::leaveVanishedFolder);
}

std::optional<FolderLists::Place> FolderLists::placeOf(const QByteArray& path) {
    const QByteArray full = platform::AbsoluteNativePath(path);
    const bool isFolder = platform::IsReadableDirectory(full);
    const QByteArray folder = isFolder ? full : platform::ParentBytes(full);
    if (folder.isEmpty() || (!isFolder && !platform::IsReadableDirectory(folder))) return {};
    const QByteArray name =
        isFolder ? QByteArray() : full.mid(platform::JoinBytes(folder, {}).size());
    // A file that is not there moves nothing: a start goes on as one without a path.
    if (!isFolder) {
        const std::optional<platform::DirectoryEntryView> entry = platform::ReadEntry(folder, name);
        if (!entry || entry->isDirectory) return {};
    }
    return Place{folder, name, platform::IsHidden(full)};
}

void FolderLists::setNewestFirst(bool newest) {
    fileList_->setNewestFirst(newest);
    watch();
    widgets::UserSettings().setValue(kNewestFirstSetting, newest);
}

void FolderLists::watch() {
    // A file being written moves only when the list is by time; its time is kept meanwhile.
    folderWatch_.watch(directoryList_->nativePath(),
                       fileList_->newestFirst() || fileList_->timesKnown());
}

void FolderLists::showFolder() {
    fileList_->setPath(directoryList_->path(), directoryList_->nativePath());
    watch();
    driveList_->showDriveOf(directoryList_->path());
}

void FolderLists::takeListing(bool readable, const QList<QByteArray>& subdirectories) {
    if (!readable) {
        leaveVanishedFolder();
        return;
    }
    directoryList_->setSubdirectories(subdirectories);
    emit changed();
}

void FolderLists::refresh() {
    driveList_->refresh();
    // Where the watch does not reach, a shown directory that vanished is noticed here.
    if (!directoryList_->refresh()) {
        leaveVanishedFolder();
        return;
    }
    fileList_->refresh();
    watch();  // a folder made again, a watch given back
}

void FolderLists::followDisk(const QByteArrayList& names) {
    if (!directoryList_->refresh()) {
        leaveVanishedFolder();
        return;
    }
    if (names.isEmpty()) {
        fileList_->refresh();
        return;
    }
    // Only the names the events carry are looked at, one stat each.
    const QByteArray folder = directoryList_->nativePath();
    QList<widgets::FileList::Seen> seen;
    seen.reserve(names.size());
    for (const QByteArray& name : names) {
        const std::optional<platform::DirectoryEntryView> entry = platform::ReadEntry(folder, name);
        seen.append({name, entry});
        directoryList_->follow(name, entry && entry->isDirectory &&
                                         (directoryList_->showHidden() || !entry->isHidden));
    }
    fileList_->follow(seen);
    emit changed();
}

void FolderLists::leaveVanishedFolder() {
    emit leavingVanishedFolder();
    {
        const QSignalBlocker quiet(directoryList_);
        directoryList_->moveToExistingParent();
    }
    fileList_->setPath(directoryList_->path(), directoryList_->nativePath());
    watch();
    driveList_->refresh();  // an unmounted volume leaves the list
    driveList_->showDriveOf(directoryList_->path());
    emit changed();
}

}  // namespace kivra
