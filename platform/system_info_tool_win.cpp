#include <windows.h>

#include <QByteArray>

#include "platform/ordinary_file.h"
#include "platform/system_info_tool.h"

namespace kivra::platform {

namespace {

// A longer value counts as missing.
constexpr DWORD kValueBufferSize = 1024;

enum class Value { Missing, Empty, Read };

// Reads a value under HKEY_LOCAL_MACHINE as ANSI text into `text`: a DWORD as "&h" and its hex
// digits from the last byte to the first, any other type than these two as an empty text. A value
// of zero bytes is Empty, which ends the search.
Value readMachineValue(const char* keyName, const char* valueName, QString* text) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return Value::Missing;
    QByteArray buffer(kValueBufferSize, '\0');
    DWORD type = 0;
    DWORD count = kValueBufferSize;
    const LONG status = RegQueryValueExA(key, valueName, nullptr, &type,
                                         reinterpret_cast<LPBYTE>(buffer.data()), &count);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || count > kValueBufferSize) return Value::Missing;
    if (count == 0) return Value::Empty;
    buffer.truncate(buffer[count - 1] == '\0' ? count - 1 : count);
    text->clear();
    if (type == REG_SZ) {
        *text = QString::fromLocal8Bit(buffer);
    } else if (type == REG_DWORD) {
        *text = QStringLiteral("&h");
        for (qsizetype i = buffer.size() - 1; i >= 0; --i)
            *text += QStringLiteral("%1")
                         .arg(static_cast<unsigned char>(buffer[i]), 2, 16, QLatin1Char('0'))
                         .toUpper();
    }
    return Value::Read;
}

}  // namespace

QString FindSystemInfoTool() {
    QString path;
    switch (readMachineValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", &path)) {
        case Value::Read:
            return path;
        case Value::Empty:
            return {};
        case Value::Missing:
            break;
    }
    QString folder;
    if (readMachineValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", &folder) !=
        Value::Read)
        return {};
    // The separator is always added, whatever the folder ends with.
    const QString candidate = folder + QStringLiteral("\\MSINFO32.EXE");
    return IsOrdinaryFile(candidate) ? candidate : QString();
}

}  // namespace kivra::platform
