#pragma once

#include "app/dialogs.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace tavrin {

// Stands in for every modal window during tests: it records what would have
// been shown and answers as the test tells it to.
class RecordingDialogs : public Dialogs {
public:
    struct Message {
        MessageKind kind;
        QString text;
    };

    void message(QWidget* parent, MessageKind kind, const QString& text) override;
    bool print_dialog(QWidget* parent, QPrinter& printer) override;
    void printer_setup(QWidget* parent, QPrinter& printer) override;
    QString save_file_name(QWidget* parent, const QString& caption, const QString& file_name,
                           const QString& filters, QString* selected_filter) override;

    std::vector<Message> messages;
    int print_dialogs = 0;
    int printer_setups = 0;
    int save_dialogs = 0;

    // Answer of the print dialog; before answering, prepare_printer may set the
    // printer up (for example to print into a PDF file).
    bool confirm_print = false;
    std::function<void(QPrinter&)> prepare_printer;

    // Answer of the save dialog: a file name (empty = cancelled) and a filter.
    QString save_answer;
    QString save_filter_answer;
};

} // namespace tavrin
