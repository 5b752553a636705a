#include "view_current/find_moved_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrentRun>

#include "core/name_decoding.h"
#include "platform/volumes.h"
#include "widgets/dialog_seam.h"

namespace kivra {

namespace {

struct FindMoved {
    Q_DECLARE_TR_FUNCTIONS(FindMoved)
};

QString why(const MoveProposal& proposal) {
    switch (proposal.why) {
        case MoveProposal::Why::Comment:
            return FindMoved::tr("Its comment holds the note");
        case MoveProposal::Why::Address:
            return FindMoved::tr("Downloaded from the address in the note");
        case MoveProposal::Why::OnlyOne:
            return FindMoved::tr("The only item of this name");
        case MoveProposal::Why::SameFolder:
            return FindMoved::tr("The only one of this name in a folder of the same name");
        case MoveProposal::Why::Several:
            break;
    }
    return FindMoved::tr("%n items of this name: pick one", nullptr,
                         int(proposal.candidates.size()));
}

QList<int> showChoice(const MovedChoiceRequest& request) {
    QDialog dialog(request.parent);
    dialog.setWindowTitle(FindMoved::tr("Find Moved"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label =
        new QLabel(FindMoved::tr("Where the gone items are now. The ticked entries are re-pointed "
                                 "when you press OK; the log changes on \"Return\"."),
                   &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* tree = new QTreeWidget(&dialog);
    tree->setObjectName(QStringLiteral("proposals"));
    tree->setAccessibleName(FindMoved::tr("Moved items"));
    tree->setRootIsDecorated(false);
    tree->setHeaderLabels({FindMoved::tr("Entry"), FindMoved::tr("Now at"), FindMoved::tr("Why")});
    layout->addWidget(tree);
    QList<QComboBox*> picks;
    for (qsizetype i = 0; i < request.proposals.size(); ++i) {
        const MoveProposal& proposal = request.proposals[i];
        auto* row =
            new QTreeWidgetItem(tree, {request.oldPaths.value(i), QString(), why(proposal)});
        const bool several = proposal.why == MoveProposal::Why::Several;
        row->setCheckState(0, several ? Qt::Unchecked : Qt::Checked);
        QComboBox* pick = nullptr;
        if (several) {
            pick = new QComboBox(tree);
            pick->setAccessibleName(FindMoved::tr("Now at"));
            pick->addItem(FindMoved::tr("(none)"));
            for (const QByteArray& path : proposal.candidates) pick->addItem(DecodeName(path));
            QObject::connect(pick, &QComboBox::activated, tree, [row](int index) {
                row->setCheckState(0, index > 0 ? Qt::Checked : Qt::Unchecked);
            });
            tree->setItemWidget(row, 1, pick);
        } else {
            row->setText(1, DecodeName(proposal.candidates.value(0)));
        }
        picks.append(pick);
    }
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(900, 420);
    // Space ticks the first row at once; Tab from the list reaches the namesakes' choices.
    tree->setCurrentItem(tree->topLevelItem(0));
    tree->setFocus();
    if (dialog.exec() != QDialog::Accepted) return {};
    QList<int> chosen;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const bool ticked = tree->topLevelItem(i)->checkState(0) == Qt::Checked;
        const int picked = picks[i] ? picks[i]->currentIndex() - 1 : 0;
        chosen.append(ticked ? picked : -1);
    }
    return chosen;
}

QString showFolder(const SearchFolderRequest& request) {
    return QFileDialog::getExistingDirectory(
        request.parent, FindMoved::tr("Find Moved In"), request.directory,
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

using ChoiceSeam = widgets::DialogSeam<QList<int>, MovedChoiceRequest>;
using FolderSeam = widgets::DialogSeam<QString, SearchFolderRequest>;

}  // namespace

QList<int> ChooseMoves(const MovedChoiceRequest& request) {
    return ChoiceSeam::show(request, showChoice);
}

void SetMovedChoiceHandler(std::function<QList<int>(const MovedChoiceRequest&)> handler) {
    ChoiceSeam::setHandler(std::move(handler));
}

QString ChooseSearchFolder(const SearchFolderRequest& request) {
    return FolderSeam::show(request, showFolder);
}

void SetSearchFolderHandler(std::function<QString(const SearchFolderRequest&)> handler) {
    FolderSeam::setHandler(std::move(handler));
}

QStringList SearchPlaces() {
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    QStringList roots{home};
    for (const platform::Volume& volume : platform::UserPlaces() + platform::ListVolumes())
        if (!home.startsWith(volume.root) && !roots.contains(volume.root))
            roots.append(volume.root);
    return roots;
}

QList<MoveProposal> SearchWithProgress(QWidget* parent, MovedSearch& search,
                                       const QStringList& roots) {
    QProgressDialog progress(FindMoved::tr("Searching…"), FindMoved::tr("Stop"), 0, 0, parent);
    progress.setWindowTitle(FindMoved::tr("Find Moved"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setValue(0);
    QObject::connect(&progress, &QProgressDialog::canceled, &progress,
                     [&search] { search.stop(); });
    QTimer tick;
    QLocale locale;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    QObject::connect(&tick, &QTimer::timeout, &progress, [&] {
        //: Find Moved's progress: folders searched, gone items found so far.
        progress.setLabelText(
            FindMoved::tr("%1 folders searched, %2 found")
                .arg(locale.toString(search.foldersSearched()), locale.toString(search.found())));
    });
    tick.start(100);
    QEventLoop loop;
    QFutureWatcher<QList<MoveProposal>> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    // Ten thousand proposals take a while to weigh: in the worker too.
    watcher.setFuture(QtConcurrent::run([&search, roots] {
        search.run(roots);
        return search.proposals();
    }));
    if (!watcher.isFinished()) loop.exec();
    watcher.waitForFinished();
    return watcher.future().takeResult();
}

}  // namespace kivra
