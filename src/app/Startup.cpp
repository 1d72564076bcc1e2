#include "Startup.h"

#include "frmMain.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

std::unique_ptr<frmMain> Main(AppContext& app) {
    auto window = std::make_unique<frmMain>(app);
    // The main window lives as long as the program, and is not discarded when it closes.
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    if (!window->Form_Load())
        return nullptr;
    window->show();
    return window;
}

void CenterForm(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    const double left = RoundHalfEven(PixelsToTwips(area.width() - size.width()) / 2.0);
    const double top = RoundHalfEven(PixelsToTwips(area.height() - size.height()) / 2.0);
    window->move(area.x() + TwipsToPixels(left), area.y() + TwipsToPixels(top));
}
