#pragma once
// The settings file "zel.ini" in the current directory. The path is formed
// anew at every use, so a change of directory moves later reads and writes.

#include "framework/ini_file.h"

#include <string>

namespace zel::app {

// The current directory plus "/zel.ini", with no separator check: at the
// root this gives "//zel.ini".
std::string SettingsPath();
TIniFile OpenSettings();

// Texts of the section "basic".
extern const char* const kSectionBasic;
extern const char* const kKeyName;
extern const char* const kKeyYear;
// The print offsets of the section "margin".
extern const char* const kSectionMargin;
extern const char* const kKeyLeft;
extern const char* const kKeyTop;
extern const char* const kKeySpace;
extern const char* const kKeyHeight;

// Shown as the school name until one has been stored.
const std::string& DefaultSchoolName();

} // namespace zel::app
