#include "widgets/directory_list.h"

#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <string>
#include <vector>

#include "core/folder_listing.h"
#include "core/name_decoding.h"
#include "platform/directory_reader.h"
#include "platform/native_path.h"
#include "widgets/name_tooltip.h"
#include "widgets/note_marks.h"
#include "widgets/style_icons.h"

namespace kivra::widgets {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIconRole = Qt::UserRole + 2;  // the icon without its note
constexpr int kNotesRole = Qt::UserRole + 3;

int indentOf(const QWidget* view, int depth) {
    return depth * view->fontMetrics().averageCharWidth() * 2;
}

// The tree's indentation drawn, not typed into the names, so type-ahead finds a name by its
// first letters.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->rect.setLeft(option->rect.left() +
                             indentOf(option->widget, index.data(kDepthRole).toInt()));
    }
};

// "/home/ann" gives "/", "/home", "/home/ann"; "C:\DL" gives "C:\", "C:\DL".
QList<QByteArray> chainTo(const QByteArray& path) {
    QList<QByteArray> chain;
    for (QByteArray dir = path; !dir.isEmpty(); dir = platform::ParentBytes(dir))
        chain.prepend(dir);
    return chain;
}

}  // namespace

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Small folder icons whatever sizes the icon offers; the indentation counts on this size too.
    const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize);
    setIconSize(QSize(icon, icon));
    setItemDelegate(new IndentDelegate(this));
    connect(this, &QListWidget::itemDoubleClicked, this, &DirectoryList::openItem);
}

bool DirectoryList::setPath(const QString& path) {
    return setNativePath(platform::NativeBytes(platform::NormalizedDirectory(path)));
}

bool DirectoryList::setNativePath(const QByteArray& native) {
    if (!platform::IsReadableDirectory(native)) return false;
    if (native == native_) return true;
    native_ = native;
    path_ = DecodeName(native);
    fill({});
    emit directoryChosen();
    return true;
}

bool DirectoryList::refresh() { return platform::IsReadableDirectory(native_); }

void DirectoryList::setSubdirectories(const QList<QByteArray>& subdirectories) {
    const QByteArray current =
        currentItem() ? currentItem()->data(kPathRole).toByteArray() : QByteArray();
    const int scrolled = verticalScrollBar()->value();
    fill(subdirectories);
    for (int row = 0; row < count(); ++row)
        if (item(row)->data(kPathRole).toByteArray() == current) setCurrentRow(row);
    verticalScrollBar()->setValue(scrolled);
}

void DirectoryList::follow(const QByteArray& name, bool present) {
    const QByteArray path = platform::JoinBytes(native_, name);
    int row = chainLength_;
    // A few hundred rows at most.
    while (row < count() && item(row)->data(kPathRole).toByteArray() != path) ++row;
    if (row < count()) {
        if (present) return;
        delete takeItem(row);
        return;
    }
    if (!present) return;
    const qsizetype prefix = platform::JoinBytes(native_, {}).size();
    row = chainLength_;
    while (row < count() && NameLess(item(row)->data(kPathRole).toByteArray().mid(prefix), name))
        ++row;
    insertItem(row,
               makeItem(StyleIcon(style(), QStyle::SP_DirClosedIcon), path, name, chainLength_));
    mark();
}

void DirectoryList::setShowHidden(bool show) { showHidden_ = show; }

void DirectoryList::moveToExistingParent() {
    for (QByteArray dir = platform::ParentBytes(native_); !dir.isEmpty();
         dir = platform::ParentBytes(dir))
        if (setNativePath(dir)) return;
}

void DirectoryList::openParent() {
    const QByteArray parent = platform::ParentBytes(native_);
    if (!parent.isEmpty() && !setNativePath(parent)) QApplication::beep();
}

void DirectoryList::fill(const QList<QByteArray>& subdirectories) {
    const QIcon open = StyleIcon(style(), QStyle::SP_DirOpenIcon);
    const QIcon closed = StyleIcon(style(), QStyle::SP_DirClosedIcon);
    clear();
    const QList<QByteArray> chain = chainTo(native_);
    int depth = 0;
    const auto add = [this](const QIcon& icon, const QByteArray& path, const QByteArray& name,
                            int level) { addItem(makeItem(icon, path, name, level)); };
    for (const QByteArray& directory : chain) {
        const qsizetype cut =
            directory.lastIndexOf(QDir::separator().toLatin1(), directory.size() - 2);
        add(open, directory, depth == 0 ? directory : directory.mid(cut + 1), depth);
        ++depth;
    }
    chainLength_ = static_cast<int>(chain.size());
    setCurrentRow(chainLength_ - 1);
    for (const QByteArray& name : subdirectories)
        add(closed, platform::JoinBytes(native_, name), name, depth);
    mark();
}

QListWidgetItem* DirectoryList::makeItem(const QIcon& icon, const QByteArray& path,
                                         const QByteArray& name, int depth) {
    auto* item = new QListWidgetItem(icon, DecodeName(name));
    item->setData(kIconRole, icon);
    item->setData(kPathRole, path);
    item->setData(kDepthRole, depth);
    return item;
}

void DirectoryList::setDescriptions(std::shared_ptr<const DescriptionIndex> index) {
    index_ = std::move(index);
    mark();
}

void DirectoryList::mark() {
    if (!index_) return;
    const auto show = [this](QListWidgetItem* item, const DescriptionIndex::Hits& hits) {
        const QStringList notes = index_->descriptions(hits);
        const QIcon icon = item->data(kIconRole).value<QIcon>();
        item->setIcon(notes.isEmpty() ? icon : WithNote(icon));
        item->setData(kNotesRole, notes);
        item->setToolTip(notes.isEmpty()
                             ? QString()
                             : NotesTip(DecodeName(item->data(kPathRole).toByteArray()), notes));
        item->setData(Qt::AccessibleDescriptionRole, NotesAccessibleText(notes));
    };
    // A few hundred rows at most, each a binary search.
    for (int row = 0; row < count(); ++row)
        show(item(row), index_->lookUp(DecodeName(item(row)->data(kPathRole).toByteArray()), true));
}

QStringList DirectoryList::currentDescriptions() const {
    return chainLength_ > 0 && chainLength_ <= count()
               ? item(chainLength_ - 1)->data(kNotesRole).toStringList()
               : QStringList();
}

void DirectoryList::openItem(QListWidgetItem* item) {
    if (!item) return;
    if (setNativePath(item->data(kPathRole).toByteArray())) return;
    if (!platform::IsReadableDirectory(native_))
        emit directoryGone();
    else
        QApplication::beep();  // a directory that cannot be opened is not entered
}

void DirectoryList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

bool DirectoryList::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QListWidget::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QListWidgetItem* under = itemAt(help->pos());
    if (under && !under->toolTip().isEmpty()) {
        QToolTip::showText(help->globalPos(), under->toolTip(), viewport(), visualItemRect(under));
        return true;
    }
    const int depth = under ? under->data(kDepthRole).toInt() : 0;
    ShowCutNameTip(this, help,
                   indentOf(this, depth) + style()->pixelMetric(QStyle::PM_SmallIconSize));
    return true;
}

}  // namespace kivra::widgets
