#include <QApplication>
#include <QScreen>

#include "core/app_info.h"
#include "core/entry_log.h"
#include "main_window/frm_main.h"
#include "platform/file_writes.h"

int main(int argc, char** argv) {
    kivra::platform::IgnoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kivra::app::kTitle));
    QApplication::setApplicationVersion(kivra::app::versionText());
    QApplication::setFont(kivra::ApplicationFont());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kivra32.xpm")));

    kivra::frmMain window{kivra::EntryLog(kivra::EntryLog::defaultAppDir())};
    // Centred on the screen when first shown.
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.frameGeometry().center() + window.pos());
    window.show();
    return app.exec();
}
