#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <optional>
#include <vector>

#include "platform/origin_attributes.h"
#include "platform/tree_walk.h"

namespace kivra {

// An entry whose item is gone: its path as the log names it and its description.
struct GoneItem {
    QString path;
    QString description;
};

// Where a gone item may have gone, and why.
struct MoveProposal {
    enum class Why {
        Comment,     // of several namesakes, or of its old folder's items, the one whose comment
                     // holds the note
        Address,     // the same, by the download address the note quotes
        OnlyOne,     // the only item of its name, whatever its attributes
        SameFolder,  // of several namesakes, the only one in a folder of the old folder's name
        Several      // namesakes the user picks from
    };
    int item = 0;  // into the items searched for
    Why why = Why::OnlyOne;
    QList<QByteArray> candidates;  // native paths; one unless Several
};

// Whether what an item's attributes say ties it to the note: its comment holds the description,
// or the description quotes its download address.
std::optional<MoveProposal::Why> AttributesMatch(const QString& description,
                                                 const platform::OriginAttributes& attributes);

// Looks for gone items under folder trees by their names, any letter case, and by the comment
// of the items left in their old folders (a rename in place). Runs on one thread; stop(),
// foldersSearched() and found() may be called from another meanwhile.
class MovedSearch {
public:
    explicit MovedSearch(QList<GoneItem> items);

    // Searches each root in turn (native paths); a folder under two is searched once.
    void run(const QStringList& roots);
    // What was found so far is kept.
    void stop() { stop_ = true; }
    int foldersSearched() const { return entered_; }
    // Items with at least one candidate.
    int found() const { return found_; }

    // After run(): one proposal per item found, in the items' order.
    QList<MoveProposal> proposals() const;

private:
    struct Candidate {
        QByteArray path;
        std::optional<MoveProposal::Why> sure;
    };
    void visit(const platform::TreeWalk::Item& item);
    void add(int index, const QByteArray& path, std::optional<MoveProposal::Why> sure);

    QList<GoneItem> items_;
    // Folded names and old folders (native) to the items.
    QHash<QByteArray, QList<int>> byName_;
    QHash<QByteArray, QList<int>> byFolder_;
    std::vector<std::vector<Candidate>> candidates_;
    platform::TreeWalk walk_;
    std::atomic<bool> stop_ = false;
    std::atomic<int> entered_ = 0;
    std::atomic<int> found_ = 0;
};

}  // namespace kivra
