#pragma once

#include <QApplication>

namespace tavrin {

class Dialogs;

// The application object. An exception escaping an event handler is shown in
// the error message box and the event loop goes on.
class TavrinApplication : public QApplication {
    Q_OBJECT
public:
    TavrinApplication(int& argc, char** argv);

    void set_dialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Dialogs* dialogs_ = nullptr;
};

} // namespace tavrin
