#include "view_current/view_current_dialog.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <utility>

#include "core/entry_item.h"
#include "view_current/current_entries_model.h"
#include "view_current/entry_list_view.h"
#include "widgets/message_box.h"
#include "widgets/settings.h"
#include "widgets/twips.h"
#include "widgets/window_size.h"

namespace kivra {

namespace {

const QString kSizeSettings = QStringLiteral("ViewCurrent");
const QString kGoneOnlySetting = QStringLiteral("viewCurrent/goneOnly");

QPushButton* makeButton(const QString& caption, const QRect& geometry, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    // A dialog hands Enter to an auto-default button; this window has none.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

ViewCurrentDialog::ViewCurrentDialog(QWidget* owner, EntryLog log)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::WindowMaximizeButtonHint),
      log_(std::move(log)) {
    setWindowTitle(tr("Kivra/32 - View Current"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/view_current.xpm")));
    createControls();
    // The client area is 7512 x 5196 twips inside an outer size of 7608 x 5520, at the smallest;
    // the list takes the room the window gains, the buttons keep to its bottom right corner.
    const QSize designed = TwipsScale::forApplication().size(7512, 5196);
    auto* layout = new widgets::GrowingLayout(this, designed);
    layout->add(entryList_, widgets::kGrows);
    for (QWidget* corner : QWidgetList{returnButton_, deleteButton_, clearAllButton_})
        layout->add(corner, widgets::kCornerBottomRight);
    // The find box takes a part of the width gained.
    constexpr double kFindShare = 0.3;
    layout->add(findEdit_, {0, 1, kFindShare, 1});
    layout->add(countLabel_, {0.5, 1, 1, 1});
    layout->add(goneLabel_, {0, 1, 0.5, 1});
    setMinimumSize(designed);
    resize(designed);
    widgets::RestoreWindowSize(this, kSizeSettings);
}

void ViewCurrentDialog::createControls() {
    model_ = new CurrentEntriesModel(this);
    auto* list = new EntryListView(this);
    list->entered = [this](const QModelIndex& index) { goToEntry(index); };
    entryList_ = list;
    entryList_->setObjectName(QStringLiteral("entryList"));
    entryList_->setAccessibleName(tr("Entries"));
    entryList_->setModel(model_);
    const TwipsScale scale = TwipsScale::forApplication();
    entryList_->setGeometry(scale.rect(180, 144, 7140, 4080));
    entryList_->setSelectionMode(QAbstractItemView::SingleSelection);
    entryList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette palette = entryList_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    entryList_->setPalette(palette);

    //: A button: go back to the main window.
    returnButton_ = makeButton(tr("Return"), scale.rect(6048, 4572, 1272, 516), this);
    returnButton_->setObjectName(QStringLiteral("returnButton"));
    deleteButton_ = makeButton(tr("Delete Entry"), scale.rect(4500, 4572, 1272, 516), this);
    deleteButton_->setObjectName(QStringLiteral("deleteButton"));
    clearAllButton_ = makeButton(tr("Clear All"), scale.rect(2952, 4572, 1272, 516), this);
    clearAllButton_->setObjectName(QStringLiteral("clearAllButton"));

    // Left of "Clear All", in the room under the list.
    findEdit_ = new QLineEdit(this);
    findEdit_->setObjectName(QStringLiteral("findEdit"));
    findEdit_->setGeometry(scale.rect(180, 4686, 2700, 288));
    //: Placeholder of the box that filters the entries.
    findEdit_->setPlaceholderText(tr("Find"));
    findEdit_->setAccessibleName(tr("Find"));
    findEdit_->installEventFilter(this);
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("countLabel"));
    // Under the list's right end, room for "1,000,000 of 1,000,000" that the find box's
    // neighbourhood lacks.
    countLabel_->setGeometry(scale.rect(4440, 4284, 2880, 240));
    countLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    countLabel_->setTextFormat(Qt::PlainText);
    goneLabel_ = new QLabel(this);
    goneLabel_->setObjectName(QStringLiteral("goneLabel"));
    goneLabel_->setGeometry(scale.rect(180, 4284, 4200, 240));
    goneLabel_->setTextFormat(Qt::PlainText);

    // As they are read: the find box, the list, then the buttons from left to right.
    setTabOrder(findEdit_, entryList_);
    setTabOrder(entryList_, clearAllButton_);
    setTabOrder(clearAllButton_, deleteButton_);
    setTabOrder(deleteButton_, returnButton_);
    entryList_->setFocus();

    connect(returnButton_, &QPushButton::clicked, this, [this] { leave(); });
    connect(deleteButton_, &QPushButton::clicked, this, &ViewCurrentDialog::deleteEntry);
    connect(clearAllButton_, &QPushButton::clicked, this, &ViewCurrentDialog::clearAll);
    new QShortcut(QKeySequence(Qt::Key_Delete), this, this, &ViewCurrentDialog::deleteEntry);
    auto* edit = new QAction(tr("Edit Entry"), entryList_);
    edit->setObjectName(QStringLiteral("editAction"));
    edit->setShortcut(QKeySequence(Qt::Key_F2));
    edit->setShortcutContext(Qt::WidgetShortcut);
    connect(edit, &QAction::triggered, this, &ViewCurrentDialog::editEntry);
    entryList_->addAction(edit);
    auto* moved = new QAction(tr("Find Moved"), entryList_);
    moved->setObjectName(QStringLiteral("findMovedAction"));
    moved->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    moved->setShortcutContext(Qt::WindowShortcut);
    connect(moved, &QAction::triggered, this, [this] { findMoved(false); });
    entryList_->addAction(moved);
    auto* movedIn = new QAction(tr("Find Moved In Folder..."), entryList_);
    movedIn->setObjectName(QStringLiteral("findMovedInAction"));
    movedIn->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    movedIn->setShortcutContext(Qt::WindowShortcut);
    connect(movedIn, &QAction::triggered, this, [this] { findMoved(true); });
    entryList_->addAction(movedIn);
    goneOnlyAction_ = new QAction(tr("Only Gone Entries"), entryList_);
    goneOnlyAction_->setObjectName(QStringLiteral("goneOnlyAction"));
    goneOnlyAction_->setCheckable(true);
    goneOnlyAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    goneOnlyAction_->setShortcutContext(Qt::WindowShortcut);
    connect(goneOnlyAction_, &QAction::toggled, this, [this](bool on) {
        entryList_->selectionModel()->clearSelection();
        model_->setGoneOnly(on);
        widgets::UserSettings().setValue(kGoneOnlySetting, on);
        clearAllButton_->setEnabled(model_->findsAll() && !on);
    });
    entryList_->addAction(goneOnlyAction_);
    goneOnlyAction_->setChecked(widgets::UserSettings().value(kGoneOnlySetting).toBool());
    entryList_->setContextMenuPolicy(Qt::ActionsContextMenu);
    new QShortcut(QKeySequence::Find, this, this, [this] {
        findEdit_->setFocus(Qt::ShortcutFocusReason);
        findEdit_->selectAll();
    });
    connect(findEdit_, &QLineEdit::textChanged, this, &ViewCurrentDialog::findEdited);
    // Not activated: single-click desktops fire it on one click.
    connect(entryList_, &QListView::doubleClicked, this, &ViewCurrentDialog::goToEntry);
    connect(model_, &CurrentEntriesModel::found, this, &ViewCurrentDialog::showCount);
    connect(model_, &CurrentEntriesModel::goneCounted, this, &ViewCurrentDialog::showGoneCount);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &ViewCurrentDialog::showCount);
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { entryEdited_ = true; });
    connect(model_, &CurrentEntriesModel::readProgress, this, &ViewCurrentDialog::showProgress);
    connect(model_, &CurrentEntriesModel::readFailed, this, [this](const QString& message) {
        widgets::ShowWarning(this, message);
        reject();
    });
    connect(model_, &CurrentEntriesModel::read, this, [this] {
        if (!leaveWhenRead_) return;
        setBusy(false);
        leave(*std::exchange(leaveWhenRead_, std::nullopt));
    });
    connect(model_, &CurrentEntriesModel::written, this, &ViewCurrentDialog::written);
    // Rows swapped in keep the current entry where they still show it.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QModelIndex current = entryList_->currentIndex();
        currentLine_.reset();
        if (current.isValid()) currentLine_ = model_->lineAt(current.row());
    });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        if (!currentLine_) return;
        if (const int row = model_->rowOf(*currentLine_); row >= 0)
            entryList_->selectionModel()->setCurrentIndex(model_->index(row),
                                                          QItemSelectionModel::NoUpdate);
    });
}

