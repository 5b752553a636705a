#pragma once

#include <QString>
#include <QStringList>

#include "platform/registry.h"

namespace kivra::platform {

// Knows one key, the system-information program's path, and only when one of `programs` is
// installed (looked up in `searchDirs`, or on PATH when that is empty).
// Debian's graphical system-information tools, in the order they are preferred.
QStringList SystemInfoPrograms();

class PosixRegistry final : public Registry {
public:
    explicit PosixRegistry(QStringList programs, QStringList searchDirs = {});

    long openKey(RegKey root, const QByteArray& keyName, std::uint32_t access,
                 RegKey* key) override;
    long queryValue(RegKey key, const QByteArray& valueName, std::uint32_t* type, char* buffer,
                    std::uint32_t* byteCount) override;
    void closeKey(RegKey key) override;

private:
    QString findTool() const;

    QStringList programs_;
    QStringList searchDirs_;
    QString toolPath_;
};

}  // namespace kivra::platform
