#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/entry_table.h"
#include "core/name_decoding.h"
#include "core/name_order.h"
#include "platform/mount_filter.h"
#include "platform/native_path.h"
#include "support/qt_printers.h"

namespace kivra {
namespace {

TEST(Names, InvalidBytesReadAsWindows1252AndValidUtf8StaysItself) {
    const struct {
        QByteArray bytes;
        QString text;
    } rows[] = {
        {"\xC3\xA9t\xE9 \x80\x81", u"été €\u0081"_qs},
        {"\xC3(\xE2\x82", u"Ã(â‚"_qs},               // a sequence cut short
        {"\xC0\xAF\xED\xA0\x80", u"À¯í\u00A0€"_qs},  // overlong form, surrogate
        {"\xF0\x9F\x8E\x89!", u"🎉!"_qs},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DecodeName(row.bytes), row.text) << row.bytes.toHex().data();
}

// Names as a folder's bytes give them, shuffled. Past 32 names they are bucketed byte by byte;
// where sixteen characters agree the whole key decides. The last row, without digits, is what
// View Current's order and find must fold alike.
TEST(Names, OrderIgnoresCaseAndAccentsAndComparesNumbers) {
    QStringList many;
    for (int i = 0; i < 120; ++i)
        many.append(QString("%1 holiday picture %2").arg(i / 2).arg(QChar(i % 2 ? 'b' : 'A')));
    const QStringList folded = {"ech",        u"Ếch"_qs, u"ếch"_qs,  u"İstanbul"_qs, "Strasse",
                                u"Straße"_qs, "zebra",   u"Æble"_qs, u"하늘"_qs,     u"한글"_qs};
    for (const QStringList& expected :
         {QStringList{"apple", "Eagle", "École", "File2", "file2", "file10", "Zebra"}, many,
          folded}) {
        const auto shuffled = [&](qsizetype i) { return expected[i * 11 % expected.size()]; };
        QByteArray bytes;
        std::vector<qsizetype> ends;
        for (qsizetype i = 0; i < expected.size(); ++i)
            ends.push_back((bytes += shuffled(i).toUtf8()).size());
        QStringList sorted;
        for (const qsizetype i : NameOrder(bytes, ends)) sorted.append(shuffled(i));
        EXPECT_EQ(sorted, expected);
    }
    EntryTable table;
    for (auto name = folded.rbegin(); name != folded.rend(); ++name)
        table.appendBytes(name->toUtf8() + "\r\n");
    QStringList listed;
    for (const quint32 i : table.sorted(table.all())) listed.append(table.text(i));
    EXPECT_EQ(listed, folded);
    for (const auto& [word, found] : std::initializer_list<std::pair<QString, QStringList>>{
             {"ECH", {"ech", u"Ếch"_qs, u"ếch"_qs}},
             {u"æ"_qs, {u"Æble"_qs}},
             {"istanbul", {u"İstanbul"_qs}},
             {u"ß"_qs, {u"Straße"_qs}},
             {u"한"_qs, {u"한글"_qs}}}) {
        std::vector<char> holds(table.size());
        table.find(EntryTable::findWords(word), 0, table.size(), holds);
        QStringList got;
        for (const quint32 i : table.sorted(table.all()))
            if (holds[i]) got.append(table.text(i));
        EXPECT_EQ(got, found) << word.toStdString();
    }
}

TEST(Volumes, OfferedAsAFileManagerDoes) {
    using platform::MountEntry;
    const QList<MountEntry> mounts = {
        {"0:30", "/", "/", "overlay", "overlay"},
        {"8:1", "/", "/boot", "ext4", "/dev/sda1"},
        {"8:2", "/", "/home", "ext4", "/dev/sda2"},
        {"8:2", "/ann/share", "/srv/share", "ext4", "/dev/sda2"},  // bind of an offered folder
        {"8:17", "/", "/media/ann/STICK", "vfat", "/dev/sdb1"},
        {"0:50", "/", "/mnt/nas", "nfs4", "nas:/export"},
        {"7:3", "/", "/snap/core/1", "squashfs", "/dev/loop3"},
        {"0:22", "/", "/run/user/1000", "tmpfs", "tmpfs"},
        {"0:5", "/", "/proc", "proc", "proc"},
        {"8:33", "/", "/sys/firmware/x", "vfat", "/dev/sdc1"},
        {"0:60", "/", "/var/lib/docker/o", "overlay", "overlay"},
        {"0:61", "/", "/mnt/gvfs", "fuse.gvfsd-fuse", "gvfsd-fuse"},
    };
    QStringList offered;
    for (const platform::Volume& v : platform::OfferedVolumes(mounts, {{"/dev/sdb1", "STICK 8GB"}}))
        offered.append(v.label);
    EXPECT_EQ(offered,
              QStringList({"/", "/boot", "/home", "/media/ann/STICK [STICK 8GB]", "/mnt/nas"}));

    const QByteArray info =
        "29 1 8:2 / /media/my\\040disk rw - ext4 /dev/sda2 rw\n"
        "30 1 0:5 / /proc rw shared:5 - proc proc rw\n";
    const QList<MountEntry> parsed = platform::ParseMountInfo(info);
    ASSERT_EQ(parsed.size(), 2);
    EXPECT_EQ(parsed[0].target, "/media/my disk");
    EXPECT_EQ(parsed[1].type, "proc");
    EXPECT_EQ(parsed[1].device, "0:5");
}

// The desktop names the user's folders in XDG_CONFIG_HOME/user-dirs.dirs.
TEST(Volumes, PlacesAreHomeThenTheUsersFoldersThatExistEachOnce) {
    QTemporaryDir home;
    for (const char* folder : {"Dokumente", "Downloads", "Videos", "config"})
        QDir(home.path()).mkdir(folder);
    QFile dirs(home.filePath("config/user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write(
        "XDG_DESKTOP_DIR=\"$HOME\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
        "XDG_MUSIC_DIR=\"$HOME/missing\"\nXDG_PICTURES_DIR=\"$HOME/Downloads\"\n");
    dirs.close();
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
