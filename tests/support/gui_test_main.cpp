// Test main for window code: the application object exists before any test.

#include "app/application.h"
#include "app/error_box.h"
#include "app/message_box.h"
#include "grid/editor/register_column_editor.h"
#include "output/windows/register_report_windows.h"
#include "platform/qt/font_faces.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Window tests draw offscreen unless a platform is asked for, also when
    // the build lists the tests.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    zel::app::TApplication application(argc, argv);
    zel::platform::InstallFontFaceSubstitutions();
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
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
