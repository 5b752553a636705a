#pragma once

#include <QListView>
#include <memory>

#include "core/description_index.h"

namespace kivra::widgets {

class FileNamesModel;

// The file list: the ordinary files of `path` (no directories; hidden files only when asked
// for) in the lists' name order. fileChosen fires when the user makes another file current by mouse
// or keyboard, never when code sets `path`, which leaves no file current. The highlight is the
// current file: the user cannot take it away, and a drag ends with one fileChosen for the file it
// ends on.
class FileList : public QListView {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // `native` is the directory's real bytes where its name is not valid UTF-8.
    void setPath(const QString& path, const QByteArray& native = {});
    // Lists `path` again in place, the scroll position kept. A current file that vanished or
    // is hidden stays current, without a highlight until the next fileChosen.
    void refresh();
    // Lists hidden files too, or no longer, in place.
    void setShowHidden(bool show);
    // Makes the file of that name current as a fileChosen by the user does; false when it is not
    // listed.
    bool makeCurrent(const QByteArray& name);
    // The current file was not found at the last listing.
    bool currentFileGone() const { return currentGone_; }
    // The name of the file last made current by fileChosen; empty since `path` was set.
    QString fileName() const { return fileName_; }
    // The current file's path in the file system's own bytes, or the directory's with its
    // separator when no file is current.
    QByteArray nativePathOfCurrent() const;

    // The names as listed, for tests and for the keyboard.
    QStringList fileNames() const;

    // Marks the files the log describes, now and at each listing.
    void setDescriptions(std::shared_ptr<const DescriptionIndex> index);
    // What the log says about the current file, oldest first.
    QStringList currentDescriptions() const;

signals:
    void fileChosen();
    // The user picked a file in a directory that no longer exists; nothing was made current.
    void directoryGone();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;
    bool viewportEvent(QEvent* event) override;

private:
    // After the user's own input: a highlighted file other than the current one becomes current.
    void settle();
    void list();
    void highlightCurrentFile();
    void mark();
    // Places every row now, and from now on, rather than between events.
    void layOutAll();
    bool laidOut(const QModelIndex& index) const;

    FileNamesModel* model_;
    std::shared_ptr<const DescriptionIndex> index_;
    QString path_;
    QByteArray native_;
    QString fileName_;
    QByteArray fileBytes_;
    bool showHidden_ = false;
    bool currentGone_ = false;
};

}  // namespace kivra::widgets
