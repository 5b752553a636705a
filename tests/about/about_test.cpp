#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "about/about_dialog.h"
#include "core/version.h"
#include "help/help_dialog.h"
#include "main_window/main_window.h"
#include "support/qt_printers.h"
#include "support/scripted_messages.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

// The Help window's text, shown from `owner`'s menu and left by `key`; "stayed open" if it did.
QString HelpText(MainWindow& owner, Qt::Key key = Qt::Key_Escape) {
    QString help;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        help = dialog->findChild<QTextBrowser*>("helpText")->toPlainText();
        QTest::keyClick(dialog->focusWidget(), key);
        if (dialog->isVisible()) dialog->close(), help = "stayed open";
    });
    owner.findChild<QAction*>("helpAction")->trigger();
    return help;
}

// PATH holds only a folder of scripts standing for the tools: a real launch starts the one found,
// and each leaves a mark beside itself. Each row: the scripts made executable and those left plain,
// whether they are programs (or a text no system can start), and the tool started (empty: the
// message instead).
TEST(SystemInfo, StartsTheFirstToolOnPathOrSaysNoneIsAvailable) {
    const std::tuple<QStringList, QStringList, bool, QString> rows[] = {
        {{"lshw-gtk", "kinfocenter"}, {"hardinfo"}, true, "kinfocenter"},
        {{"hardinfo2", "hardinfo"}, {}, true, "hardinfo"},
        {{}, {"hardinfo"}, true, ""},
        {{"hardinfo"}, {}, false, ""},
    };
    const QByteArray path = qgetenv("PATH");
    for (const auto& [executable, plain, programs, started] : rows) {
        SCOPED_TRACE(started.toStdString());
        QTemporaryDir dir;
        const QString bin = dir.filePath("tools with spaces");
        QDir().mkpath(bin);
        for (const QString& name : executable + plain) {
            QFile script(bin + "/" + name);
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(programs ? "#!/bin/sh\n: > \"$0.ran\"\n" : "not a program\n");
            if (executable.contains(name))
                script.setPermissions(script.permissions() | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(bin));
        test::ScriptedMessages messages;
        AboutDialog(nullptr).findChild<QPushButton*>("sysInfoButton")->click();
        qputenv("PATH", path);
        ASSERT_EQ(messages.shown().size(), started.isEmpty() ? 1 : 0);
        if (started.isEmpty()) {
            EXPECT_EQ(messages.shown()[0].text, "System Information Is Unavailable At This Time");
            continue;
        }
        QStringList marks;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !(marks = QDir(bin).entryList({"*.ran"})).isEmpty(); }, 30000));
        EXPECT_EQ(marks, QStringList({started + ".ran"}));
    }
}

// Each opening loads its texts afresh, and Enter, Esc and OK each close the window; Help closes
// alike and shows the manual page's text without the parts only a manual page needs.
TEST(AboutWindow, EveryOpeningLoadsAfreshAndEnterOrEscCloses) {
    test::TempLogDir logDir;
    MainWindow owner(logDir.log());
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Enter}) {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = {dialog->windowTitle(), dialog->findChild<QLabel*>("titleLabel")->text(),
                    dialog->findChild<QLabel*>("versionLabel")->text()};
            dialog->setWindowTitle("changed");
            QTest::keyClick(dialog->focusWidget(), key);
        });
        owner.findChild<QAction*>("aboutAction")->trigger();
        EXPECT_EQ(seen, QStringList({"About Kivra32", "Kivra32", "Version " KIVRA_VERSION_TEXT}));
        EXPECT_TRUE(owner.findChildren<QDialog*>().isEmpty()) << "the window outlived its showing";

        const QString help = HelpText(owner, key);
        EXPECT_TRUE(help.contains("Marks and grey") && help.contains("Alt+Up")) << key;
        EXPECT_FALSE(help.contains(QRegularExpression("KIVRA32|NAME|SYNOPSIS|--version|EXIT")));
    }
}

// A desktop whose first language with a page is German shows the German page, without the parts
// only a manual page needs. Qt reads the languages once, so this runs before anything asks.
TEST(HelpWindow, SpeaksTheFirstOfTheDesktopsLanguagesThatHasAPage) {
    qputenv("LANGUAGE", "it:de_DE:en");
    ASSERT_EQ(QLocale::system().uiLanguages().value(0), "it") << "the languages were read before";
    test::TempLogDir logDir;
    MainWindow owner(logDir.log());
    const QString help = HelpText(owner);
    EXPECT_TRUE(help.contains("Markierungen und grauer") && help.contains("Alt+Up"));
    EXPECT_FALSE(help.contains(QRegularExpression("BEZEICHNUNG|ÜBERSICHT|--version|EXIT")));
    qunsetenv("LANGUAGE");
}

// The README's key table names no key that the Help text leaves out.
TEST(HelpWindow, TellsEveryKeyTheReadmeLists) {
    const auto keys = [](const char* path, const char* heading) {
        QString text = QString::fromUtf8(test::FileBytes(path));
        text = text.mid(text.indexOf(heading)).section("\n## ", 0, 0);
        static const QRegularExpression cell("^\\| ([^|]+?) \\|",
                                             QRegularExpression::MultilineOption);
        QSet<QString> found;
        for (auto match = cell.globalMatch(text); match.hasNext();)
            for (const QString& key : match.next().captured(1).split(", ")) found.insert(key);
        return found - QSet<QString>{"Key"};
    };
    const QSet<QString> listed = keys(KIVRA_README, "## Keys");
    ASSERT_GT(listed.size(), 10);
    EXPECT_EQ(listed - keys(":/help/kivra32.md", "## KEYS"), QSet<QString>());
}

}  // namespace
}  // namespace kivra
