#pragma once

#include <QListWidget>

namespace kivra::platform {

// The directory list: the chain of directories from the root down to `Path`, then the
// subdirectories of `Path` (hidden ones left out). Setting a different `Path` from code fires
// Change before setPath returns; so does opening an entry by double-click or Enter.
class DirectoryList : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    // False, with nothing changed, when `path` cannot be listed (missing, not ready, no
    // permission).
    bool setPath(const QString& path);

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openItem(QListWidgetItem* item);
    void fill(const QStringList& subdirectories);

    QString path_;
};

}  // namespace kivra::platform
