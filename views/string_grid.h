#pragma once

#include "views/colours.h"

#include <QTableWidget>
#include <vector>

namespace tavrin {

// A read-only text grid whose row 0 is a fixed header row: the bit tables.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(int columns, int rows, const std::vector<int>& column_widths, int row_height,
               QWidget* parent);

    QString cell(int column, int row) const;
    void set_cell(int column, int row, const QString& text);
    int row_count() const { return rowCount(); }
    void set_row_count(int rows);

private:
    void style_row(int row);
    int row_height_;
};

} // namespace tavrin
