#include "view_current/frm_show_current.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <functional>

#include "core/description_index.h"
#include "view_current/current_entries_model.h"
#include "view_current/entry_delegate.h"
#include "widgets/fixed_window.h"
#include "widgets/message_box.h"
#include "widgets/twips.h"

namespace kivra {

namespace {

QPushButton* makeButton(const QString& caption, const QRect& geometry, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    // A dialog hands Enter to an auto-default button; this window has none.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// The entry the keyboard lands on is selected, also when it already had the focus frame, so
// "Delete Entry" removes what the user sees highlighted. Rows are never all measured (a million
// would take seconds), so the horizontal scroll range is the widest row drawn so far. Enter goes
// to the selected entry's item (a current entry merely framed is not chosen); Ctrl+C copies its
// whole line.
class EntryListView : public QListView {
public:
    explicit EntryListView(QWidget* parent) : QListView(parent) {
        setItemDelegate(new EntryDelegate(this, [this](int width) {
            widest_ = width;
            // Not while painting: the range changes once the paint is done.
            QMetaObject::invokeMethod(
                this, [this] { updateGeometries(); }, Qt::QueuedConnection);
        }));
    }
    std::function<void(const QModelIndex&)> entered;

protected:
    void updateGeometries() override {
        if (contentsSize().width() < widest_) resizeContents(widest_, contentsSize().height());
        QListView::updateGeometries();
    }

    void keyPressEvent(QKeyEvent* event) override {
        const QModelIndexList selected = selectionModel()->selectedIndexes();
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            // The keypad's Enter comes with a modifier of its own.
            if (!selected.isEmpty() && (event->modifiers() & ~Qt::KeypadModifier) == 0) {
                entered(selected.first());
                return;
            }
        } else if (event->matches(QKeySequence::Copy)) {
            if (!selected.isEmpty())
                QGuiApplication::clipboard()->setText(
                    selected.first().data(CurrentEntriesModel::LineRole).toString());
            return;
        }
        QListView::keyPressEvent(event);
        switch (event->key()) {
            case Qt::Key_Home:
            case Qt::Key_End:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Up:
            case Qt::Key_Down:
                if (currentIndex().isValid())
                    selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
                break;
            default:
                break;
        }
    }

private:
    int widest_ = 0;
};

}  // namespace

int frmShowCurrent::LoadedCount = 0;

frmShowCurrent::frmShowCurrent(QWidget* owner, EntryLog log)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      log_(std::move(log)) {
    setWindowTitle(tr("Kivra/32 - View Current"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/view_current.xpm")));
    createControls();
    Form_Load();
    widgets::KeepFixedSize(this);
}

void frmShowCurrent::createControls() {
    model_ = new CurrentEntriesModel(this);
    auto* list = new EntryListView(this);
    list->entered = [this](const QModelIndex& index) { goToEntry(index); };
    lstCurrent_ = list;
    lstCurrent_->setObjectName(QStringLiteral("lstCurrent"));
    lstCurrent_->setAccessibleName(tr("Entries"));
    lstCurrent_->setModel(model_);
    const TwipsScale scale = TwipsScale::Application();
    lstCurrent_->setGeometry(scale.Rect(180, 144, 7140, 4080));
    lstCurrent_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCurrent_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Without it the view measures every row, which a large log cannot afford.
    lstCurrent_->setUniformItemSizes(true);
    // Every change of the row count lays out every row again; in batches, the rows on show are
    // painted first and the rest follow between events, so "Delete Entry" answers at once.
    lstCurrent_->setLayoutMode(QListView::Batched);
    lstCurrent_->setBatchSize(10'000);
    QPalette palette = lstCurrent_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    lstCurrent_->setPalette(palette);

    cmdOK_ = makeButton(tr("Return"), scale.Rect(6048, 4572, 1272, 516), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    Command1_ = makeButton(tr("Delete Entry"), scale.Rect(4500, 4572, 1272, 516), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    cmdClearAll_ = makeButton(tr("Clear All"), scale.Rect(2952, 4572, 1272, 516), this);
    cmdClearAll_->setObjectName(QStringLiteral("cmdClearAll"));

    // Left of "Clear All", in the room under the list; last in the tab order, so the order
    // the window always had stays.
    txtFind_ = new QLineEdit(this);
    txtFind_->setObjectName(QStringLiteral("txtFind"));
    txtFind_->setGeometry(scale.Rect(180, 4686, 1032, 288));
    txtFind_->setPlaceholderText(tr("Find"));
    txtFind_->setAccessibleName(tr("Find"));
    txtFind_->installEventFilter(this);
    lblCount_ = new QLabel(this);
    lblCount_->setObjectName(QStringLiteral("lblCount"));
    lblCount_->setGeometry(scale.Rect(1284, 4734, 1644, 192));
    lblCount_->setTextFormat(Qt::PlainText);

    setTabOrder(lstCurrent_, cmdOK_);
    setTabOrder(cmdOK_, Command1_);
    setTabOrder(Command1_, cmdClearAll_);
    setTabOrder(cmdClearAll_, txtFind_);
    lstCurrent_->setFocus();

    connect(cmdOK_, &QPushButton::clicked, this, &frmShowCurrent::cmdOK_Click);
    connect(Command1_, &QPushButton::clicked, this, &frmShowCurrent::Command1_Click);
    connect(cmdClearAll_, &QPushButton::clicked, this, &frmShowCurrent::cmdClearAll_Click);
    new QShortcut(QKeySequence(Qt::Key_Delete), this, this, &frmShowCurrent::Command1_Click);
    new QShortcut(QKeySequence::Find, this, this, [this] {
        txtFind_->setFocus(Qt::ShortcutFocusReason);
        txtFind_->selectAll();
    });
    connect(txtFind_, &QLineEdit::textChanged, this, &frmShowCurrent::findEdited);
    // Not activated: single-click desktops fire it on one click.
    connect(lstCurrent_, &QListView::doubleClicked, this, &frmShowCurrent::goToEntry);
    connect(model_, &CurrentEntriesModel::found, this, &frmShowCurrent::showCount);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &frmShowCurrent::showCount);
}

void frmShowCurrent::findEdited(const QString& text) {
    lstCurrent_->selectionModel()->clearSelection();
    model_->setFind(text);
    // Never pressed on a list that shows a part; spaces alone show all.
    cmdClearAll_->setEnabled(model_->findsAll());
}

void frmShowCurrent::showCount() {
    if (model_->findsAll()) {
        lblCount_->clear();
        return;
    }
    QLocale locale;
    // The C locale leaves out the thousands separator by default.
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    lblCount_->setText(
        tr("%1 of %2")
            .arg(locale.toString(model_->rowCount()), locale.toString(model_->keptCount())));
}

void frmShowCurrent::goToEntry(const QModelIndex& index) {
    const QString line = index.data(CurrentEntriesModel::LineRole).toString();
    if (!BeginsWithPath(line)) return;
    // Deletions are written first; a failed rewrite keeps the window and goes nowhere.
    if (leave()) chosenEntry_ = line;
}

void frmShowCurrent::Form_Load() {
    // The client area is 7512 x 5196 twips inside an outer size of 7608 x 5520.
    setFixedSize(TwipsScale::Application().Size(7512, 5196));
    LoadedCount = model_->keptCount();
}

void frmShowCurrent::addEntries(EntryTable table) { model_->addEntries(std::move(table)); }

int frmShowCurrent::selectedRow() const {
    const QModelIndexList selected = lstCurrent_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void frmShowCurrent::Command1_Click() {
    const int row = selectedRow();
    if (row < 0) return;
    model_->removeItem(row);
    lstCurrent_->selectionModel()->clearSelection();
    entryDeleted_ = true;
}

void frmShowCurrent::cmdClearAll_Click() {
    const int answer = widgets::ShowMessage(this, tr("Sure you want to delete all previous info?"),
                                            widgets::MsgStyle::YesNo);
    if (answer != widgets::kAnswerYes) return;
    // Deleted first: when the file stays, so does the list that still matches it. Into the trash,
    // where there is one, so years of notes are not lost to one Enter.
    if (const LogResult deleted = log_.TrashLog(); !deleted) {
        widgets::ShowMessage(this, deleted.error, widgets::MsgStyle::Exclamation);
        return;
    }
    model_->clear();
    entryDeleted_ = false;
}

void frmShowCurrent::cmdOK_Click() { leave(); }

bool frmShowCurrent::leave() {
    if (model_->keptCount() != LoadedCount || entryDeleted_) {
        // Locked from the read to the write, so another copy's append in between is not lost. On
        // failure the window stays open, so nothing the user did is lost.
        const LogResult written = log_.Locked([this] { return model_->writeBack(log_); });
        if (!written) {
            widgets::ShowMessage(this, written.error, widgets::MsgStyle::Exclamation);
            return false;
        }
    }
    accept();
    return true;
}

bool frmShowCurrent::eventFilter(QObject* watched, QEvent* event) {
    // Esc in the find box shows all again.
    if (watched == txtFind_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !txtFind_->text().isEmpty()) {
        txtFind_->clear();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmShowCurrent::keyPressEvent(QKeyEvent* event) {
    // Escape would reject the dialog; here it closes nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kivra
