#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <cstring>

#include "platform/program_launcher.h"
#include "platform/registry.h"

namespace kivra::test {

// An in-memory registry under HKEY_LOCAL_MACHINE that behaves as advapi32 does for reading
// and records every call.
class FakeRegistry final : public platform::Registry {
public:
    struct Value {
        std::uint32_t type = platform::kRegSz;
        QByteArray bytes;
    };

    void set(const QByteArray& key, const QByteArray& name, Value value) {
        keys_[key][name] = std::move(value);
    }
    void setString(const QByteArray& key, const QByteArray& name, const QByteArray& text) {
        set(key, name, {platform::kRegSz, text + '\0'});
    }

    long openKey(platform::RegKey root, const QByteArray& keyName, std::uint32_t access,
                 platform::RegKey* key) override {
        opened.append(keyName);
        accessMasks.append(access);
        if (root != platform::kHkeyLocalMachine || !keys_.contains(keyName))
            return platform::kErrorFileNotFound;
        handles_.append(keyName);
        *key = static_cast<platform::RegKey>(handles_.size());
        openHandles.insert(*key);
        return platform::kErrorSuccess;
    }

    long queryValue(platform::RegKey key, const QByteArray& valueName, std::uint32_t* type,
                    char* buffer, std::uint32_t* byteCount) override {
        capacities.append(*byteCount);
        if (!openHandles.contains(key)) return 6;  // an invalid handle
        const auto& values = keys_[handles_[static_cast<qsizetype>(key) - 1]];
        if (!values.contains(valueName)) return platform::kErrorFileNotFound;
        const Value& value = values[valueName];
        const auto size = static_cast<std::uint32_t>(value.bytes.size());
        if (size > *byteCount) {
            *byteCount = size;
            return platform::kErrorMoreData;
        }
        std::memcpy(buffer, value.bytes.constData(), size);
        *byteCount = size;
        *type = value.type;
        return platform::kErrorSuccess;
    }

    void closeKey(platform::RegKey key) override {
        if (!openHandles.remove(key)) ++badCloses;
    }

    QList<QByteArray> opened;
    QList<std::uint32_t> accessMasks;
    QList<std::uint32_t> capacities;
    QSet<platform::RegKey> openHandles;
    int badCloses = 0;

private:
    QMap<QByteArray, QMap<QByteArray, Value>> keys_;
    QList<QByteArray> handles_;
};

// Records what it was asked to start; like the real one it cannot start an empty path, and
// paths in `failing` do not start either.
class FakeLauncher final : public platform::ProgramLauncher {
public:
    bool start(const QString& program) override {
        started.append(program);
        return !program.isEmpty() && !failing.contains(program);
    }

    QStringList started;
    QSet<QString> failing;
};

}  // namespace kivra::test
