#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

#include "about/sys_info.h"
#include "fakes.h"
#include "platform/ordinary_file.h"
#include "support/scripted_messages.h"

namespace kivra {
namespace {

using test::FakeLauncher;
using test::FakeRegistry;
using Value = FakeRegistry::Value;

const QByteArray kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray kToolDirKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// --- GetKeyValue -------------------------------------------------------------------------

struct ReadCase {
    const char* name;
    Value value;
    bool read;
    QString text;
};

QByteArray bytes(std::initializer_list<unsigned char> list) {
    QByteArray out;
    for (unsigned char byte : list) out.append(static_cast<char>(byte));
    return out;
}

TEST(GetKeyValue, TurnsEachKindOfValueIntoText) {
    const QString before = QStringLiteral("left from before");
    const QByteArray full(1024, 'x');
    const ReadCase cases[] = {
        {"string with its final zero", {platform::kRegSz, QByteArray("C:\\Tools\\a b.exe\0", 17)},
         true, QStringLiteral("C:\\Tools\\a b.exe")},
        {"string without a final zero", {platform::kRegSz, "C:\\x.exe"}, true,
         QStringLiteral("C:\\x.exe")},
        {"empty string: one zero byte", {platform::kRegSz, QByteArray(1, '\0')}, true, QString()},
        {"1024 bytes fill the buffer", {platform::kRegSz, full}, true, QString::fromLatin1(full)},
        {"1025 bytes do not fit", {platform::kRegSz, full + 'y'}, false, QString()},
        {"number whose top byte is zero", {platform::kRegDword, bytes({0x05, 0x00, 0x01, 0x00})},
         true, QStringLiteral("&h010005")},
        {"number with every byte set", {platform::kRegDword, bytes({0x78, 0x56, 0xAB, 0x12})},
         true, QStringLiteral("&h12AB5678")},
        {"expandable string leaves the text", {platform::kRegExpandSz, "%windir%\\a.exe"}, true,
         before},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        registry.set(kToolKey, "PATH", c.value);
        QString text = before;
        EXPECT_EQ(GetKeyValue(registry, platform::kHkeyLocalMachine, QString::fromLatin1(kToolKey),
                              QStringLiteral("PATH"), text),
                  c.read);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(registry.accessMasks, QList<std::uint32_t>{platform::kKeyRead});
        EXPECT_EQ(registry.capacities, QList<std::uint32_t>{1024});
        EXPECT_TRUE(registry.openHandles.isEmpty()) << "the key was left open";
        EXPECT_EQ(registry.badCloses, 0);
    }
}

TEST(GetKeyValue, MissingKeyOrValueEmptiesTheTextAndClosesNothingTwice) {
    FakeRegistry registry;
    registry.setString(kToolKey, "OTHER", "x");
    for (const auto& [key, value] : {std::pair{kToolKey, "PATH"}, std::pair{kToolDirKey, "MSINFO"}}) {
        QString text = QStringLiteral("stale");
        EXPECT_FALSE(GetKeyValue(registry, platform::kHkeyLocalMachine, QString::fromLatin1(key),
                                 QString::fromLatin1(value), text));
        EXPECT_TRUE(text.isEmpty());
    }
    EXPECT_TRUE(registry.openHandles.isEmpty());
    EXPECT_EQ(registry.badCloses, 0);
}

TEST(GetKeyValue, ZeroByteValueThrowsAndStillClosesTheKey) {
    FakeRegistry registry;
    registry.set(kToolKey, "PATH", {platform::kRegSz, {}});
    QString text;
    EXPECT_THROW(GetKeyValue(registry, platform::kHkeyLocalMachine, QString::fromLatin1(kToolKey),
                             QStringLiteral("PATH"), text),
                 std::invalid_argument);
    EXPECT_TRUE(registry.openHandles.isEmpty());
}

// --- StartSysInfo ------------------------------------------------------------------------

// A directory that may hold MSINFO32.EXE, and a look-up that counts chosen files as hidden.
class ToolDir {
public:
    ToolDir() : path_(dir_.path() + QStringLiteral("/Shared Tools")) { QDir().mkpath(path_); }
    const QString& path() const { return path_; }
    QString tool() const { return path_ + QStringLiteral("/MSINFO32.EXE"); }
    void addTool() const {
        QFile file(tool());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

private:
    QTemporaryDir dir_;
    QString path_;
};

struct Outcome {
    QStringList started;
    QList<QByteArray> opened;
    QList<platform::MessageRequest> messages;
};

Outcome startSysInfo(FakeRegistry& registry, FakeLauncher& launcher, const QSet<QString>& hidden = {}) {
    test::ScriptedMessages messages;
    const auto lookup = [&hidden](const QString& path) {
        return !hidden.contains(path) && platform::IsOrdinaryFile(path);
    };
    StartSysInfo(nullptr, SysInfoServices{registry, launcher, lookup});
    EXPECT_TRUE(registry.openHandles.isEmpty()) << "a key was left open";
    return {launcher.started, registry.opened, messages.shown()};
}

void expectUnavailable(const Outcome& run) {
    ASSERT_EQ(run.messages.size(), 1);
    EXPECT_EQ(run.messages[0].text, kUnavailable);
    EXPECT_EQ(run.messages[0].style, platform::MsgStyle::Ok);
}

TEST(StartSysInfo, FirstLocationIsLaunchedAsReadAndEndsTheSearch) {
    ToolDir dir;
    dir.addTool();
    FakeRegistry registry;
    registry.setString(kToolKey, "PATH", "/no/such/dir/msinfo32 tool.exe");
    registry.setString(kToolDirKey, "MSINFO", dir.path().toLocal8Bit());
    FakeLauncher launcher;

    const Outcome run = startSysInfo(registry, launcher);
    EXPECT_EQ(run.started, QStringList{QStringLiteral("/no/such/dir/msinfo32 tool.exe")});
    EXPECT_EQ(run.opened, QList<QByteArray>{kToolKey});
    EXPECT_TRUE(run.messages.isEmpty());
}

TEST(StartSysInfo, EveryFailureAtTheFirstLocationShowsTheMessageWithoutTryingTheSecond) {
    struct Case {
        const char* name;
        Value value;
        bool launches;
        QString attempted;
    };
    const Case cases[] = {
        {"launch fails", {platform::kRegSz, QByteArray("/bin/broken\0", 12)}, true,
         QStringLiteral("/bin/broken")},
        {"empty path", {platform::kRegSz, QByteArray(1, '\0')}, true, QString()},
        {"expandable string", {platform::kRegExpandSz, QByteArray("%x%\0", 4)}, true, QString()},
        {"number", {platform::kRegDword, bytes({0x05, 0x00, 0x01, 0x00})}, true,
         QStringLiteral("&h010005")},
        {"zero bytes", {platform::kRegSz, {}}, false, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolDir dir;
        dir.addTool();
        FakeRegistry registry;
        registry.set(kToolKey, "PATH", c.value);
        registry.setString(kToolDirKey, "MSINFO", dir.path().toLocal8Bit());
        FakeLauncher launcher;
        launcher.failing = {QStringLiteral("/bin/broken"), QStringLiteral("&h010005")};

        const Outcome run = startSysInfo(registry, launcher);
        EXPECT_EQ(run.started, c.launches ? QStringList{c.attempted} : QStringList{});
        EXPECT_EQ(run.opened, QList<QByteArray>{kToolKey});
        expectUnavailable(run);
    }
}

TEST(StartSysInfo, SecondLocationNamesTheDirectoryOfTheTool) {
    enum class Tool { None, File, Hidden, Directory };
    struct Case {
        const char* name;
        bool registered;
        Tool tool;
        bool launchFails;
        bool launched;
    };
    const Case cases[] = {
        {"tool in the directory", true, Tool::File, false, true},
        {"tool does not start", true, Tool::File, true, true},
        {"no tool there", true, Tool::None, false, false},
        {"tool hidden", true, Tool::Hidden, false, false},
        {"a directory of that name", true, Tool::Directory, false, false},
        {"neither location", false, Tool::File, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolDir dir;
        if (c.tool == Tool::File || c.tool == Tool::Hidden) dir.addTool();
        if (c.tool == Tool::Directory) QDir().mkpath(dir.tool());
        FakeRegistry registry;
        if (c.registered) registry.setString(kToolDirKey, "MSINFO", dir.path().toLocal8Bit());
        FakeLauncher launcher;
        if (c.launchFails) launcher.failing = {dir.tool()};

        const Outcome run = startSysInfo(
            registry, launcher, c.tool == Tool::Hidden ? QSet<QString>{dir.tool()} : QSet<QString>{});
        EXPECT_EQ(run.opened, (QList<QByteArray>{kToolKey, kToolDirKey}));
        EXPECT_EQ(run.started, c.launched ? QStringList{dir.tool()} : QStringList{});
        if (c.launched && !c.launchFails)
            EXPECT_TRUE(run.messages.isEmpty());
        else
            expectUnavailable(run);
    }
}

}  // namespace
}  // namespace kivra
