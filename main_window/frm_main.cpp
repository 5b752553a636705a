#include "main_window/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <limits>
#include <utility>

#include "about/frm_about.h"
#include "core/abbreviate_path.h"
#include "core/app_info.h"
#include "core/name_decoding.h"
#include "help/frm_help.h"
#include "main_window/import_command.h"
#include "platform/directory_reader.h"
#include "platform/native_path.h"
#include "view_current/open_view_current.h"
#include "widgets/directory_list.h"
#include "widgets/drive_list.h"
#include "widgets/file_list.h"
#include "widgets/fixed_window.h"
#include "widgets/message_box.h"
#include "widgets/note_marks.h"
#include "widgets/twips.h"

namespace kivra {

namespace {

constexpr int kLabelWidth = 64;
constexpr int kClientWidth = 8016;
constexpr int kClientHeight = 6588;

}  // namespace

frmMain::frmMain(EntryLog log, QWidget* parent)
    : QMainWindow(parent), log_(std::move(log)), exportCommand_(this, log_) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(app::kMainCaption));
    // A fixed dialog border: a close control, no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    createControls();
    createMenus();
    createKeys();
    Form_Load();
    widgets::KeepFixedSize(this);
}

QSize frmMain::SizeFor(const QFont& font) {
    QMenuBar bar;
    bar.setFont(font);
    bar.addMenu(tr("File"));
    const QSize client = TwipsScale::ForFont(font).Size(kClientWidth, kClientHeight);
    return {client.width(), client.height() + bar.sizeHint().height()};
}

frmMain::~frmMain() {
    // The reader fills an index only it holds; it is let finish, never cut off.
    if (reader_) {
        reader_->wait();
        delete reader_;
    }
}

void frmMain::Form_Load() {
    // The client area is the design's; the menu bar sits on top of it.
    const QSize client = scale_.Size(kClientWidth, kClientHeight);
    centralWidget()->setFixedSize(client);
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
}

void frmMain::createControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    dirPaths_ = new widgets::DirectoryList(client);
    dirPaths_->setObjectName(QStringLiteral("dirPaths"));
    dirPaths_->setAccessibleName(tr("Folders"));
    dirPaths_->setGeometry(scale_.Rect(144, 504, 3072, 3312));

    drvDriveList_ = new widgets::DriveList(client);
    drvDriveList_->setObjectName(QStringLiteral("drvDriveList"));
    drvDriveList_->setAccessibleName(tr("Drives"));
    drvDriveList_->setGeometry(scale_.Rect(144, 3924, 3072, 288));

    fileList_ = new widgets::FileList(client);
    fileList_->setObjectName(QStringLiteral("fileList"));
    fileList_->setAccessibleName(tr("Files"));
    fileList_->setGeometry(scale_.Rect(3312, 504, 4548, 3720));

    auto* frmFileInfo = new QGroupBox(tr("File/Path Information"), client);
    frmFileInfo->setObjectName(QStringLiteral("frmFileInfo"));
    frmFileInfo->setGeometry(scale_.Rect(144, 4428, 7716, 1344));

    auto* lblFilePath = new QLabel(tr("File/Path:"), frmFileInfo);
    lblFilePath->setObjectName(QStringLiteral("lblFilePath"));
    lblFilePath->setGeometry(scale_.Rect(360, 396, 768, 192));

    lblAbbrPath_ = new QLabel(frmFileInfo);
    lblAbbrPath_->setObjectName(QStringLiteral("lblAbbrPath"));
    lblAbbrPath_->setGeometry(scale_.Rect(1332, 396, 6132, 192));
    lblAbbrPath_->setTextFormat(Qt::PlainText);
    lblAbbrPath_->setAccessibleName(tr("File/Path: "));

    auto* lblDescr = new QLabel(tr("Description:"), frmFileInfo);
    lblDescr->setObjectName(QStringLiteral("lblDescr"));
    lblDescr->setGeometry(scale_.Rect(360, 756, 912, 192));

    txtDescription_ = new QLineEdit(frmFileInfo);
    txtDescription_->setObjectName(QStringLiteral("txtDescription"));
    txtDescription_->setAccessibleName(tr("Description"));
    txtDescription_->setGeometry(scale_.Rect(1296, 720, 6132, 288));
    txtDescription_->setMaxLength(std::numeric_limits<int>::max());  // Qt's default is 32,767
    txtDescription_->installEventFilter(this);

    cmdQuit_ = new QPushButton(tr("&Quit"), client);
    cmdQuit_->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit_->setAccessibleName(tr("Quit"));
    cmdQuit_->setGeometry(scale_.Rect(6624, 5940, 1236, 516));
    cmdQuit_->setAutoDefault(false);

    for (QWidget* w :
         std::initializer_list<QWidget*>{frmFileInfo, lblFilePath, lblAbbrPath_, lblDescr})
        w->setFocusPolicy(Qt::NoFocus);
    setTabOrder(drvDriveList_, dirPaths_);
    setTabOrder(dirPaths_, fileList_);
    setTabOrder(fileList_, txtDescription_);
    setTabOrder(txtDescription_, cmdQuit_);

    // At start the lists show the current directory, the label and CurrentPath stay empty. A
    // current directory that is gone or cannot be read would leave them empty with no way out.
    const QByteArray current = platform::CurrentDirectory();
    if (current.isEmpty() || !dirPaths_->setNativePath(current))
        if (!dirPaths_->setPath(QDir::homePath())) dirPaths_->setPath(QDir::rootPath());
    drvDriveList_->showDriveOf(dirPaths_->Path());
    fileList_->setPath(dirPaths_->Path(), dirPaths_->nativePath());
    folderWatch_.watch(dirPaths_->nativePath());

    connect(&folderWatch_, &FolderWatch::Changed, this, &frmMain::followDisk);
    connect(drvDriveList_, &widgets::DriveList::Change, this, &frmMain::drvDriveList_Change);
    connect(dirPaths_, &widgets::DirectoryList::Change, this, &frmMain::dirPaths_Change);
    connect(fileList_, &widgets::FileList::Click, this, &frmMain::fileList_Click);
    // The second press of a double-click takes the focus back; what is typed next belongs in the
    // box.
    connect(fileList_, &QAbstractItemView::doubleClicked, txtDescription_,
            [this] { txtDescription_->setFocus(); });
    connect(fileList_, &widgets::FileList::DirectoryGone, dirPaths_,
            &widgets::DirectoryList::moveToExistingParent);
    connect(cmdQuit_, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);

    drvDriveList_->setFocus();
}

