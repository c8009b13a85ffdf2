#pragma once

class QPrinter;
class QWidget;

namespace tavrin {

class Dialogs;
class WaveformChart;

// Copy view: the chart as it stands on screen, as a new image on the clipboard.
// Throws std::runtime_error when the clipboard cannot take it.
void copy_view(const WaveformChart& chart);

// Print view: asks with the print dialog; on confirmation prints the chart as
// one landscape page (aspect ratio kept, document named after the chart) and
// restores the printer's orientation afterwards, also when printing fails.
// Throws std::runtime_error on a printing failure.
void print_view(const WaveformChart& chart, QPrinter& printer, Dialogs& dialogs, QWidget* parent);

} // namespace tavrin
