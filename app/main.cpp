// Start-up: the application object, its title, the main window, the message
// loop; the process ends with exit code 0 when the main window has closed.

#include "app/application.h"
#include "app/form1.h"
#include "platform/qt/font_faces.h"

int main(int argc, char** argv) {
    zel::app::TApplication application(argc, argv);
    zel::app::TApplication::SetTitle("Zelmark");
    zel::platform::InstallFontFaceSubstitutions();

    zel::app::TForm1 form1;
    form1.show();
    zel::app::TApplication::exec();
    return 0;
}
