// The program entry.
#include "app/dialogs.h"
#include "app/fonts.h"
#include "app/program.h"
#include "app/tavrin_application.h"
#include "app/tform1.h"
#include "views/image_box.h"

#include <QIcon>

int main(int argc, char** argv)
{
    using namespace tavrin;
    TavrinApplication app(argc, argv);
    install_fonts();
    app.setFont(window_font());
    app.setWindowIcon(svg_icon(QStringLiteral(":/pictures/app_icon.svg")));

    QtDialogs dialogs;
    StartupEnvironment env;
    env.dialogs = &dialogs;
    env.descriptions = StartupEnvironment::default_descriptions();
    return run_program(app, env);
}
