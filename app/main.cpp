// Foprogram: the program entry.
#include "app/dialogs.h"
#include "app/fonts.h"
#include "app/tavrin_application.h"
#include "app/tform1.h"

#include <QIcon>
#include <QScreen>
#include <exception>
#include <memory>

int main(int argc, char** argv)
{
    using namespace tavrin;
    TavrinApplication app(argc, argv);
    QtDialogs dialogs;
    app.set_dialogs(&dialogs);
    install_fonts();
    app.setFont(window_font());
    app.setWindowIcon(QIcon(QStringLiteral(":/pictures/app_icon.svg")));

    StartupEnvironment env;
    env.dialogs = &dialogs;
    env.descriptions = StartupEnvironment::default_descriptions();

    // A start that fails ends with a non-zero status, so that scripts and
    // launchers see the failure.
    std::unique_ptr<TForm1> Form1;
    try {
        Form1 = std::make_unique<TForm1>(env);
    } catch (const std::exception& e) {
        dialogs.message(nullptr, MessageKind::error, QString::fromUtf8(e.what()));
        return 1;
    } catch (...) {
        dialogs.message(nullptr, MessageKind::error, QString());
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
