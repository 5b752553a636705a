#include "widgets/save_as_dialog.h"

#include <QFileDialog>

namespace kivra::widgets {

namespace {

using Seam = DialogSeam<std::optional<SaveAsChoice>, SaveAsRequest>;

std::optional<SaveAsChoice> showReal(const SaveAsRequest& request) {
    QFileDialog dialog(request.parent, request.title);
    // Qt's own dialog: the same on every desktop, and it honours the title.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The user sees "Plain Text (*.txt)", the dialog matches list.txt and LIST.TXT alike.
    QStringList nameFilters;
    for (qsizetype i = 0; i < request.filters.size() && i < request.patterns.size(); ++i) {
        QStringList patterns;
        for (const QString& pattern : request.patterns[i].split(u';', Qt::SkipEmptyParts))
            patterns.append(pattern.trimmed());
        // A change of filter gives a typed name the first pattern's extension: "list.txt", not
        // "list.[tT][xX][tT]".
        QString nameFilter = CaseBlindNameFilter(request.filters[i], patterns);
        nameFilter.insert(nameFilter.lastIndexOf(u'(') + 1, patterns.first().toLower() + u' ');
        nameFilters.append(nameFilter);
    }
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(nameFilters);
    if (request.selectedFilter >= 0 && request.selectedFilter < nameFilters.size())
        dialog.selectNameFilter(nameFilters[request.selectedFilter]);
    dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // With the details hidden, Qt 6.4 names the selected filter as shown, without its patterns.
    const QString selected = dialog.selectedNameFilter();
    qsizetype filter = nameFilters.indexOf(selected);
    if (filter < 0) filter = request.filters.indexOf(selected);
    return SaveAsChoice{dialog.selectedFiles().first(), static_cast<int>(filter)};
}

}  // namespace

QString CaseInsensitivePattern(const QString& pattern) {
    QString out;
    for (const QChar ch : pattern) {
        if (ch.isLetter() && ch.toLower() != ch.toUpper())
            out += u'[' + QString(ch.toLower()) + QString(ch.toUpper()) + u']';
        else
            out += ch;
    }
    return out;
}

QString CaseBlindNameFilter(const QString& shown, const QStringList& patterns) {
    QStringList blind;
    for (const QString& pattern : patterns) blind.append(CaseInsensitivePattern(pattern));
    return shown + QStringLiteral(" (") + blind.join(u' ') + u')';
}

std::optional<SaveAsChoice> ShowSaveAs(const SaveAsRequest& request) {
    std::optional<SaveAsChoice> chosen = Seam::show(request, showReal);
    if (chosen) chosen->path = QDir::toNativeSeparators(chosen->path);
    return chosen;
}

void SetSaveAsHandler(SaveAsHandler handler) { Seam::setHandler(std::move(handler)); }

}  // namespace kivra::widgets
