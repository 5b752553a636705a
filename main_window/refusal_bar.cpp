#include "main_window/refusal_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace kivra {

RefusalBar::RefusalBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("refusalBar"));
    setFrameShape(QFrame::StyledPanel);
    // The tooltip's colours: apart from the lists it covers, and readable in any theme.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);

    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("refusalText"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* retry = new QPushButton(tr("&Retry"), this);
    retry->setObjectName(QStringLiteral("retryButton"));
    retry->setAutoDefault(false);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(retry, 0, Qt::AlignTop);
    connect(retry, &QPushButton::clicked, this, &RefusalBar::retried);
    hide();
}

void RefusalBar::tell(const QString& message) {
    text_->setText(message);
    text_->setAccessibleName(message);
    show();
    raise();
}

}  // namespace kivra
