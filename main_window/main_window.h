#pragma once

// The main window: a drive, a directory and a file list side by side, and under them the frame
// that shows the current item and takes its description. Moving on in any list records the
// description typed for the item being left before the new item becomes current.
//
// How the pieces fit. MainWindow builds the menus and the keys, and passes between the parts it
// owns:
// - FolderLists (folder_lists.h), the drive, directory and file lists on the shown folder, which
//   follow the disk; nothing they do there is recorded;
// - ItemFrame (item_frame.h), the frame under the lists: path, "From:" line, description box;
// - EntryRecorder (entry_recorder.h), which appends what is typed to the log;
// - NotesReader (notes_reader.h), which reads the log for the lists' marks in the background
//   once the window is on screen, and again at a move or an append when the log changed behind
//   it; the recorder and the import tell it each line they append;
// - ImportFlow (import_flow.h) and LogExport (log_export.h), the File menu's Import and Export.
// View Current, Help and About are owned only while open. The window writes nothing but the
// entries typed and those imported.

#include <QHash>
#include <QMainWindow>
#include <optional>

#include "core/entry_log.h"
#include "main_window/entry_recorder.h"
#include "main_window/import_flow.h"
#include "main_window/log_export.h"
#include "main_window/notes_reader.h"
#include "main_window/rename_hints.h"
#include "widgets/twips.h"

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;

namespace kivra {

class FolderLists;
class ItemFrame;
class RefusalBar;

namespace widgets {
class DirectoryList;
class DriveList;
class FileList;
}  // namespace widgets

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The lists start on `startFolder`, else on the current directory (see FolderLists).
    explicit MainWindow(EntryLog log, const QByteArray& startFolder = {},
                        QWidget* parent = nullptr);

    // The window's size when laid out for `font`, menu bar included.
    static QSize sizeFor(const QFont& font);

    // The full path of the current item; empty until the first navigation.
    const QString& currentPath() const { return current_.text; }

    // The path from the command line: shown, or a message naming it.
    void startAt(const QByteArray& path);
    bool showHidden() const { return showHidden_; }

    // Whether the log has been read for the marks; for tests.
    bool notesReady() const { return notes_.ready(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Every way out passes here: a description still in the box is not dropped without a word.
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onDriveChosen(bool byKey);
    void onDirectoryChosen();
    void onFileChosen(bool byKey);
    void quit();
    void viewCurrent();
    void importNotes();
    void exportLog();
    void showHelp();
    void showAbout();
    // The Nautilus script and the Thunar action, written for the user, and what was written.
    void addFileManagerMenus();
    // The bar's Retry: the log checked again and the descriptions it refused appended.
    void retryRefused();

private:
    // The refusal bar over the foot of the file list, as wide as the list.
    void placeBar();
    void createControls(const QByteArray& startFolder);
    // The lists take the room the window gains beyond the design's `client` size.
    void growControls(const QSize& client);
    void createMenus();
    // Keys of the window that have no menu item: refresh, the parent directory, the File menu.
    void createKeys();
    // The one way the directory list's folder or the file list's file becomes current: the
    // description typed for `leaving` recorded, then the item shown in the frame with its marks;
    // a folder is listed and watched too. A move by key leaves the focus in its list.
    void makeCurrent(const ItemPath& leaving, bool isFile, bool byKey);
    // F5: the drive, directory and file lists read afresh in place; nothing is recorded.
    void refreshLists();
    // Ctrl+H: hidden files and folders listed too, or no longer; nothing moves.
    void setShowHidden(bool show);
    // A folder is shown as after a directory change; a file's folder is shown with the file
    // current, as after a click on it; a hidden one turns hidden items on. False when there is
    // no such file or folder, or it cannot be listed. The path is in the file system's own
    // bytes, relative to the current directory.
    bool showNativePath(const QByteArray& path);
    // The item a View Current entry describes, or the nearest folder left of a gone one.
    void showEntryItem(const QString& line);
    // The path part a move to another directory records: the file, or the directory with its
    // separator when no file is current.
    ItemPath pathPartOfMove() const;
    void showNotes();
    // The frame's placeholder and tooltip for the current item.
    void showNotesOfCurrent();
    // What an opening of the log mended on its own (an append cut short, taken back), told once.
    void showLogNotices();

    const TwipsScale scale_ = TwipsScale::forApplication();
    EntryLog log_;
    EntryRecorder recorder_{log_, this};
    NotesReader notes_{log_};
    ImportFlow import_{log_, this};
    LogExport export_{log_, this};
    // Renames seen in the shown folder: a new name shows its old name's notes as the hint.
    RenameHints renames_;
    ItemPath current_;
    bool currentIsFile_ = false;
    // The item shown, which a description in the box is for, once the lists left its vanished
    // folder; until the next move.
    std::optional<ItemPath> vanishedItem_;
    bool logChecked_ = false;
    RefusalBar* bar_ = nullptr;
    // Descriptions the log refused, by their item's bytes: shown again in the box when the item
    // is current, appended by Retry, asked about by Quit.
    struct Pending {
        ItemPath item;
        QString text;
    };
    QHash<QByteArray, Pending> pending_;
    bool showHidden_ = false;
    // Set while a key makes a move: the focus stays where the key was pressed.
    bool keyMove_ = false;

    FolderLists* lists_ = nullptr;
    widgets::DriveList* driveList_ = nullptr;
    widgets::DirectoryList* directoryList_ = nullptr;
    widgets::FileList* fileList_ = nullptr;
    ItemFrame* frame_ = nullptr;
    // The frame's box, where the keys route.
    QLineEdit* descriptionEdit_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* hiddenFilesAction_ = nullptr;
    QList<QAction*> windowShortcuts_;
};

}  // namespace kivra
