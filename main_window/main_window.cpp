#include "main_window/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <algorithm>

#include "about/about_dialog.h"
#include "core/app_info.h"
#include "core/name_decoding.h"
#include "core/undo_record.h"
#include "help/help_dialog.h"
#include "main_window/folder_lists.h"
#include "main_window/item_frame.h"
#include "main_window/refusal_bar.h"
#include "platform/native_path.h"
#include "platform/origin_attributes.h"
#include "view_current/view_current_dialog.h"
#include "widgets/directory_list.h"
#include "widgets/drive_list.h"
#include "widgets/file_list.h"
#include "widgets/message_box.h"
#include "widgets/window_size.h"

namespace kivra {

namespace {

constexpr int kClientWidth = 8016;
constexpr int kClientHeight = 6588;
const QString kSizeSettings = QStringLiteral("MainWindow");

// The keys the description box hands to the file list, so the next file can be described
// without leaving the box.
bool MovesInFiles(const QKeyEvent& key) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
    }
}

}  // namespace

MainWindow::MainWindow(EntryLog log, const QByteArray& startFolder, QWidget* parent)
    : QMainWindow(parent), log_(std::move(log)) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QString::fromLatin1(app::kMainCaption));
    // A close control and a maximise button, no minimise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    createControls(startFolder);
    createMenus();
    createKeys();
    // Every line appended reaches the marks, and the lists show them.
    connect(&recorder_, &EntryRecorder::appended, &notes_, &NotesReader::noteAppended);
    connect(&import_, &ImportFlow::appended, &notes_, &NotesReader::noteAppended);
    connect(&notes_, &NotesReader::changed, this, &MainWindow::showNotes);
    connect(&recorder_, &EntryRecorder::appended, this, &MainWindow::showLogNotices);
    // The client area is the design's at the smallest; the menu bar sits on top of it.
    const QSize client = scale_.size(kClientWidth, kClientHeight);
    growControls(client);
    centralWidget()->setMinimumSize(client);
    setMinimumSize(client.width(), client.height() + menuBar()->sizeHint().height());
    resize(minimumSize());
    widgets::RestoreWindowSize(this, kSizeSettings);
}

void MainWindow::growControls(const QSize& client) {
    // The file list takes most of the room gained, the folders the rest; the frame and the button
    // keep to the bottom, the button to its corner.
    constexpr double kFolderShare = 0.3;
    auto* layout = new widgets::GrowingLayout(centralWidget(), client);
    layout->add(directoryList_, {0, 0, kFolderShare, 1});
    layout->add(driveList_, {0, 1, kFolderShare, 1});
    layout->add(fileList_, {kFolderShare, 0, 1, 1});
    layout->add(frame_, {0, 1, 1, 1});
    layout->add(quitButton_, widgets::kCornerBottomRight);
}

QSize MainWindow::sizeFor(const QFont& font) {
    QMenuBar bar;
    bar.setFont(font);
    //: Only measured, never shown: the height of a menu bar.
    bar.addMenu(tr("File"));
    const QSize client = TwipsScale::forFont(font).size(kClientWidth, kClientHeight);
    return {client.width(), client.height() + bar.sizeHint().height()};
}

