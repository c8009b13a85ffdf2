#include "views/chart_files.h"

#include "views/chart_export.h"
#include "views/waveform_chart.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <stdexcept>

namespace tavrin {

void write_file_atomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(
            QStringLiteral("A fájl nem menthető: %1\n%2").arg(path, file.errorString()).toStdString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw std::runtime_error(QStringLiteral("A fájl nem menthető: %1\n%2").arg(path, reason).toStdString());
    }
    if (!file.commit())
        throw std::runtime_error(
            QStringLiteral("A fájl nem menthető: %1\n%2").arg(path, file.errorString()).toStdString());
}

QByteArray chart_image_bytes(const WaveformChart& chart, ChartImageFormat format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == ChartImageFormat::png) {
        if (!chart.to_image().save(&buffer, "PNG"))
            throw std::runtime_error("A nézetről nem készíthető kép.");
        return bytes;
    }
    const QSize size = chart.size();
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QString::fromStdString(chart.model().name));
    QPainter painter;
    if (!painter.begin(&svg))
        throw std::runtime_error("A nézetről nem készíthető SVG rajz.");
    chart.render_chart(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return bytes;
}

QByteArray chart_vcd_bytes(const WaveformChart& chart)
{
    return QByteArray::fromStdString(chart_vcd(chart.model()));
}

ChartImageFormat image_format_for(const QString& path, const QString& filter)
{
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return ChartImageFormat::svg;
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return ChartImageFormat::png;
    return filter.contains(QStringLiteral("svg"), Qt::CaseInsensitive) ? ChartImageFormat::svg
                                                                        : ChartImageFormat::png;
}

} // namespace tavrin
