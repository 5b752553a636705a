#pragma once

// The main window: a drive, a directory and a file list side by side, and under them the frame
// that shows the current item and takes its description. Moving on in any list records the
// description typed for the item being left (AppendEntry) before the new item becomes current.
// The menu reaches the other windows: View Current, Export and About, each of which the main
// window owns only while it is open.

#include <QMainWindow>

#include "core/entry_log.h"
#include "main_window/export_command.h"
#include "main_window/twips.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace kivra {

namespace platform {
class DirectoryList;
class DriveList;
class FileList;
}  // namespace platform

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(EntryLog log, QWidget* parent = nullptr);
    ~frmMain() override;

    // The full path of the current item; empty until the first navigation.
    const QString& CurrentPath() const { return currentPath_; }
    const EntryLog& log() const { return log_; }

    // Navigation.
    void drvDriveList_Change();
    void dirPaths_Change();
    void fileList_Click();

    // Commands.
    void cmdQuit_Click();
    void FileQuit_Click();
    void FileView_Click();
    void FileSave_Click();
    void HelpAbout_Click();
    // F5: the drive, directory and file lists read afresh in place; nothing is recorded.
    void refreshLists();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void createControls();
    void createMenus();
    // Keys of the window that have no menu item: refresh, the parent directory, the File menu.
    void createKeys();
    // Appends the entry for the item being left; a failure is told to the user, line and all.
    void appendDescription(const QString& pathPart);

    const TwipsScale scale_ = TwipsScale::Application();
    EntryLog log_;
    ExportCommand exportCommand_;
    QString currentPath_;

    platform::DriveList* drvDriveList_ = nullptr;
    platform::DirectoryList* dirPaths_ = nullptr;
    platform::FileList* fileList_ = nullptr;
    QLabel* lblAbbrPath_ = nullptr;
    QLineEdit* txtDescription_ = nullptr;
    QPushButton* cmdQuit_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QList<QAction*> windowShortcuts_;
};

}  // namespace kivra
