// Any bytes as /proc/self/mountinfo; then the same bytes as a path, escaped as the kernel escapes
// it, in a line of their own, must read back as they were.
#include <QSet>

#include "fuzz_check.h"
#include "platform/mount_filter.h"

using kivra::platform::MountEntry;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<MountEntry> mounts = kivra::platform::ParseMountInfo(text);
    check(mounts.size() <= text.count('\n') + 1);
    QSet<QString> targets;
    for (const MountEntry& mount : mounts) targets.insert(mount.target);
    const auto offered = kivra::platform::OfferedVolumes(mounts, {});
    check(!offered.isEmpty() && offered.first().root == u"/");
    for (qsizetype i = 1; i < offered.size(); ++i)
        check(offered[i].root != u"/" && targets.contains(offered[i].root));

    QByteArray path = "/";
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\\')
            path += '\\' + QByteArray::number(uchar(c), 8).rightJustified(3, '0');
        else
            path += c;
    }
    const QByteArray line =
        "36 35 98:0 " + path + ' ' + path + " rw master:1 - ext4 " + path.mid(1) + " rw\n";
    const QList<MountEntry> read = kivra::platform::ParseMountInfo(line);
    const QString expected = QString::fromUtf8("/" + text);
    check(read.size() == 1 && read[0].device == u"98:0" && read[0].root == expected &&
          read[0].target == expected && read[0].type == u"ext4" &&
          read[0].source == expected.mid(1));
    return 0;
}
