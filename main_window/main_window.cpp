#include "main_window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>
#include <QtConcurrentRun>
#include <limits>
#include <utility>

#include "about/about_dialog.h"
#include "core/abbreviate_path.h"
#include "core/app_info.h"
#include "core/name_decoding.h"
#include "core/note_import.h"
#include "help/help_dialog.h"
#include "platform/directory_reader.h"
#include "platform/native_path.h"
#include "platform/origin_attributes.h"
#include "view_current/view_current_dialog.h"
#include "widgets/directory_list.h"
#include "widgets/drive_list.h"
#include "widgets/file_list.h"
#include "widgets/message_box.h"
#include "widgets/note_marks.h"
#include "widgets/one_line_validator.h"
#include "widgets/open_files_dialog.h"
#include "widgets/readable_grey.h"
#include "widgets/settings.h"
#include "widgets/twips.h"
#include "widgets/window_size.h"

namespace kivra {

namespace {

constexpr int kLabelWidth = 64;
constexpr int kClientWidth = 8016;
constexpr int kClientHeight = 6588;
const QString kSizeSettings = QStringLiteral("MainWindow");
// How far the description moves down while the "From:" line shows.
constexpr int kOriginShift = 216;

const QKeySequence kInsertOriginKey(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
constexpr QLatin1StringView kWriteNotesKey("writeNotesIntoFiles");

// So the import's box fits on the screen however many files were picked.
constexpr qsizetype kListedFiles = 15;

const QString kNewestFirstSetting = QStringLiteral("view/newestFirst");

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

// A log that is not there yet holds nothing.
LogResult readLog(const EntryLog& log, QStringList& lines) {
    lines.clear();
    if (!log.logExists()) {
        const QString notAFile = log.notAFileMessage();
        return notAFile.isEmpty() ? LogResult{} : LogResult::failure(notAFile);
    }
    ReadResult read = log.readEntries();
    if (!read.ok) return LogResult::failure(read.error);
    lines = std::move(read.lines);
    return {};
}

}  // namespace

MainWindow::MainWindow(EntryLog log, QWidget* parent) : QMainWindow(parent), log_(std::move(log)) {
    setObjectName(QStringLiteral("MainWindow"));
    notesPool_.setThreadPriority(QThread::LowPriority);
    setWindowTitle(QString::fromLatin1(app::kMainCaption));
    // A close control and a maximise button, no minimise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    createControls();
    createMenus();
    createKeys();
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
    QWidget* frame = pathLabel_->parentWidget();
    layout->add(frame, {0, 1, 1, 1});
    layout->add(quitButton_, widgets::kCornerBottomRight);
    frameLayout_ = new widgets::GrowingLayout(frame, frame->size());
    frameLayout_->add(pathLabel_, {0, 0, 1, 0});
    frameLayout_->add(originLabel_, {0, 0, 1, 0});
    frameLayout_->add(descriptionCaption_, {});
    frameLayout_->add(descriptionEdit_, {0, 0, 1, 0});
}

QSize MainWindow::sizeFor(const QFont& font) {
    QMenuBar bar;
    bar.setFont(font);
    //: Only measured, never shown: the height of a menu bar.
    bar.addMenu(tr("File"));
    const QSize client = TwipsScale::forFont(font).size(kClientWidth, kClientHeight);
    return {client.width(), client.height() + bar.sizeHint().height()};
}

MainWindow::~MainWindow() {
    // A read fills an index only it holds; it is let finish, never cut off.
    if (notesReader_) notesReader_->waitForFinished();
}

void MainWindow::createControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    directoryList_ = new widgets::DirectoryList(client);
    directoryList_->setObjectName(QStringLiteral("directoryList"));
    directoryList_->setAccessibleName(tr("Folders"));
    directoryList_->setGeometry(scale_.rect(144, 504, 3072, 3312));

    driveList_ = new widgets::DriveList(client);
    driveList_->setObjectName(QStringLiteral("driveList"));
    driveList_->setAccessibleName(tr("Drives"));
    driveList_->setGeometry(scale_.rect(144, 3924, 3072, 288));

    fileList_ = new widgets::FileList(client);
    fileList_->setObjectName(QStringLiteral("fileList"));
    fileList_->setAccessibleName(tr("Files"));
    fileList_->setGeometry(scale_.rect(3312, 504, 4548, 3720));
    fileList_->setNewestFirst(widgets::UserSettings().value(kNewestFirstSetting).toBool());

