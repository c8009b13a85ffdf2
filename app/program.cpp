#include "app/program.h"

#include "app/tavrin_application.h"
#include "app/tform1.h"

#include <QScreen>
#include <exception>
#include <memory>

namespace tavrin {

int run_program(TavrinApplication& app, const StartupEnvironment& env)
{
    app.set_dialogs(env.dialogs);
    // A start that fails ends with a non-zero status, so that scripts and
    // launchers see the failure.
    std::unique_ptr<TForm1> Form1;
    try {
        Form1 = std::make_unique<TForm1>(env);
    } catch (const std::exception& e) {
        if (env.dialogs)
            env.dialogs->message(nullptr, MessageKind::error, QString::fromUtf8(e.what()));
        return 1;
    } catch (...) {
        if (env.dialogs)
            env.dialogs->message(nullptr, MessageKind::error, QString());
        return 1;
    }
    if (Form1->start_refused())
        return 1;

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = Form1->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        Form1->move(frame.topLeft());
    }
    Form1->show();
    return app.exec();
}

} // namespace tavrin
