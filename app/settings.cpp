#include "app/settings.h"

#include "platform/cp932.h"
#include "platform/file_system.h"

namespace zel::app {

const char* const kSectionBasic = "basic";
const char* const kKeyName = "name";
const char* const kKeyYear = "year";
const char* const kSectionMargin = "margin";
const char* const kKeyLeft = "left";
const char* const kKeyTop = "top";
const char* const kKeySpace = "space";
const char* const kKeyHeight = "height";

const std::string& DefaultSchoolName() {
    return cp932::Sys("塾名を入れます");
}

std::string SettingsPath() {
    return platform::CurrentDirectory() + "/zel.ini";
}

TIniFile OpenSettings() {
    return TIniFile(SettingsPath());
}

} // namespace zel::app
