#pragma once

#include <QPixmap>
#include <QWidget>

namespace tavrin {

// A fixed picture drawn from an SVG resource. It is rendered once, on first
// paint, at the box's size, and the pixmap is kept.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    ImageBox(const QString& svg_resource, QWidget* parent, bool keep_proportions = false);

    QString resource() const { return resource_; }
    // The picture as shown (renders it if it has not been shown yet).
    const QPixmap& pixmap() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString resource_;
    bool keep_proportions_;
    mutable QPixmap cache_;
};

// An icon drawn from an SVG resource, for buttons.
QIcon svg_icon(const QString& svg_resource);

} // namespace tavrin
