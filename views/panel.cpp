#include "views/panel.h"

#include <QPainter>

namespace tavrin {

Panel::Panel(QWidget* parent, const QString& caption) : QFrame(parent), caption_(caption)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
}

void Panel::set_caption(const QString& caption)
{
    caption_ = caption;
    update();
}

void Panel::set_colour(const QColor& colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
    update();
}

QColor Panel::colour() const
{
    return palette().color(QPalette::Window);
}

void Panel::set_caption_colour(const QColor& colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
    update();
}

void Panel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(contentsRect(), Qt::AlignCenter, caption_);
}

Separator::Separator(QWidget* parent, int x, int y, int width) : QFrame(parent)
{
    setFrameStyle(QFrame::HLine | QFrame::Sunken);
    setLineWidth(1);
    setGeometry(x, y, width, 2);
}

} // namespace tavrin
