#include "app/placement.h"

#include "app/fonts.h"
#include "views/image_box.h"
#include "views/panel.h"
#include "views/radio_group.h"
#include "views/spin_edit.h"
#include "views/string_grid.h"
#include "views/waveform_chart.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>

namespace tavrin {

namespace {

void set_base_colour(QWidget* widget, Rgb colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, to_qcolor(colour));
    widget->setPalette(pal);
}

QFont font_of(LabelStyle style)
{
    switch (style) {
    case LabelStyle::bold:
        return bold_font();
    case LabelStyle::section:
        return section_font();
    case LabelStyle::headline:
        return headline_font();
    case LabelStyle::normal:
        break;
    }
    return window_font();
}

constexpr QSize glyph_size{32, 32};

// Some fonts report an ascent lower than the accents of capitals such as Á, Ö
// and Ű reach; a label sized to that ascent would cut them off at the top.
// Measured once per font: measuring glyph outlines for each of the window's
// labels would slow the start down.
int accent_room(const QFont& font)
{
    static QHash<QString, int> room_by_font;
    const QString key = font.key();
    if (const auto it = room_by_font.constFind(key); it != room_by_font.constEnd())
        return *it;
    const QFontMetrics metrics(font);
    const int top = metrics.tightBoundingRect(QStringLiteral("ÁÉÍÓÖŐÚÜŰ")).top();
    const int room = std::max(0, -top - metrics.ascent());
    room_by_font.insert(key, room);
    return room;
}

QLabel* new_label(QWidget* parent, const QString& text, LabelStyle style)
{
    auto* label = new QLabel(text, parent);
    if (style != LabelStyle::normal)
        label->setFont(font_of(style));
    label->setContentsMargins(0, accent_room(label->font()), 0, 0);
    return label;
}

// The width of the longest word, so that wrapping never has to cut one.
int longest_word(const QLabel* label)
{
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

} // namespace

QLabel* label_at(QWidget* parent, const QString& text, int x, int y, LabelStyle style)
{
    QLabel* label = new_label(parent, text, style);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* wrapped_label_at(QWidget* parent, const QString& text, int x, int y, int width,
                         LabelStyle style)
{
    QLabel* label = new_label(parent, text, style);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A word wider than the given width (a font a little wider than the one
    // the page was drawn for) widens the label instead of being cut.
    const int w = std::max(width, longest_word(label) + 1);
    label->setGeometry(x, y, w, label->heightForWidth(w));
    return label;
}

QLineEdit* display_edit_at(QWidget* parent, const QString& name, int x, int y, int width,
                           int height, const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    set_base_colour(edit, colour::display_field);
    edit->setGeometry(x, y, width, height);
    edit->setCursorPosition(0);
    return edit;
}

SpinEdit* spin_at(QWidget* parent, const QString& name, int x, int y, int width, int height,
                  int minimum, int maximum, int value)
{
    auto* spin = new SpinEdit(parent);
    spin->setObjectName(name);
    spin->set_range(minimum, maximum);
    spin->set_value(value);
    spin->setGeometry(x, y, width, height);
    return spin;
}

void make_display_spin(SpinEdit* spin)
{
    spin->setReadOnly(true);
    set_base_colour(spin, colour::display_field);
}

QPushButton* glyph_button_at(QWidget* parent, const QString& name, const QString& caption,
                             const QString& glyph_resource, int x, int y, int width, int height)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setIcon(svg_icon(glyph_resource));
    button->setIconSize(glyph_size);
    button->setGeometry(x, y, width, height);
    return button;
}

ImageBox* image_at(QWidget* parent, const QString& name, const QString& resource, int x, int y,
                   int width, int height, bool keep_proportions)
{
    auto* image = new ImageBox(resource, parent, keep_proportions);
    image->setObjectName(name);
    image->setGeometry(x, y, width, height);
    return image;
}

QTabWidget* page_control_at(QWidget* parent, const QString& name, int x, int y, int width,
                            int height, QTabWidget::TabPosition tabs)
{
    auto* pages = new QTabWidget(parent);
    pages->setObjectName(name);
    pages->setTabPosition(tabs);
    // Captions are short enough to show whole; scroll arrows would hide tabs.
    pages->setUsesScrollButtons(false);
    pages->setGeometry(x, y, width, height);
    return pages;
}

QWidget* add_page(QTabWidget* pages, const QString& name, const QString& caption)
{
    auto* page = new QWidget;
    page->setObjectName(name);
    // A tab page is filled with the window colour, whatever the style's pane colour.
    page->setAutoFillBackground(true);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, to_qcolor(colour::window));
    page->setPalette(pal);
    pages->addTab(page, caption);
    return page;
}

Panel* panel_at(QWidget* parent, const QString& name, const QString& caption, int x, int y,
                int width, int height)
{
    auto* panel = new Panel(parent, caption);
    panel->setObjectName(name);
    panel->setGeometry(x, y, width, height);
    return panel;
}

RadioGroup* radio_group_at(QWidget* parent, const QString& name, const QString& caption,
                           const QStringList& items, int columns, int x, int y, int width,
                           int height, int index)
{
    auto* group = new RadioGroup(caption, items, columns, parent);
    group->setObjectName(name);
    group->setGeometry(x, y, width, height);
    group->set_item_index(index);
    return group;
}

StringGrid* bit_table_at(QWidget* parent, const QString& name, int x, int y)
{
    auto* grid = new StringGrid(3, 9, {28, 83, 27}, 15, parent);
    grid->setObjectName(name);
    grid->setGeometry(x, y, 145, 148);
    return grid;
}

QTextEdit* rich_edit_at(QWidget* parent, const QString& name, int x, int y, int width,
                        int height, Rgb base, const QString& text)
{
    auto* edit = new QTextEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    set_base_colour(edit, base);
    edit->setPlainText(text);
    edit->setGeometry(x, y, width, height);
    return edit;
}

QPlainTextEdit* result_memo_at(QWidget* parent, const QString& name, int x, int y, int width,
                               int height)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    set_base_colour(memo, colour::result_memo);
    memo->setGeometry(x, y, width, height);
    return memo;
}

