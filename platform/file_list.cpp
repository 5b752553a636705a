#include "platform/file_list.h"

#include <QDirIterator>
#include <QScopedValueRollback>
#include <QStringListModel>
#include <algorithm>

#include "platform/native_path.h"

namespace kivra::platform {

FileList::FileList(QWidget* parent) : QListView(parent), model_(new QStringListModel(this)) {
    // Uniform rows let the view skip measuring each of a hundred thousand names.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(model_);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onCurrentChanged(current); });
}

void FileList::setPath(const QString& path) {
    path_ = NormalizedDirectory(path);
    QStringList names;
    // The iterator takes the file type from the directory entry itself where it can, so a
    // large directory is listed without a stat per file.
    QDirIterator it(path_, QDir::Files);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    SortNames(names);
    model_->setStringList(names);
    selectionModel()->clear();
    setCurrentIndex(QModelIndex());
}

QString FileList::FileName() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return {};
    return selected.first().data().toString();
}

QStringList FileList::fileNames() const { return model_->stringList(); }

void FileList::mousePressEvent(QMouseEvent* event) {
    const QScopedValueRollback guard(byUser_, true);
    QListView::mousePressEvent(event);
}

void FileList::keyPressEvent(QKeyEvent* event) {
    const QScopedValueRollback guard(byUser_, true);
    QListView::keyPressEvent(event);
}

void FileList::onCurrentChanged(const QModelIndex& current) {
    if (!byUser_ || !current.isValid()) return;
    // The keyboard moves the current row before it selects; select it so FileName sees it.
    selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    emit Click();
}

}  // namespace kivra::platform
