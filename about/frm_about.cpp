#include "about/frm_about.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "core/app_info.h"
#include "resources/app_icon.h"
#include "widgets/fixed_window.h"

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

// The etched separator: a grey line with a white one just below it.
constexpr int kGreyLeft = 90, kGreyRight = 5660, kGreyY = 2451;
constexpr int kWhiteLeft = 105, kWhiteRight = 5660, kWhiteY = 2466;

const char kDescriptionText[] =
    "Kivra allows you to describe paths and/ or files and save that info to a textfile. Can "
    "come in handy when you d/l a load of files and want to keep track of their meaning, "
    "purpose etc...";
const char kUpdatesText[] =
    "Check for possible updates/info etc. at the following url: https://kivra32.example.org";
const char kDisclaimerText[] =
    "Warning: this program is provided as is, without warranty of any kind. You use it at "
    "your own risk. Copyright (c) 2026 the Kivra32 developers. MIT License.";

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

void ShowAbout(QWidget* owner) {
    frmAbout about(owner, SysInfoServices{});
    about.exec();
}

frmAbout::frmAbout(QWidget* owner, SysInfoServices services)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      services_(std::move(services)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Kivra/32"));
    setWindowIcon(AppIcon());
    setModal(true);
    createControls();
    Form_Load();
    widgets::KeepFixedSize(this);
}

void frmAbout::createControls() {
    picIcon = makeLabel(this, "picIcon", {}, false);
    picIcon->setPixmap(windowIcon().pixmap(qRound(kIconPixels * scale_.y())));
    picIcon->setAccessibleName(QStringLiteral("Kivra/32"));
    lblTitle = makeLabel(this, "lblTitle", QStringLiteral("Application Title"), false);
    lblVersion = makeLabel(this, "lblVersion", QStringLiteral("Version"), false);
    lblDescription = makeLabel(this, "lblDescription", QString::fromLatin1(kDescriptionText), true);
    Label1 = makeLabel(this, "Label1", QString::fromLatin1(kUpdatesText), true);
    lblDisclaimer = makeLabel(this, "lblDisclaimer", QString::fromLatin1(kDisclaimerText), true);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::placeControls() {
    const auto place = [this](QWidget* widget, const Placement& at) {
        widget->setGeometry(scale_.Rect(at.left, at.top, at.width, at.height));
    };
    place(picIcon, kIcon);
    // A picture box that sizes itself to its picture: the icon is shown whole.
    picIcon->resize(picIcon->size().expandedTo(picIcon->pixmap().deviceIndependentSize().toSize()));
    place(lblTitle, kTitle);
    place(lblVersion, kVersion);
    place(lblDescription, kDescription);
    place(Label1, kUpdates);
    place(lblDisclaimer, kDisclaimer);
    place(cmdOK, kOk);
    place(cmdSysInfo, kSysInfo);
    setFixedSize(scale_.Size(kClientWidth, kClientHeight));
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("About ") + QString::fromLatin1(app::kTitle));
    lblVersion->setText(
        QStringLiteral("Version %1.%2.%3").arg(app::kMajor).arg(app::kMinor).arg(app::kRevision));
    lblTitle->setText(QString::fromLatin1(app::kTitle));
    placeControls();
}

void frmAbout::cmdOK_Click() { done(QDialog::Accepted); }

void frmAbout::reject() { cmdOK_Click(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(this, services_); }

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    // The highlight of the etching is the theme's light shade: white in a light theme, and no
    // bright rule across a dark one.
    painter.fillRect(scale_.X(kGreyLeft), scale_.Y(kGreyY), scale_.X(kGreyRight - kGreyLeft), 1,
                     QColor(128, 128, 128));
    painter.fillRect(scale_.X(kWhiteLeft), scale_.Y(kWhiteY), scale_.X(kWhiteRight - kWhiteLeft), 2,
                     palette().color(QPalette::Light));
}

}  // namespace kivra
