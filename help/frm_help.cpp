#include "help/frm_help.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/app_info.h"
#include "core/help_text.h"
#include "resources/app_icon.h"

namespace kivra {

namespace {

// Room for lines of about this many characters, and this many of them, where the screen allows.
constexpr int kColumns = 100;
constexpr int kRows = 40;

QString helpMarkdown() {
    QFile page(QStringLiteral(":/help/kivra32.md"));
    if (!page.open(QIODevice::ReadOnly)) return {};
    return HelpWindowText(QString::fromUtf8(page.readAll()));
}

}  // namespace

void ShowHelp(QWidget* owner) {
    frmHelp help(owner);
    help.exec();
}

frmHelp::frmHelp(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QString::fromLatin1(app::kTitle) + QStringLiteral(" Help"));
    setWindowIcon(AppIcon());
    setModal(true);

    txtHelp = new QTextBrowser(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setAccessibleName(QStringLiteral("Help"));
    txtHelp->setOpenLinks(false);
    txtHelp->setMarkdown(helpMarkdown());

    auto* buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtHelp);
    layout->addWidget(buttons);

    // The text scrolls by keys at once; Enter still reaches the default button.
    txtHelp->setFocus();
    const QFontMetrics metrics(txtHelp->font());
    QSize wanted(metrics.averageCharWidth() * kColumns, metrics.lineSpacing() * kRows);
    if (const QScreen* shown = owner ? owner->screen() : screen())
        wanted = wanted.boundedTo(shown->availableGeometry().size() * 9 / 10);
    resize(wanted);
}

}  // namespace kivra
