#include "views/chart_commands.h"

#include "app/dialogs.h"
#include "views/waveform_chart.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <stdexcept>

namespace tavrin {

namespace {

// The printer outlives the print job and the next job starts from what the
// user chose, so the orientation goes back whatever happens in between.
class OrientationGuard {
public:
    explicit OrientationGuard(QPrinter& printer)
        : printer_(printer), saved_(printer.pageLayout().orientation())
    {
    }
    ~OrientationGuard() { printer_.setPageOrientation(saved_); }
    OrientationGuard(const OrientationGuard&) = delete;
    OrientationGuard& operator=(const OrientationGuard&) = delete;

private:
    QPrinter& printer_;
    QPageLayout::Orientation saved_;
};

std::string print_failure(const QPrinter& printer)
{
    QString reason;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        reason = QStringLiteral(" A(z) „%1” fájl nem hozható létre.").arg(printer.outputFileName());
    else
        reason = QStringLiteral(" A(z) „%1” nyomtató nem érhető el.").arg(printer.printerName());
    return (QStringLiteral("A nyomtatás nem sikerült.") + reason).toStdString();
}

// Where the page can be painted, in the painter's coordinates: those start at
// the corner of the printable area unless the printer paints the full page.
QRectF printable_area(const QPrinter& printer)
{
    QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    if (!printer.fullPage())
        area.moveTopLeft(QPointF(0, 0));
    return area;
}

QRectF fitted(const QRectF& area, double width, double height)
{
    const double scale = std::min(area.width() / width, area.height() / height);
    QRectF target(0, 0, width * scale, height * scale);
    target.moveCenter(area.center());
    return target;
}

} // namespace

void copy_view(const WaveformChart& chart)
{
    QClipboard* clipboard =
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
    if (!clipboard)
        throw std::runtime_error("A vágólap nem érhető el.");
    const QImage image = chart.to_image();
    if (image.isNull())
        throw std::runtime_error("A nézetről nem készíthető kép a vágólapra.");
    clipboard->setImage(image);
}

void print_view(const WaveformChart& chart, QPrinter& printer, Dialogs& dialogs, QWidget* parent)
{
    if (!dialogs.print_dialog(parent, printer))
        return;
    const OrientationGuard guard(printer);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::fromStdString(chart.model().name));

    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(print_failure(printer));
    const ChartModel& model = chart.model();
    if (model.width > 0 && model.height > 0)
        chart.render_chart(painter, fitted(printable_area(printer), model.width, model.height));
    if (!painter.end())
        throw std::runtime_error(print_failure(printer));
}

} // namespace tavrin
