#include "widgets/file_list.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QtConcurrent>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/folder_listing.h"
#include "core/name_decoding.h"
#include "platform/directory_reader.h"
#include "platform/native_path.h"
#include "platform/thread_priority.h"
#include "widgets/file_names_model.h"
#include "widgets/name_tooltip.h"
#include "widgets/note_marks.h"

namespace kivra::widgets {

FileList::FileList(QWidget* parent) : RowsByNumberView(parent), model_(new FileNamesModel(this)) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(model_);
}

FileList::~FileList() = default;

void FileList::setPath(const QString& path, const QByteArray& native) {
    path_ = platform::NormalizedDirectory(path);
    native_ = native.isEmpty() ? platform::NativeBytes(path_) : native;
    fileName_.clear();
    fileBytes_.clear();
    scrollToCurrent_ = false;
    currentGone_ = false;
    // Another folder's names are never shown under this one's path.
    model_->reset({});
    highlightRow(-1);
    toTop_ = true;
    list();
}

void FileList::refresh() { list(); }

void FileList::setShowHidden(bool show) {
    if (show == showHidden_) return;
    showHidden_ = show;
    refresh();
}

void FileList::setNewestFirst(bool newest) {
    if (newest == newestFirst_) return;
    newestFirst_ = newest;
    scrollToCurrent_ = true;  // its neighbours are others now
    // The names and times shown are put in the other order; the folder is read only for times
    // not known yet.
    if (reading_ || (newest && !model_->timesKnown())) {
        refresh();
        return;
    }
    start([bytes = model_->bytes(), rows = model_->rows(), known = model_->timesKnown(),
           options = FolderReadOptions{showHidden_, newest, fileBytes_}] {
        return Reorder(bytes, rows, known, options);
    });
}

bool FileList::timesKnown() const { return model_->timesKnown(); }

bool FileList::makeCurrent(const QByteArray& name) {
    // During a read the file is current at once and highlighted once the read is in.
    if (reading_) {
        const std::optional<platform::DirectoryEntryView> entry =
            platform::ReadEntry(native_, name);
        if (!entry || entry->isDirectory) return false;
        fileBytes_ = name;
        fileName_ = DecodeName(name);
        currentGone_ = false;
        scrollToCurrent_ = true;
        emit fileChosen(false);
        return true;
    }
    const int row = model_->rowOf(name);
    if (row < 0) return false;
    const QModelIndex index = model_->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
    settle();
    return fileBytes_ == name;
}

void FileList::list() {
    if (native_.isEmpty()) return;  // no folder yet
    start([native = native_, options = FolderReadOptions{showHidden_, newestFirst_, fileBytes_}] {
        return ReadFolder(native, options);
    });
}

void FileList::start(std::function<FolderListing()> work) {
    reading_ = true;
    touched_.clear();
    askedFor_ = fileBytes_;
    const quint64 ticket = ++ticket_;
    auto* watcher = new QFutureWatcher<FolderListing>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, ticket] {
        watcher->deleteLater();
        // A read for a folder or an order no longer shown is dropped.
        if (ticket == ticket_) swapIn(watcher->future().takeResult());
    });
    watcher->setFuture(QtConcurrent::run(platform::BackgroundPool(), [work = std::move(work)] {
        platform::LowerThreadPriority();
        return work();
    }));
}

void FileList::swapIn(FolderListing listing) {
    reading_ = false;
    const int scrolled = verticalScrollBar()->value();
    const bool readable = listing.readable, read = listing.read;
    const QList<QByteArray> subdirectories = std::move(listing.subdirectories);
    const bool found = listing.wantedFound;
    const int row = static_cast<int>(listing.wantedRow);
    model_->reset(std::move(listing));
    int current = -1;
    if (!fileBytes_.isEmpty() && askedFor_ == fileBytes_) {
        currentGone_ = !found;
        current = row;
    } else if (!fileBytes_.isEmpty()) {  // moved to during the read
        current = model_->rowOf(fileBytes_);
        currentGone_ = current < 0;
    }
    mark();
    highlightRow(current);
    if (std::exchange(toTop_, false)) {
        scrollToTop();
    } else if (scrolled > 0) {
        updateGeometries();  // the range, before the value is set back
        verticalScrollBar()->setValue(scrolled);
    }
    // Changes seen during the read may have come after it.
    QList<Seen> seen;
    for (const QByteArray& name : std::exchange(touched_, {}))
        seen.append({name, platform::ReadEntry(native_, name)});
    follow(seen);
    if (std::exchange(scrollToCurrent_, false) && current >= 0) scrollTo(model_->index(current));
    if (read) emit listed(readable, subdirectories);
}

void FileList::follow(const QList<Seen>& seen) {
    if (reading_) {
        for (const Seen& one : seen) touched_.insert(one.name);
        return;
    }
    if (seen.isEmpty()) return;
    std::vector<FileNamesModel::Change> changes;
    changes.reserve(seen.size());
    bool current = false;
    for (const auto& [name, entry] : seen) {
        const bool file = entry && !entry->isDirectory;
        const bool shown = file && (showHidden_ || !entry->isHidden);
        changes.push_back({name, shown ? std::optional(entry->modified) : std::nullopt});
        if (name != fileBytes_) continue;
        currentGone_ = !file;
        current = true;
    }
    if (model_->apply(changes)) doItemsLayout();
    if (!current) return;
    const int row = model_->rowOf(fileBytes_);
    if (currentIndex().row() != row || row < 0) highlightRow(row);
}

void FileList::setDescriptions(std::shared_ptr<const DescriptionIndex> index) {
    index_ = std::move(index);
    mark();
}

void FileList::mark() {
    if (index_) model_->mark(path_, index_);
}

int FileList::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() && !fileBytes_.isEmpty() &&
                   model_->bytesAt(current.row()) == fileBytes_
               ? current.row()
               : -1;
}

QStringList FileList::currentDescriptions() const { return model_->descriptions(currentRow()); }

void FileList::highlightRow(int row) {
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
    RowsByNumberView::mousePressEvent(event);
    settle();
}

void FileList::mouseReleaseEvent(QMouseEvent* event) {
    RowsByNumberView::mouseReleaseEvent(event);
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
                settle(true);
                return;
            }
            default:
                break;
        }
    }
    RowsByNumberView::keyPressEvent(event);
    settle(true);
}

void FileList::settle(bool byKey) {
    // Mouse moves are left out: during a drag the highlight follows the pointer, and the file it
    // ends on is made current on release.
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return;
    const QByteArrayView bytes = model_->bytesAt(selected.first().row());
    if (bytes == fileBytes_) return;
    if (!platform::IsReadableDirectory(native_)) {
        highlightRow(currentRow());
        emit directoryGone();
        return;
    }
    fileBytes_ = bytes.toByteArray();
    fileName_ = selected.first().data().toString();
    currentGone_ = false;
    emit fileChosen(byKey);
}

bool FileList::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return RowsByNumberView::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    if (const QString notes = index.data(Qt::ToolTipRole).toString(); !notes.isEmpty())
        QToolTip::showText(help->globalPos(), notes, viewport(), visualRect(index));
    else
        ShowCutNameTip(this, help, iconSize().isValid() ? iconSize().width() : 16);
    return true;
}

}  // namespace kivra::widgets
