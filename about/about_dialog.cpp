#include "about/about_dialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "core/app_info.h"
#include "platform/program_launcher.h"
#include "platform/system_info_tool.h"
#include "resources/app_icon.h"
#include "widgets/fixed_window.h"
#include "widgets/message_box.h"

namespace kivra {

namespace {

constexpr int kClientWidth = 5736;
constexpr int kClientHeight = 3564;

struct Placement {
    int left, top, width, height;
};

constexpr Placement kIcon{240, 240, 384, 384};
constexpr Placement kTitle{1056, 240, 3960, 372};
constexpr Placement kVersion{1056, 672, 3960, 228};
constexpr Placement kDescription{1056, 984, 3960, 816};
constexpr Placement kUpdates{1044, 1908, 3972, 408};
constexpr Placement kDisclaimer{252, 2628, 3804, 828};
constexpr Placement kOk{4245, 2625, 1260, 345};
constexpr Placement kSysInfo{4260, 3075, 1245, 345};

// The etched separator: a shadow line with the theme's light one just below it.
constexpr Placement kSeparator{90, 2451, 5570, 30};

const char kDescriptionText[] = QT_TRANSLATE_NOOP(
    "kivra::AboutDialog",
    "Kivra allows you to describe paths and/ or files and save that info to a textfile. Can "
    "come in handy when you d/l a load of files and want to keep track of their meaning, "
    "purpose etc...");
const char kUpdatesText[] = QT_TRANSLATE_NOOP(
    "kivra::AboutDialog",
    "Check for possible updates/info etc. at the following url: https://kivra32.example.org");
const char kDisclaimerText[] = QT_TRANSLATE_NOOP(
    "kivra::AboutDialog",
    "Warning: this program is provided as is, without warranty of any kind. You use it at "
    "your own risk. Copyright (c) 2026 the Kivra32 developers. MIT License.");

// The picture's size at scale 1: the icon as the design shows it.
constexpr int kIconPixels = 32;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(wrap);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About %1").arg(QString::fromLatin1(app::kTitle)));
    setWindowIcon(AppIcon());
    setModal(true);
    createControls();
    placeControls();
    widgets::KeepFixedSize(this);
}

void AboutDialog::createControls() {
    iconLabel_ = makeLabel(this, "iconLabel", {}, false);
    iconLabel_->setPixmap(windowIcon().pixmap(qRound(kIconPixels * scale_.y())));
    iconLabel_->setAccessibleName(QString::fromLatin1(app::kMainCaption));
    titleLabel_ = makeLabel(this, "titleLabel", QString::fromLatin1(app::kTitle), false);
    versionLabel_ = makeLabel(
        this, "versionLabel",
        tr("Version %1.%2.%3").arg(app::kMajor).arg(app::kMinor).arg(app::kRevision), false);
    descriptionLabel_ = makeLabel(this, "descriptionLabel", tr(kDescriptionText), true);
    updatesLabel_ = makeLabel(this, "updatesLabel", tr(kUpdatesText), true);
    disclaimerLabel_ = makeLabel(this, "disclaimerLabel", tr(kDisclaimerText), true);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    okButton_ = buttons_->button(QDialogButtonBox::Ok);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    separator_ = new QFrame(this);
    separator_->setObjectName(QStringLiteral("separator"));
    separator_->setFrameShape(QFrame::HLine);
    separator_->setFrameShadow(QFrame::Sunken);
    sysInfoButton_ = new QPushButton(tr("&System Info..."), this);
    sysInfoButton_->setObjectName(QStringLiteral("sysInfoButton"));
    setTabOrder(okButton_, sysInfoButton_);
    okButton_->setFocus();

    connect(buttons_, &QDialogButtonBox::accepted, this, &AboutDialog::reject);
    connect(sysInfoButton_, &QPushButton::clicked, this, &AboutDialog::startSystemInfo);
}

void AboutDialog::placeControls() {
    const auto place = [this](QWidget* widget, const Placement& at) {
        widget->setGeometry(scale_.rect(at.left, at.top, at.width, at.height));
    };
    place(iconLabel_, kIcon);
    // A picture box that sizes itself to its picture: the icon is shown whole.
    iconLabel_->resize(
        iconLabel_->size().expandedTo(iconLabel_->pixmap().deviceIndependentSize().toSize()));
    place(titleLabel_, kTitle);
    place(versionLabel_, kVersion);
    place(descriptionLabel_, kDescription);
    place(updatesLabel_, kUpdates);
    place(disclaimerLabel_, kDisclaimer);
    // The box holds the button alone, at the button's own size.
    buttons_->layout()->setContentsMargins(0, 0, 0, 0);
    place(buttons_, kOk);
    okButton_->setFixedSize(buttons_->size());
    place(separator_, kSeparator);
    place(sysInfoButton_, kSysInfo);
    setFixedSize(scale_.size(kClientWidth, kClientHeight));
}

void AboutDialog::reject() { done(QDialog::Accepted); }

void AboutDialog::startSystemInfo() {
    const QString tool = platform::FindSystemInfoTool();
    if (!tool.isEmpty() && platform::StartProgram(tool)) return;
    widgets::ShowMessage(
        {.parent = this, .text = tr("System Information Is Unavailable At This Time")});
}

}  // namespace kivra
