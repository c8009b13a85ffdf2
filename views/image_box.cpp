#include "views/image_box.h"

#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

namespace tavrin {

ImageBox::ImageBox(const QString& svg_resource, QWidget* parent, bool keep_proportions)
    : QWidget(parent), resource_(svg_resource), keep_proportions_(keep_proportions)
{
}

const QPixmap& ImageBox::pixmap() const
{
    const qreal dpr = devicePixelRatioF();
    const QSize want = size() * dpr;
    if (cache_.size() == want)
        return cache_;
    QImage image(want, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource_);
    if (renderer.isValid()) {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QRectF target(QPointF(0, 0), QSizeF(want));
        if (keep_proportions_) {
            QSizeF natural = renderer.defaultSize();
            natural.scale(target.size(), Qt::KeepAspectRatio);
            target = QRectF(QPointF((want.width() - natural.width()) / 2,
                                    (want.height() - natural.height()) / 2),
                            natural);
        }
        renderer.render(&p, target);
    }
    cache_ = QPixmap::fromImage(image);
    cache_.setDevicePixelRatio(dpr);
    return cache_;
}

void ImageBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, pixmap());
}

QIcon svg_icon(const QString& svg_resource)
{
    return QIcon(svg_resource);
}

} // namespace tavrin
