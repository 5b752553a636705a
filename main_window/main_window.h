#pragma once

// The main window: a drive, a directory and a file list side by side, and under them the frame
// that shows the current item and takes its description. Moving on in any list records the
// description typed for the item being left (appendEntry) before the new item becomes current.
// The menu reaches the other windows: View Current, Export, Help and About, each of which the main
// window owns only while it is open, and Import, which appends notes kept elsewhere. The lists
// mark what the log already describes: the window reads the log for that once it is on screen,
// off the user-interface thread, and again at a move or an append when the log changed behind it;
// it writes nothing but the entries typed and those imported.

#include <QFutureWatcher>
#include <QMainWindow>
#include <QThreadPool>
#include <memory>
#include <optional>

#include "core/description_index.h"
#include "core/entry_log.h"
#include "core/export_buffer.h"
#include "core/file_origin.h"
#include "core/folder_watch.h"
#include "core/note_import.h"
#include "widgets/twips.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace kivra {

namespace widgets {
class DirectoryList;
class DriveList;
class FileList;
class GrowingLayout;
}  // namespace widgets

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(EntryLog log, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window's size when laid out for `font`, menu bar included.
    static QSize sizeFor(const QFont& font);

    // The full path of the current item; empty until the first navigation.
    const QString& currentPath() const { return currentPath_; }

    // The path from the command line: shown, or a message naming it.
    void startAt(const QByteArray& path);
    bool showHidden() const { return showHidden_; }

    // Whether the log has been read for the marks; for tests.
    bool notesReady() const { return notes_ != nullptr && !notesReader_; }

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

private:
    // What a read of the log for the marks gives: the index and the log's stamp as it began.
    struct NotesRead {
        std::shared_ptr<DescriptionIndex> notes;
        LogStamp stamp;
    };

    // F5: the drive, directory and file lists read afresh in place; nothing is recorded.
    void refreshLists();
    // Ctrl+H: hidden files and folders listed too, or no longer; nothing moves.
    void setShowHidden(bool show);
    // The file list newest first, or by name; kept for the next run. Nothing moves.
    void setNewestFirst(bool newest);
    // A folder is shown as after a directory change; a file's folder is shown with the file
    // current, as after a click on it; a hidden one turns hidden items on. False when there is
    // no such file or folder, or it cannot be listed. The path is in the file system's own
    // bytes, relative to the current directory.
    bool showNativePath(const QByteArray& path);
    // The item a View Current entry describes, or the nearest folder left of a gone one.
    void showEntryItem(const QString& line);
    void createControls();
    // The lists take the room the window gains beyond the design's `client` size.
    void growControls(const QSize& client);
    void createMenus();
    // What each picked file gives, for the question before an import.
    static QString importSummary(const ImportPlan& plan);
    // Keys of the window that have no menu item: refresh, the parent directory, the File menu.
    void createKeys();
    // An item's path as shown, and in the file system's own bytes, which its log line holds.
    struct ItemPath {
        QString text;
        QByteArray native;
    };
    // Appends the entry for the item being left; a failure is told to the user, line and all.
    bool appendDescription(const ItemPath& pathPart);
    // After the log's line: the description as the item's own comment, when asked for. The
    // first failure of a session is told once the move is done.
    void writeNote(const ItemPath& item, const QString& text);
    // The path part a move to another directory records: the file, or the directory with its
    // separator when no file is current.
    ItemPath pathPartOfMove() const;
    // Lines just appended, in the log's format: added to the marks at once when the marks held
    // the whole log `before`, else the log read again.
    void noteAppended(const QByteArray& lines, const LogStamp& before);
    // Reads the log for the marks in the background; the lists keep the old marks meanwhile.
    // Asked while a read runs, it reads again after it if the log changed in between.
    void readNotes();
    void adoptNotes();
    // At every move: the log read again when it changed since (a stat tells).
    void followLog();
    void showNotes();
    // The shown folder changed on disk: the lists follow in place, nothing is recorded.
    void followDisk();
    // The shown folder is gone (deleted, moved away, unmounted): the lists and the drive list
    // move to the nearest folder left, as a file manager's do; nothing is recorded.
    void leaveVanishedFolder();
    // The placeholder and the label's tooltip for the current item.
    void showNotesOfCurrent();
    // The item just made current: where it came from read, and its "From:" line shown or
    // hidden; the description moves down to make room for the line.
    void readOrigin();
    void elideOrigin();
    // Ctrl+Shift+O and the box's menu: the cleaned address at the cursor.
    void insertOrigin();
    void showDescriptionMenu(const QPoint& position);

    const TwipsScale scale_ = TwipsScale::forApplication();
    EntryLog log_;
    // Kept for the window's lifetime: the dialog remembers its folder between exports.
    ExportBuffer exportBuffer_;
    QString currentPath_;
    QByteArray currentNative_;
    bool currentIsFile_ = false;
    // The item shown, which a description in the box is for, once the lists left its vanished
    // folder; until the next move.
    std::optional<ItemPath> vanishedItem_;
    FileOrigin origin_;
    bool writeNotes_ = false;
    bool noteFailureTold_ = false;
    std::shared_ptr<DescriptionIndex> notes_;
    LogStamp notesStamp_;
    bool logChecked_ = false;
    // The marks may miss a change of the log: lines they could not take, or a read asked for
    // while one ran.
    bool notesStale_ = false;
    // Set from a read's start until its marks are adopted, which is after the read itself
    // ends: one watcher per read.
    QFutureWatcher<NotesRead>* notesReader_ = nullptr;
    // The reads' thread, at low priority.
    QThreadPool notesPool_;
    FolderWatch folderWatch_;
    bool showHidden_ = false;
    // Set while a key makes a move: the focus stays where the key was pressed.
    bool keyMove_ = false;

    widgets::DriveList* driveList_ = nullptr;
    widgets::DirectoryList* directoryList_ = nullptr;
    widgets::FileList* fileList_ = nullptr;
    QLabel* pathLabel_ = nullptr;
    QLabel* originCaption_ = nullptr;
    QLabel* originLabel_ = nullptr;
    // Places the frame's controls as it grows, and moves the description under the origin's line.
    widgets::GrowingLayout* frameLayout_ = nullptr;
    QLabel* descriptionCaption_ = nullptr;
    QLineEdit* descriptionEdit_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* hiddenFilesAction_ = nullptr;
    QList<QAction*> windowShortcuts_;
};

}  // namespace kivra