void MainWindow::createControls(const QByteArray& startFolder) {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    lists_ = new FolderLists(scale_, client, startFolder);
    driveList_ = lists_->drives();
    directoryList_ = lists_->directories();
    fileList_ = lists_->files();

    frame_ = new ItemFrame(scale_, scale_.rect(144, 4428, 7716, 1344), client);
    descriptionEdit_ = frame_->descriptionEdit();
    descriptionEdit_->installEventFilter(this);
    for (QWidget* list : std::initializer_list<QWidget*>{driveList_, directoryList_, fileList_})
        list->installEventFilter(this);

    quitButton_ = new QPushButton(tr("&Quit"), client);
    quitButton_->setObjectName(QStringLiteral("quitButton"));
    quitButton_->setAccessibleName(tr("Quit"));
    quitButton_->setGeometry(scale_.rect(6624, 5940, 1236, 516));
    quitButton_->setAutoDefault(false);

    setTabOrder(driveList_, directoryList_);
    setTabOrder(directoryList_, fileList_);
    setTabOrder(fileList_, descriptionEdit_);
    setTabOrder(descriptionEdit_, quitButton_);

    connect(lists_, &FolderLists::leavingVanishedFolder, this, [this] {
        // Not a move: the item shown stays, and so does a description in the box, kept for it.
        if (!vanishedItem_) vanishedItem_ = pathPartOfMove();
    });
    connect(lists_, &FolderLists::changed, this, &MainWindow::showNotesOfCurrent);
    connect(lists_, &FolderLists::renamed, this,
            [this](const QString& from, const QString& to) { renames_.add(from, to); });
    connect(driveList_, &widgets::DriveList::driveChosen, this, &MainWindow::onDriveChosen);
    connect(directoryList_, &widgets::DirectoryList::directoryChosen, this,
            &MainWindow::onDirectoryChosen);
    connect(fileList_, &widgets::FileList::fileChosen, this, &MainWindow::onFileChosen);
    // A click on a file or folder, current already or not, and the second press of a
    // double-click: what is typed next belongs in the box, never to the list's type-ahead.
    for (QAbstractItemView* list :
         std::initializer_list<QAbstractItemView*>{fileList_, directoryList_}) {
        connect(list, &QAbstractItemView::clicked, descriptionEdit_,
                [this] { descriptionEdit_->setFocus(); });
        connect(list, &QAbstractItemView::doubleClicked, descriptionEdit_,
                [this] { descriptionEdit_->setFocus(); });
    }
    connect(quitButton_, &QPushButton::clicked, this, &MainWindow::quit);

    bar_ = new RefusalBar(client);
    connect(bar_, &RefusalBar::retried, this, &MainWindow::retryRefused);
    connect(&recorder_, &EntryRecorder::refused, this, [this](const QString& message) {
        bar_->tell(message);
        placeBar();
    });
    // A line appended: whatever refused it is mended.
    connect(&recorder_, &EntryRecorder::appended, bar_, &QWidget::hide);

    driveList_->setFocus();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Describe, Down, describe: the box stays where the typing is.
        if (watched == descriptionEdit_ && MovesInFiles(*key)) {
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text(),
                           key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(fileList_, &copy);
            return true;
        }
        // Keys browse the lists; Enter goes on to describe what they reached. The directory list
        // opens the folder first.
        if (watched != descriptionEdit_ &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            descriptionEdit_->setFocus();
            return watched != directoryList_;
        }
    }
    if (watched == fileList_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placeBar();
    // A line edit claims the editing keys before any shortcut sees them; give the window's own
    // shortcuts back to the window, all but paste, which stays the box's.
    if (watched == descriptionEdit_ && event->type() == QEvent::ShortcutOverride &&
        !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : std::as_const(windowShortcuts_)) {
            if (action->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

ItemPath MainWindow::pathPartOfMove() const {
    if (vanishedItem_) return *vanishedItem_;
    return {platform::JoinPath(fileList_->path(), fileList_->fileName()),
            platform::JoinBytes(fileList_->nativePath(), fileList_->fileBytes())};
}

void MainWindow::placeBar() {
    if (bar_->isHidden()) return;
    const QRect list = fileList_->geometry();
    const int wanted = bar_->heightForWidth(list.width());
    const int height = std::min(wanted > 0 ? wanted : bar_->sizeHint().height(), list.height());
    bar_->setGeometry(list.x(), list.bottom() + 1 - height, list.width(), height);
}

void MainWindow::retryRefused() {
    if (const Result<void> usable = log_.usable(); !usable) {
        bar_->tell(usable.failure().message);
        return;
    }
    for (auto it = pending_.begin(); it != pending_.end(); it = pending_.erase(it))
        if (!recorder_.record(it->item, it->text)) return;
    bar_->hide();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // What the log refused is asked about as the box's text is.
    for (auto it = pending_.begin(); it != pending_.end(); it = pending_.erase(it)) {
        if (!recorder_.recordBeforeQuitting(it->item, it->text)) {
            event->ignore();
            return;
        }
    }
    // A failed append has been told; the window stays so the text can still be saved.
    if (!descriptionEdit_->text().isEmpty() &&
        !recorder_.recordBeforeQuitting(pathPartOfMove(), descriptionEdit_->text())) {
        event->ignore();
        return;
    }
    widgets::SaveWindowSize(this, kSizeSettings);
    FolderLists::rememberFolder(directoryList_->nativePath());
    QMainWindow::closeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first read waits until the window is on screen.
    if (!notes_.started()) QTimer::singleShot(0, &notes_, &NotesReader::read);
    // A log that may not be used is told once, before anything is typed, not at the first move.
    if (!logChecked_) {
        logChecked_ = true;
        QTimer::singleShot(0, this, [this] {
            if (const Result<void> usable = log_.usable(); !usable) {
                bar_->tell(usable.failure().message);
                placeBar();
            }
            showLogNotices();
        });
    }
}

void MainWindow::showNotes() {
    directoryList_->setDescriptions(notes_.notes());
    fileList_->setDescriptions(notes_.notes());
    showNotesOfCurrent();
    showLogNotices();
}

void MainWindow::showLogNotices() {
    for (const QString& notice : TakeLogNotices()) widgets::ShowWarning(this, notice);
}

void MainWindow::showNotesOfCurrent() {
    const QStringList notes = current_.text.isEmpty() ? QStringList()
                              : currentIsFile_        ? fileList_->currentDescriptions()
                                                      : directoryList_->currentDescriptions();
    const bool gone = vanishedItem_ || (currentIsFile_ && fileList_->currentFileGone());
    std::optional<RenameHints::Hint> hint;
    if (notes.isEmpty() && !current_.text.isEmpty() && !gone && notes_.notes())
        hint = renames_.hintFor(current_.text, !currentIsFile_, *notes_.notes());
    frame_->showNotes(current_.text, notes, gone, hint ? hint->oldPath : QString(),
                      hint ? hint->notes : QStringList());
}

void MainWindow::onDriveChosen(bool byKey) {
    const QScopedValueRollback keyMove(keyMove_, byKey);
    // A drive that cannot be read is skipped: nothing recorded, the lists stay where they are,
    // and the drive list shows their place again.
    if (!directoryList_->setPath(driveList_->drive()))
        driveList_->showDriveOf(directoryList_->path());
    if (!byKey) descriptionEdit_->setFocus();
}

void MainWindow::onDirectoryChosen() { makeCurrent(pathPartOfMove(), false, keyMove_); }

void MainWindow::onFileChosen(bool byKey) { makeCurrent(current_, true, byKey); }

void MainWindow::makeCurrent(const ItemPath& leaving, bool isFile, bool byKey) {
    // Refused, the text waits for its item to be current again.
    if (const QString text = descriptionEdit_->text();
        !text.isEmpty() && !recorder_.record(leaving, text))
        pending_.insert(leaving.native, {leaving, text});
    vanishedItem_.reset();
    notes_.follow();
    if (isFile) {
        current_ = {platform::JoinPath(fileList_->path(), fileList_->fileName()),
                    platform::JoinBytes(fileList_->nativePath(), fileList_->fileBytes())};
    } else {
        lists_->showFolder();
        current_ = {directoryList_->path(), directoryList_->nativePath()};
    }
    currentIsFile_ = isFile;
    frame_->showItem(current_.text, current_.native);
    showNotesOfCurrent();
    descriptionEdit_->setText(pending_.take(current_.native).text);
    if (!byKey) descriptionEdit_->setFocus();
}

void MainWindow::refreshLists() {
    notes_.follow();
    lists_->refresh();
}

void MainWindow::setShowHidden(bool show) {
    showHidden_ = show;
    hiddenFilesAction_->setChecked(show);
    directoryList_->setShowHidden(show);
    fileList_->setShowHidden(show);
}

bool MainWindow::showNativePath(const QByteArray& path) {
    const std::optional<FolderLists::Place> place = FolderLists::placeOf(path);
    if (!place) return false;
    if (place->hidden) setShowHidden(true);
    if (place->folder == directoryList_->nativePath()) {
        if (place->file.isEmpty()) onDirectoryChosen();  // shown already, yet not current
    } else if (!directoryList_->setNativePath(place->folder)) {
        return false;
    }
    return place->file.isEmpty() || fileList_->makeCurrent(place->file);
}

void MainWindow::startAt(const QByteArray& path) {
    if (showNativePath(path)) return;
    widgets::ShowWarning(
        this,
        tr("%1\n\nThere is no such file or folder, or it cannot be read.").arg(DecodeName(path)));
}

void MainWindow::quit() { close(); }

void MainWindow::viewCurrent() {
    QString chosen;
    if (const std::unique_ptr<ViewCurrentDialog> dialog = ViewCurrentDialog::fromLog(this, log_)) {
        showLogNotices();
        dialog->exec();
        chosen = dialog->chosenEntry();
    }
    // Deleted entries or a cleared log: the marks and the hint follow at once.
    notes_.readIfChanged();
    if (!chosen.isEmpty()) showEntryItem(chosen);
}

void MainWindow::showEntryItem(const QString& line) {
    const EntryItem item = ItemOfEntry(line);
    if (item.path.isEmpty()) return;
    // The item's own bytes: a name that is not valid UTF-8 is found as the log holds it.
    QByteArray path =
        item.exists ? item.native : platform::AbsoluteNativePath(platform::NativeBytes(item.path));
    if (item.exists && showNativePath(path)) return;
    // Its nearest folder; only folders, or a gone one would move to its parent on the way.
    do {
        path = platform::ParentBytes(path);
    } while (!path.isEmpty() && !(platform::IsReadableDirectory(path) && showNativePath(path)));
    widgets::ShowWarning(
        this, tr("%1\n\nThis item no longer exists.").arg(QDir::toNativeSeparators(item.path)));
}

void MainWindow::exportLog() {
    export_.run();
    showLogNotices();
}

void MainWindow::importNotes() {
    import_.run(directoryList_->path());
    showLogNotices();
}

void MainWindow::showHelp() {
    HelpDialog help(this);
    help.exec();
}

void MainWindow::showAbout() {
    AboutDialog about(this);
    about.exec();
}

}  // namespace kivra
