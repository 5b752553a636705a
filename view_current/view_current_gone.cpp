#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <numeric>

#include "core/entry_item.h"
#include "core/moved_search.h"
#include "view_current/current_entries_model.h"
#include "view_current/find_moved_dialog.h"
#include "view_current/view_current_dialog.h"
#include "widgets/message_box.h"

// View Current's part in notes that follow their files: the gone count and Find Moved.

namespace kivra {

void ViewCurrentDialog::showGoneCount() {
    // The room shows how far the log is read or written meanwhile.
    if (busy_ || model_->reading()) return;
    QLocale locale;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    const int gone = model_->goneCount();
    //: Entries whose item is no longer there, of all in the list.
    goneLabel_->setText(
        gone <= 0
            ? QString()
            : tr("%1 of %2 gone").arg(locale.toString(gone), locale.toString(model_->keptCount())));
}

void ViewCurrentDialog::findMoved(bool inFolder) {
    if (busy_ || model_->reading()) return;
    keepEdit();
    std::vector<int> rows;
    if (const int row = selectedRow(); row >= 0) rows.push_back(row);
    std::vector<quint32> lines = model_->goneLines(rows);
    if (lines.empty()) {
        rows.resize(model_->rowCount());
        std::iota(rows.begin(), rows.end(), 0);
        lines = model_->goneLines(rows);
    }
    if (lines.empty()) {
        widgets::ShowMessage({.parent = this, .text = tr("No entry shown is gone.")});
        return;
    }
    QStringList roots;
    if (inFolder) {
        const QString folder = ChooseSearchFolder({this, QDir::homePath()});
        if (folder.isEmpty()) return;
        roots = {folder};
    } else {
        roots = SearchPlaces();
    }
    QList<GoneItem> items;
    for (const quint32 line : lines) {
        const QString text = model_->lineText(line);
        items.append({ItemOfEntry(text).path, text.mid(DescriptionStart(text))});
    }
    MovedSearch search(items);
    const QList<MoveProposal> proposals = SearchWithProgress(this, search, roots);
    if (proposals.isEmpty()) {
        widgets::ShowMessage(
            {.parent = this,
             .text = tr("None of the %n gone items was found.", nullptr, int(items.size()))});
        return;
    }
    MovedChoiceRequest request{this, {}, proposals};
    for (const MoveProposal& proposal : proposals)
        request.oldPaths.append(items[proposal.item].path);
    const QList<int> chosen = ChooseMoves(request);
    QHash<quint32, QByteArray> replaced;
    for (qsizetype i = 0; i < chosen.size() && i < proposals.size(); ++i) {
        const MoveProposal& proposal = proposals[i];
        if (chosen[i] < 0 || chosen[i] >= proposal.candidates.size()) continue;
        QByteArray path = proposal.candidates[chosen[i]];
        // A folder named with its separator keeps it.
        if (items[proposal.item].path.endsWith(QDir::separator()))
            path += QDir::separator().toLatin1();
        if (QByteArray bytes = model_->withPath(lines[proposal.item], path); !bytes.isEmpty())
            replaced.insert(lines[proposal.item], bytes);
    }
    if (replaced.isEmpty()) return;
    entryList_->selectionModel()->clearSelection();
    model_->replaceLines(replaced);
    entryEdited_ = true;
}

}  // namespace kivra
