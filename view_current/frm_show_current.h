#pragma once

#include <QDialog>

#include "core/entry_log.h"
#include "core/entry_table.h"

class QListView;
class QPushButton;

namespace kivra {

class CurrentEntriesModel;

// The View Current window: the log's entries, sorted, to delete one by one or all at once;
// "Return" writes what is left back to the log. It never reads the log itself: the opener fills
// it. The opener owns it and discards it when it closes.
class frmShowCurrent : public QDialog {
    Q_OBJECT

public:
    frmShowCurrent(QWidget* owner, EntryLog log);

    // The number of items at load, kept from one opening to the next.
    static int LoadedCount;

    void addItems(QStringList lines);
    void addEntries(EntryTable table);
    const CurrentEntriesModel& entries() const { return *model_; }

    QListView* lstCurrent() const { return lstCurrent_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* Command1() const { return Command1_; }
    QPushButton* cmdClearAll() const { return cmdClearAll_; }

    void Form_Load();
    void Command1_Click();
    void cmdClearAll_Click();
    void cmdOK_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    int selectedRow() const;

    EntryLog log_;
    CurrentEntriesModel* model_ = nullptr;
    QListView* lstCurrent_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* cmdClearAll_ = nullptr;
    // An emptied list is written back only when the user deleted the entries one by one; after
    // "Clear All" the log stays deleted.
    bool entryDeleted_ = false;
};

}  // namespace kivra