    auto* fileInfoBox = new QGroupBox(tr("File/Path Information"), client);
    fileInfoBox->setObjectName(QStringLiteral("fileInfoBox"));
    fileInfoBox->setGeometry(scale_.rect(144, 4428, 7716, 1344));

    //: Caption of the path of the file or folder shown.
    auto* pathCaption = new QLabel(tr("File/Path:"), fileInfoBox);
    pathCaption->setObjectName(QStringLiteral("pathCaption"));
    pathCaption->setGeometry(scale_.rect(360, 396, 768, 192));

    pathLabel_ = new QLabel(fileInfoBox);
    pathLabel_->setObjectName(QStringLiteral("pathLabel"));
    pathLabel_->setGeometry(scale_.rect(1332, 396, 6132, 192));
    pathLabel_->setTextFormat(Qt::PlainText);
    pathLabel_->setAccessibleName(tr("File/Path: "));

    // Under the path, for an item that has an origin only.
    //: Caption of the address a download came from.
    originCaption_ = new QLabel(tr("From:"), fileInfoBox);
    originCaption_->setObjectName(QStringLiteral("originCaption"));
    originCaption_->setGeometry(scale_.rect(360, 612, 768, 192));
    originCaption_->hide();
    originLabel_ = new QLabel(fileInfoBox);
    originLabel_->setObjectName(QStringLiteral("originLabel"));
    originLabel_->setGeometry(scale_.rect(1332, 612, 6132, 192));
    originLabel_->setTextFormat(Qt::PlainText);
    originLabel_->setAccessibleName(tr("Downloaded from"));
    originLabel_->hide();
    originLabel_->installEventFilter(this);

    auto* descriptionCaption = descriptionCaption_ = new QLabel(tr("Description:"), fileInfoBox);
    descriptionCaption->setObjectName(QStringLiteral("descriptionCaption"));
    descriptionCaption->setGeometry(scale_.rect(360, 756, 912, 192));

    descriptionEdit_ = new QLineEdit(fileInfoBox);
    descriptionEdit_->setObjectName(QStringLiteral("descriptionEdit"));
    descriptionEdit_->setAccessibleName(tr("Description"));
    descriptionEdit_->setGeometry(scale_.rect(1296, 720, 6132, 288));
    descriptionEdit_->setMaxLength(std::numeric_limits<int>::max());  // Qt's default is 32,767
    descriptionEdit_->setValidator(new widgets::OneLineValidator(descriptionEdit_));
    descriptionEdit_->installEventFilter(this);
    for (QWidget* list : std::initializer_list<QWidget*>{driveList_, directoryList_, fileList_})
        list->installEventFilter(this);
    widgets::KeepPlaceholderReadable(descriptionEdit_);
    descriptionEdit_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(descriptionEdit_, &QWidget::customContextMenuRequested, this,
            &MainWindow::showDescriptionMenu);

    quitButton_ = new QPushButton(tr("&Quit"), client);
    quitButton_->setObjectName(QStringLiteral("quitButton"));
    quitButton_->setAccessibleName(tr("Quit"));
    quitButton_->setGeometry(scale_.rect(6624, 5940, 1236, 516));
    quitButton_->setAutoDefault(false);

    for (QWidget* w :
         std::initializer_list<QWidget*>{fileInfoBox, pathCaption, pathLabel_, originCaption_,
                                         originLabel_, descriptionCaption})
        w->setFocusPolicy(Qt::NoFocus);
    setTabOrder(driveList_, directoryList_);
    setTabOrder(directoryList_, fileList_);
    setTabOrder(fileList_, descriptionEdit_);
    setTabOrder(descriptionEdit_, quitButton_);

    // At start the lists show the current directory, the label and CurrentPath stay empty. A
    // current directory that is gone or cannot be read would leave them empty with no way out.
    const QByteArray current = platform::CurrentDirectory();
    if (current.isEmpty() || !directoryList_->setNativePath(current))
        if (!directoryList_->setPath(QDir::homePath())) directoryList_->setPath(QDir::rootPath());
    driveList_->showDriveOf(directoryList_->path());
    fileList_->setPath(directoryList_->path(), directoryList_->nativePath());
    folderWatch_.watch(directoryList_->nativePath());

