#include <windows.h>

#include "platform/registry.h"

namespace kivra::platform {

namespace {

// Predefined roots are 32-bit values that Windows sign-extends, as its own HKEY_* macros do.
HKEY toHandle(RegKey key) {
    if (key >= 0x80000000u && key <= 0x800000FFu)
        return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(key)));
    return reinterpret_cast<HKEY>(key);
}

class WindowsRegistry final : public Registry {
public:
    long openKey(RegKey root, const QByteArray& keyName, std::uint32_t access,
                 RegKey* key) override {
        HKEY opened = nullptr;
        const LONG status = RegOpenKeyExA(toHandle(root), keyName.constData(), 0, access, &opened);
        if (status == ERROR_SUCCESS) *key = reinterpret_cast<RegKey>(opened);
        return status;
    }

    long queryValue(RegKey key, const QByteArray& valueName, std::uint32_t* type, char* buffer,
                    std::uint32_t* byteCount) override {
        DWORD valueType = 0;
        DWORD count = *byteCount;
        const LONG status = RegQueryValueExA(toHandle(key), valueName.constData(), nullptr,
                                             &valueType, reinterpret_cast<LPBYTE>(buffer), &count);
        *type = valueType;
        *byteCount = count;
        return status;
    }

    void closeKey(RegKey key) override { RegCloseKey(toHandle(key)); }
};

}  // namespace

std::unique_ptr<Registry> MakeSystemRegistry() { return std::make_unique<WindowsRegistry>(); }

}  // namespace kivra::platform
