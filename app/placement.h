#pragma once

#include "views/chart_model.h"

#include <QString>
#include <QStringList>
#include <QTabWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QWidget;

namespace tavrin {

class ImageBox;
class Panel;
class RadioGroup;
class SpinEdit;
class StringGrid;
class WaveformChart;

// Helpers that put one control at a fixed place (left, top) in its parent:
// the window is laid out in pixels, never by layout managers, so that it
// looks the same as the pictures and printouts made of it.

enum class LabelStyle {
    normal,   // the window font
    bold,     // bold, 11 px
    section,  // section titles and "Grafikon", bold 13 px
    headline, // page headlines, serif bold 21 px
};

QLabel* label_at(QWidget* parent, const QString& text, int x, int y,
                 LabelStyle style = LabelStyle::normal);
// A label that breaks its text into lines no wider than width.
QLabel* wrapped_label_at(QWidget* parent, const QString& text, int x, int y, int width,
                         LabelStyle style = LabelStyle::normal);

// A read-only single-line field in the display field colour.
QLineEdit* display_edit_at(QWidget* parent, const QString& name, int x, int y, int width,
                           int height, const QString& text);

SpinEdit* spin_at(QWidget* parent, const QString& name, int x, int y, int width, int height,
                  int minimum, int maximum, int value);
// Turns a spin edit into a display: the learner cannot change it, a simulation sets it.
void make_display_spin(SpinEdit* spin);

// A button with a glyph left of its caption; an empty caption leaves the glyph alone.
QPushButton* glyph_button_at(QWidget* parent, const QString& name, const QString& caption,
                             const QString& glyph_resource, int x, int y, int width, int height);

ImageBox* image_at(QWidget* parent, const QString& name, const QString& resource, int x, int y,
                   int width, int height, bool keep_proportions = false);

QTabWidget* page_control_at(QWidget* parent, const QString& name, int x, int y, int width,
                            int height, QTabWidget::TabPosition tabs = QTabWidget::North);
// Appends a tab page; the page's name is also its field name in the window.
QWidget* add_page(QTabWidget* pages, const QString& name, const QString& caption);

Panel* panel_at(QWidget* parent, const QString& name, const QString& caption, int x, int y,
                int width, int height);

RadioGroup* radio_group_at(QWidget* parent, const QString& name, const QString& caption,
                           const QStringList& items, int columns, int x, int y, int width,
                           int height, int index);

// The bit table, 145 × 148: three columns, a header row and the rows of D7 to D0.
// Start-up writes the header texts.
StringGrid* bit_table_at(QWidget* parent, const QString& name, int x, int y);

QTextEdit* rich_edit_at(QWidget* parent, const QString& name, int x, int y, int width,
                        int height, Rgb base, const QString& text);
QPlainTextEdit* result_memo_at(QWidget* parent, const QString& name, int x, int y, int width,
                               int height);

// The chart's lane labels, top to bottom, at x and the given tops.
void lane_labels_at(QWidget* parent, const WaveformChart* chart, int x, const QList<int>& tops);

// The chart takes its size from its model.
WaveformChart* chart_at(QWidget* parent, ChartModel model, int x, int y);

// The four fields of a byte shown as DEC, HEX, BIN and ASCII.
struct ByteView {
    SpinEdit* dec = nullptr;
    QLineEdit* hex = nullptr;
    QLineEdit* bin = nullptr;
    QLineEdit* ascii = nullptr;
};

// The four fields in one row, their left edges at x, x+72, x+120 and x+192,
// with their captions above at caption_y. The fields are named after the spin
// edit with h, b and a appended.
ByteView byte_view_row_at(QWidget* parent, const QString& dec_name, int x, int y, int caption_y);

// The display view of a simulated byte on its "adat" tab page: caption,
// fields, the colour sample panel and the note on the bit order.
ByteView display_byte_view(QWidget* page, const QString& dec_name, Panel** sample_panel,
                           const QString& sample_panel_name);

// The note under every byte that is sent bit by bit.
QString msb_first_note();

// Captions of the chart command buttons; the trailing blanks keep the text
// clear of the glyph.
QString copy_view_caption();
QString print_view_caption();

} // namespace tavrin