    connect(&folderWatch_, &FolderWatch::changed, this, &MainWindow::followDisk);
    connect(driveList_, &widgets::DriveList::driveChosen, this, &MainWindow::onDriveChosen);
    connect(directoryList_, &widgets::DirectoryList::directoryChosen, this,
            &MainWindow::onDirectoryChosen);
    connect(fileList_, &widgets::FileList::fileChosen, this, &MainWindow::onFileChosen);
    // The second press of a double-click takes the focus back; what is typed next belongs in the
    // box.
    connect(fileList_, &QAbstractItemView::doubleClicked, descriptionEdit_,
            [this] { descriptionEdit_->setFocus(); });
    connect(fileList_, &widgets::FileList::directoryGone, this, &MainWindow::leaveVanishedFolder);
    connect(directoryList_, &widgets::DirectoryList::directoryGone, this,
            &MainWindow::leaveVanishedFolder);
    connect(quitButton_, &QPushButton::clicked, this, &MainWindow::quit);

    driveList_->setFocus();
}

void MainWindow::createMenus() {
    QMenu* file = fileMenu_ = menuBar()->addMenu(tr("&File"));
    auto addItem = [this](QMenu* menu, const char* name, const QString& text,
                          const QKeySequence& key, void (MainWindow::*handler)()) {
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
    windowShortcuts_.append(addItem(file, "importAction", tr("Import"),
                                    QKeySequence(Qt::CTRL | Qt::Key_I), &MainWindow::importNotes));
    windowShortcuts_.append(addItem(file, "exportAction", tr("Export (Save Info)"),
                                    QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::exportLog));
    windowShortcuts_.append(addItem(file, "viewCurrentAction", tr("View Current"),
                                    QKeySequence(Qt::CTRL | Qt::Key_V), &MainWindow::viewCurrent));
    if (platform::kFileComments) {
        QAction* notes = file->addAction(tr("Write Notes into Files"));
        notes->setObjectName(QStringLiteral("writeNotesAction"));
        notes->setCheckable(true);
        writeNotes_ = widgets::UserSettings().value(kWriteNotesKey, false).toBool();
        notes->setChecked(writeNotes_);
        connect(notes, &QAction::toggled, this, [this](bool on) {
            writeNotes_ = on;
            widgets::UserSettings().setValue(kWriteNotesKey, on);
        });
    }
    QAction* separator = file->addSeparator();
    separator->setObjectName(QStringLiteral("fileSeparator"));
    windowShortcuts_.append(addItem(file, "quitAction", tr("Quit"),
                                    QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::quit));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    // The state is the item's check mark; only the user's own choice triggers it.
    const auto addChoice = [&](const char* name, const QString& text, const QKeySequence& key,
                               bool checked, void (MainWindow::*set)(bool)) {
        QAction* action = addItem(view, name, text, key, nullptr);
        action->setEnabled(true);
        action->setCheckable(true);
        action->setChecked(checked);
        connect(action, &QAction::triggered, this, set);
        windowShortcuts_.append(action);
        return action;
    };
    // Ctrl+N: no text box, desktop or input method takes it, and this window makes nothing new.
    addChoice("newestFirstAction", tr("Newest First"), QKeySequence(Qt::CTRL | Qt::Key_N),
              fileList_->newestFirst(), &MainWindow::setNewestFirst);
    // The file managers' key.
    hiddenFilesAction_ =
        addChoice("hiddenFilesAction", tr("Hidden Files"), QKeySequence(Qt::CTRL | Qt::Key_H),
                  showHidden_, &MainWindow::setShowHidden);
    view->addSeparator();
    windowShortcuts_.append(addItem(view, "refreshAction", tr("Refresh"), QKeySequence(Qt::Key_F5),
                                    &MainWindow::refreshLists));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    addItem(help, "helpAction", tr("Help"), QKeySequence(Qt::Key_F1), &MainWindow::showHelp);
    addItem(help, "aboutAction", tr("About"), QKeySequence(), &MainWindow::showAbout);
}

void MainWindow::createKeys() {
    const auto addKey = [this](const QKeySequence& key, auto handler) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
        windowShortcuts_.append(action);
    };
    addKey(QKeySequence(Qt::ALT | Qt::Key_Up), [this] {
        const QScopedValueRollback byKey(keyMove_, true);
        directoryList_->openParent();
    });
    addKey(kInsertOriginKey, &MainWindow::insertOrigin);
    // As on the Linux desktops, beside Alt+F.
    addKey(QKeySequence(Qt::Key_F10),
           [this] { menuBar()->setActiveAction(fileMenu_->menuAction()); });
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
    // A line edit claims Ctrl+V (paste) and friends before any shortcut sees them; give the
    // window's own shortcuts back to the window.
    if (watched == descriptionEdit_ && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : std::as_const(windowShortcuts_)) {
            if (action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    // The origin's text follows its line's width.
    if (watched == originLabel_ && event->type() == QEvent::Resize) elideOrigin();
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::appendDescription(const ItemPath& pathPart) {
    const QString rest = QStringLiteral(" - ") + descriptionEdit_->text();
    const LogStamp before = LogStamp::of(log_.logPath());
    const LogResult result = log_.appendEntry(pathPart.native, rest);
    if (result) {
        QByteArray line;
        EncodeLogLine(pathPart.native, rest, line);
        noteAppended(line, before);
        if (writeNotes_ && !pathPart.native.isEmpty())
            writeNote(pathPart, descriptionEdit_->text());
        return true;
    }
    widgets::ShowWarning(
        this, tr("%1\n\nThis entry was not saved:\n%2").arg(result.error, pathPart.text + rest));
    return false;
}

void MainWindow::writeNote(const ItemPath& item, const QString& text) {
    const QString reason = platform::WriteFileComment(item.native, text.toUtf8());
    if (reason.isEmpty() || std::exchange(noteFailureTold_, true)) return;
    // Said once the move is done: the move never waits on the box.
    QTimer::singleShot(0, this, [this, path = item.text, reason] {
        widgets::ShowWarning(
            this, tr("The description of %1 is in the log, but it could not be written into the "
                     "item itself: %2\n\nLater failures to write a note into a file are not told "
                     "again until the program starts anew.")
                      .arg(path, reason));
    });
}

MainWindow::ItemPath MainWindow::pathPartOfMove() const {
    if (vanishedItem_) return *vanishedItem_;
    return {platform::JoinPath(fileList_->path(), fileList_->fileName()),
            platform::JoinBytes(fileList_->nativePath(), fileList_->fileBytes())};
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (descriptionEdit_->text().isEmpty()) {
        widgets::SaveWindowSize(this, kSizeSettings);
        return QMainWindow::closeEvent(event);
    }
    const ItemPath pathPart = pathPartOfMove();
    const auto answer = widgets::ShowMessage(
        {.parent = this,
         .text = tr("Record the description of %1 before quitting?").arg(pathPart.text),
         .buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         .yes = tr("&Record"),
         .no = tr("&Discard")});
    // A failed append has been told; the window stays so the text can still be saved.
    if (answer == QMessageBox::Cancel ||
        (answer == QMessageBox::Yes && !appendDescription(pathPart))) {
        event->ignore();
        return;
    }
    widgets::SaveWindowSize(this, kSizeSettings);
    QMainWindow::closeEvent(event);
}

void MainWindow::noteAppended(const QByteArray& lines, const LogStamp& before) {
    // Unless another copy changed the log since it was read.
    if (notes_ && !notesReader_ && before == notesStamp_) {
        notes_->addBytes(lines);
        notesStamp_ = LogStamp::of(log_.logPath());
        showNotes();
    } else {
        notesStale_ = true;
        followLog();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first read waits until the window is on screen.
    if (!notes_ && !notesReader_) QTimer::singleShot(0, this, &MainWindow::readNotes);
    // A log that may not be used is told once, before anything is typed, not at the first move.
    if (!logChecked_) {
        logChecked_ = true;
        QTimer::singleShot(0, this, [this] {
            if (const QString refusal = log_.notAFileMessage(); !refusal.isEmpty())
                widgets::ShowWarning(this, refusal);
        });
    }
}

void MainWindow::readNotes() {
    if (notesReader_) {
        notesStale_ = true;
        return;
    }
    notesStale_ = false;
    notesReader_ = new QFutureWatcher<NotesRead>(this);
    connect(notesReader_, &QFutureWatcherBase::finished, this, &MainWindow::adoptNotes);
    notesReader_->setFuture(QtConcurrent::run(&notesPool_, [path = log_.logPath()] {
        NotesRead read{std::make_shared<DescriptionIndex>(), LogStamp::of(path)};
        // A log that cannot be read leaves no marks; View Current and Export tell why.
        if (!read.notes->load(path)) *read.notes = DescriptionIndex();
        return read;
    }));
}

void MainWindow::adoptNotes() {
    QFutureWatcher<NotesRead>* reader = std::exchange(notesReader_, nullptr);
    reader->deleteLater();
    const NotesRead read = reader->result();
    notes_ = read.notes;
    notesStamp_ = read.stamp;
    showNotes();
    // Asked for again, or lines appended, while it ran: read again if the log changed since it
    // began. Any other change waits for the next move.
    if (std::exchange(notesStale_, false) && LogStamp::of(log_.logPath()) != notesStamp_)
        readNotes();
}

void MainWindow::followLog() {
    if (!notes_ && !notesReader_) return;  // the first read is not asked for yet
    // A read that runs is asked again: it reads once more after, when the log changed since.
    if (notesReader_ || notesStale_ || LogStamp::of(log_.logPath()) != notesStamp_) readNotes();
}

void MainWindow::showNotes() {
    directoryList_->setDescriptions(notes_);
    fileList_->setDescriptions(notes_);
    showNotesOfCurrent();
}

void MainWindow::showNotesOfCurrent() {
    const QStringList notes = currentPath_.isEmpty() ? QStringList()
                              : currentIsFile_       ? fileList_->currentDescriptions()
                                                     : directoryList_->currentDescriptions();
    // Grey text only: the box stays empty, so moving on records nothing.
    descriptionEdit_->setPlaceholderText(notes.isEmpty() ? origin_.comment : notes.last());
    QString tip = notes.isEmpty() ? currentPath_ : widgets::NotesTip(currentPath_, notes);
    if (notes.isEmpty() && !origin_.comment.isEmpty())
        tip +=
            tr("\n\nThe grey hint is the comment kept in the item itself (user.xdg.comment), "
               "as a file manager or another program set it.");
    if (vanishedItem_ || (currentIsFile_ && fileList_->currentFileGone()))
        tip += tr("\n\nIt no longer exists.");
    pathLabel_->setToolTip(tip);
    // Read out whole and in its real case, as the tooltip shows it, but as plain text.
    pathLabel_->setAccessibleName(tr("File/Path: ") + currentPath_);
    pathLabel_->setAccessibleDescription(widgets::NotesAccessibleText(notes));
}

void MainWindow::readOrigin() {
    origin_ = ReadFileOrigin(currentNative_);
    const bool shown = !origin_.address.isEmpty();
    if (shown == originLabel_->isHidden()) {
        const QPoint shift(0, (shown ? 1 : -1) * scale_.scaledY(kOriginShift));
        for (QWidget* w : std::initializer_list<QWidget*>{descriptionCaption_, descriptionEdit_})
            frameLayout_->shift(w, shift);
        originCaption_->setVisible(shown);
        originLabel_->setVisible(shown);
    }
    QString tip = origin_.address;
    if (!origin_.referrer.isEmpty()) tip += tr("\nLinked from: %1").arg(origin_.referrer);
    originLabel_->setToolTip(tip);
    elideOrigin();
}

void MainWindow::elideOrigin() {
    originLabel_->setText(originLabel_->fontMetrics().elidedText(origin_.address, Qt::ElideMiddle,
                                                                 originLabel_->width()));
}

void MainWindow::insertOrigin() {
    if (origin_.address.isEmpty()) return;
    descriptionEdit_->insert(origin_.address);
    descriptionEdit_->setFocus();
}

void MainWindow::showDescriptionMenu(const QPoint& position) {
    const std::unique_ptr<QMenu> menu(descriptionEdit_->createStandardContextMenu());
    menu->addSeparator();
    QAction* insert = menu->addAction(tr("Insert Download Address"));
    insert->setObjectName(QStringLiteral("insertOriginAction"));
    insert->setShortcut(kInsertOriginKey);
    insert->setEnabled(!origin_.address.isEmpty());
    connect(insert, &QAction::triggered, this, &MainWindow::insertOrigin);
    menu->exec(descriptionEdit_->mapToGlobal(position));
}

void MainWindow::onDriveChosen(bool byKey) {
    const QScopedValueRollback keyMove(keyMove_, byKey);
    // A drive that cannot be read is skipped: nothing recorded, the lists stay where they are.
    directoryList_->setPath(driveList_->drive());
    if (!byKey) descriptionEdit_->setFocus();
}

void MainWindow::onDirectoryChosen() {
    if (!descriptionEdit_->text().isEmpty()) appendDescription(pathPartOfMove());
    vanishedItem_.reset();
    followLog();
    fileList_->setPath(directoryList_->path(), directoryList_->nativePath());
    folderWatch_.watch(directoryList_->nativePath());
    driveList_->showDriveOf(directoryList_->path());
    pathLabel_->setText(AbbreviatePath(directoryList_->path(), kLabelWidth));
    currentPath_ = directoryList_->path();
    currentNative_ = directoryList_->nativePath();
    currentIsFile_ = false;
    readOrigin();
    showNotesOfCurrent();
    descriptionEdit_->clear();
    if (!keyMove_) descriptionEdit_->setFocus();
}

void MainWindow::onFileChosen(bool byKey) {
    if (!descriptionEdit_->text().isEmpty()) appendDescription({currentPath_, currentNative_});
    vanishedItem_.reset();
    followLog();
    const QString fullPath = platform::JoinPath(fileList_->path(), fileList_->fileName());
    pathLabel_->setText(AbbreviatePath(fullPath, kLabelWidth));
    currentPath_ = fullPath;
    currentNative_ = platform::JoinBytes(fileList_->nativePath(), fileList_->fileBytes());
    currentIsFile_ = true;
    readOrigin();
    showNotesOfCurrent();
    descriptionEdit_->clear();
    if (!byKey) descriptionEdit_->setFocus();
}

void MainWindow::refreshLists() {
    followLog();
    driveList_->refresh();
    // Where the watch does not reach, a shown directory that vanished is noticed here.
    if (!directoryList_->refresh()) {
        leaveVanishedFolder();
        return;
    }
    fileList_->refresh();
    folderWatch_.watch(directoryList_->nativePath());  // a folder made again, a watch given back
    showNotesOfCurrent();
}

void MainWindow::followDisk() {
    if (!directoryList_->refresh()) {
        leaveVanishedFolder();
        return;
    }
    fileList_->refresh();
    showNotesOfCurrent();
}

void MainWindow::leaveVanishedFolder() {
    // Not a move: the item shown stays, and so does a description in the box, kept for it.
    if (!vanishedItem_) vanishedItem_ = pathPartOfMove();
    {
        const QSignalBlocker quiet(directoryList_);
        directoryList_->moveToExistingParent();
    }
    fileList_->setPath(directoryList_->path(), directoryList_->nativePath());
    folderWatch_.watch(directoryList_->nativePath());
    driveList_->refresh();  // an unmounted volume leaves the list
    driveList_->showDriveOf(directoryList_->path());
    showNotesOfCurrent();
}

void MainWindow::setShowHidden(bool show) {
    showHidden_ = show;
    hiddenFilesAction_->setChecked(show);
    directoryList_->setShowHidden(show);
    fileList_->setShowHidden(show);
}

void MainWindow::setNewestFirst(bool newest) {
    fileList_->setNewestFirst(newest);
    widgets::UserSettings().setValue(kNewestFirstSetting, newest);
}

bool MainWindow::showNativePath(const QByteArray& path) {
    const QByteArray full = platform::AbsoluteNativePath(path);
    const bool isFolder = platform::IsReadableDirectory(full);
    const QByteArray folder = isFolder ? full : platform::ParentBytes(full);
    if (folder.isEmpty() || (!isFolder && !platform::IsReadableDirectory(folder))) return false;
    const QByteArray name =
        isFolder ? QByteArray() : full.mid(platform::JoinBytes(folder, {}).size());
    // A file that is not there moves nothing: a start goes on as one without a path.
    bool listed = isFolder;
    if (!listed)
        platform::ReadDirectory(folder, [&](const platform::DirectoryEntryView& entry) {
            listed = listed || (!entry.isDirectory && entry.name == name);
        });
    if (!listed) return false;
    if (platform::IsHidden(full)) setShowHidden(true);
    if (folder == directoryList_->nativePath()) {
        if (isFolder) onDirectoryChosen();  // shown already, yet not current
    } else if (!directoryList_->setNativePath(folder)) {
        return false;
    }
    return isFolder || fileList_->makeCurrent(name);
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
        dialog->exec();
        chosen = dialog->chosenEntry();
    }
    // Deleted entries or a cleared log: the marks and the hint follow at once.
    if (notesReader_ || notesStale_ || LogStamp::of(log_.logPath()) != notesStamp_) readNotes();
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
    if (!widgets::WarnUnlessLogExists(this, log_)) return;
    // Loaded before the dialog opens, so a cancel still leaves the buffer holding the log.
    if (const LogResult loaded = exportBuffer_.load(log_.logPath()); !loaded) {
        widgets::ShowWarning(this, loaded.error);
        return;
    }
    saveAsDialog_.title = tr("Save As");
    saveAsDialog_.filter = tr("Plain Text (*.txt)") + QStringLiteral("|*.TXT|") +
                           tr("Rich Text (*.rtf)") + QStringLiteral("|*.RTF");
    saveAsDialog_.fileName = QStringLiteral("INDEX");
    // The proposed name, which has no extension, is written as RTF: the filter says so.
    saveAsDialog_.filterIndex = 1;
    // The dialog's own answer tells a cancel; a chosen path need not hold ":\".
    if (!saveAsDialog_.exec(this)) return;

    const QString& name = saveAsDialog_.fileName;
    const auto type = ExportBuffer::typeFor(
        name, saveAsDialog_.filterIndex == 0 ? ExportBuffer::Text : ExportBuffer::Rtf);
    if (const LogResult saved = exportBuffer_.save(name, type); !saved)
        widgets::ShowWarning(this, saved.error);
}

QString MainWindow::importSummary(const ImportPlan& plan) {
    QStringList text;
    for (qsizetype i = 0; i < plan.files.size() && i < kListedFiles; ++i) {
        const ImportFile& file = plan.files[i];
        //: An imported file and its format: "/home/ann/DESCRIPT.ION (DESCRIPT.ION)".
        const QString head = tr("%1 (%2)").arg(file.path, ImportFormatName(file.format));
        if (!file.skipped.isEmpty())
            text.append(tr("%1: skipped, %2").arg(head, file.skipped));
        else if (file.entries.isEmpty())
            text.append(tr("%1: no new entries").arg(head));
        else
            text.append(tr("%1: %n new, the first:\n    %2", nullptr, int(file.entries.size()))
                            .arg(head, file.entries.first()));
    }
    if (plan.files.size() > kListedFiles)
        text.append(tr("and %n more files", nullptr, int(plan.files.size() - kListedFiles)));
    if (plan.alreadyInLog > 0)
        text.append(tr("%n entries are already in the log.", nullptr, int(plan.alreadyInLog)));
    if (plan.repeated > 0)
        text.append(tr("%n entries repeat one before them.", nullptr, int(plan.repeated)));
    return text.join(u'\n');
}

void MainWindow::importNotes() {
    const QStringList picked = widgets::ShowOpenFiles(
        {this,
         tr("Import"),
         directoryList_->path(),
         {tr("Notes (*.dat descript.ion files.bbs *.txt)"), tr("All Files (*)")}});
    if (picked.isEmpty()) return;

    QStringList logLines;
    if (const LogResult read = readLog(log_, logLines); !read) {
        widgets::ShowWarning(this, read.error);
        return;
    }
    const ImportPlan plan = PlanImport(picked, logLines, log_.logPath());
    logLines.clear();
    const QStringList entries = plan.entries();
    if (entries.isEmpty()) {
        widgets::ShowMessage(
            {.parent = this,
             .text = importSummary(plan) + tr("\n\nThere is nothing new to import.")});
        return;
    }
    const QString question = tr("Import %n entries?", nullptr, int(entries.size()));
    if (widgets::ShowMessage({.parent = this,
                              .text = importSummary(plan) + QStringLiteral("\n\n") + question,
                              .buttons = QMessageBox::Yes | QMessageBox::No,
                              .defaultButton = QMessageBox::No}) != QMessageBox::Yes)
        return;

    // Another copy may have written while the box was open: decided again under the lock.
    QStringList added;
    LogStamp before;
    const LogResult written = log_.locked([&]() -> LogResult {
        if (const LogResult read = readLog(log_, logLines); !read) return read;
        added = NewEntries(entries, logLines);
        before = LogStamp::of(log_.logPath());
        return added.isEmpty() ? LogResult{} : log_.appendEntries(added);
    });
    if (!written) {
        widgets::ShowWarning(this, written.error + tr("\n\nNothing was imported."));
        return;
    }
    if (added.isEmpty()) return;
    QByteArray lines;
    for (const QString& line : std::as_const(added)) EncodeLogLine(line, lines);
    noteAppended(lines, before);
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
