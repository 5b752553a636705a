#pragma once

#include <QComboBox>

#include "platform/volumes.h"

namespace kivra::widgets {

// The drive list: one entry per drive (Windows), or the user's places and the mounted volumes,
// read afresh each time the list opens. `drive` is the root of the entry shown; driveChosen fires
// when the user picks a different entry, or the entry shown while the lists are not at its root.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    QString drive() const;
    // Replaces the entries; the product lists the machine's volumes, tests their own.
    void setVolumes(const QList<platform::Volume>& volumes);
    // Where the volumes come from when the list opens.
    void setVolumeSource(std::function<QList<platform::Volume>()> source) {
        source_ = std::move(source);
    }
    // Shows the entry whose root holds `path` most closely, without firing driveChosen.
    void showDriveOf(const QString& path);
    // Reads the volumes again, keeping the entry shown where it is still there.
    void refresh();

    void showPopup() override;

signals:
    // `byKey`: a key pressed on the closed list made the choice, not the open list or the mouse.
    void driveChosen(bool byKey);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onActivated(int index);

    std::function<QList<platform::Volume>()> source_ = [] {
        return platform::UserPlaces() + platform::ListVolumes();
    };
    int shownIndex_ = -1;
    QString shownFolder_;  // what showDriveOf was last given
    bool atRoot_ = true;
    bool keyPressed_ = false;
};

}  // namespace kivra::widgets
