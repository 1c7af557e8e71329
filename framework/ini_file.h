#pragma once
// A profile (INI) file opened by name. Opening touches nothing; every read
// goes to the file and every write is in the file when it returns.

#include "platform/profile.h"

#include <cstdint>
#include <string>

namespace zel {

class TIniFile {
public:
    explicit TIniFile(std::string fileName) : m_FileName(std::move(fileName)) {}

    const std::string& FileName() const { return m_FileName; }

    // At most 2047 bytes; `fallback` when the file, section or key is absent.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;
    // As ReadString, and whether the text is exactly what the file holds: a
    // text that is not must not be written back as it stands.
    platform::TProfileText ReadText(const std::string& section, const std::string& key,
                                    const std::string& fallback) const;
    // Raises EFWriteError "%s に書き込めません" with the full path on failure.
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) const;
    // The text as an integer ("0x" read as "$"), or `fallback` when it is not one.
    std::int32_t ReadInteger(const std::string& section, const std::string& key,
                             std::int32_t fallback) const;

private:
    std::string m_FileName;
};

} // namespace zel
