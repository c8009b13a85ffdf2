#include "app/tavrin_application.h"

#include "app/dialogs.h"

#include <exception>

namespace tavrin {

TavrinApplication::TavrinApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TavrinApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (dialogs_)
            dialogs_->message(nullptr, MessageKind::error, QString::fromUtf8(e.what()));
    } catch (...) {
        if (dialogs_)
            dialogs_->message(nullptr, MessageKind::error, QString());
    }
    return false;
}

} // namespace tavrin
