#pragma once

#include <QSet>
#include <functional>
#include <memory>
#include <optional>

#include "core/description_index.h"
#include "platform/directory_reader.h"
#include "widgets/rows_by_number_view.h"

namespace kivra {
struct FolderListing;
}

namespace kivra::widgets {

class FileNamesModel;

// The file list: the ordinary files of `path` (no directories; hidden files only when asked
// for) in the lists' name order, or newest first when asked for. The folder is read off the GUI
// thread: the list shows at once and fills in; until a new read is swapped in, the rows shown stay
// usable, and the current file, the scroll position and the focus stay where they are. fileChosen
// fires when the user makes another file current by mouse or keyboard, never when code sets `path`,
// which leaves no file current. The highlight is the current file: the user cannot take it away,
// and a drag ends with one fileChosen for the file it ends on.
class FileList : public RowsByNumberView {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);
    ~FileList() override;

    QString path() const { return path_; }
    QByteArray nativePath() const { return native_; }
    // `native` is the directory's real bytes where its name is not valid UTF-8.
    void setPath(const QString& path, const QByteArray& native = {});
    // Reads `path` again and lists it in place, the scroll position kept. A current file that
    // vanished or is hidden stays current, without a highlight until the next fileChosen.
    void refresh();
    // A read is under way.
    bool reading() const { return reading_; }
    // A name the folder watch saw change, and what is there now (nullopt: gone).
    struct Seen {
        QByteArray name;
        std::optional<platform::DirectoryEntryView> entry;
    };
    // Puts each file in its place, or takes it out, without reading the folder; all at once.
    void follow(const QList<Seen>& seen);
    // Lists hidden files too, or no longer, in place.
    void setShowHidden(bool show);
    // Orders the files by modification time, newest on top and ties by name, or by name alone;
    // in place. The times, once read, are kept (and followed) until the next read by name.
    void setNewestFirst(bool newest);
    bool newestFirst() const { return newestFirst_; }
    bool timesKnown() const;
    // Makes the file of that name current as a fileChosen by the user does; false when it is not
    // listed. During a read it is current at once and highlighted once the read is in.
    bool makeCurrent(const QByteArray& name);
    // The current file was not found at the last listing.
    bool currentFileGone() const { return currentGone_; }
    // The name of the file last made current by fileChosen; empty since `path` was set.
    QString fileName() const { return fileName_; }
    // The same name in the file system's own bytes.
    QByteArray fileBytes() const { return fileBytes_; }

    // The names as listed, for tests and for the keyboard.
    QStringList fileNames() const;

    // Marks the files the log describes, now and at each listing.
    void setDescriptions(std::shared_ptr<const DescriptionIndex> index);
    // What the log says about the current file, oldest first.
    QStringList currentDescriptions() const;

signals:
    // `byKey`: a key pressed in the list made the move, not the mouse or code.
    void fileChosen(bool byKey);
    // The user picked a file in a directory that no longer exists; nothing was made current.
    void directoryGone();
    // A read was swapped in; the same read's subdirectories, in name order.
    void listed(bool readable, const QList<QByteArray>& subdirectories);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // After the user's own input: a highlighted file other than the current one becomes current.
    void settle(bool byKey = false);
    void list();
    // `work` made off the GUI thread, its listing swapped in unless another was asked for since.
    void start(std::function<FolderListing()> work);
    void swapIn(FolderListing listing);
    int currentRow() const;
    void highlightRow(int row);
    void mark();

    FileNamesModel* model_;
    std::shared_ptr<const DescriptionIndex> index_;
    QString path_;
    QByteArray native_;
    QString fileName_;
    QByteArray fileBytes_;
    bool showHidden_ = false;
    bool newestFirst_ = false;
    bool currentGone_ = false;
    bool reading_ = false;
    bool toTop_ = false;
    quint64 ticket_ = 0;
    QByteArray askedFor_;
    bool scrollToCurrent_ = false;
    QSet<QByteArray> touched_;
};

}  // namespace kivra::widgets
