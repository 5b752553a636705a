#pragma once

#include <QByteArray>
#include <cstdint>
#include <memory>

namespace kivra::platform {

// A registry key: a root such as kHkeyLocalMachine, or a key that openKey handed out.
using RegKey = std::uintptr_t;

inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002;
// Read rights only: anything more is refused to standard users under HKEY_LOCAL_MACHINE.
inline constexpr std::uint32_t kKeyRead = 0x20019;

// Status codes as the Windows registry returns them.
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorMoreData = 234;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegDword = 4;

// The registry as the About window reads it: names are ANSI bytes, and every call answers a
// status code, kErrorSuccess when it worked.
class Registry {
public:
    virtual ~Registry() = default;

    virtual long openKey(RegKey root, const QByteArray& keyName, std::uint32_t access,
                         RegKey* key) = 0;
    // `byteCount` holds the capacity of `buffer` on entry and the number of bytes written on
    // return; a value that does not fit fails with kErrorMoreData.
    virtual long queryValue(RegKey key, const QByteArray& valueName, std::uint32_t* type,
                            char* buffer, std::uint32_t* byteCount) = 0;
    virtual void closeKey(RegKey key) = 0;
};

// The machine's own registry: advapi32 on Windows. Elsewhere only the system-information
// program's path is known, found on PATH; every other key is missing.
std::unique_ptr<Registry> MakeSystemRegistry();

}  // namespace kivra::platform
