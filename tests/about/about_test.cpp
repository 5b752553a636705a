#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <cstring>

#include "about/about_dialog.h"
#include "about/sys_info.h"
#include "help/help_dialog.h"
#include "main_window/main_window.h"
#include "platform/ordinary_file.h"
#include "platform/registry_posix.h"
#include "support/qt_printers.h"
#include "support/scripted_messages.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

using namespace platform;
using namespace widgets;
constexpr char kToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kToolDirKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Reads as advapi32 does; counts what is left open and the access asked for.
struct FakeRegistry final : Registry {
    QMap<QByteArray, QMap<QByteArray, QPair<std::uint32_t, QByteArray>>> keys;
    QList<QByteArray> opened;
    int open = 0;
    std::uint32_t access = 0;

    long openKey(RegKey, const QByteArray& name, std::uint32_t mask, RegKey* key) override {
        opened.append(name);
        access = mask;
        if (!keys.contains(name)) return kErrorFileNotFound;
        *key = static_cast<RegKey>(opened.size());
        ++open;
        return kErrorSuccess;
    }
    long queryValue(RegKey key, const QByteArray& name, std::uint32_t* type, char* buffer,
                    std::uint32_t* size) override {
        const auto values = keys.value(opened[static_cast<qsizetype>(key) - 1]);
        if (!values.contains(name)) return kErrorFileNotFound;
        const auto& [kind, bytes] = values[name];
        if (bytes.size() > *size) return kErrorMoreData;
        std::memcpy(buffer, bytes.constData(), bytes.size());
        *size = static_cast<std::uint32_t>(bytes.size());
        *type = kind;
        return kErrorSuccess;
    }
    void closeKey(RegKey) override { --open; }
};

struct FakeLauncher final : ProgramLauncher {
    QStringList started;
    bool start(const QString& program) override {
        started.append(program);
        return true;
    }
};

TEST(GetKeyValue, TurnsEachKindOfValueIntoText) {
    const struct {
        std::uint32_t type;
        QByteArray bytes;
        bool read;
        QString text;
    } rows[] = {
        {kRegSz, QByteArray("C:\\a b.exe\0", 11), true, "C:\\a b.exe"},
        {kRegSz, "C:\\x.exe", true, "C:\\x.exe"},
        {kRegSz, QByteArray(1, '\0'), true, ""},
        {kRegSz, QByteArray(1025, 'x'), false, ""},
        {kRegDword, QByteArray("\x05\x00\x01\x00", 4), true, "&h010005"},
        {kRegDword, "\xEF\xBE\xAD\xDE", true, "&hDEADBEEF"},
        {kRegExpandSz, "%windir%\\a.exe", true, "before"},
    };
    for (const auto& row : rows) {
        FakeRegistry registry;
        registry.keys[kToolKey]["PATH"] = {row.type, row.bytes};
        QString text = "before";
        EXPECT_EQ(GetKeyValue(registry, kHkeyLocalMachine, kToolKey, "PATH", text), row.read);
        EXPECT_EQ(text, row.text);
        EXPECT_EQ(registry.access, kKeyRead);
        EXPECT_EQ(registry.open, 0) << "the key was left open";
    }
}

TEST(StartSysInfo, TheFirstLocationIsLaunchedAsReadTheSecondNeedsAnOrdinaryFile) {
    const struct {
        QByteArray path, folder;  // a null one is no value at all
        QString ordinary;
        QStringList started;  // none: the message instead
        qsizetype keysTried;
    } rows[] = {
        {"C:\\missing\\msinfo32.exe", {}, {}, {"C:\\missing\\msinfo32.exe"}, 1},
        {"", "/opt", "/opt/MSINFO32.EXE", {}, 1},  // zero bytes: the search ends there
        {{}, "/opt", {}, {}, 2},
        {{}, "/opt/", "/opt//MSINFO32.EXE", {"/opt//MSINFO32.EXE"}, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        FakeRegistry registry;
        FakeLauncher launcher;
        test::ScriptedMessages messages;
        if (!row.path.isNull()) registry.keys[kToolKey]["PATH"] = {kRegSz, row.path};
        if (!row.folder.isNull()) registry.keys[kToolDirKey]["MSINFO"] = {kRegSz, row.folder};
        StartSysInfo(nullptr,
                     {registry, launcher, [&](const QString& p) { return p == row.ordinary; }});
        EXPECT_EQ(launcher.started, row.started);
        EXPECT_EQ(registry.opened.size(), row.keysTried);
        EXPECT_EQ(messages.shown().size(), row.started.isEmpty() ? 1 : 0);
        for (const auto& shown : messages.shown())
            EXPECT_TRUE(shown.text == kSysInfoUnavailable && shown.icon == QMessageBox::NoIcon);
    }
}

// Elsewhere than Windows the registry names the first of the known tools that is executable,
// and a real launch starts it: each tool here leaves a mark beside itself.
TEST(StartSysInfo, OnPosixTheFirstExecutableToolIsStarted) {
    const struct {
        QStringList executable, plain;
        bool programs;    // or a text no system can start
        QString started;  // empty: the message instead
    } rows[] = {
        {{"lshw-gtk", "kinfocenter"}, {"hardinfo"}, true, "kinfocenter"},
        {{"hardinfo2", "hardinfo"}, {}, true, "hardinfo"},
        {{}, {"hardinfo"}, true, ""},
        {{"hardinfo"}, {}, false, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.started.toStdString());
        QTemporaryDir dir;
        const QString bin = dir.filePath("tools with spaces");
        QDir().mkpath(bin);
        for (const QString& name : row.executable + row.plain) {
            QFile script(bin + "/" + name);
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(row.programs ? "#!/bin/sh\n: > \"$0.ran\"\n" : "not a program\n");
            if (row.executable.contains(name))
                script.setPermissions(script.permissions() | QFile::ExeOwner);
        }
        PosixRegistry registry(SystemInfoPrograms(), {bin});
        test::ScriptedMessages messages;
        StartSysInfo(nullptr, {registry, *MakeProgramLauncher(), IsOrdinaryFile});
        EXPECT_EQ(messages.shown().size(), row.started.isEmpty() ? 1 : 0);
        if (row.started.isEmpty()) continue;
        QStringList marks;
        for (QDeadlineTimer deadline(30000); marks.isEmpty() && !deadline.hasExpired();
             QThread::msleep(20))
            marks = QDir(bin).entryList({"*.ran"});
        EXPECT_EQ(marks, QStringList({row.started + ".ran"}));
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
        EXPECT_EQ(seen, QStringList({"About Kivra32", "Kivra32", "Version 1.1.0"}));
        EXPECT_TRUE(owner.findChildren<QDialog*>().isEmpty()) << "the window outlived its showing";

        QString help;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            help = dialog->findChild<QTextBrowser*>("helpText")->toPlainText();
            QTest::keyClick(dialog->focusWidget(), key);
            if (dialog->isVisible()) dialog->close(), help = "stayed open";
        });
        owner.findChild<QAction*>("helpAction")->trigger();
        EXPECT_TRUE(help.contains("Marks and grey") && help.contains("Alt+Up")) << key;
        EXPECT_FALSE(help.contains(QRegularExpression("KIVRA32|NAME|SYNOPSIS|--version|EXIT")));
    }
}

// The README's key table names no key that the Help text leaves out.
TEST(HelpWindow, TellsEveryKeyTheReadmeLists) {
    const auto keys = [](const char* path, const char* heading) {
        QFile file(path);
        QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "";
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
