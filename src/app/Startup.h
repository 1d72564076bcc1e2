#pragma once

#include <memory>

class AppContext;
class frmMain;

// Starts the program: shows the main window, or returns nothing when the data file could
// not be loaded (the user has been told and the program is ending).
std::unique_ptr<frmMain> Main(AppContext& app);
