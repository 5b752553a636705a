#include "main_window/folder_lists.h"

#include <QDir>
#include <QFile>
#include <QSignalBlocker>
#include <QStandardPaths>

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
    fileList_->setPath(directoryList_->path(), directoryList_->nativePath());
    folderWatch_.watch(directoryList_->nativePath());

    connect(&folderWatch_, &FolderWatch::changed, this, &FolderLists::followDisk);
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
    bool listed = isFolder;
    if (!listed)
        platform::ReadDirectory(folder, [&](const platform::DirectoryEntryView& entry) {
            listed = listed || (!entry.isDirectory && entry.name == name);
        });
    if (!listed) return {};
    return Place{folder, name, platform::IsHidden(full)};
}

void FolderLists::setNewestFirst(bool newest) {
    fileList_->setNewestFirst(newest);
    widgets::UserSettings().setValue(kNewestFirstSetting, newest);
}

void FolderLists::showFolder() {
    fileList_->setPath(directoryList_->path(), directoryList_->nativePath());
    folderWatch_.watch(directoryList_->nativePath());
    driveList_->showDriveOf(directoryList_->path());
}

void FolderLists::refresh() {
    driveList_->refresh();
    // Where the watch does not reach, a shown directory that vanished is noticed here.
    if (!directoryList_->refresh()) {
        leaveVanishedFolder();
        return;
    }
    fileList_->refresh();
    folderWatch_.watch(directoryList_->nativePath());  // a folder made again, a watch given back
    emit changed();
}

void FolderLists::followDisk() {
    if (!directoryList_->refresh()) {
        leaveVanishedFolder();
        return;
    }
    fileList_->refresh();
    emit changed();
}

void FolderLists::leaveVanishedFolder() {
    emit leavingVanishedFolder();
    {
        const QSignalBlocker quiet(directoryList_);
        directoryList_->moveToExistingParent();
    }
    fileList_->setPath(directoryList_->path(), directoryList_->nativePath());
    folderWatch_.watch(directoryList_->nativePath());
    driveList_->refresh();  // an unmounted volume leaves the list
    driveList_->showDriveOf(directoryList_->path());
    emit changed();
}

}  // namespace kivra
