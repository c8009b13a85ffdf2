#include "views/string_grid.h"

#include "views/waveform_chart.h"

#include <QHeaderView>

namespace tavrin {

StringGrid::StringGrid(int columns, int rows, const std::vector<int>& column_widths, int row_height,
                       QWidget* parent)
    : QTableWidget(rows, columns, parent), row_height_(row_height)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    // A cell's width and height leave out its one-pixel grid line; Qt's include it.
    for (int c = 0; c < columns && c < static_cast<int>(column_widths.size()); ++c)
        setColumnWidth(c, column_widths[static_cast<std::size_t>(c)] + 1);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, to_qcolor(colour::display_field));
    setPalette(pal);
    for (int r = 0; r < rows; ++r)
        style_row(r);
}

QString StringGrid::cell(int column, int row) const
{
    const auto* it = item(row, column);
    return it ? it->text() : QString();
}

void StringGrid::set_cell(int column, int row, const QString& text)
{
    if (row < 0 || column < 0 || column >= columnCount())
        return;
    if (row >= rowCount())
        set_row_count(row + 1);
    auto* it = item(row, column);
    if (!it) {
        it = new QTableWidgetItem;
        setItem(row, column, it);
        style_row(row);
    }
    it->setText(text);
}

void StringGrid::set_row_count(int rows)
{
    const int before = rowCount();
    setRowCount(rows);
    for (int r = before; r < rows; ++r)
        style_row(r);
}

void StringGrid::style_row(int row)
{
    setRowHeight(row, row_height_ + 1);
    for (int c = 0; c < columnCount(); ++c) {
        auto* it = item(row, c);
        if (!it) {
            it = new QTableWidgetItem;
            setItem(row, c, it);
        }
        it->setFlags(Qt::ItemIsEnabled);
        it->setBackground(to_qcolor(row == 0 ? colour::window : colour::display_field));
    }
}

} // namespace tavrin
