#include <QStandardPaths>
#include <cstring>

#include "platform/registry_posix.h"

namespace kivra::platform {

namespace {

constexpr RegKey kToolKey = 1;

}  // namespace

QStringList SystemInfoPrograms() {
    return {QStringLiteral("hardinfo"), QStringLiteral("hardinfo2"),
            QStringLiteral("kinfocenter"), QStringLiteral("lshw-gtk")};
}

PosixRegistry::PosixRegistry(QStringList programs, QStringList searchDirs)
    : programs_(std::move(programs)), searchDirs_(std::move(searchDirs)) {}

QString PosixRegistry::findTool() const {
    for (const QString& program : programs_) {
        const QString found = QStandardPaths::findExecutable(program, searchDirs_);
        if (!found.isEmpty()) return found;
    }
    return {};
}

long PosixRegistry::openKey(RegKey root, const QByteArray& keyName, std::uint32_t access,
                            RegKey* key) {
    (void)access;
    // Key names compare without regard to case, as Windows compares them.
    const bool toolKey = root == kHkeyLocalMachine &&
                         keyName.compare("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                         Qt::CaseInsensitive) == 0;
    if (!toolKey) return kErrorFileNotFound;
    toolPath_ = findTool();
    if (toolPath_.isEmpty()) return kErrorFileNotFound;
    *key = kToolKey;
    return kErrorSuccess;
}

long PosixRegistry::queryValue(RegKey key, const QByteArray& valueName, std::uint32_t* type,
                               char* buffer, std::uint32_t* byteCount) {
    if (key != kToolKey || valueName.compare("PATH", Qt::CaseInsensitive) != 0)
        return kErrorFileNotFound;
    QByteArray value = toolPath_.toLocal8Bit();
    value.append('\0');
    if (static_cast<std::uint32_t>(value.size()) > *byteCount) {
        *byteCount = static_cast<std::uint32_t>(value.size());
        return kErrorMoreData;
    }
    std::memcpy(buffer, value.constData(), static_cast<std::size_t>(value.size()));
    *byteCount = static_cast<std::uint32_t>(value.size());
    *type = kRegSz;
    return kErrorSuccess;
}

void PosixRegistry::closeKey(RegKey key) { (void)key; }

std::unique_ptr<Registry> MakeSystemRegistry() {
    return std::make_unique<PosixRegistry>(SystemInfoPrograms());
}

}  // namespace kivra::platform
