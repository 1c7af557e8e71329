#include "framework/ini_file.h"

#include "framework/exceptions.h"
#include "framework/format.h"
#include "framework/messages.h"
#include "framework/number_text.h"
#include "platform/profile.h"

namespace zel {

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
    return platform::GetProfileString(section, key, fallback, m_FileName);
}

platform::TProfileText TIniFile::ReadText(const std::string& section, const std::string& key,
                                          const std::string& fallback) const {
    return platform::GetProfileText(section, key, fallback, m_FileName);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) const {
    if (!platform::WriteProfileString(section, key, value, m_FileName))
        throw EFWriteError(Fmt(msg::kFileWriteError, {m_FileName}));
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key,
                                   std::int32_t fallback) const {
    return StrToIntDef(ReadString(section, key, ""), fallback);
}

} // namespace zel
