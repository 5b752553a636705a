#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include "view_current/current_entries_model.h"
#include "view_current/view_current_dialog.h"
#include "widgets/message_box.h"

// View Current and its log: the read as the window opens, with its progress, and the write-back as
// it is left, which no close may cut short.

namespace kivra {

namespace {

// A log up to this size is read, and written back, before the window goes on: it takes less
// than a frame.
constexpr qint64 kAtOnce = 1 << 20;

}  // namespace

std::unique_ptr<ViewCurrentDialog> ViewCurrentDialog::fromLog(QWidget* owner, const EntryLog& log) {
    if (!widgets::WarnUnlessLogExists(owner, log)) return nullptr;
    auto dialog = std::make_unique<ViewCurrentDialog>(owner, log);
    if (QFileInfo(log.logPath()).size() > kAtOnce) {
        dialog->showProgress(0, 0);
        dialog->model_->readLater(log.logPath());
        return dialog;
    }
    // Half a log must not be listed: "Return" would overwrite the file with it.
    if (const Result<void> read = dialog->model_->readNow(log.logPath()); !read) {
        widgets::ShowWarning(owner, read.failure().message);
        return nullptr;
    }
    return dialog;
}

void ViewCurrentDialog::showProgress(int done, int total) {
    QLocale locale;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    QString text = tr("Reading the log…");
    if (total > 0 && done == total)
        text = tr("Sorting %1 entries…").arg(locale.toString(total));
    else if (total > 0)
        //: While the log is read: lines read so far, of all.
        text = tr("Reading %1 of %2…").arg(locale.toString(done), locale.toString(total));
    // In the wide room over the buttons, where the gone count shows once the entries are in.
    goneLabel_->setText(text);
}

bool ViewCurrentDialog::leave(const QString& chosen) {
    keepEdit();
    if (busy_) return false;
    // Every line of the log is written back, so none is dropped while it is still read.
    if (model_->reading()) {
        leaveWhenRead_ = chosen;
        setBusy(true);
        return false;
    }
    // The list goes back sorted; an empty one only when the user deleted every entry. With
    // nothing deleted or edited, a log that cannot be written is left as it is: nothing of the
    // user's is lost.
    if ((model_->keptCount() != 0 || entryDeleted_) && (changed() || log_.rewritable())) {
        // Locked from the read to the write, so another copy's append in between is not lost. On
        // failure the window stays open, so nothing the user did is lost.
        if (model_->logSize() > kAtOnce) {
            leavingTo_ = chosen;
            setBusy(true);
            goneLabel_->setText(tr("Writing the log…"));
            model_->writeBackLater(log_);
            return false;
        }
        if (const Result<void> written = model_->writeBack(log_); !written) {
            widgets::ShowWarning(this, written.failure().message);
            return false;
        }
    }
    chosenEntry_ = chosen;
    accept();
    return true;
}

void ViewCurrentDialog::written(const QString& failure) {
    setBusy(false);
    if (!failure.isEmpty()) {
        showCount();
        widgets::ShowWarning(this, failure);
        return;
    }
    chosenEntry_ = leavingTo_;
    accept();
}

void ViewCurrentDialog::setBusy(bool busy) {
    busy_ = busy;
    if (busy) focused_ = focusWidget();
    for (QWidget* control :
         QWidgetList{entryList_, findEdit_, clearAllButton_, deleteButton_, returnButton_})
        control->setEnabled(!busy);
    clearAllButton_->setEnabled(!busy && model_->findsAll() && !model_->goneOnly());
    if (!busy && focused_) focused_->setFocus();
}

void ViewCurrentDialog::closeEvent(QCloseEvent* event) {
    // The log is being written: it goes on, and the window closes when it is done.
    if (busy_) {
        event->ignore();
        return;
    }
    keepEdit();
    if (!changed()) return QDialog::closeEvent(event);
    const auto answer = widgets::ShowMessage(
        {.parent = this,
         .text = tr("Write the changes back to the log?"),
         .buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
         .captions = {{QMessageBox::Save, tr("&Write")}, {QMessageBox::Discard, tr("&Discard")}}});
    // A failed write has been told; the window stays so nothing is lost.
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !leave())) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ViewCurrentDialog::keyPressEvent(QKeyEvent* event) {
    // Escape would reject the dialog, past the question about the changes; it leaves as the close
    // control does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kivra
