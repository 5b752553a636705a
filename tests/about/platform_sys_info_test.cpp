#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstring>

#include "platform/program_launcher.h"
#include "platform/registry.h"
#include "platform/registry_posix.h"

namespace kivra::platform {
namespace {

const QByteArray kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

void writeExecutable(const QString& path, const QByteArray& script) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

struct Query {
    long status;
    std::uint32_t type = 0;
    QByteArray bytes;
};

Query readValue(Registry& registry, const QByteArray& key, const QByteArray& name,
                std::uint32_t capacity = 1024) {
    RegKey handle = 0;
    const long opened = registry.openKey(kHkeyLocalMachine, key, kKeyRead, &handle);
    if (opened != kErrorSuccess) return {opened, 0, {}};
    QByteArray buffer(capacity, '\0');
    Query query{0, 0, {}};
    query.status = registry.queryValue(handle, name, &query.type, buffer.data(), &capacity);
    registry.closeKey(handle);
    if (query.status == kErrorSuccess) query.bytes = buffer.left(capacity);
    return query;
}

TEST(PosixRegistry, AnswersTheToolPathWithTheFirstInstalledProgram) {
    QTemporaryDir bin;
    writeExecutable(bin.filePath("second"), "#!/bin/sh\n");
    writeExecutable(bin.filePath("third"), "#!/bin/sh\n");
    PosixRegistry registry({"first", "second", "third"}, {bin.path()});

    for (const QByteArray& key : {kToolKey, QByteArray("software\\microsoft\\shared tools\\msinfo")}) {
        SCOPED_TRACE(key.constData());
        const Query query = readValue(registry, key, "path");
        EXPECT_EQ(query.status, kErrorSuccess);
        EXPECT_EQ(query.type, kRegSz);
        EXPECT_EQ(query.bytes, bin.filePath("second").toLocal8Bit() + '\0');
    }
    EXPECT_EQ(readValue(registry, kToolKey, "PATH", 4).status, kErrorMoreData);
}

TEST(PosixRegistry, EverythingElseIsNotFound) {
    QTemporaryDir bin;
    writeExecutable(bin.filePath("tool"), "#!/bin/sh\n");
    QFile plain(bin.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();

    PosixRegistry installed({"tool"}, {bin.path()});
    EXPECT_EQ(readValue(installed, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO").status,
              kErrorFileNotFound);
    EXPECT_EQ(readValue(installed, kToolKey, "MSINFO").status, kErrorFileNotFound);
    RegKey handle = 0;
    EXPECT_EQ(installed.openKey(0x80000001, kToolKey, kKeyRead, &handle), kErrorFileNotFound);

    // A file without execute rights is not an installed program.
    PosixRegistry missing({"absent", "plain"}, {bin.path()});
    EXPECT_EQ(readValue(missing, kToolKey, "PATH").status, kErrorFileNotFound);
}

TEST(ProgramLauncher, StartsARealProgramWithoutWaitingForIt) {
    QTemporaryDir dir;
    const QString program = dir.filePath("a tool with spaces");
    const QString marker = dir.filePath("ran");
    writeExecutable(program, "#!/bin/sh\necho ran > \"$(dirname \"$0\")/ran\"\n");

    const auto launcher = MakeProgramLauncher();
    ASSERT_TRUE(launcher->start(program));
    // The program runs on its own; wait for the line it leaves behind.
    QByteArray written;
    for (QDeadlineTimer deadline(30000); written != "ran\n" && !deadline.hasExpired();) {
        QThread::msleep(20);
        QFile file(marker);
        if (file.open(QIODevice::ReadOnly)) written = file.readAll();
    }
    EXPECT_EQ(written, "ran\n");
}

TEST(ProgramLauncher, ReportsWhatCannotStart) {
    QTemporaryDir dir;
    QFile notProgram(dir.filePath("notes.txt"));
    ASSERT_TRUE(notProgram.open(QIODevice::WriteOnly));
    notProgram.close();

    const auto launcher = MakeProgramLauncher();
    for (const QString& path : {QString(), dir.filePath("missing"), dir.filePath("notes.txt"),
                                dir.path()}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(launcher->start(path));
    }
}

}  // namespace
}  // namespace kivra::platform
