#include "app/print_tool/tool_settings.h"

#include "app/print_tool/tool_failure.h"
#include "app/settings.h"
#include "framework/ini_file.h"
#include "platform/cp932.h"
#include "platform/file_system.h"

namespace zel::app {

TToolSettings ReadToolSettings(const std::string& path) {
    const std::string file = path.empty() ? SettingsPath() : cp932::FromUtf8(path);
    const std::string shown = path.empty() ? std::string("zel.ini") : path;
    TToolSettings settings;
    if (platform::FileExists(file) || !path.empty()) {
        if (!platform::ReadFileBytes(file))
            throw EToolFailure(shown + ": 設定ファイルを読めません");
    }
    const TIniFile ini(file);
    for (const char* key : {kKeyLeft, kKeyTop, kKeySpace, kKeyHeight}) {
        // A number reads the same whatever the fallback; anything else does not.
        const std::string value = ini.ReadString(kSectionMargin, key, "");
        if (!value.empty() &&
            ini.ReadInteger(kSectionMargin, key, 0) != ini.ReadInteger(kSectionMargin, key, 1))
            throw EToolFailure(shown + ": [" + kSectionMargin + "] " + key + " の値 \"" +
                               cp932::ToUtf8(value) + "\" が数値ではありません");
    }
    settings.Offsets = ReadPrintOffsets(ini);
    settings.SchoolName = ini.ReadString(kSectionBasic, kKeyName, DefaultSchoolName());
    settings.Year = ini.ReadString(kSectionBasic, kKeyYear, "");
    return settings;
}

} // namespace zel::app
