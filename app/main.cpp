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

#include <cstring>
#include <iostream>

namespace {

const char* const kHelp =
    "zelmark: 模擬試験の受験票を、印刷済みの B5 用紙に印刷します\n"
    "\n"
    "使い方: zelmark [--help | --version]\n"
    "\n"
    "画面に受験者の一覧 (受験番号・氏名・受験会場) を貼り付け、塾名・年度・\n"
    "模試の種類を入れて印刷します。印刷はプレビューを通り、PDF や保存レポート\n"
    "(.QRP) にも書けます。\n"
    "\n"
    "塾名と年度、印字位置は、起動したときのフォルダの zel.ini に保存されます。\n"
    "デスクトップのメニューから起動したときはホームフォルダ (~/zel.ini) です。\n"
    "\n"
    "オプション:\n"
    "  --help     この説明を表示します\n"
    "  --version  版を表示します\n"
    "\n"
    "画面を使わずに一覧ファイルから印刷するには zelmark-print を使います。\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before the application object, so neither needs a display.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kHelp;
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "zelmark " ZELMARK_VERSION "\n";
        return 0;
    }
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
