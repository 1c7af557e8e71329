// Start-up: the application object, its title, the main window, the ticket
// report, the message loop; the process ends with exit code 0 when the main
// window has closed.

#include "app/application.h"
#include "app/error_box.h"
#include "app/form1.h"
#include "app/message_box.h"
#include "app/pagetta6.h"
#include "app/pagetta6_grid_examinees.h"
#include "output/windows/register_report_windows.h"
#include "platform/qt/font_faces.h"

int main(int argc, char** argv) {
    zel::app::TApplication application(argc, argv);
    zel::app::TApplication::SetTitle("Zelmark");
    zel::platform::InstallFontFaceSubstitutions();
    zel::RegisterReportWindows(
        {&zel::app::ShowCurrentException, [](const std::string& text) {
             zel::app::ShowMessageBox(
                 {zel::app::TApplication::Title(), text, zel::app::TMsgDlgType::mtInformation});
         }});

    zel::app::TForm1 form1;
    // The ticket report comes second and reads its records from the main
    // window's examinee grid.
    const zel::app::TGridExaminees examinees(*form1.MOStringGrid1);
    zel::app::TPagetta6 pagetta6(examinees);
    form1.SetPagetta6(&pagetta6);
    form1.show();
    zel::app::TApplication::exec();
    return 0;
}