void frmMain::createMenus() {
    QMenu* file = fileMenu_ = menuBar()->addMenu(tr("&File"));
    auto addItem = [this](QMenu* menu, const char* name, const QString& text,
                          const QKeySequence& key, void (frmMain::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1StringView(name));
        action->setShortcut(key);
        // The shortcut works wherever the focus is in the window.
        action->setShortcutContext(Qt::WindowShortcut);
        if (handler)
            connect(action, &QAction::triggered, this, handler);
        else
            action->setEnabled(false);
        return action;
    };
    windowShortcuts_.append(addItem(file, "FileImport", tr("Import"),
                                    QKeySequence(Qt::CTRL | Qt::Key_I),
                                    &frmMain::FileImport_Click));
    windowShortcuts_.append(addItem(file, "FileSave", tr("Export (Save Info)"),
                                    QKeySequence(Qt::CTRL | Qt::Key_S), &frmMain::FileSave_Click));
    windowShortcuts_.append(addItem(file, "FileView", tr("View Current"),
                                    QKeySequence(Qt::CTRL | Qt::Key_V), &frmMain::FileView_Click));
    QAction* separator = file->addSeparator();
    separator->setObjectName(QStringLiteral("FileSep"));
    windowShortcuts_.append(addItem(file, "FileQuit", tr("Quit"),
                                    QKeySequence(Qt::CTRL | Qt::Key_Q), &frmMain::FileQuit_Click));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    addItem(help, "HelpHelp", tr("Help"), QKeySequence(Qt::Key_F1), &frmMain::HelpHelp_Click);
    addItem(help, "HelpAbout", tr("About"), QKeySequence(), &frmMain::HelpAbout_Click);
}

