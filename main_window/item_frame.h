#pragma once

#include <QGroupBox>
#include <QKeySequence>
#include <QPixmap>

#include "core/file_origin.h"
#include "widgets/twips.h"

class QLabel;
class QLineEdit;

namespace kivra {

namespace widgets {
class GrowingLayout;
}

// The frame under the lists: the current item's path, the "From:" line of a download, and the box
// its description is typed in, with the grey hint of what is known of it. The main window owns
// it; the box is the window's to route keys to.
class ItemFrame : public QGroupBox {
    Q_OBJECT
public:
    // `place` is the frame's own place in the window, the layout's design.
    ItemFrame(const TwipsScale& scale, const QRect& place, QWidget* parent);

    // The key that inserts the download address, in the box's menu and the window.
    static QKeySequence insertOriginKey() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O); }
    // The key that types the grey hint into the box.
    static QKeySequence takeHintKey() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H); }

    QLineEdit* descriptionEdit() const { return descriptionEdit_; }

    // The item just made current: its path shown, where it came from read, and its "From:" line
    // shown or hidden; the description moves down to make room for the line.
    void showItem(const QString& path, const QByteArray& native);
    // The placeholder and the label's tooltip for the item at `path`, which `notes` describe;
    // where none do, those of the name it had before a rename, `oldPath`, may.
    void showNotes(const QString& path, const QStringList& notes, bool gone,
                   const QString& oldPath = {}, const QStringList& oldNotes = {});
    // Ctrl+Shift+O and the box's menu: the cleaned address at the cursor.
    void insertOrigin();
    // Ctrl+Shift+H and the box's menu: the grey hint at the cursor, to be recorded at the next
    // move as if typed.
    void takeHint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void elideOrigin();
    void fitPath();
    void showDescriptionMenu(const QPoint& position);

    const TwipsScale scale_;
    FileOrigin origin_;
    QString path_;
    QLabel* pathLabel_ = nullptr;
    QLabel* originCaption_ = nullptr;
    QLabel* originLabel_ = nullptr;
    QLabel* descriptionCaption_ = nullptr;
    QLineEdit* descriptionEdit_ = nullptr;
    // Places the frame's controls as it grows, and moves the description under the origin's line.
    widgets::GrowingLayout* layout_ = nullptr;
    // The frame as the style drew it, and what it was drawn for.
    QPixmap frame_;
    QString frameKey_;
};

}  // namespace kivra
