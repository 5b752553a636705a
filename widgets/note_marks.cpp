#include "widgets/note_marks.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "core/plain_tip.h"

namespace kivra::widgets {

namespace {

constexpr int kSize = 16;

// A yellow sheet with a folded corner and two written lines, drawn to fit `area`.
void drawNote(QPainter& painter, const QRectF& area) {
    const qreal w = area.width();
    const qreal fold = w * 0.3;
    QPainterPath sheet;
    sheet.moveTo(area.topLeft());
    sheet.lineTo(area.right() - fold, area.top());
    sheet.lineTo(area.right(), area.top() + fold);
    sheet.lineTo(area.bottomRight());
    sheet.lineTo(area.bottomLeft());
    sheet.closeSubpath();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
    painter.setBrush(QColor(0xFF, 0xE0, 0x40));
    painter.drawPath(sheet);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), std::max<qreal>(1, w / 12)));
    for (const qreal y : {0.5, 0.75}) {
        const qreal at = area.top() + area.height() * y;
        painter.drawLine(QPointF(area.left() + w * 0.2, at), QPointF(area.right() - w * 0.2, at));
    }
}

QPixmap blank() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

QIcon NoteIcon() {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    drawNote(painter, QRectF(2.5, 0.5, 11, 15));
    return QIcon(pixmap);
}

QIcon BlankIcon() { return QIcon(blank()); }

QIcon WithNote(const QIcon& icon) {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    icon.paint(&painter, QRect(0, 0, kSize, kSize));
    drawNote(painter, QRectF(7.5, 5.5, 8, 10));
    return QIcon(pixmap);
}

QString NotesText(const QString& name, const QStringList& descriptions) {
    QString text = name;
    for (const QString& description : descriptions)
        text += QStringLiteral("\n\u2022 ") + description;
    return text;
}

QString NotesTip(const QString& name, const QStringList& descriptions) {
    return PlainTip(NotesText(name, descriptions));
}

QString NotesAccessibleText(const QStringList& descriptions) {
    if (descriptions.isEmpty()) return {};
    return QCoreApplication::translate("FileList", "Described: %1")
        .arg(descriptions.join(QStringLiteral("; ")));
}

}  // namespace kivra::widgets
