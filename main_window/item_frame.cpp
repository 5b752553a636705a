#include "main_window/item_frame.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <limits>
#include <memory>

#include "core/abbreviate_path.h"
#include "core/plain_tip.h"
#include "widgets/note_marks.h"
#include "widgets/one_line_validator.h"
#include "widgets/readable_grey.h"
#include "widgets/window_size.h"

namespace kivra {

namespace {

constexpr int kLabelWidth = 64;
// How far the description moves down while the "From:" line shows.
constexpr int kOriginShift = 216;

}  // namespace

ItemFrame::ItemFrame(const TwipsScale& scale, const QRect& place, QWidget* parent)
    : QGroupBox(tr("File/Path Information"), parent), scale_(scale) {
    setObjectName(QStringLiteral("fileInfoBox"));
    setGeometry(place);

    //: Caption of the path of the file or folder shown.
    auto* pathCaption = new QLabel(tr("File/Path:"), this);
    pathCaption->setObjectName(QStringLiteral("pathCaption"));
    pathCaption->setGeometry(scale_.rect(360, 396, 768, 192));

    pathLabel_ = new QLabel(this);
    pathLabel_->setObjectName(QStringLiteral("pathLabel"));
    pathLabel_->setGeometry(scale_.rect(1332, 396, 6132, 192));
    pathLabel_->setTextFormat(Qt::PlainText);
    pathLabel_->setAccessibleName(tr("File/Path: "));

    // Under the path, for an item that has an origin only.
    //: Caption of the address a download came from.
    originCaption_ = new QLabel(tr("From:"), this);
    originCaption_->setObjectName(QStringLiteral("originCaption"));
    originCaption_->setGeometry(scale_.rect(360, 612, 768, 192));
    originCaption_->hide();
    originLabel_ = new QLabel(this);
    originLabel_->setObjectName(QStringLiteral("originLabel"));
    originLabel_->setGeometry(scale_.rect(1332, 612, 6132, 192));
    originLabel_->setTextFormat(Qt::PlainText);
    originLabel_->setAccessibleName(tr("Downloaded from"));
    originLabel_->hide();
    originLabel_->installEventFilter(this);
    pathLabel_->installEventFilter(this);

    descriptionCaption_ = new QLabel(tr("Description:"), this);
    descriptionCaption_->setObjectName(QStringLiteral("descriptionCaption"));
    descriptionCaption_->setGeometry(scale_.rect(360, 756, 912, 192));

    descriptionEdit_ = new QLineEdit(this);
    descriptionEdit_->setObjectName(QStringLiteral("descriptionEdit"));
    descriptionEdit_->setAccessibleName(tr("Description"));
    descriptionEdit_->setGeometry(scale_.rect(1296, 720, 6132, 288));
    descriptionEdit_->setMaxLength(std::numeric_limits<int>::max());  // Qt's default is 32,767
    descriptionEdit_->setValidator(new widgets::OneLineValidator(descriptionEdit_));
    widgets::KeepPlaceholderReadable(descriptionEdit_);
    descriptionEdit_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(descriptionEdit_, &QWidget::customContextMenuRequested, this,
            &ItemFrame::showDescriptionMenu);

    for (QWidget* w : std::initializer_list<QWidget*>{this, pathCaption, pathLabel_, originCaption_,
                                                      originLabel_, descriptionCaption_})
        w->setFocusPolicy(Qt::NoFocus);

    layout_ = new widgets::GrowingLayout(this, size());
    layout_->add(pathLabel_, {0, 0, 1, 0});
    layout_->add(originLabel_, {0, 0, 1, 0});
    layout_->add(descriptionCaption_, {});
    layout_->add(descriptionEdit_, {0, 0, 1, 0});
}

void ItemFrame::showItem(const QString& path, const QByteArray& native) {
    path_ = path;
    fitPath();
    origin_ = ReadFileOrigin(native);
    const bool shown = !origin_.address.isEmpty();
    if (shown == originLabel_->isHidden()) {
        const QPoint shift(0, (shown ? 1 : -1) * scale_.scaledY(kOriginShift));
        for (QWidget* w : std::initializer_list<QWidget*>{descriptionCaption_, descriptionEdit_})
            layout_->shift(w, shift);
        originCaption_->setVisible(shown);
        originLabel_->setVisible(shown);
    }
    QString tip = origin_.address;
    if (!origin_.referrer.isEmpty()) tip += tr("\nLinked from: %1").arg(origin_.referrer);
    originLabel_->setToolTip(PlainTip(tip));
    elideOrigin();
}

void ItemFrame::showNotes(const QString& path, const QStringList& notes, bool gone,
                          const QString& oldPath, const QStringList& oldNotes) {
    const bool renamed = notes.isEmpty() && !oldNotes.isEmpty();
    // Grey text only: the box stays empty, so moving on records nothing.
    descriptionEdit_->setPlaceholderText(!notes.isEmpty() ? notes.last()
                                         : renamed        ? oldNotes.last()
                                                          : origin_.comment);
    QString tip = widgets::NotesText(path, notes);
    if (renamed) {
        tip += QStringLiteral("\n\n") +
               widgets::NotesText(tr("Described as %1 before it was renamed:").arg(oldPath),
                                  oldNotes) +
               tr("\n\n%1 takes the grey hint into the box.")
                   .arg(takeHintKey().toString(QKeySequence::NativeText));
    } else if (notes.isEmpty() && !origin_.comment.isEmpty()) {
        tip +=
            tr("\n\nThe grey hint is the comment kept in the item itself (user.xdg.comment), "
               "as a file manager or another program set it.");
    }
    if (gone) tip += tr("\n\nIt no longer exists.");
    pathLabel_->setToolTip(PlainTip(tip));
    // Read out whole and in its real case, as the tooltip shows it, but as plain text.
    pathLabel_->setAccessibleName(tr("File/Path: ") + path);
    pathLabel_->setAccessibleDescription(
        renamed ? tr("Described as %1 before it was renamed: %2")
                      .arg(oldPath, oldNotes.join(QStringLiteral("; ")))
                : widgets::NotesAccessibleText(notes));
}

void ItemFrame::elideOrigin() {
    originLabel_->setText(originLabel_->fontMetrics().elidedText(origin_.address, Qt::ElideMiddle,
                                                                 originLabel_->width()));
}

void ItemFrame::fitPath() {
    const QFontMetrics metrics = pathLabel_->fontMetrics();
    pathLabel_->setText(
        FitPath(path_, kLabelWidth, pathLabel_->contentsRect().width(),
                [&](QStringView text) { return metrics.horizontalAdvance(text.toString()); }));
}

void ItemFrame::paintEvent(QPaintEvent* event) {
    // On a denser screen the style scales its pictures as it draws, which a copy does not match.
    if (devicePixelRatioF() != 1.0) return QGroupBox::paintEvent(event);
    // Every move repaints the path, and the frame behind it: drawn by the style once for its size
    // and look, the frame is copied from then on, not laid out and drawn again.
    QPainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QString key =
        QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
            .arg(QString::number(option.rect.width()), QString::number(option.rect.height()),
                 QString::number(option.state.toInt()), QString::number(option.palette.cacheKey()),
                 font().key(), QString::number(quintptr(style())),
                 QString::number(option.direction), option.text);
    if (key != frameKey_) {
        frame_ = QPixmap(option.rect.size());
        frame_.fill(Qt::transparent);
        // As the painter on the widget itself starts.
        QPainter drawing(&frame_);
        drawing.setRenderHints(painter.renderHints());
        drawing.setPen(painter.pen());
        drawing.setBrush(painter.brush());
        drawing.setBackground(painter.background());
        drawing.setFont(painter.font());
        drawing.setLayoutDirection(painter.layoutDirection());
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &drawing, this);
        frameKey_ = key;
    }
    painter.drawPixmap(0, 0, frame_);
}

