#include "app/application.h"

#include "app/error_box.h"
#include "grid/core/grid_errors.h"

namespace zel::app {
namespace {

std::string& TitleText() {
    static std::string title = "Zelmark";
    return title;
}

} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The grid catches what leaves its own events; it is shown like any other.
    SetGridExceptionHandler(ShowCurrentException);
}

TApplication::~TApplication() {
    SetGridExceptionHandler({});
}

std::string TApplication::Title() {
    return TitleText();
}

void TApplication::SetTitle(const std::string& title) {
    TitleText() = title;
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    // Handlers run guarded where they are connected; this catches whatever
    // an event override lets through, so the program always goes on.
    bool handled = false;
    RunHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace zel::app
