#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "platform/directory_list.h"
#include "support/qt_printers.h"
#include "platform/file_list.h"
#include "platform/volumes.h"

namespace kivra::platform {
namespace {

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(FileList, OrdinaryVisibleFilesSortedWithCaseIgnored) {
    QTemporaryDir dir;
    for (const char* name : {"b.txt", "A.txt", "c.TXT", ".hidden", "a.txt"}) touch(dir.filePath(name));
    ASSERT_TRUE(QDir(dir.path()).mkdir("subdir"));
    ASSERT_TRUE(QFile::link(dir.filePath("missing"), dir.filePath("broken-link")));

    FileList list;
    list.setPath(dir.path() + "/");
    EXPECT_EQ(list.Path(), QDir::toNativeSeparators(dir.path()));
    EXPECT_EQ(list.fileNames(), QStringList({"A.txt", "a.txt", "b.txt", "c.TXT"}));
    EXPECT_TRUE(list.FileName().isEmpty());
}

TEST(FileList, OnlyTheUserSelectsAFile) {
    QTemporaryDir dir;
    touch(dir.filePath("one"));
    touch(dir.filePath("two"));
    FileList list;
    list.setPath(dir.path());
    list.show();
    QSignalSpy clicks(&list, &FileList::Click);

    list.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(clicks.count(), 0) << "focus by Tab selected a file";
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(list.FileName(), "one");
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.FileName(), "two");
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(list.model()->index(0, 0)).center());
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_EQ(list.FileName(), "one");

    list.setPath(dir.path());
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_TRUE(list.FileName().isEmpty());
}

TEST(FileList, ListsAHundredThousandFiles) {
    QTemporaryDir dir;
    for (int i = 0; i < 100000; ++i) {
        QFile file(dir.filePath(QStringLiteral("f%1").arg(i, 6, 10, QLatin1Char('0'))));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    FileList list;
    list.setPath(dir.path());
    const QStringList names = list.fileNames();
    ASSERT_EQ(names.size(), 100000);
    EXPECT_EQ(names.first(), "f000000");
    EXPECT_EQ(names.last(), "f099999");
}

TEST(DirectoryList, ShowsTheChainThenTheVisibleSubdirectories) {
    QTemporaryDir dir;
    const QString base = dir.path();
    for (const char* name : {"Zeta", "alpha", ".hidden", "Beta"}) ASSERT_TRUE(QDir(base).mkdir(name));
    touch(base + "/a-file");
    DirectoryList list;
    QSignalSpy changes(&list, &DirectoryList::Change);
    ASSERT_TRUE(list.setPath(base));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(list.Path(), QDir::toNativeSeparators(base));

    QStringList shown;
    for (int i = 0; i < list.count(); ++i) shown.append(list.item(i)->text().trimmed());
    const int chain = static_cast<int>(base.count(u'/')) + 1;  // "/", then each directory
    ASSERT_EQ(shown.size(), chain + 3);
    EXPECT_EQ(shown.first(), "/");
    EXPECT_EQ(shown.mid(chain), QStringList({"alpha", "Beta", "Zeta"}));

    // The same path again is no change; a path that cannot be listed changes nothing.
    EXPECT_TRUE(list.setPath(base + "/"));
    EXPECT_FALSE(list.setPath(base + "/missing"));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(list.Path(), QDir::toNativeSeparators(base));

    // Enter on a subdirectory opens it; the change fires inside.
    list.show();
    list.setCurrentRow(chain);  // alpha
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(list.Path(), QDir::toNativeSeparators(base + "/alpha"));
    ASSERT_TRUE(list.setPath("/"));
    EXPECT_EQ(list.Path(), "/");
}

TEST(Volumes, RootFirstAndNoPseudoFileSystems) {
    const QList<Volume> volumes = ListVolumes();
    ASSERT_FALSE(volumes.isEmpty());
    EXPECT_EQ(volumes.first().root, "/");
    for (const Volume& volume : volumes) {
        EXPECT_FALSE(volume.root.startsWith("/proc")) << volume.root.toStdString();
        EXPECT_FALSE(volume.root.startsWith("/sys")) << volume.root.toStdString();
    }
    EXPECT_EQ(VolumeRootOf(QDir::currentPath()).isEmpty(), false);
}

}  // namespace
}  // namespace kivra::platform