bool ItemFrame::eventFilter(QObject* watched, QEvent* event) {
    // The origin's and the path's texts follow their line's width.
    if (watched == originLabel_ && event->type() == QEvent::Resize) elideOrigin();
    if (watched == pathLabel_ && event->type() == QEvent::Resize) fitPath();
    return QGroupBox::eventFilter(watched, event);
}

void ItemFrame::insertOrigin() {
    if (origin_.address.isEmpty()) return;
    descriptionEdit_->insert(origin_.address);
    descriptionEdit_->setFocus();
}

void ItemFrame::takeHint() {
    if (descriptionEdit_->placeholderText().isEmpty()) return;
    descriptionEdit_->insert(descriptionEdit_->placeholderText());
    descriptionEdit_->setFocus();
}

void ItemFrame::showDescriptionMenu(const QPoint& position) {
    const std::unique_ptr<QMenu> menu(descriptionEdit_->createStandardContextMenu());
    menu->addSeparator();
    QAction* insert = menu->addAction(tr("Insert Download Address"));
    insert->setObjectName(QStringLiteral("insertOriginAction"));
    insert->setShortcut(insertOriginKey());
    insert->setEnabled(!origin_.address.isEmpty());
    connect(insert, &QAction::triggered, this, &ItemFrame::insertOrigin);
    QAction* hint = menu->addAction(tr("Insert Grey Hint"));
    hint->setObjectName(QStringLiteral("takeHintAction"));
    hint->setShortcut(takeHintKey());
    hint->setEnabled(!descriptionEdit_->placeholderText().isEmpty());
    connect(hint, &QAction::triggered, this, &ItemFrame::takeHint);
    menu->exec(descriptionEdit_->mapToGlobal(position));
}

}  // namespace kivra
