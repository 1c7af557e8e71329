#pragma once
// Files, folders and temporary files. Paths are code page 932 texts, as the
// system keeps them; they become native file names only in here.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zel::platform {

// The process's current directory, without a trailing separator except at
// the root ("/").
std::string CurrentDirectory();
bool SetCurrentDirectory(std::string_view path);

bool FileExists(std::string_view path);
bool DeleteFile(std::string_view path);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(std::string_view path);
// True when both paths name one existing file, whatever links, relative
// parts or hard links lead there.
bool IsSameFile(std::string_view first, std::string_view second);

// The system's temporary folder, ending with a separator.
std::string TempDirectory();

// Replaces a file safely: bytes go to a temporary file in the same folder,
// which is renamed over the target only by Commit(). Until then, and on any
// failure, the old file stays as it was. Destroying an uncommitted writer
// discards what was written.
class TSafeFileWriter {
public:
    explicit TSafeFileWriter(std::string_view path);
    ~TSafeFileWriter();
    TSafeFileWriter(const TSafeFileWriter&) = delete;
    TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;

    bool Open();
    bool Write(const void* data, std::size_t size);
    bool Write(std::string_view bytes) { return Write(bytes.data(), bytes.size()); }
    bool Commit();

private:
    struct Impl;
    std::unique_ptr<Impl> m_Impl;
};

// Open, write everything, commit. A writable file in a folder that takes
// no new files is written in place instead, as nothing else can write it.
bool ReplaceFileContents(std::string_view path, std::string_view bytes);

} // namespace zel::platform
