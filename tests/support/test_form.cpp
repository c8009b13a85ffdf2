#include "support/test_form.h"

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

} // namespace tavrin
