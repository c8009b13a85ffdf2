#include "views/image_box.h"

#include <QHash>
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
    // Each glyph serves several buttons, so it is drawn once, at the button
    // size and at twice that for dense screens. Drawing it here is cheaper at
    // start-up than loading the SVG icon engine.
    static QHash<QString, QIcon> icons;
    auto it = icons.find(svg_resource);
    if (it != icons.end())
        return *it;
    QIcon icon;
    QSvgRenderer renderer(svg_resource);
    if (renderer.isValid()) {
        for (int side : {32, 64}) {
            QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            renderer.render(&p, QRectF(0, 0, side, side));
            p.end();
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return *icons.insert(svg_resource, icon);
}

} // namespace tavrin
