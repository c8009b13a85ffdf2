#pragma once

#include "app/tform1.h"
#include "support/recording_dialogs.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
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

// A folder of the test's own whose "inf" folder holds description files.
struct DescriptionFolder {
    QTemporaryDir dir;
    // Each named file reads "<name> tartalma".
    explicit DescriptionFolder(const QStringList& files = {});
    // A one-paragraph rich text reading text; replaces an existing file.
    void write(const QString& name, const QString& text) const;
    std::filesystem::path path() const { return dir.path().toStdString(); }
};

// Runs the program entry with recorded dialogs and the repository's texts; the
// window closes itself as soon as the event loop runs. Returns the exit status.
int run_program_closing_at_once(RecordingDialogs& dialogs, std::function<LocalDateTime()> now = {});

} // namespace tavrin