WaveformChart* chart_at(QWidget* parent, ChartModel model, int x, int y)
{
    const QString name = QString::fromStdString(model.name);
    const QSize size(model.width, model.height);
    auto* chart = new WaveformChart(std::move(model), parent);
    chart->setObjectName(name);
    chart->setGeometry(QRect(QPoint(x, y), size));
    return chart;
}

ByteView byte_view_row_at(QWidget* parent, const QString& dec_name, int x, int y, int caption_y)
{
    label_at(parent, QStringLiteral("DEC"), x, caption_y);
    label_at(parent, QStringLiteral("HEX"), x + 72, caption_y);
    label_at(parent, QStringLiteral("BIN"), x + 120, caption_y);
    label_at(parent, QStringLiteral("ASCII"), x + 192, caption_y);
    ByteView view;
    view.dec = spin_at(parent, dec_name, x, y, 49, 22, 0, 255, 0);
    view.hex = display_edit_at(parent, dec_name + 'h', x + 72, y, 25, 21, QStringLiteral("00h"));
    view.bin = display_edit_at(parent, dec_name + 'b', x + 120, y, 57, 21,
                               QStringLiteral("0000 0000"));
    view.ascii = display_edit_at(parent, dec_name + 'a', x + 192, y, 17, 21, QString());
    return view;
}

ByteView display_byte_view(QWidget* page, const QString& dec_name, Panel** sample_panel,
                           const QString& sample_panel_name)
{
    label_at(page, QStringLiteral("Adat:"), 30, 95, LabelStyle::bold);
    ByteView view = byte_view_row_at(page, dec_name, 72, 93, 78);
    make_display_spin(view.dec);
    *sample_panel = panel_at(page, sample_panel_name, QStringLiteral("adat színminta"), 232, 3,
                             158, 17);
    wrapped_label_at(page, msb_first_note(), 30, 188, 294);
    return view;
}

QString msb_first_note()
{
    return QStringLiteral("Az adatok MSB...LSB (legnagyobb helyértéktől a legkisebbig) "
                          "sorrendben kerülnek átküldésre.");
}

QString copy_view_caption()
{
    return QStringLiteral("Nézet másolása        ");
}

QString print_view_caption()
{
    return QStringLiteral("Nézet nyomtatása     ");
}

void lane_labels_at(QWidget* parent, const WaveformChart* chart, int x, const QList<int>& tops)
{
    const auto& lanes = chart->model().lane_labels;
    for (int i = 0; i < tops.size() && i < static_cast<int>(lanes.size()); ++i)
        label_at(parent, QString::fromStdString(lanes[static_cast<std::size_t>(i)]), x, tops[i]);
}

} // namespace tavrin
