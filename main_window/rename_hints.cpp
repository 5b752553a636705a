#include "main_window/rename_hints.h"

#include <QDir>

#include "core/description_index.h"

namespace kivra {

namespace {

constexpr size_t kMostRenames = 1024;

// `path` is `folder` or an item under it.
bool IsAtOrUnder(const QString& path, const QString& folder) {
    return path.startsWith(folder) &&
           (path.size() == folder.size() || path[folder.size()] == QDir::separator() ||
            folder.endsWith(QDir::separator()));
}

}  // namespace

void RenameHints::add(const QString& from, const QString& to) {
    if (from == to) return;
    renames_.emplace_back(from, to);
    if (renames_.size() > kMostRenames) renames_.pop_front();
}

std::optional<RenameHints::Hint> RenameHints::hintFor(const QString& path, bool isDirectory,
                                                      const DescriptionIndex& index) const {
    QString name = path;
    for (auto it = renames_.rbegin(); it != renames_.rend(); ++it) {
        const auto& [from, to] = *it;
        if (!IsAtOrUnder(name, to)) continue;
        name = from + name.mid(to.size());
        if (const DescriptionIndex::Hits hits = index.lookUp(name, isDirectory); !hits.empty())
            return Hint{name, index.descriptions(hits)};
    }
    return std::nullopt;
}

}  // namespace kivra
