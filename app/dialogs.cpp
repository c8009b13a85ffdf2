#include "app/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tavrin {

QString message_title(MessageKind kind)
{
    switch (kind) {
    case MessageKind::error: return QStringLiteral("Hiba");
    case MessageKind::warning: return QStringLiteral("Figyelmeztetés");
    case MessageKind::information: return QStringLiteral("Információ");
    }
    return {};
}

void QtDialogs::message(QWidget* parent, MessageKind kind, const QString& text)
{
    const QMessageBox::Icon icon = kind == MessageKind::error     ? QMessageBox::Critical
                                   : kind == MessageKind::warning ? QMessageBox::Warning
                                                                  : QMessageBox::Information;
    QMessageBox box(icon, message_title(kind), text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::print_dialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Nyomtatás"));
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::printer_setup(QWidget* parent, QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Nyomtató beállításai"));
    dialog.exec();
}

QString QtDialogs::save_file_name(QWidget* parent, const QString& caption, const QString& file_name,
                                  const QString& filters, QString* selected_filter)
{
    return QFileDialog::getSaveFileName(parent, caption, file_name, filters, selected_filter);
}

} // namespace tavrin
