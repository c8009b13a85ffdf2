#pragma once

namespace tavrin {

class Dialogs;
class TavrinApplication;
struct StartupEnvironment;

// Foprogram: creates the main window Form1, shows it centred and runs the
// event loop. Returns the program's exit status: non-zero when the start was
// refused (screen too small) or the window could not be created.
int run_program(TavrinApplication& app, const StartupEnvironment& env);

} // namespace tavrin
