#include "Startup.h"

#include "frmMain.h"

std::unique_ptr<frmMain> Main(AppContext& app) {
    auto window = std::make_unique<frmMain>(app);
    // The main window lives as long as the program, and is not discarded when it closes.
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    if (!window->Form_Load())
        return nullptr;
    window->show();
    return window;
}
