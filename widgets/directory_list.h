#pragma once

#include <QListWidget>
#include <memory>

#include "core/description_index.h"

namespace kivra::widgets {

// The directory list: the chain of directories from the root down to `path`, then the
// subdirectories of `path` as handed in (setSubdirectories, follow: the folder is read once, for
// both lists, by the file list). Setting a
// different `path` from code fires directoryChosen before setPath returns; so does opening an entry
// by double-click or Enter. Each entry keeps its path's real bytes, so a name that is not valid
// UTF-8 can still be opened.
class DirectoryList : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    QByteArray nativePath() const { return native_; }
    // False, with nothing changed, when `path` cannot be listed (missing, not ready, no
    // permission).
    bool setPath(const QString& path);
    bool setNativePath(const QByteArray& native);
    // False when `path` can no longer be read.
    bool refresh();
    // The subdirectories of `path` as read, in name order; the current item and scroll kept.
    void setSubdirectories(const QList<QByteArray>& subdirectories);
    // Puts the subdirectory `name` in its place, or takes it out.
    void follow(const QByteArray& name, bool present);
    // Moves to the nearest parent that can still be listed (a move like any other).
    void moveToExistingParent();
    // Whether hidden subdirectories are to be listed; the next listing shows them.
    void setShowHidden(bool show);
    bool showHidden() const { return showHidden_; }
    void openParent();

    // Marks the directories the log describes, now and at each listing.
    void setDescriptions(std::shared_ptr<const DescriptionIndex> index);
    // What the log says about `path`, oldest first.
    QStringList currentDescriptions() const;

signals:
    void directoryChosen();
    // The user opened an entry while the shown directory no longer exists; nothing moved.
    void directoryGone();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void openItem(QListWidgetItem* item);
    void fill(const QList<QByteArray>& subdirectories);
    QListWidgetItem* makeItem(const QIcon& icon, const QByteArray& path, const QByteArray& name,
                              int depth);
    void mark();

    QString path_;
    QByteArray native_;
    std::shared_ptr<const DescriptionIndex> index_;
    int chainLength_ = 0;
    bool showHidden_ = false;
};

}  // namespace kivra::widgets