void ViewCurrentDialog::findEdited(const QString& text) {
    entryList_->selectionModel()->clearSelection();
    model_->setFind(text);
    // Never pressed on a list that shows a part; spaces alone show all.
    clearAllButton_->setEnabled(model_->findsAll() && !model_->goneOnly());
}

void ViewCurrentDialog::showCount() {
    if (model_->reading()) return;
    showGoneCount();
    if (model_->findsAll()) {
        countLabel_->clear();
        return;
    }
    QLocale locale;
    // The C locale leaves out the thousands separator by default.
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    countLabel_->setText(
        //: The find count: entries shown of the entries in the list.
        tr("%1 of %2")
            .arg(locale.toString(model_->rowCount()), locale.toString(model_->keptCount())));
}

void ViewCurrentDialog::goToEntry(const QModelIndex& index) {
    const QString line = index.data(CurrentEntriesModel::LineRole).toString();
    // Deletions are written first; a failed rewrite keeps the window and goes nowhere. An entry
    // that names no path leaves all the same, with nothing to show.
    leave(BeginsWithPath(line) ? line : QString());
}

int ViewCurrentDialog::selectedRow() const {
    const QModelIndexList selected = entryList_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ViewCurrentDialog::deleteEntry() {
    const int row = selectedRow();
    if (row < 0 || busy_) return;
    model_->removeItem(row);
    entryList_->selectionModel()->clearSelection();
    entryDeleted_ = true;
}

void ViewCurrentDialog::editEntry() {
    const int row = selectedRow();
    if (row < 0 || busy_) return;
    // The current entry is the one edited, and where keepEdit() finds the box.
    entryList_->setCurrentIndex(model_->index(row));
    entryList_->edit(model_->index(row));
}

void ViewCurrentDialog::keepEdit() {
    if (QWidget* editor = entryList_->indexWidget(entryList_->currentIndex()))
        emit entryList_->itemDelegate()->commitData(editor);
}

void ViewCurrentDialog::clearAll() {
    if (busy_ || model_->reading()) return;
    QLocale locale;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    const auto answer = widgets::ShowMessage(
        {.parent = this,
         .text = tr("Move all %1 entries to the trash? They can be restored from there.")
                     .arg(locale.toString(model_->keptCount())),
         .buttons = QMessageBox::Yes | QMessageBox::No});
    if (answer != QMessageBox::Yes) return;
    // Deleted first: when the file stays, so does the list that still matches it. Into the trash,
    // where there is one, so years of notes are not lost to one Enter.
    if (const Result<void> deleted = log_.trashLog(); !deleted) {
        widgets::ShowWarning(this, deleted.failure().message);
        return;
    }
    model_->clear();
    static_cast<EntryListView*>(entryList_)
        ->setEmptyText(tr("All entries were moved to the trash, from where they can be restored."));
    entryDeleted_ = false;
    entryEdited_ = false;
}

bool ViewCurrentDialog::eventFilter(QObject* watched, QEvent* event) {
    // Esc in the find box shows all again.
    if (watched == findEdit_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !findEdit_->text().isEmpty()) {
        findEdit_->clear();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ViewCurrentDialog::done(int result) {
    widgets::SaveWindowSize(this, kSizeSettings);
    QDialog::done(result);
}

}  // namespace kivra
