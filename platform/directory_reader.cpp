#include "platform/directory_reader.h"

namespace kivra::platform {

std::optional<QList<DirectoryEntry>> ReadDirectory(const QByteArray& directory) {
    QList<DirectoryEntry> entries;
    if (!ReadDirectory(directory, [&](const DirectoryEntryView& entry) {
            entries.append({entry.name.toByteArray(), entry.isDirectory, entry.isHidden});
        }))
        return std::nullopt;
    return entries;
}

}  // namespace kivra::platform
