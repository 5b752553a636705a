#pragma once

#include <QComboBox>

#include "platform/volumes.h"

namespace kivra::platform {

// The drive list: one entry per drive (Windows) or mounted volume. `Drive` is the root of the
// entry shown; Change fires only when the user picks a different entry.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    QString Drive() const;
    // Replaces the entries; the product lists the machine's volumes, tests their own.
    void setVolumes(const QList<Volume>& volumes);
    // Shows the entry whose root holds `path`, without firing Change.
    void showDriveOf(const QString& path);

signals:
    void Change();

private:
    void onActivated(int index);

    int shownIndex_ = -1;
};

}  // namespace kivra::platform
