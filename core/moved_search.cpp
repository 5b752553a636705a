#include "core/moved_search.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "core/byte_scan.h"
#include "core/file_origin.h"
#include "core/name_decoding.h"
#include "platform/native_path.h"

namespace kivra {

namespace {

// A common name ("index.html") can be everywhere; the user picks from a few at most.
constexpr size_t kMostCandidates = 30;

QByteArray foldedName(QByteArrayView name) {
    if (IsAscii(name)) return name.toByteArray().toLower();
    return DecodeName(name).toCaseFolded().toUtf8();
}

// The path without a trailing separator, but at a root.
QString withoutTrailingSeparator(QString path) {
    while (path.size() > 1 && path.endsWith(QDir::separator()) && !QDir(path).isRoot())
        path.chop(1);
    return path;
}

// The folders a path lies in, innermost first, folded.
QList<QByteArray> foldersOf(const QString& path) {
    QList<QByteArray> folders;
    const QStringList parts = path.split(QDir::separator(), Qt::SkipEmptyParts);
    for (qsizetype i = parts.size() - 2; i >= 0; --i)
        folders.append(parts[i].toCaseFolded().toUtf8());
    return folders;
}

// How many of the innermost folders two paths share by name.
int sameFolders(const QList<QByteArray>& old, const QByteArray& candidate) {
    const QList<QByteArray> now = foldersOf(DecodeName(candidate));
    int same = 0;
    while (same < old.size() && same < now.size() && old[same] == now[same]) ++same;
    return same;
}

}  // namespace

std::optional<MoveProposal::Why> AttributesMatch(const QString& description,
                                                 const platform::OriginAttributes& attributes) {
    const QString note = description.trimmed();
    if (note.isEmpty()) return std::nullopt;
    const FileOrigin origin = DecodeOrigin(attributes);
    if (origin.comment.contains(note)) return MoveProposal::Why::Comment;
    if (origin.address.size() > 1 && note.contains(origin.address))
        return MoveProposal::Why::Address;
    return std::nullopt;
}

MovedSearch::MovedSearch(QList<GoneItem> items)
    : items_(std::move(items)), candidates_(items_.size()) {
    for (int i = 0; i < items_.size(); ++i) {
        const QString path = withoutTrailingSeparator(items_[i].path);
        const QFileInfo info(path);
        const QString name = info.fileName();
        if (name.isEmpty()) continue;
        byName_[foldedName(name.toUtf8())].append(i);
        const QString folder = withoutTrailingSeparator(QDir::toNativeSeparators(info.path()));
        byFolder_[platform::NativeBytes(folder)].append(i);
    }
}

void MovedSearch::run(const QStringList& roots) {
    for (const QString& root : roots) {
        if (stop_) break;
        // A root named by a link is searched where it leads; links below it are not followed.
        const QString real = QFileInfo(root).canonicalFilePath();
        if (real.isEmpty()) continue;
        walk_.walk(
            platform::NativeBytes(QDir::toNativeSeparators(real)),
            [this](const platform::TreeWalk::Item& item) { visit(item); }, stop_, entered_);
    }
    for (qsizetype i = 0; i < items_.size() && !stop_; ++i) {
        if (candidates_[i].size() < 2) continue;
        for (Candidate& c : candidates_[i])
            if (!c.sure)
                c.sure =
                    AttributesMatch(items_[i].description, platform::ReadOriginAttributes(c.path));
    }
}

void MovedSearch::visit(const platform::TreeWalk::Item& item) {
    const auto named = byName_.constFind(foldedName(item.name));
    const auto inFolder =
        byFolder_.constFind(QByteArray::fromRawData(item.folder.data(), item.folder.size()));
    if (named == byName_.cend() && inFolder == byFolder_.cend()) return;
    const QByteArray path = platform::JoinBytes(item.folder.toByteArray(), item.name.toByteArray());
    // Asking for attributes reads the item's inode, which the walk does not: a namesake's are
    // read after the walk, where it has rivals.
    if (named != byName_.cend())
        for (const int i : *named) add(i, path, std::nullopt);
    if (inFolder == byFolder_.cend()) return;
    const platform::OriginAttributes attributes = platform::ReadOriginAttributes(path);
    for (const int i : *inFolder) {
        if (const auto why = AttributesMatch(items_[i].description, attributes)) add(i, path, why);
    }
}

void MovedSearch::add(int index, const QByteArray& path, std::optional<MoveProposal::Why> sure) {
    std::vector<Candidate>& found = candidates_[index];
    if (found.empty()) ++found_;
    if (found.size() < kMostCandidates || sure) found.push_back({path, sure});
}

QList<MoveProposal> MovedSearch::proposals() const {
    using Why = MoveProposal::Why;
    QList<MoveProposal> proposals;
    for (int i = 0; i < items_.size(); ++i) {
        const std::vector<Candidate>& found = candidates_[i];
        if (found.empty()) continue;
        MoveProposal proposal{i, Why::Several, {}};
        std::vector<const Candidate*> sure;
        for (const Candidate& c : found)
            if (c.sure) sure.push_back(&c);
        if (sure.size() == 1) {
            proposal.why = *sure.front()->sure;
            proposal.candidates = {sure.front()->path};
        } else if (!sure.empty()) {
            for (const Candidate* c : sure) proposal.candidates.append(c->path);
        } else if (found.size() == 1) {
            proposal.why = Why::OnlyOne;
            proposal.candidates = {found.front().path};
        } else {
            // A folder moved with its contents: its files' namesakes elsewhere lie in folders of
            // other names.
            const QList<QByteArray> old = foldersOf(withoutTrailingSeparator(items_[i].path));
            std::vector<int> same;
            for (const Candidate& c : found) same.push_back(sameFolders(old, c.path));
            const auto best = std::max_element(same.begin(), same.end());
            if (*best > 0 && std::count(same.begin(), same.end(), *best) == 1) {
                proposal.why = Why::SameFolder;
                proposal.candidates = {found[best - same.begin()].path};
            } else {
                for (const Candidate& c : found) proposal.candidates.append(c.path);
            }
        }
        // In the order of the paths, not of the walk.
        std::sort(proposal.candidates.begin(), proposal.candidates.end());
        proposals.append(proposal);
    }
    return proposals;
}

}  // namespace kivra
