#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>
#include <optional>

#include "core/entry_log.h"
#include "core/entry_table.h"

class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace kivra {

class CurrentEntriesModel;

// The View Current window: the log's entries, sorted, to delete one by one or all at once, or to
// mend the description of; "Return" writes what is left back to the log. It never reads the log
// itself: the opener fills it. The opener owns it and discards it when it closes. The find box
// shows only the entries that hold the words typed; a double-click or Enter on an entry leaves as
// "Return" does and names the entry, whose item the main window then shows.
class ViewCurrentDialog : public QDialog {
    Q_OBJECT

public:
    ViewCurrentDialog(QWidget* owner, EntryLog log);

    // A window for the log, not yet shown; null when there is no log, after telling the user
    // why. A small log is in it already (null where it cannot be read completely); a larger one
    // is read and sorted as the window shows, with the count of lines read so far, and a log
    // that cannot be read closes it with the reason.
    static std::unique_ptr<ViewCurrentDialog> fromLog(QWidget* owner, const EntryLog& log);

    const CurrentEntriesModel& entries() const { return *model_; }

    QListView* entryList() const { return entryList_; }
    QPushButton* returnButton() const { return returnButton_; }
    QPushButton* deleteButton() const { return deleteButton_; }
    QPushButton* clearAllButton() const { return clearAllButton_; }
    QLineEdit* findEdit() const { return findEdit_; }
    QLabel* countLabel() const { return countLabel_; }
    QLabel* goneLabel() const { return goneLabel_; }
    QAction* goneOnlyAction() const { return goneOnlyAction_; }

    // The entry the user went to, whole as in the log; empty when the window was left otherwise.
    const QString& chosenEntry() const { return chosenEntry_; }

    // Whether an entry was deleted or mended since the window opened (or since "Clear All").
    bool changed() const { return entryDeleted_ || entryEdited_; }

public slots:
    // The size is kept for the next opening, whichever way the window is left.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The close control and Alt+F4: after a change, asks whether to write it back.
    void closeEvent(QCloseEvent* event) override;

private slots:
    void deleteEntry();
    // F2: the selected entry's description in a box over it; Enter keeps it, Esc drops it.
    void editEntry();
    void clearAll();
    // "Return", going to `chosen` (see chosenEntry()): false when the window stays, as after a
    // failed rewrite, or for now while the log is still read or written.
    bool leave(const QString& chosen = {});
    void showProgress(int done, int total);
    void goToEntry(const QModelIndex& index);
    void findEdited(const QString& text);
    void showCount();
    void showGoneCount();
    // Looks for the selected gone entry's item, or every gone one shown, under the user's places
    // or in a folder the user picks; re-points the entries the user confirms.
    void findMoved(bool inFolder);

private:
    void createControls();
    // A description still being edited is kept, as a click elsewhere keeps it.
    void keepEdit();
    int selectedRow() const;
    // While the log is written back, or read before that: nothing can be changed.
    void setBusy(bool busy);
    void written(const QString& failure);

    EntryLog log_;
    CurrentEntriesModel* model_ = nullptr;
    QListView* entryList_ = nullptr;
    QPushButton* returnButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* clearAllButton_ = nullptr;
    QLineEdit* findEdit_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QLabel* goneLabel_ = nullptr;
    QAction* goneOnlyAction_ = nullptr;
    QString chosenEntry_;
    // An emptied list is written back only when the user deleted the entries one by one; after
    // "Clear All" the log stays deleted.
    bool entryDeleted_ = false;
    bool entryEdited_ = false;
    bool busy_ = false;
    // "Return" pressed while the log is read: where to go once it is in and written.
    std::optional<QString> leaveWhenRead_;
    QString leavingTo_;
    // The line of the current row while the rows are swapped.
    std::optional<quint32> currentLine_;
    QPointer<QWidget> focused_;  // may be gone by the time it is given the focus back
};

}  // namespace kivra
