#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <utility>

namespace kivra {

class DescriptionIndex;

// Renames the folder watch saw in the shown folder, made by a file manager or a shell while the
// window was open. An item the log does not describe under its new name is shown with the notes
// of its old name (or of an old name of a folder it is in), as a hint: nothing is written for it
// until the user takes the hint and moves on. The main window owns one.
class RenameHints {
public:
    // Full paths as the lists show them.
    void add(const QString& from, const QString& to);

    struct Hint {
        QString oldPath;
        QStringList notes;
    };
    // The latest old name of `path` that `index` describes, renames followed back in turn.
    std::optional<Hint> hintFor(const QString& path, bool isDirectory,
                                const DescriptionIndex& index) const;

private:
    // Oldest first; only the latest are kept, a look-up runs through them all.
    std::deque<std::pair<QString, QString>> renames_;
};

}  // namespace kivra
