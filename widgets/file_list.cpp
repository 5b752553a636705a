#include "widgets/file_list.h"

#include <QHash>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <string>
#include <vector>

#include "core/name_decoding.h"
#include "core/name_order.h"
#include "platform/directory_reader.h"
#include "platform/native_path.h"
#include "widgets/name_tooltip.h"
#include "widgets/note_marks.h"

namespace kivra::widgets {

// The names as the file system gives them, in one buffer: a folder of a hundred thousand files
// makes no string or array per name. A name is decoded only when a row is drawn or asked about.
class FileNamesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const int row = index.row();
        switch (role) {
            case Qt::DisplayRole:
                return nameAt(row);
            case Qt::DecorationRole:
                // Every row keeps the room, so the names stay in line.
                return hits(row).empty() ? blank_ : note_;
            case Qt::ToolTipRole:
                return hits(row).empty() ? QVariant() : NotesTip(nameAt(row), descriptions(row));
            case Qt::AccessibleDescriptionRole:
                return NotesAccessibleText(descriptions(row));
            default:
                return {};
        }
    }
    // `ends[i]` is where name i ends in `bytes`; `order` lists the names in the rows' order.
    void reset(std::string bytes, const std::vector<qsizetype>& ends,
               const QList<qsizetype>& order) {
        beginResetModel();
        bytes_ = std::move(bytes);
        rows_.clear();
        rows_.reserve(order.size());
        for (const qsizetype i : order) {
            const QByteArrayView name = NameAt(bytes_, ends, i);
            rows_.push_back({name.data() - bytes_.data(), name.size()});
        }
        hits_.clear();
        endResetModel();
    }
    void mark(const QString& directory, std::shared_ptr<const DescriptionIndex> notes) {
        directory_ = directory;
        index_ = std::move(notes);
        hits_.clear();
        if (!rows_.empty()) emit dataChanged(index(0), index(rowCount() - 1));
    }
    QStringList descriptions(int row) const {
        return row >= 0 && index_ ? index_->descriptions(hits(row)) : QStringList();
    }
    QStringList names() const {
        QStringList names;
        names.reserve(rowCount());
        for (int row = 0; row < rowCount(); ++row) names.append(nameAt(row));
        return names;
    }
    int rowOf(QByteArrayView name) const {
        for (int row = 0; row < rowCount(); ++row)
            if (bytesAt(row) == name) return row;
        return -1;
    }
    QByteArrayView bytesAt(int row) const {
        return QByteArrayView(bytes_.data() + rows_[row].start, rows_[row].size);
    }

private:
    QString nameAt(int row) const { return DecodeName(bytesAt(row)); }
    // Looked up only for the rows asked about, so a listing costs the same with a log or without.
    const DescriptionIndex::Hits& hits(int row) const {
        static const DescriptionIndex::Hits none;
        if (!index_) return none;
        auto found = hits_.constFind(row);
        if (found == hits_.cend())
            found = hits_.insert(
                row, index_->lookUp(platform::JoinPath(directory_, nameAt(row)), false));
        return *found;
    }

    struct Row {
        qsizetype start, size;
    };
    std::string bytes_;
    std::vector<Row> rows_;
    QString directory_;
    std::shared_ptr<const DescriptionIndex> index_;
    mutable QHash<int, DescriptionIndex::Hits> hits_;
    const QIcon note_ = NoteIcon();
    const QIcon blank_ = BlankIcon();
};

FileList::FileList(QWidget* parent) : QListView(parent), model_(new FileNamesModel(this)) {
    // Uniform rows let the view skip measuring each of a hundred thousand names.
    setUniformItemSizes(true);
    setBatchSize(5000);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(model_);
}

void FileList::setPath(const QString& path, const QByteArray& native) {
    path_ = platform::NormalizedDirectory(path);
    native_ = native.isEmpty() ? platform::NativeBytes(path_) : native;
    fileName_.clear();
    fileBytes_.clear();
    // A folder opens at its top: the rows past the first 5,000 are placed between events once the
    // list shows.
    setLayoutMode(QListView::Batched);
    list();
    scrollToTop();
}

void FileList::refresh() {
    const int scrolled = verticalScrollBar()->value();
    list();
    if (scrolled > 0) {
        layOutAll();  // the range, before the value is set back
        verticalScrollBar()->setValue(scrolled);
    }
}

void FileList::layOutAll() {
    setLayoutMode(QListView::SinglePass);
    doItemsLayout();
}

void FileList::updateGeometries() {
    QListView::updateGeometries();
    // Once every row is placed, later layouts (a resize, a refresh) place them all at once, so a
    // scroll position past the first rows is never cut back to them.
    if (layoutMode() == QListView::Batched && laidOut(model_->index(model_->rowCount() - 1)))
        setLayoutMode(QListView::SinglePass);
}

bool FileList::laidOut(const QModelIndex& index) const {
    return !index.isValid() || !visualRect(index).isEmpty();
}

void FileList::scrollTo(const QModelIndex& index, ScrollHint hint) {
    // A row not placed yet has nowhere to scroll to.
    if (!laidOut(index)) layOutAll();
    QListView::scrollTo(index, hint);
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
    std::string bytes;
    std::vector<qsizetype> ends;
    currentGone_ = !fileBytes_.isEmpty();
    platform::ReadDirectory(native_, [&](const platform::DirectoryEntryView& entry) {
        if (entry.isDirectory) return;
        if (currentGone_ && entry.name == fileBytes_) currentGone_ = false;
        if (entry.isHidden && !showHidden_) return;
        bytes.append(entry.name.data(), entry.name.size());
        ends.push_back(bytes.size());
    });
    const QList<qsizetype> order = NameOrder(bytes, ends);
    model_->reset(std::move(bytes), ends, order);
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

QByteArray FileList::nativePathOfCurrent() const {
    return platform::JoinBytes(native_, fileBytes_);
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
    // Page Down and End look for rows below the shown ones: all of them placed first.
    if (!laidOut(model_->index(model_->rowCount() - 1))) layOutAll();
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
    const QByteArrayView bytes = model_->bytesAt(selected.first().row());
    if (bytes == fileBytes_) return;
    if (!platform::IsReadableDirectory(native_)) {
        highlightCurrentFile();
        emit directoryGone();
        return;
    }
    fileBytes_ = bytes.toByteArray();
    fileName_ = selected.first().data().toString();
    currentGone_ = false;
    emit fileChosen();
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
