#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "core/help_text.h"
#include "help/frm_help.h"
#include "main_window/frm_main.h"
#include "support/qt_printers.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

TEST(HelpWindowText, LeavesOutWhatOnlyTheManualPageNeeds) {
    const struct {
        const char* page;
        const char* shown;
    } rows[] = {
        {"% T 1\n% more\n\n## KEYS\n\nF1\n", "## KEYS\n\nF1\n"},
        {"## NAME\n\nkivra32 - x\n\n## FILES\n\nlog\n", "## FILES\n\nlog\n"},
        {"## OPTIONS\n### Sub\n-h\n## EXIT STATUS\n0\n## DESCRIPTION\n### Export\nt\n",
         "## DESCRIPTION\n### Export\nt\n"},
        {"## KEYS\n\n100% sure\n% kept\n## SYNOPSIS\nx\n## FILES\ny\n",
         "## KEYS\n\n100% sure\n% kept\n## FILES\ny\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(HelpWindowText(QString::fromLatin1(row.page)), QString::fromLatin1(row.shown));
}

// F1 opens it from the main window; Enter, Esc and the close control each end it.
TEST(HelpWindow, OpensOnF1AndClosesAsAboutDoes) {
    test::TempLogDir logDir;
    frmMain window(logDir.log());
    window.show();
    // Qt::Key_unknown: the close control.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Enter, Qt::Key_unknown}) {
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QString shown;
        bool stayed = false;
        QTimer::singleShot(0, [&] {
            QWidget* help = QApplication::activeModalWidget();
            ASSERT_TRUE(help && help->objectName() == "frmHelp");
            shown = help->findChild<QTextBrowser*>("txtHelp")->toPlainText();
            key == Qt::Key_unknown ? void(help->close())
                                   : QTest::keyClick(help->focusWidget(), key);
            if ((stayed = help->isVisible())) help->close();
        });
        QTest::keyClick(&window, Qt::Key_F1);
        EXPECT_FALSE(stayed) << key;
        EXPECT_TRUE(shown.contains("Marks and grey text"));
        EXPECT_FALSE(shown.contains("SYNOPSIS") || shown.contains("EXIT STATUS") ||
                     shown.contains("KIVRA32"));
        EXPECT_TRUE(window.findChildren<QDialog*>().isEmpty()) << "the window outlived its showing";
    }
}

// The README's key table names no key the Help text leaves out.
TEST(HelpWindow, TellsEveryKeyTheReadmeLists) {
    // The first cells of the tables under the heading, up to the next heading of its level.
    const auto keysOf = [](const QString& markdown, const QString& heading) {
        const qsizetype from = markdown.indexOf(heading);
        const QString part = markdown.mid(from, markdown.indexOf("\n## ", from + 1) - from);
        static const QRegularExpression row(QStringLiteral("^\\| ([^|]+) \\|"),
                                            QRegularExpression::MultilineOption);
        QSet<QString> keys;
        for (auto match = row.globalMatch(part); match.hasNext();)
            for (const QString& key : match.next().captured(1).split(QStringLiteral(", ")))
                keys.insert(key.trimmed());
        keys.remove(QStringLiteral("Key"));
        return keys;
    };
    QFile readme(QStringLiteral(KIVRA_README)), page(QStringLiteral(":/help/kivra32.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly) && page.open(QIODevice::ReadOnly));
    const QSet<QString> listed = keysOf(QString::fromUtf8(readme.readAll()), "## Keys");
    const QSet<QString> told = keysOf(HelpWindowText(QString::fromUtf8(page.readAll())), "## KEYS");
    ASSERT_GT(listed.size(), 10);
    EXPECT_EQ(listed - told, QSet<QString>());
}

}  // namespace
}  // namespace kivra
