#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/moved_search.h"

class QWidget;

namespace kivra {

// Find Moved's proposals put to the user: one row each, the old path, where it is now and why;
// sure and single ones ticked, several namesakes to pick one from (or none).
struct MovedChoiceRequest {
    QWidget* parent = nullptr;
    QStringList oldPaths;  // by proposal
    QList<MoveProposal> proposals;
};

// The candidate taken for each proposal, -1 for none; empty when the user cancelled.
QList<int> ChooseMoves(const MovedChoiceRequest& request);
// Tests answer ahead of time; an empty handler restores the real dialog.
void SetMovedChoiceHandler(std::function<QList<int>(const MovedChoiceRequest&)> handler);

// A folder to search, or none; through a seam too.
struct SearchFolderRequest {
    QWidget* parent = nullptr;
    QString directory;
};
QString ChooseSearchFolder(const SearchFolderRequest& request);
void SetSearchFolderHandler(std::function<QString(const SearchFolderRequest&)> handler);

// Home, the user's folders and the volumes the drive list offers, leaving out the volume that
// holds Home: the system's, already searched where the user keeps things.
QStringList SearchPlaces();

// Runs the search off this thread, showing after a moment how far it got, with a button that
// stops it keeping what was found.
QList<MoveProposal> SearchWithProgress(QWidget* parent, MovedSearch& search,
                                       const QStringList& roots);

}  // namespace kivra
