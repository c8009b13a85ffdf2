#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace tavrin {

enum class MessageKind { error, warning, information };

// Hungarian standard titles of the three message boxes.
QString message_title(MessageKind kind);

// Every modal window the program opens goes through here, so that tests can
// put a recorder in place and never block on a dialog.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box with one OK button.
    virtual void message(QWidget* parent, MessageKind kind, const QString& text) = 0;
    // The print dialog; true when the user confirmed it.
    virtual bool print_dialog(QWidget* parent, QPrinter& printer) = 0;
    // The printer and page set-up dialog; its result is not used.
    virtual void printer_setup(QWidget* parent, QPrinter& printer) = 0;
    // A save-file dialog; an empty string when cancelled. selected_filter receives the chosen filter.
    virtual QString save_file_name(QWidget* parent, const QString& caption, const QString& file_name,
                                   const QString& filters, QString* selected_filter) = 0;
};

// The real Qt dialogs.
class QtDialogs : public Dialogs {
public:
    void message(QWidget* parent, MessageKind kind, const QString& text) override;
    bool print_dialog(QWidget* parent, QPrinter& printer) override;
    void printer_setup(QWidget* parent, QPrinter& printer) override;
    QString save_file_name(QWidget* parent, const QString& caption, const QString& file_name,
                           const QString& filters, QString* selected_filter) override;
};

} // namespace tavrin
