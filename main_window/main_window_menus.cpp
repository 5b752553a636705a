#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QStandardPaths>

#include "core/file_manager_menus.h"
#include "main_window/folder_lists.h"
#include "main_window/item_frame.h"
#include "main_window/main_window.h"
#include "platform/origin_attributes.h"
#include "widgets/directory_list.h"
#include "widgets/file_list.h"
#include "widgets/message_box.h"

// The main window's menus and the keys that have no menu item.

namespace kivra {

void MainWindow::createMenus() {
    QMenu* file = fileMenu_ = menuBar()->addMenu(tr("&File"));
    auto addItem = [this](QMenu* menu, const char* name, const QString& text,
                          const QList<QKeySequence>& keys, void (MainWindow::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1StringView(name));
        action->setShortcuts(keys);
        // The shortcut works wherever the focus is in the window.
        action->setShortcutContext(Qt::WindowShortcut);
        if (handler)
            connect(action, &QAction::triggered, this, handler);
        else
            action->setEnabled(false);
        return action;
    };
    // Each item's access key is unique in its menu, also translated.
    windowShortcuts_.append(addItem(file, "importAction", tr("&Import"),
                                    {QKeySequence(Qt::CTRL | Qt::Key_I)},
                                    &MainWindow::importNotes));
    windowShortcuts_.append(addItem(file, "exportAction", tr("&Export (Save Info)"),
                                    {QKeySequence(Qt::CTRL | Qt::Key_S)}, &MainWindow::exportLog));
    // Ctrl+V, except in the box, where it pastes; F9, shown, everywhere: no text box, desktop or
    // input method takes it, unlike Ctrl+Shift+V (paste as plain text) or Ctrl+Alt+V (AltGr).
    windowShortcuts_.append(addItem(file, "viewCurrentAction", tr("View &Current"),
                                    {QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_V)},
                                    &MainWindow::viewCurrent));
    if (platform::kFileComments) {
        QAction* notes = file->addAction(tr("&Write Notes into Files"));
        notes->setObjectName(QStringLiteral("writeNotesAction"));
        notes->setCheckable(true);
        notes->setChecked(recorder_.writeNotes());
        connect(notes, &QAction::toggled, &recorder_, &EntryRecorder::setWriteNotes);
    }
#ifndef Q_OS_WIN
    // Nautilus and Thunar keep their menu items per user: no package can add them.
    addItem(file, "fileManagerMenusAction", tr("Add to File &Managers' Menus"), {},
            &MainWindow::addFileManagerMenus);
#endif
    QAction* separator = file->addSeparator();
    separator->setObjectName(QStringLiteral("fileSeparator"));
    windowShortcuts_.append(addItem(file, "quitAction", tr("&Quit"),
                                    {QKeySequence(Qt::CTRL | Qt::Key_Q)}, &MainWindow::quit));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    // The state is the item's check mark; only the user's own choice triggers it.
    const auto addChoice = [&](const char* name, const QString& text, const QKeySequence& key,
                               bool checked, auto set) {
        QAction* action = addItem(view, name, text, {key}, nullptr);
        action->setEnabled(true);
        action->setCheckable(true);
        action->setChecked(checked);
        connect(action, &QAction::triggered, this, set);
        windowShortcuts_.append(action);
        return action;
    };
    // Ctrl+N: no text box, desktop or input method takes it, and this window makes nothing new.
    addChoice("newestFirstAction", tr("&Newest First"), QKeySequence(Qt::CTRL | Qt::Key_N),
              fileList_->newestFirst(), [this](bool on) { lists_->setNewestFirst(on); });
    // The file managers' key.
    hiddenFilesAction_ =
        addChoice("hiddenFilesAction", tr("Hi&dden Files"), QKeySequence(Qt::CTRL | Qt::Key_H),
                  showHidden_, &MainWindow::setShowHidden);
    view->addSeparator();
    windowShortcuts_.append(addItem(view, "refreshAction", tr("&Refresh"),
                                    {QKeySequence(Qt::Key_F5)}, &MainWindow::refreshLists));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    addItem(help, "helpAction", tr("&Help"), {QKeySequence(Qt::Key_F1)}, &MainWindow::showHelp);
    addItem(help, "aboutAction", tr("&About"), {}, &MainWindow::showAbout);
}

void MainWindow::addFileManagerMenus() {
    const MenuFiles files =
        AddFileManagerMenus(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                            QCoreApplication::applicationFilePath());
    QStringList parts;
    const auto list = [&parts](const QString& heading, const QStringList& paths) {
        if (paths.isEmpty()) return;
        QString part = heading;
        for (const QString& path : paths)
            part += QStringLiteral("\n") + QDir::toNativeSeparators(path);
        parts += part;
    };
    list(tr("Written:"), files.written);
    list(tr("There already, left as they were:"), files.present);
    for (const Failure& failure : files.failures) parts += failure.message;
    parts +=
        tr("Nautilus lists \"Describe with Kivra32\" under Scripts in the context menu of a "
           "file or folder; Thunar lists \"Describe with Kivra/32\" in it once it is started "
           "again (thunar -q). Dolphin, Konqueror, Nemo, Caja and PCManFM-Qt list it from "
           "the files the package installs.");
    widgets::ShowMessage(
        {.parent = this,
         .text = parts.join(QStringLiteral("\n\n")),
         .icon = files.failures.isEmpty() ? QMessageBox::Information : QMessageBox::Warning});
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
    addKey(ItemFrame::insertOriginKey(), [this] { frame_->insertOrigin(); });
    addKey(ItemFrame::takeHintKey(), [this] { frame_->takeHint(); });
    // As on the Linux desktops, beside Alt+F.
    addKey(QKeySequence(Qt::Key_F10),
           [this] { menuBar()->setActiveAction(fileMenu_->menuAction()); });
}

}  // namespace kivra