void frmMain::createKeys() {
    const auto addKey = [this](const QKeySequence& key, auto handler) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
        windowShortcuts_.append(action);
    };
    addKey(QKeySequence(Qt::Key_F5), &frmMain::refreshLists);
    addKey(QKeySequence(Qt::ALT | Qt::Key_Up), [this] { dirPaths_->openParent(); });
    // The file managers' key.
    addKey(QKeySequence(Qt::CTRL | Qt::Key_H), [this] { setShowHidden(!showHidden_); });
    // As on the Linux desktops, beside Alt+F.
    addKey(QKeySequence(Qt::Key_F10),
           [this] { menuBar()->setActiveAction(fileMenu_->menuAction()); });
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // A line edit claims Ctrl+V (paste) and friends before any shortcut sees them; give the
    // window's own shortcuts back to the window.
    if (watched == txtDescription_ && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : std::as_const(windowShortcuts_)) {
            if (action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::appendDescription(const QString& pathPart) {
    const QString line = pathPart + QStringLiteral(" - ") + txtDescription_->text();
    const LogStamp before = LogStamp::of(log_.LogPath());
    const LogResult result = log_.AppendEntry(line);
    if (result) {
        noteAppended({line}, before);
        return true;
    }
    widgets::ShowMessage(this, tr("%1\n\nThis entry was not saved:\n%2").arg(result.error, line),
                         widgets::MsgStyle::Exclamation);
    return false;
}

QString frmMain::pathPartOfMove() const {
    return platform::JoinPath(fileList_->Path(), fileList_->FileName());
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (txtDescription_->text().isEmpty()) return QMainWindow::closeEvent(event);
    const QString pathPart = pathPartOfMove();
    widgets::MessageRequest ask{this,
                                tr("Record the description of %1 before quitting?").arg(pathPart),
                                widgets::MsgStyle::YesNoCancel, tr("&Record"), tr("&Discard")};
    const int answer = widgets::ShowMessage(ask);
    // A failed append has been told; the window stays so the text can still be saved.
    if (answer == widgets::kAnswerCancel ||
        (answer == widgets::kAnswerYes && !appendDescription(pathPart))) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void frmMain::noteAppended(const QStringList& lines, const LogStamp& before) {
    // Unless another copy changed the log since it was read.
    if (notes_ && !reading_ && before == notesStamp_) {
        QByteArray bytes;
        for (const QString& line : lines) EncodeLogLine(line, bytes);
        notes_->addBytes(bytes);
        notesStamp_ = LogStamp::of(log_.LogPath());
        showNotes();
    } else {
        notesStale_ = true;
    }
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first read waits until the window is on screen.
    if (!notes_ && !reading_) QTimer::singleShot(0, this, &frmMain::readNotes);
    // A log that may not be used is told once, before anything is typed, not at the first move.
    if (!logChecked_) {
        logChecked_ = true;
        QTimer::singleShot(0, this, [this] {
            if (const QString refusal = log_.NotAFileMessage(); !refusal.isEmpty())
                widgets::ShowMessage(this, refusal, widgets::MsgStyle::Exclamation);
        });
    }
}

void frmMain::readNotes() {
    if (reading_) {
        readAgain_ = true;
        return;
    }
    reading_ = true;
    notesStale_ = false;
    const QString path = log_.LogPath();
    auto notes = std::make_shared<DescriptionIndex>();
    auto stamp = std::make_shared<LogStamp>();
    reader_ = QThread::create([path, notes, stamp] {
        *stamp = LogStamp::of(path);
        // A log that cannot be read leaves no marks; View Current and Export tell why.
        if (!notes->load(path)) *notes = DescriptionIndex();
    });
    connect(reader_, &QThread::finished, this, [this, notes, stamp] {
        reader_->deleteLater();
        reader_ = nullptr;
        adoptNotes(notes, *stamp);
    });
    reader_->start(QThread::LowPriority);
}

void frmMain::adoptNotes(std::shared_ptr<DescriptionIndex> notes, const LogStamp& stamp) {
    reading_ = false;
    notes_ = std::move(notes);
    notesStamp_ = stamp;
    // Changed while it was read: read again at the next listing.
    if (LogStamp::of(log_.LogPath()) != stamp) notesStale_ = true;
    showNotes();
    // Asked again while reading: needed only if the log changed after this read began.
    if (std::exchange(readAgain_, false) && notesStale_) readNotes();
}

void frmMain::followLog() {
    if (!notes_ || reading_) return;
    if (notesStale_ || LogStamp::of(log_.LogPath()) != notesStamp_) readNotes();
}

void frmMain::showNotes() {
    dirPaths_->setDescriptions(notes_);
    fileList_->setDescriptions(notes_);
    showNotesOfCurrent();
}

void frmMain::showNotesOfCurrent() {
    const QStringList notes = currentPath_.isEmpty() ? QStringList()
                              : currentIsFile_       ? fileList_->currentDescriptions()
                                                     : dirPaths_->currentDescriptions();
    // Grey text only: the box stays empty, so moving on records nothing.
    txtDescription_->setPlaceholderText(notes.isEmpty() ? QString() : notes.last());
    QString tip = notes.isEmpty() ? currentPath_ : widgets::NotesTip(currentPath_, notes);
    if (currentIsFile_ && fileList_->currentFileGone()) tip += tr("\n\nIt no longer exists.");
    lblAbbrPath_->setToolTip(tip);
    // Read out whole and in its real case, as the tooltip shows it, but as plain text.
    lblAbbrPath_->setAccessibleName(tr("File/Path: ") + currentPath_);
    lblAbbrPath_->setAccessibleDescription(widgets::NotesAccessibleText(notes));
}

void frmMain::drvDriveList_Change() {
    // A drive that cannot be read is skipped: nothing recorded, the lists stay where they are.
    dirPaths_->setPath(drvDriveList_->Drive());
    txtDescription_->setFocus();
}

void frmMain::dirPaths_Change() {
    if (!txtDescription_->text().isEmpty()) appendDescription(pathPartOfMove());
    followLog();
    fileList_->setPath(dirPaths_->Path(), dirPaths_->nativePath());
    folderWatch_.watch(dirPaths_->nativePath());
    drvDriveList_->showDriveOf(dirPaths_->Path());
    lblAbbrPath_->setText(AbbreviatePath(dirPaths_->Path(), kLabelWidth));
    currentPath_ = dirPaths_->Path();
    currentIsFile_ = false;
    showNotesOfCurrent();
    txtDescription_->clear();
    txtDescription_->setFocus();
}

void frmMain::fileList_Click() {
    if (!txtDescription_->text().isEmpty()) appendDescription(currentPath_);
    const QString fullPath = platform::JoinPath(fileList_->Path(), fileList_->FileName());
    lblAbbrPath_->setText(AbbreviatePath(fullPath, kLabelWidth));
    currentPath_ = fullPath;
    currentIsFile_ = true;
    showNotesOfCurrent();
    txtDescription_->clear();
    txtDescription_->setFocus();
}

void frmMain::refreshLists() {
    followLog();
    drvDriveList_->refresh();
    // A shown directory that vanished is left for its nearest parent: a move, which records.
    if (!dirPaths_->refresh()) {
        dirPaths_->moveToExistingParent();
        return;
    }
    fileList_->refresh();
    folderWatch_.watch(dirPaths_->nativePath());  // a folder made again, a watch given back
    showNotesOfCurrent();
}

void frmMain::followDisk() {
    // A shown folder that vanished stays shown until the user moves or presses F5.
    if (!dirPaths_->refresh()) return;
    fileList_->refresh();
    showNotesOfCurrent();
}

void frmMain::setShowHidden(bool show) {
    showHidden_ = show;
    dirPaths_->setShowHidden(show);
    fileList_->setShowHidden(show);
}

bool frmMain::showNativePath(const QByteArray& path) {
    const QByteArray full = platform::AbsoluteNativePath(path);
    const bool isFolder = platform::IsReadableDirectory(full);
    const QByteArray folder = isFolder ? full : platform::ParentBytes(full);
    if (folder.isEmpty() || (!isFolder && !platform::IsReadableDirectory(folder))) return false;
    if (platform::IsHidden(full)) setShowHidden(true);
    if (folder == dirPaths_->nativePath()) {
        if (isFolder) dirPaths_Change();  // shown already, yet not current
    } else if (!dirPaths_->setNativePath(folder)) {
        return false;
    }
    return isFolder || fileList_->makeCurrent(full.mid(platform::JoinBytes(folder, {}).size()));
}

void frmMain::startAt(const QByteArray& path) {
    if (showNativePath(path)) return;
    widgets::ShowMessage(
        this,
        tr("%1\n\nThere is no such file or folder, or it cannot be read.").arg(DecodeName(path)),
        widgets::MsgStyle::Exclamation);
}

void frmMain::cmdQuit_Click() { FileQuit_Click(); }

void frmMain::FileQuit_Click() { close(); }

void frmMain::FileView_Click() {
    const QString chosen = OpenViewCurrent(this, log_);
    // Deleted entries or a cleared log: the marks and the hint follow at once.
    if (reading_ || notesStale_ || LogStamp::of(log_.LogPath()) != notesStamp_) readNotes();
    if (!chosen.isEmpty()) showEntryItem(chosen);
}

void frmMain::showEntryItem(const QString& line) {
    const EntryItem item = ItemOfEntry(line);
    if (item.path.isEmpty()) return;
    QByteArray path = platform::AbsoluteNativePath(platform::NativeBytes(item.path));
    if (item.exists && showNativePath(path)) return;
    // Its nearest folder; only folders, or a gone one would move to its parent on the way.
    do {
        path = platform::ParentBytes(path);
    } while (!path.isEmpty() && !(platform::IsReadableDirectory(path) && showNativePath(path)));
    widgets::ShowMessage(
        this, tr("%1\n\nThis item no longer exists.").arg(QDir::toNativeSeparators(item.path)),
        widgets::MsgStyle::Exclamation);
}

void frmMain::FileSave_Click() { exportCommand_.run(); }

void frmMain::FileImport_Click() {
    const ImportOutcome outcome = RunImport(this, log_, dirPaths_->Path());
    if (outcome.added.isEmpty()) return;
    noteAppended(outcome.added, outcome.before);
    // Shown now, not at the next listing, also when the log has to be read again for it.
    if (notesStale_) readNotes();
}

void frmMain::HelpHelp_Click() { ShowHelp(this); }

void frmMain::HelpAbout_Click() { ShowAbout(this); }

}  // namespace kivra
