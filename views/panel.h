#pragma once

#include <QFrame>

namespace tavrin {

// A raised panel with an optional centred caption; a container for other
// controls or, with a colour, a caption swatch such as the legend panels.
class Panel : public QFrame {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent, const QString& caption = {});

    QString caption() const { return caption_; }
    void set_caption(const QString& caption);
    // Background colour of the panel (its default is the window colour).
    void set_colour(const QColor& colour);
    QColor colour() const;
    void set_caption_colour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

// A thin sunken line across a page.
class Separator : public QFrame {
    Q_OBJECT
public:
    Separator(QWidget* parent, int x, int y, int width);
};

} // namespace tavrin
