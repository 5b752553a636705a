#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <cstring>

#include "about/frm_about.h"
#include "about/sys_info.h"
#include "support/qt_printers.h"
#include "support/scripted_messages.h"

namespace kivra {
namespace {

using namespace platform;
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
    bool works = true;
    bool start(const QString& program) override {
        started.append(program);
        return works;
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

struct SysInfoRun {
    FakeRegistry registry;
    FakeLauncher launcher;
    test::ScriptedMessages messages;
    void run(const QString& hidden = {}) {
        StartSysInfo(nullptr, {registry, launcher, [&](const QString& p) { return QFile::exists(p) && p != hidden; }});
    }
    bool unavailable() const {
        return messages.shown().size() == 1 && messages.shown()[0].text == kSysInfoUnavailable &&
               messages.shown()[0].style == MsgStyle::Ok;
    }
};

TEST(StartSysInfo, TheFirstLocationIsLaunchedAsReadAndAnyFailureEndsInTheMessage) {
    SysInfoRun first;
    first.registry.keys[kToolKey]["PATH"] = {kRegSz, "C:\\missing\\msinfo32.exe"};
    first.run();
    EXPECT_EQ(first.launcher.started, QStringList({"C:\\missing\\msinfo32.exe"}));
    EXPECT_TRUE(first.messages.shown().isEmpty());

    SysInfoRun zeroBytes;
    zeroBytes.registry.keys[kToolKey]["PATH"] = {kRegSz, ""};
    zeroBytes.registry.keys[kToolDirKey]["MSINFO"] = {kRegSz, "C:\\"};
    zeroBytes.run();
    EXPECT_TRUE(zeroBytes.unavailable());
    EXPECT_EQ(zeroBytes.registry.opened, QList<QByteArray>({kToolKey})) << "the second location was tried";
}

TEST(StartSysInfo, TheSecondLocationNeedsAnOrdinaryFile) {
    QTemporaryDir dir;
    const QString tool = dir.filePath("MSINFO32.EXE");
    for (const QString& hidden : {QString(), tool}) {
        SysInfoRun run;
        run.registry.keys[kToolDirKey]["MSINFO"] = {kRegSz, dir.path().toLocal8Bit()};
        run.run(hidden);
        EXPECT_TRUE(run.launcher.started.isEmpty() && run.unavailable());  // no file yet, or hidden
        QFile(tool).open(QIODevice::WriteOnly);
    }
    SysInfoRun found;
    found.registry.keys[kToolDirKey]["MSINFO"] = {kRegSz, dir.path().toLocal8Bit()};
    found.run();
    EXPECT_EQ(found.launcher.started, QStringList({tool}));
    EXPECT_TRUE(found.messages.shown().isEmpty());
}

TEST(ProgramLauncher, StartsARealProgramWithoutWaitingForIt) {
    QTemporaryDir dir;
    const QString program = dir.filePath("a tool with spaces");
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho ran > \"$(dirname \"$0\")/ran\"\n");
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    script.close();
    ASSERT_TRUE(MakeProgramLauncher()->start(program));
    QFile marker(dir.filePath("ran"));
    for (QDeadlineTimer deadline(30000); !marker.exists() && !deadline.hasExpired();) QThread::msleep(20);
    EXPECT_TRUE(marker.exists());
    EXPECT_FALSE(MakeProgramLauncher()->start(dir.filePath("missing")));
}

// Each opening loads its texts afresh, and Enter, Esc and OK each close the window.
TEST(AboutWindow, EveryOpeningLoadsAfreshAndEnterOrEscCloses) {
    QWidget owner;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Enter}) {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = {dialog->windowTitle(), dialog->findChild<QLabel*>("lblTitle")->text(),
                    dialog->findChild<QLabel*>("lblVersion")->text()};
            dialog->setWindowTitle("changed");
            QTest::keyClick(dialog->focusWidget(), key);
        });
        ShowAbout(&owner);
        EXPECT_EQ(seen, QStringList({"About Kivra32", "Kivra32", "Version 1.1.0"}));
        EXPECT_TRUE(owner.findChildren<QDialog*>().isEmpty()) << "the window outlived its showing";
    }
}

}  // namespace
}  // namespace kivra
