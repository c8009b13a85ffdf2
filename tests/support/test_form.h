#pragma once

#include "app/tform1.h"
#include "support/recording_dialogs.h"

#include <QTemporaryDir>
#include <memory>

namespace tavrin {

// A main window for tests: dialogs recorded, description files looked up in
// a folder of the test's own (the repository's "inf" folder unless told otherwise).
struct TestForm {
    RecordingDialogs dialogs;
    std::unique_ptr<TForm1> form;

    // bases: folders that each may hold "inf/…"; empty = the repository's root.
    explicit TestForm(std::vector<std::filesystem::path> bases = {});
    TForm1* operator->() const { return form.get(); }
};

// The repository root, whose "inf" folder holds the description files.
std::filesystem::path source_root();

} // namespace tavrin
