#include <windows.h>

#include "platform/origin_attributes.h"

namespace kivra::platform {

OriginAttributes ReadOriginAttributes(const QByteArray& path) {
    OriginAttributes read;
    const std::wstring stream =
        (QString::fromUtf8(path) + QStringLiteral(":Zone.Identifier")).toStdWString();
    const HANDLE handle =
        CreateFileW(stream.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return read;
    // Room for both addresses at their longest and the lines around them.
    QByteArray text(3 * kMaxOriginBytes, Qt::Uninitialized);
    DWORD size = 0;
    if (ReadFile(handle, text.data(), DWORD(text.size()), &size, nullptr) != 0) {
        text.truncate(qsizetype(size));
        read.zoneIdentifier = text;
    }
    CloseHandle(handle);
    return read;
}

Result<void> WriteFileComment(const QByteArray&, const QByteArray&) {
    const QString reason = QStringLiteral("not supported on Windows");
    return Failure{reason, reason};
}

}  // namespace kivra::platform
