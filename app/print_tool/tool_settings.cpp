#include "app/print_tool/tool_settings.h"

#include "app/print_tool/tool_failure.h"
#include "app/print_tool/tool_files.h"
#include "app/settings.h"
#include "framework/ini_file.h"
#include "platform/cp932.h"

#include <algorithm>
#include <string_view>

namespace zel::app {
namespace {

// Never in a file this reads: control bytes are refused first.
const std::string kAbsent = "\x01";

// Why `bytes` cannot be a settings file, or empty when it can be one.
std::string NotSettingsCause(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return "UTF-16 で書かれています (Shift-JIS か UTF-8 で保存してください)";
    const auto control = std::find_if(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n';
    });
    if (control != bytes.end())
        return "設定ファイルではありません (文字でないバイトがあります)";
    // At least one "key=value" under a "[section]".
    bool inSection = false;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos)
            continue;
        line.remove_prefix(first);
        if (line.front() == '[')
            inSection = true;
        else if (inSection && line.front() != ';' && line.find('=') != 0 &&
                 line.find('=') != std::string_view::npos)
            return {};
    }
    return "設定ファイルではありません (\"[basic]\" や \"[margin]\" の \"名前=値\" が 1 "
           "つもありません)";
}

std::string Joined(const std::vector<std::string>& keys) {
    std::string text;
    for (const std::string& key : keys)
        text += (text.empty() ? "" : "、") + key;
    return text;
}

} // namespace

TToolSettings ReadToolSettings(const std::string& path) {
    TToolSettings settings;
    const std::string file = path.empty() ? SettingsPath() : cp932::FromUtf8(path);
    const std::string native = path.empty() ? cp932::ToUtf8(file) : path;
    settings.Shown = native;
    // The default file may be absent; a named one must be there.
    if (path.empty() && !PathExists(native))
        return settings;
    const std::string bytes =
        ReadWholeFile(native, settings.Shown, "設定ファイルを読めません", true);
    if (const std::string cause = NotSettingsCause(bytes); !cause.empty())
        throw EToolFailure(settings.Shown + ": " + cause);
    settings.Found = true;

    const TIniFile ini(file);
    for (const char* key : {kKeyLeft, kKeyTop, kKeySpace, kKeyHeight}) {
        const std::string value = ini.ReadString(kSectionMargin, key, kAbsent);
        if (value == kAbsent) {
            settings.MissingOffsets.push_back(key);
            continue;
        }
        // A number reads the same whatever the fallback; anything else does not.
        if (ini.ReadInteger(kSectionMargin, key, 0) != ini.ReadInteger(kSectionMargin, key, 1))
            throw EToolFailure(settings.Shown + ": [" + kSectionMargin + "] " + key + " の値 \"" +
                               cp932::ToUtf8(value) + "\" が数値ではありません");
    }
    settings.Offsets = ReadPrintOffsets(ini);
    if (std::string name = ini.ReadString(kSectionBasic, kKeyName, kAbsent); name != kAbsent)
        settings.SchoolName = std::move(name);
    // An empty year prints an empty box: as good as none.
    if (std::string year = ini.ReadString(kSectionBasic, kKeyYear, ""); !year.empty())
        settings.Year = std::move(year);
    return settings;
}

std::string MissingOffsetsWarning(const TToolSettings& settings) {
    if (!settings.Found)
        return "印字位置は 0 です: " + settings.Shown + " がありません";
    if (settings.MissingOffsets.empty())
        return {};
    if (settings.MissingOffsets.size() == 4)
        return "印字位置は 0 です: " + settings.Shown + " に [" + kSectionMargin + "] がありません";
    return "印字位置 " + Joined(settings.MissingOffsets) + " は 0 です: " + settings.Shown +
           " の [" + kSectionMargin + "] にありません";
}

std::string WhereLooked(const TToolSettings& settings, bool schoolMissing, bool yearMissing) {
    if (!settings.Found)
        return settings.Shown + " がありません";
    std::vector<std::string> keys;
    if (schoolMissing)
        keys.push_back(kKeyName);
    if (yearMissing)
        keys.push_back(kKeyYear);
    return settings.Shown + " の [" + kSectionBasic + "] に " + Joined(keys) + " がありません";
}

} // namespace zel::app
