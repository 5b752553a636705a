#include <windows.h>

#include "platform/volumes.h"

namespace kivra::platform {

namespace {

QString driveLabel(const QString& root) {
    wchar_t name[MAX_PATH + 1] = {};
    const std::wstring native = root.toStdWString();
    // A drive without a medium has no label; asking must not pop up an error box.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const BOOL ok = GetVolumeInformationW(native.c_str(), name, MAX_PATH + 1, nullptr, nullptr,
                                          nullptr, nullptr, 0);
    SetErrorMode(oldMode);
    const QString letter = root.left(2).toLower();
    if (!ok || name[0] == 0) return letter;
    return letter + QStringLiteral(" [") + QString::fromWCharArray(name) + u']';
}

}  // namespace

QList<Volume> ListVolumes() {
    QList<Volume> volumes;
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        const QString root = QString(QChar(u'A' + i)) + QStringLiteral(":\\");
        volumes.append({root, driveLabel(root)});
    }
    return volumes;
}

}  // namespace kivra::platform
