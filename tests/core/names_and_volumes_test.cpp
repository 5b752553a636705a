#include <gtest/gtest.h>

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <map>

#include "core/entry_table.h"
#include "core/name_order.h"
#include "platform/large_pages.h"
#include "platform/mount_filter.h"
#include "platform/native_path.h"
#include "support/qt_printers.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

// Names as a folder's bytes give them, shuffled. Where twelve characters agree the whole key
// decides; as many names as a large folder's are put in order another way than a few. The last
// row, without digits and in many scripts, folds as View Current's order and find fold.
TEST(Names, OrderIgnoresCaseAndAccentsAndComparesNumbers) {
    QStringList many;
    for (int i = 0; i < 6000; ++i)
        many.append(QString("%1 holiday picture %2").arg(i / 2).arg(QChar(i % 2 ? 'b' : 'A')));
    const QStringList folded = {
        u"Đà Nẵng"_qs, "ech",      u"Ếch"_qs,     u"ếch"_qs,       u"ırmak"_qs, u"İstanbul"_qs,
        "lato",        u"łódź"_qs, "mapa",        u"Ōsaka"_qs,     "Strasse",   u"Straße"_qs,
        "zebra",       u"Æble"_qs, u"α alpha"_qs, u"ε epsilon"_qs, u"а b"_qs,   u"Б c"_qs,
        u"я a"_qs,     u"中文"_qs, u"日本"_qs,    u"하늘"_qs,      u"한글"_qs};
    // Two letters in either case, so names share starts of every length up to and past twelve.
    std::map<QString, QString> byLower;
    QRandomGenerator random(7);
    while (byLower.size() < 6000) {
        QString name;
        for (int length = 1 + random.bounded(14); length > 0; --length)
            name += QLatin1Char("abAB"[random.bounded(4)]);
        byLower.emplace(name.toLower(), name);
    }
    QStringList twoLetters;
    for (const auto& [lower, name] : byLower) twoLetters.append(name);
    for (const QStringList& expected :
         {QStringList{"apple", "Eagle", "École", "File2", "file2", "file10", "Zebra"}, many,
          twoLetters, folded}) {
        const auto shuffled = [&](qsizetype i) { return expected[i * 11 % expected.size()]; };
        QByteArray bytes;
        std::vector<qsizetype> ends;
        for (qsizetype i = 0; i < expected.size(); ++i)
            ends.push_back((bytes += shuffled(i).toUtf8()).size());
        QStringList sorted;
        for (const qsizetype i : NameOrder(bytes, ends)) sorted.append(shuffled(i));
        EXPECT_EQ(sorted, expected);
    }
    // View Current lists the folded row in the same order (its find is in View Current's tests).
    EntryTable table;
    for (auto name = folded.rbegin(); name != folded.rend(); ++name)
        table.appendBytes(name->toUtf8() + "\r\n");
    QStringList listed;
    for (const quint32 i : table.sorted(table.all())) listed.append(table.text(i));
    EXPECT_EQ(listed, folded);
}

// A large folder's arrays, on either side of the size that takes them from large pages, and
// grown and shrunk across it, hold what was written.
TEST(Names, LargeArraysHoldWhatIsWritten) {
    constexpr qsizetype kAtLarge = qsizetype(platform::kLargeFrom / sizeof(qint64));
    for (const qsizetype count : {qsizetype(16), kAtLarge - 1, kAtLarge, 3 * kAtLarge + 5}) {
        std::vector<qint64, platform::LargePages<qint64>> numbers;
        for (qsizetype i = 0; i < count; ++i) numbers.push_back(i * 7);
        numbers.resize(count + kAtLarge);  // grown past what was taken
        numbers.resize(count);
        numbers.shrink_to_fit();
        bool kept = qsizetype(numbers.size()) == count;
        for (qsizetype i = 0; kept && i < count; ++i) kept = numbers[i] == i * 7;
        EXPECT_TRUE(kept) << count;
    }
    std::basic_string<char, std::char_traits<char>, platform::LargePages<char>> bytes;
    for (int i = 0; i < 300'000; ++i) bytes.append("name") += char('0' + i % 10);
    EXPECT_EQ(bytes.size(), 1'500'000u);
    EXPECT_EQ(bytes.substr(1'499'995), "name9");
}

TEST(Volumes, OfferedAsAFileManagerDoes) {
    // As /proc/self/mountinfo gives them: optional fields before the dash, octal escapes.
    const QList<platform::MountEntry> mounts = platform::ParseMountInfo(
        "1 0 0:30 / / rw - overlay overlay rw\n"
        "2 1 8:1 / /boot rw shared:5 - ext4 /dev/sda1 rw\n"
        "3 1 8:2 / /home rw - ext4 /dev/sda2 rw\n"
        "4 1 8:2 /ann/share /srv/share rw - ext4 /dev/sda2 rw\n"  // bind of an offered folder
        "5 1 8:17 / /media/ann/MY\\040STICK rw shared:7 master:2 - vfat /dev/sdb1 rw\n"
        "6 1 0:50 / /mnt/nas rw - nfs4 nas:/export rw\n"
        "7 1 7:3 / /snap/core/1 ro - squashfs /dev/loop3 ro\n"
        "8 1 0:22 / /run/user/1000 rw - tmpfs tmpfs rw\n"
        "9 1 0:5 / /proc rw shared:9 - proc proc rw\n"
        "10 1 8:33 / /sys/firmware/x rw - vfat /dev/sdc1 rw\n"
        "11 1 0:60 / /var/lib/docker/o rw - overlay overlay rw\n"
        "12 1 0:61 / /mnt/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse rw\n");
    ASSERT_EQ(mounts.size(), 12);
    EXPECT_EQ(mounts[8].type + ' ' + mounts[8].device, "proc 0:5");
    QStringList offered;
    for (const platform::Volume& v : platform::OfferedVolumes(mounts, {{"/dev/sdb1", "STICK 8GB"}}))
        offered.append(v.label);
    EXPECT_EQ(offered,
              QStringList({"/", "/boot", "/home", "/media/ann/MY STICK [STICK 8GB]", "/mnt/nas"}));
}

// The desktop names the user's folders in XDG_CONFIG_HOME/user-dirs.dirs.
TEST(Volumes, PlacesAreHomeThenTheUsersFoldersThatExistEachOnce) {
    QTemporaryDir home;
    for (const char* folder : {"Dokumente", "Downloads", "Videos", "config"})
        QDir(home.path()).mkdir(folder);
    ASSERT_TRUE(
        test::WriteFile(home.filePath("config/user-dirs.dirs"),
                        "XDG_DESKTOP_DIR=\"$HOME\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
                        "XDG_MUSIC_DIR=\"$HOME/missing\"\nXDG_PICTURES_DIR=\"$HOME/Downloads\"\n"));
    const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    QStringList offered;
    for (const platform::Volume& v : platform::UserPlaces()) offered.append(v.label + " " + v.root);
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
    const QString root = platform::NormalizedDirectory(home.path());
    EXPECT_EQ(offered,
              QStringList({"Home " + root, "Dokumente " + root + "/Dokumente",
                           "Downloads " + root + "/Downloads", "Videos " + root + "/Videos"}));
}

}  // namespace
}  // namespace kivra
