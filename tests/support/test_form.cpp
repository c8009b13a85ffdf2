#include "support/test_form.h"

#include "app/clock_text.h"
#include "app/program.h"
#include "app/tavrin_application.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <fstream>

namespace tavrin {

std::filesystem::path source_root()
{
    return std::filesystem::path(TAVRIN_SOURCE_ROOT);
}

TestForm::TestForm(std::vector<std::filesystem::path> bases)
{
    StartupEnvironment env;
    env.dialogs = &dialogs;
    env.descriptions.bases = bases.empty() ? std::vector<std::filesystem::path>{source_root()} : bases;
    form = std::make_unique<TForm1>(env);
}

DescriptionFolder::DescriptionFolder(const QStringList& files)
{
    QDir(dir.path()).mkpath(QStringLiteral("inf"));
    for (const QString& name : files)
        write(name, name + QStringLiteral(" tartalma"));
}

void DescriptionFolder::write(const QString& name, const QString& text) const
{
    std::ofstream out((dir.path() + "/inf/" + name).toStdString(), std::ios::binary | std::ios::trunc);
    out << "{\\rtf1\\ansi\\ansicpg1250 " << text.toStdString() << "\\par}";
}

int run_program_closing_at_once(RecordingDialogs& dialogs, std::function<LocalDateTime()> now)
{
    auto* app = qobject_cast<TavrinApplication*>(QCoreApplication::instance());
    if (!app)
        return -1;
    StartupEnvironment env;
    env.dialogs = &dialogs;
    env.descriptions.bases = {source_root()};
    env.now = std::move(now);
    // A context object, so that a window that never opens leaves no timer behind.
    QObject context;
    QTimer::singleShot(0, &context, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<TForm1*>(w))
                form->Kilps1->trigger();
    });
    return run_program(*app, env);
}

} // namespace tavrin
