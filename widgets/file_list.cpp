#include "widgets/file_list.h"

#include <QHash>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "core/name_decoding.h"
#include "core/name_order.h"
#include "platform/directory_reader.h"
#include "platform/native_path.h"
#include "widgets/name_tooltip.h"
#include "widgets/note_marks.h"

namespace kivra::widgets {

// The names shown and, beside each, the bytes that reach the file.
class FileNamesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(names_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const int row = index.row();
        switch (role) {
            case Qt::DisplayRole:
                return names_[row];
            case Qt::DecorationRole:
                // Every row keeps the room, so the names stay in line.
                return hits(row).empty() ? blank_ : note_;
            case Qt::ToolTipRole:
                return hits(row).empty() ? QVariant() : NotesTip(names_[row], descriptions(row));
            case Qt::AccessibleDescriptionRole:
                return NotesAccessibleText(descriptions(row));
            default:
                return {};
        }
    }
    void reset(QStringList names, QList<QByteArray> bytes) {
        beginResetModel();
        names_ = std::move(names);
        bytes_ = std::move(bytes);
        hits_.clear();
        endResetModel();
    }
    void mark(const QString& directory, std::shared_ptr<const DescriptionIndex> notes) {
        directory_ = directory;
        index_ = std::move(notes);
        hits_.clear();
        if (!names_.isEmpty()) emit dataChanged(index(0), index(rowCount() - 1));
    }
    QStringList descriptions(int row) const {
        return row >= 0 && index_ ? index_->descriptions(hits(row)) : QStringList();
    }
    const QStringList& names() const { return names_; }
    int rowOf(const QByteArray& bytes) const { return static_cast<int>(bytes_.indexOf(bytes)); }
    const QByteArray& bytesAt(int row) const { return bytes_[row]; }

private:
    QStringList names_;
    QList<QByteArray> bytes_;
    // Looked up only for the rows asked about, so a listing costs the same with a log or without.
    const DescriptionIndex::Hits& hits(int row) const {
        static const DescriptionIndex::Hits none;
        if (!index_) return none;
        auto found = hits_.constFind(row);
        if (found == hits_.cend())
            found = hits_.insert(
                row, index_->lookUp(platform::JoinPath(directory_, names_[row]), false));
        return *found;
    }

    QString directory_;
    std::shared_ptr<const DescriptionIndex> index_;
    mutable QHash<int, DescriptionIndex::Hits> hits_;
    const QIcon note_ = NoteIcon();
    const QIcon blank_ = BlankIcon();
};

FileList::FileList(QWidget* parent) : QListView(parent), model_(new FileNamesModel(this)) {
    // Uniform rows let the view skip measuring each of a hundred thousand names.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(model_);
}

void FileList::setPath(const QString& path, const QByteArray& native) {
    path_ = platform::NormalizedDirectory(path);
    native_ = native.isEmpty() ? platform::NativeBytes(path_) : native;
    fileName_.clear();
    fileBytes_.clear();
    list();
    scrollToTop();
}

void FileList::refresh() {
    const int scrolled = verticalScrollBar()->value();
    list();
    if (scrolled > 0) {
        doItemsLayout();  // the range, before the value is set back
        verticalScrollBar()->setValue(scrolled);
    }
}

void FileList::setShowHidden(bool show) {
    if (show == showHidden_) return;
    showHidden_ = show;
    refresh();
}

bool FileList::makeCurrent(const QByteArray& name) {
    const int row = model_->rowOf(name);
    if (row < 0) return false;
    const QModelIndex index = model_->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
    settle();
    return fileBytes_ == name;
}

void FileList::list() {
    QStringList names;
    QList<QByteArray> bytes;
    currentGone_ = !fileBytes_.isEmpty();
    if (const auto entries = platform::ReadDirectory(native_)) {
        names.reserve(entries->size());
        for (const platform::DirectoryEntry& entry : *entries) {
            if (entry.isDirectory) continue;
            if (currentGone_ && entry.name == fileBytes_) currentGone_ = false;
            if (entry.isHidden && !showHidden_) continue;
            names.append(DecodeName(entry.name));
            bytes.append(entry.name);
        }
    }
    QStringList sortedNames;
    QList<QByteArray> sortedBytes;
    sortedNames.reserve(names.size());
    sortedBytes.reserve(names.size());
    for (const qsizetype i : NameOrder(names)) {
        sortedNames.append(std::move(names[i]));
        sortedBytes.append(std::move(bytes[i]));
    }
    model_->reset(std::move(sortedNames), std::move(sortedBytes));
    mark();
    highlightCurrentFile();
}

void FileList::setDescriptions(std::shared_ptr<const DescriptionIndex> index) {
    index_ = std::move(index);
    mark();
}

void FileList::mark() {
    if (index_) model_->mark(path_, index_);
}

QStringList FileList::currentDescriptions() const {
    return model_->descriptions(fileBytes_.isEmpty() ? -1 : model_->rowOf(fileBytes_));
}

void FileList::highlightCurrentFile() {
    const int row = fileBytes_.isEmpty() ? -1 : model_->rowOf(fileBytes_);
    if (row < 0) {
        selectionModel()->clear();
        // Marked as set, so focus arriving by Tab does not put the cursor on the first file.
        setCurrentIndex(QModelIndex());
        return;
    }
    selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::ClearAndSelect);
}

QStringList FileList::fileNames() const { return model_->names(); }

QItemSelectionModel::SelectionFlags FileList::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const {
    // Ctrl+click, Ctrl+Space and a click on empty space would otherwise take the highlight
    // off the current file.
    if (!index.isValid() || (event && event->type() == QEvent::FocusIn))
        return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect;
}

void FileList::mousePressEvent(QMouseEvent* event) {
    QListView::mousePressEvent(event);
    settle();
}

void FileList::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    settle();
}

void FileList::keyPressEvent(QKeyEvent* event) {
    // With no file current Qt moves every key to the first file; End means the last one, and Page
    // Down goes where it would go from the first.
    const int last = model_->rowCount() - 1;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!currentIndex().isValid() && last >= 0 && plain) {
        switch (event->key()) {
            case Qt::Key_PageDown:
                selectionModel()->setCurrentIndex(model_->index(0), QItemSelectionModel::NoUpdate);
                break;
            case Qt::Key_Home:
            case Qt::Key_End:
            case Qt::Key_PageUp:
            case Qt::Key_Up:
            case Qt::Key_Down: {
                const QModelIndex to = model_->index(event->key() == Qt::Key_End ? last : 0);
                selectionModel()->setCurrentIndex(to, QItemSelectionModel::ClearAndSelect);
                scrollTo(to);
                settle();
                return;
            }
            default:
                break;
        }
    }
    QListView::keyPressEvent(event);
    settle();
}

void FileList::settle() {
    // Mouse moves are left out: during a drag the highlight follows the pointer, and the file it
    // ends on is made current on release.
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return;
    const QByteArray& bytes = model_->bytesAt(selected.first().row());
    if (bytes == fileBytes_) return;
    if (!platform::IsReadableDirectory(native_)) {
        highlightCurrentFile();
        emit DirectoryGone();
        return;
    }
    fileBytes_ = bytes;
    fileName_ = selected.first().data().toString();
    currentGone_ = false;
    emit Click();
}

bool FileList::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QListView::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    if (const QString notes = index.data(Qt::ToolTipRole).toString(); !notes.isEmpty())
        QToolTip::showText(help->globalPos(), notes, viewport(), visualRect(index));
    else
        ShowCutNameTip(this, help, iconSize().isValid() ? iconSize().width() : 16);
    return true;
}

}  // namespace kivra::widgets
