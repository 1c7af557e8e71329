// Test main for window code: the application object exists before any test.

#include "app/application.h"
#include "platform/qt/font_faces.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Window tests draw offscreen unless a platform is asked for, also when
    // the build lists the tests.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    zel::app::TApplication application(argc, argv);
    zel::platform::InstallFontFaceSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
