#pragma once

#include <QDialog>

#include "core/entry_log.h"
#include "core/entry_table.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace kivra {

class CurrentEntriesModel;

// The View Current window: the log's entries, sorted, to delete one by one or all at once;
// "Return" writes what is left back to the log. It never reads the log itself: the opener fills
// it. The opener owns it and discards it when it closes. The find box shows only the entries
// that hold the words typed; a double-click or Enter on an entry leaves as "Return" does and
// names the entry, whose item the main window then shows.
class frmShowCurrent : public QDialog {
    Q_OBJECT

public:
    frmShowCurrent(QWidget* owner, EntryLog log);

    // The number of items at load, kept from one opening to the next.
    static int LoadedCount;

    void addEntries(EntryTable table);
    const CurrentEntriesModel& entries() const { return *model_; }

    QListView* lstCurrent() const { return lstCurrent_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* Command1() const { return Command1_; }
    QPushButton* cmdClearAll() const { return cmdClearAll_; }
    QLineEdit* txtFind() const { return txtFind_; }
    QLabel* lblCount() const { return lblCount_; }

    // The entry the user went to, whole as in the log; empty when the window was left otherwise.
    const QString& chosenEntry() const { return chosenEntry_; }

    void Form_Load();
    void Command1_Click();
    void cmdClearAll_Click();
    void cmdOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    int selectedRow() const;
    // "Return": false when the rewrite failed and the window stays.
    bool leave();
    void goToEntry(const QModelIndex& index);
    void findEdited(const QString& text);
    void showCount();

    EntryLog log_;
    CurrentEntriesModel* model_ = nullptr;
    QListView* lstCurrent_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* cmdClearAll_ = nullptr;
    QLineEdit* txtFind_ = nullptr;
    QLabel* lblCount_ = nullptr;
    QString chosenEntry_;
    // An emptied list is written back only when the user deleted the entries one by one; after
    // "Clear All" the log stays deleted.
    bool entryDeleted_ = false;
};

}  // namespace kivra
