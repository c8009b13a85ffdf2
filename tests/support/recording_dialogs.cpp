#include "support/recording_dialogs.h"

namespace tavrin {

void RecordingDialogs::message(QWidget*, MessageKind kind, const QString& text)
{
    messages.push_back({kind, text});
}

bool RecordingDialogs::print_dialog(QWidget*, QPrinter& printer)
{
    ++print_dialogs;
    if (confirm_print && prepare_printer)
        prepare_printer(printer);
    return confirm_print;
}

void RecordingDialogs::printer_setup(QWidget*, QPrinter&)
{
    ++printer_setups;
}

QString RecordingDialogs::save_file_name(QWidget*, const QString&, const QString&, const QString&,
                                         QString* selected_filter)
{
    ++save_dialogs;
    if (selected_filter)
        *selected_filter = save_filter_answer;
    return save_answer;
}

} // namespace tavrin
