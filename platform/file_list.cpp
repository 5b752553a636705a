#include "platform/file_list.h"

#include <QHelpEvent>
#include <QMouseEvent>

#include "core/name_decoding.h"
#include "core/name_order.h"
#include "platform/directory_reader.h"
#include "platform/name_tooltip.h"
#include "platform/native_path.h"

namespace kivra::platform {

// The names shown and, beside each, the bytes that reach the file.
class FileNamesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(names_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return names_[index.row()];
    }
    void reset(QStringList names, QList<QByteArray> bytes) {
        beginResetModel();
        names_ = std::move(names);
        bytes_ = std::move(bytes);
        endResetModel();
    }
    const QStringList& names() const { return names_; }
    int rowOf(const QByteArray& bytes) const { return static_cast<int>(bytes_.indexOf(bytes)); }
    const QByteArray& bytesAt(int row) const { return bytes_[row]; }

private:
    QStringList names_;
    QList<QByteArray> bytes_;
};

FileList::FileList(QWidget* parent) : QListView(parent), model_(new FileNamesModel(this)) {
    // Uniform rows let the view skip measuring each of a hundred thousand names.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(model_);
}

void FileList::setPath(const QString& path, const QByteArray& native) {
    path_ = NormalizedDirectory(path);
    native_ = native.isEmpty() ? NativeBytes(path_) : native;
    fileName_.clear();
    fileBytes_.clear();
    refresh();
}

void FileList::refresh() {
    QStringList names;
    QList<QByteArray> bytes;
    if (const auto entries = ReadDirectory(native_)) {
        names.reserve(entries->size());
        for (const DirectoryEntry& entry : *entries) {
            if (entry.isDirectory) continue;
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
    highlightCurrentFile();
}

void FileList::highlightCurrentFile() {
    const int row = fileBytes_.isEmpty() ? -1 : model_->rowOf(fileBytes_);
    if (row < 0) {
        selectionModel()->clear();
        // Marked as set, so focus arriving by Tab does not put the cursor on the first file.
        setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex index = model_->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
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
    if (!IsReadableDirectory(native_)) {
        highlightCurrentFile();
        emit DirectoryGone();
        return;
    }
    fileBytes_ = bytes;
    fileName_ = selected.first().data().toString();
    emit Click();
}

bool FileList::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QListView::viewportEvent(event);
    ShowCutNameTip(this, static_cast<QHelpEvent*>(event));
    return true;
}

}  // namespace kivra::platform
