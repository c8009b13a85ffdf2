#pragma once

#include <QByteArray>
#include <QString>

namespace tavrin {

class WaveformChart;

enum class ChartImageFormat { png, svg };

// Writes the bytes to the file in one step: into a temporary file beside it,
// then renamed over it. A failure leaves an existing file as it was and
// throws std::runtime_error with the reason.
void write_file_atomically(const QString& path, const QByteArray& bytes);

// The chart as it stands on screen, as PNG or SVG bytes.
QByteArray chart_image_bytes(const WaveformChart& chart, ChartImageFormat format);

// The chart's bus lines as a value change dump.
QByteArray chart_vcd_bytes(const WaveformChart& chart);

// The format a file name asks for: by its ending, else by the chosen filter.
ChartImageFormat image_format_for(const QString& path, const QString& filter);

} // namespace tavrin
