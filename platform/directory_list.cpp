#include "platform/directory_list.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>

#include "platform/native_path.h"

namespace kivra::platform {

namespace {

constexpr int kPathRole = Qt::UserRole;

// Subdirectory names, sorted with letter case ignored; nullopt when the directory cannot be read.
std::optional<QStringList> listSubdirectories(const QString& path) {
    const QDir dir(path);
    if (!dir.exists() || !dir.isReadable()) return std::nullopt;
    QStringList names;
    QDirIterator it(path, QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    SortNames(names);
    return names;
}

// "/home/ann" gives "/", "/home", "/home/ann"; "C:\DL" gives "C:\", "C:\DL".
QStringList chainTo(const QString& path) {
    QStringList chain;
    QDir dir(path);
    for (;;) {
        chain.prepend(NormalizedDirectory(dir.absolutePath()));
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    return chain;
}

}  // namespace

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this, &DirectoryList::openItem);
}

bool DirectoryList::setPath(const QString& path) {
    const QString target = NormalizedDirectory(path);
    const std::optional<QStringList> subdirectories = listSubdirectories(target);
    if (!subdirectories) return false;
    if (target == path_) return true;
    path_ = target;
    fill(*subdirectories);
    emit Change();
    return true;
}

void DirectoryList::fill(const QStringList& subdirectories) {
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    clear();
    const QStringList chain = chainTo(path_);
    int depth = 0;
    for (const QString& directory : chain) {
        const QString name = depth == 0 ? directory : QDir(directory).dirName();
        auto* item = new QListWidgetItem(open, QString(depth * 2, u' ') + name, this);
        item->setData(kPathRole, directory);
        ++depth;
    }
    setCurrentRow(static_cast<int>(chain.size()) - 1);
    for (const QString& name : subdirectories) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, u' ') + name, this);
        item->setData(kPathRole, JoinPath(path_, name));
    }
}

void DirectoryList::openItem(QListWidgetItem* item) {
    if (!item) return;
    // A directory that cannot be opened is not entered; the list stays where it was.
    if (!setPath(item->data(kPathRole).toString())) QApplication::beep();
}

void DirectoryList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace kivra::platform
