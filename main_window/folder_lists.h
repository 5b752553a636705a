#pragma once

#include <QObject>
#include <optional>

#include "core/folder_watch.h"
#include "widgets/twips.h"

class QWidget;

namespace kivra {

namespace widgets {
class DirectoryList;
class DriveList;
class FileList;
}  // namespace widgets

// The drive, directory and file lists, kept on the shown folder as the disk changes under it.
// The main window owns it (its child) and routes the keys and moves; the lists are children of
// the window's client area.
class FolderLists : public QObject {
    Q_OBJECT
public:
    // The lists start on `start`, else the current directory, else the home or the root folder.
    FolderLists(const TwipsScale& scale, QWidget* client, const QByteArray& start = {});

    // Where a start without a path shows: the folder shown when the program last closed, else
    // the Downloads folder, else the home folder; never the working directory, which is the home
    // folder for a start from the desktop's menu.
    static QByteArray startFolder();
    static void rememberFolder(const QByteArray& folder);

    // Where a path is listed: its folder, and its name there when it is a file.
    struct Place {
        QByteArray folder;
        QByteArray file;
        bool hidden = false;
    };
    // The place of `path`, in the file system's own bytes relative to the current directory;
    // none when there is no such file or folder, or it cannot be listed.
    static std::optional<Place> placeOf(const QByteArray& path);

    widgets::DriveList* drives() const { return driveList_; }
    widgets::DirectoryList* directories() const { return directoryList_; }
    widgets::FileList* files() const { return fileList_; }

    // The file list newest first, or by name; kept for the next run. Nothing moves.
    void setNewestFirst(bool newest);
    // The directory list's folder listed in the file list, watched, and its drive shown.
    void showFolder();
    // F5: the lists read afresh in place.
    void refresh();

signals:
    // The shown folder is gone and the lists are about to leave it.
    void leavingVanishedFolder();
    // The lists were read again or moved without a move of the user's.
    void changed();
    // An item of the shown folder was renamed there, by another program; full paths as listed.
    void renamed(const QString& from, const QString& to);

private:
    // The shown folder changed on disk: the lists follow in place, name by name where the events
    // name them, else by a read of the folder.
    void followDisk(const QByteArrayList& names);
    // A read of the folder is in: the directory list takes its part.
    void takeListing(bool readable, const QList<QByteArray>& subdirectories);
    void watch();
    // The shown folder is gone (deleted, moved away, unmounted): the lists and the drive list
    // move to the nearest folder left, as a file manager's do.
    void leaveVanishedFolder();

    widgets::DriveList* driveList_ = nullptr;
    widgets::DirectoryList* directoryList_ = nullptr;
    widgets::FileList* fileList_ = nullptr;
    FolderWatch folderWatch_;
};

}  // namespace kivra
