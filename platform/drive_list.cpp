#include "platform/drive_list.h"

namespace kivra::platform {

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    setVolumes(ListVolumes());
    connect(this, &QComboBox::activated, this, &DriveList::onActivated);
}

QString DriveList::Drive() const { return currentData().toString(); }

void DriveList::setVolumes(const QList<Volume>& volumes) {
    const QSignalBlocker blocker(this);
    clear();
    for (const Volume& volume : volumes) addItem(volume.label, volume.root);
    shownIndex_ = currentIndex();
}

void DriveList::showDriveOf(const QString& path) {
    const QString root = VolumeRootOf(path);
    const int index = findData(root);
    if (index < 0) return;
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
    shownIndex_ = index;
}

void DriveList::onActivated(int index) {
    if (index == shownIndex_) return;
    shownIndex_ = index;
    emit Change();
}

}  // namespace kivra::platform
