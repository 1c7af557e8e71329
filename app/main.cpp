// Start-up: the application object, its title, the main window, the ticket
// report, the message loop; the process ends with exit code 0 when the main
// window has closed.

#include "app/application.h"
#include "app/error_box.h"
#include "app/main_form.h"
#include "app/message_box.h"
#include "app/ticket_report.h"
#include "app/ticket_report_grid_examinees.h"
#include "app/translations.h"
#include "grid/editor/register_column_editor.h"
#include "output/windows/register_report_windows.h"
#include "platform/qt/font_faces.h"

int main(int argc, char** argv) {
    zel::app::TApplication application(argc, argv);
    zel::app::TApplication::SetTitle("Zelmark");
    zel::platform::InstallFontFaceSubstitutions();
    zel::app::InstallJapaneseTranslations();
    zel::RegisterColumnEditor();
    zel::RegisterReportWindows(
        {&zel::app::ShowCurrentException,
         [](const std::string& text) {
             zel::app::ShowMessageBox(
                 {zel::app::TApplication::Title(), text, zel::app::TMsgDlgType::mtInformation});
         },
         [](const std::string& text) {
             return zel::app::ShowMessageBox({zel::app::TApplication::Title(), text,
                                              zel::app::TMsgDlgType::mtWarning,
                                              zel::app::TMsgDlgButtons::mbYesNo});
         }});

    zel::app::TMainForm mainForm;
    // The ticket report comes second and reads its records from the main
    // window's examinee grid.
    const zel::app::TGridExaminees examinees(*mainForm.ExamineeGrid);
    zel::app::TTicketReport ticketReport(examinees);
    mainForm.SetTicketReport(&ticketReport);
    mainForm.show();
    zel::app::TApplication::exec();
    return 0;
}
