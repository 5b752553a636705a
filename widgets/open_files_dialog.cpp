#include "widgets/open_files_dialog.h"

#include <QFileDialog>
#include <QRegularExpression>

#include "widgets/save_as_dialog.h"

namespace kivra::widgets {

namespace {

// "Notes (descript.ion *.txt)" shown as it is written, matching any letter case.
QString caseBlindFilter(const QString& filter) {
    static const QRegularExpression patterns(QStringLiteral("^.*\\((.*)\\)$"));
    const QRegularExpressionMatch match = patterns.match(filter);
    if (!match.hasMatch()) return filter;
    return CaseBlindNameFilter(filter, match.captured(1).split(u' ', Qt::SkipEmptyParts));
}

QStringList showReal(const OpenFilesRequest& request) {
    QFileDialog dialog(request.parent, request.title, request.directory);
    // Qt's own dialog, as for Save As: the same on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setFilter(dialog.filter() | QDir::Hidden);  // ".descript.ion"
    QStringList filters;
    for (const QString& filter : request.filters) filters.append(caseBlindFilter(filter));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

}  // namespace

QStringList ShowOpenFiles(const OpenFilesRequest& request) {
    return DialogSeam<QStringList, OpenFilesRequest>::show(request, showReal);
}

void SetOpenFilesHandler(OpenFilesHandler handler) {
    DialogSeam<QStringList, OpenFilesRequest>::setHandler(std::move(handler));
}

}  // namespace kivra::widgets
