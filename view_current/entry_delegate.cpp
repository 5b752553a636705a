#include "view_current/entry_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QToolTip>
#include <limits>

#include "core/plain_tip.h"
#include "view_current/current_entries_model.h"
#include "widgets/one_line_validator.h"
#include "widgets/readable_grey.h"

namespace kivra {

namespace {

// A long entry broken where it reaches `width`, so the tooltip stays on the screen.
QString Wrapped(const QString& text, const QFontMetrics& metrics, int width) {
    QString lines;
    int used = 0;
    for (const QChar c : text) {
        const int advance = metrics.horizontalAdvance(c);
        // Never inside a character that takes two code units.
        if (used + advance > width && used > 0 && !c.isLowSurrogate()) {
            lines += QLatin1Char('\n');
            used = 0;
        }
        lines += c;
        used += advance;
    }
    return lines;
}

// Enter ends the edit in the box; it must not go on to the list, where it leaves the window.
class DescriptionEditor : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QLineEdit::keyPressEvent(event);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
    }
};

// The text colour of an entry whose item is gone: the palette's placeholder grey, made readable.
QColor GoneColour(const QPalette& listPalette) {
    return widgets::ReadableGrey(listPalette.color(QPalette::PlaceholderText),
                                 listPalette.color(QPalette::Base),
                                 listPalette.color(QPalette::Text));
}

}  // namespace

EntryDelegate::EntryDelegate(QObject* parent, std::function<void(int)> widerRow)
    : QStyledItemDelegate(parent), widerRow_(std::move(widerRow)) {}

void EntryDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(Qt::AccessibleDescriptionRole).toString().isEmpty())
        option->palette.setColor(QPalette::Text, GoneColour(option->palette));
}

int EntryDelegate::rowWidth(const QStyleOptionViewItem& option, const QString& text) {
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, option.widget) + 1;
    return option.fontMetrics.horizontalAdvance(text) + 2 * margin;
}

void EntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    QStyleOptionViewItem shown = option;
    initStyleOption(&shown, index);
    const int width = rowWidth(shown, shown.text);
    if (width > widest_) {
        widest_ = width;
        if (widerRow_) widerRow_(width);
    }
    QStyledItemDelegate::paint(painter, option, index);
}

bool EntryDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                              const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem shown = option;
    initStyleOption(&shown, index);
    const bool cut = shown.rect.left() < 0 ||
                     shown.rect.left() + rowWidth(shown, shown.text) > view->viewport()->width();
    const QString note = index.data(Qt::ToolTipRole).toString();
    QString tip = note;
    if (cut) {
        const QScreen* screen = view->screen();
        const int room = screen ? screen->availableGeometry().width() * 3 / 4 : 800;
        // The whole line, where the row shows a long one cut short; a line of megabytes as much
        // of it as a tooltip can show.
        constexpr qsizetype kLongestTip = 4000;
        QString line = index.data(CurrentEntriesModel::LineRole).toString();
        if (line.size() > kLongestTip)
            line = line.left(kLongestTip - (line[kLongestTip - 1].isHighSurrogate() ? 1 : 0)) +
                   QChar(0x2026);
        tip = Wrapped(line, QFontMetrics(QToolTip::font()), room);
        if (!note.isEmpty()) tip += QLatin1Char('\n') + note;
    }
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), PlainTip(tip), view->viewport(), option.rect);
    return true;
}

QWidget* EntryDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex&) const {
    auto* editor = new DescriptionEditor(parent);
    editor->setObjectName(QStringLiteral("entryEditor"));
    editor->setAccessibleName(tr("Description"));
    // No frame, which would not fit a row; a line edit's own colours, unlike the list's, tell
    // the box from the entry.
    editor->setFrame(false);
    editor->setPalette(QApplication::palette(editor));
    editor->setMaxLength(std::numeric_limits<int>::max());
    editor->setValidator(new widgets::OneLineValidator(editor));
    return editor;
}

void EntryDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QLineEdit*>(editor)->setText(
        index.data(CurrentEntriesModel::DescriptionRole).toString());
}

void EntryDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const {
    model->setData(index, static_cast<QLineEdit*>(editor)->text(),
                   CurrentEntriesModel::DescriptionRole);
}

void EntryDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QStyleOptionViewItem shown = option;
    initStyleOption(&shown, index);
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &shown, option.widget);
    const QString line = index.data(CurrentEntriesModel::LineRole).toString();
    const qsizetype description =
        line.size() - index.data(CurrentEntriesModel::DescriptionRole).toString().size();
    // Where the path is wider than the list, the box keeps a third of it.
    const int right = editor->parentWidget()->width() - 1;
    const int left = qMin(text.left() + shown.fontMetrics.horizontalAdvance(line.left(description)),
                          right - right / 3);
    editor->setGeometry(
        QRect(QPoint(left, option.rect.top()), QPoint(right, option.rect.bottom())));
}

}  // namespace kivra
