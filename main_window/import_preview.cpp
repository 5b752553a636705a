#include "main_window/import_preview.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/app_info.h"

namespace kivra {

namespace {

// So the summary fits on the screen however many files were picked.
constexpr qsizetype kListedFiles = 15;
constexpr qsizetype kShownEntries = 20;

using Seam = widgets::DialogSeam<std::optional<ImportPlan>, ImportPreviewRequest>;

std::optional<ImportPlan> showReal(const ImportPreviewRequest& request) {
    ImportPreviewDialog dialog(request);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.plan();
}

}  // namespace

QString ImportSummary(const ImportPlan& plan) {
    QStringList text;
    for (qsizetype i = 0; i < plan.files.size() && i < kListedFiles; ++i) {
        const ImportFile& file = plan.files[i];
        //: An imported file and its format: "/home/ann/DESCRIPT.ION (DESCRIPT.ION)".
        const QString head = QCoreApplication::translate("kivra::ImportFlow", "%1 (%2)")
                                 .arg(file.path, ImportFormatName(file.format));
        if (!file.skipped.isEmpty())
            text.append(QCoreApplication::translate("kivra::ImportFlow", "%1: skipped, %2")
                            .arg(head, file.skipped));
        else if (file.entries.isEmpty())
            text.append(
                QCoreApplication::translate("kivra::ImportFlow", "%1: no new entries").arg(head));
        else
            text.append(QCoreApplication::translate("kivra::ImportFlow", "%1: %n new", nullptr,
                                                    int(file.entries.size()))
                            .arg(head));
    }
    if (plan.files.size() > kListedFiles)
        text.append(QCoreApplication::translate("kivra::ImportFlow", "and %n more files", nullptr,
                                                int(plan.files.size() - kListedFiles)));
    if (plan.alreadyInLog > 0)
        text.append(QCoreApplication::translate("kivra::ImportFlow",
                                                "%n entries are already in the log.", nullptr,
                                                int(plan.alreadyInLog)));
    if (plan.repeated > 0)
        text.append(QCoreApplication::translate("kivra::ImportFlow",
                                                "%n entries repeat one before them.", nullptr,
                                                int(plan.repeated)));
    return text.join(u'\n');
}

std::optional<ImportPlan> ShowImportPreview(const ImportPreviewRequest& request) {
    return Seam::show(request, showReal);
}

void SetImportPreviewHandler(ImportPreviewHandler handler) { Seam::setHandler(std::move(handler)); }

ImportPreviewDialog::ImportPreviewDialog(const ImportPreviewRequest& request)
    : QDialog(request.parent),
      replan_(request.replan),
      plan_(request.plan),
      summary_(new QLabel(this)),
      files_(new QComboBox(this)),
      codePage_(new QComboBox(this)),
      how_(new QLabel(this)),
      entries_(new QPlainTextEdit(this)),
      import_(nullptr) {
    setWindowTitle(QString::fromLatin1(app::kTitle));
    summary_->setObjectName("importSummary");
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    files_->setObjectName("importFiles");
    files_->setAccessibleName(tr("Imported file"));
    codePage_->setObjectName("importCodePage");
    codePage_->setAccessibleName(tr("Code page"));
    how_->setObjectName("importCodePageHow");
    entries_->setObjectName("importEntries");
    entries_->setAccessibleName(tr("First entries, as they will be written"));
    entries_->setReadOnly(true);
    entries_->setTabChangesFocus(true);
    entries_->setLineWrapMode(QPlainTextEdit::NoWrap);
    entries_->setMinimumWidth(fontMetrics().averageCharWidth() * 60);

    for (qsizetype i = 0; i < plan_.files.size(); ++i) {
        if (!plan_.files[i].skipped.isEmpty()) continue;
        read_.append(i);
        files_->addItem(QDir::toNativeSeparators(plan_.files[i].path));
    }
    // UTF-8 first: a short file in another code page can be valid UTF-8 by chance.
    codePage_->addItem(CodePageLabel(kUtf8), QByteArray(kUtf8));
    for (const CodePage& page : OfferedCodePages())
        codePage_->addItem(QCoreApplication::translate("CodePage", page.label), page.name);

    auto* form = new QFormLayout;
    form->addRow(tr("&File:"), files_);
    auto* codePageRow = new QHBoxLayout;
    codePageRow->addWidget(codePage_, 1);
    codePageRow->addWidget(how_);
    // A row of a layout gets no buddy of its own: without one the label would show its "&".
    auto* codePageLabel = new QLabel(tr("&Code page:"), this);
    codePageLabel->setBuddy(codePage_);
    form->addRow(codePageLabel, codePageRow);
    auto* entriesLabel = new QLabel(tr("First &entries, as they will be written:"), this);
    entriesLabel->setBuddy(entries_);

    auto* buttons = new QDialogButtonBox(this);
    import_ = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    import_->setObjectName("importButton");
    import_->setAutoDefault(false);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addLayout(form);
    layout->addWidget(entriesLabel);
    layout->addWidget(entries_, 1);
    layout->addWidget(buttons);

    connect(files_, &QComboBox::currentIndexChanged, this, &ImportPreviewDialog::showFile);
    connect(codePage_, &QComboBox::activated, this, &ImportPreviewDialog::choose);
    showPlan();
    files_->setFocus();
}

void ImportPreviewDialog::showPlan() {
    const int count = int(plan_.entries().size());
    summary_->setText(
        ImportSummary(plan_) + QStringLiteral("\n\n") +
        QCoreApplication::translate("kivra::ImportFlow", "Import %n entries?", nullptr, count));
    import_->setEnabled(count > 0);
    showFile();
}

void ImportPreviewDialog::showFile() {
    const int at = files_->currentIndex();
    if (at < 0) return;
    const ImportFile& file = plan_.files[read_[at]];
    const QByteArray& name = file.codePage.name;
    // Plain ASCII reads alike in every code page, and so does a log's UTF-8, line by line: shown,
    // not offered, unless chosen.
    const bool choosable = chosen_.contains(file.path) ||
                           (name != kAscii && (name != kUtf8 || file.format != ImportFormat::Log));
    {
        const QSignalBlocker quiet(codePage_);
        if (codePage_->count() > OfferedCodePages().size() + 1) codePage_->removeItem(0);
        if (name == kAscii) codePage_->insertItem(0, CodePageLabel(name), name);
        codePage_->setCurrentIndex(codePage_->findData(name));
    }
    codePage_->setEnabled(choosable);
    how_->setText(!choosable                    ? QString()
                  : chosen_.contains(file.path) ? tr("chosen")
                  : file.codePage.guessed       ? tr("guessed")
                                                : tr("detected"));
    codePage_->setAccessibleDescription(how_->text());
    QStringList shown = file.entries.mid(0, kShownEntries);
    if (file.entries.size() > kShownEntries) shown.append(QStringLiteral("…"));
    entries_->setPlainText(shown.join(u'\n'));
    entries_->setPlaceholderText(tr("No new entries"));
}

void ImportPreviewDialog::choose() {
    const int at = files_->currentIndex();
    if (at < 0 || !replan_) return;
    chosen_[plan_.files[read_[at]].path] = codePage_->currentData().toByteArray();
    plan_ = replan_(chosen_);
    showPlan();
}

}  // namespace kivra
