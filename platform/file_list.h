#pragma once

#include <QListView>

class QStringListModel;

namespace kivra::platform {

// The file list: the ordinary files of `Path` (no directories, no hidden files), sorted by name
// with letter case ignored. Click fires when the user selects a file by mouse or keyboard, never
// when code sets `Path`, which leaves no file selected.
class FileList : public QListView {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    void setPath(const QString& path);
    // The selected file's name alone; empty while no file is selected.
    QString FileName() const;

    // The names as listed, for tests and for the keyboard.
    QStringList fileNames() const;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onCurrentChanged(const QModelIndex& current);

    QStringListModel* model_;
    QString path_;
    // Only the user's own mouse and keys select a file; focus arriving by Tab must not.
    bool byUser_ = false;
};

}  // namespace kivra::platform
