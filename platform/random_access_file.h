#pragma once
// A file read and written at any position: the page store's spill file and
// a saved report read in place. Paths are code page 932 texts.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zel::platform {

class TRandomAccessFile {
public:
    enum class TMode {
        // An existing file, without keeping other readers or writers out.
        ReadOnly,
        // Created, or emptied when it exists.
        CreateReadWrite,
    };

    // Nothing when the file cannot be opened or created.
    static std::unique_ptr<TRandomAccessFile> Open(std::string_view path, TMode mode);
    // A new, empty file in the temporary folder, made under a name that
    // starts with `prefix` and given up as soon as it is open, so nothing of
    // it is left once the process ends, however it ends (where the system
    // keeps the name of an open file, it goes when the file is closed).
    // `madeAs` receives that name, for messages. Nothing on failure.
    static std::unique_ptr<TRandomAccessFile> CreateTemporary(std::string_view prefix,
                                                              std::string& madeAs);
    ~TRandomAccessFile();
    TRandomAccessFile(const TRandomAccessFile&) = delete;
    TRandomAccessFile& operator=(const TRandomAccessFile&) = delete;

    // Bytes read at the position: fewer at the end of the file, 0 past it
    // or on an error.
    std::size_t Read(void* buffer, std::size_t count);
    // All or nothing reported: false when not every byte was written.
    bool Write(const void* data, std::size_t count);
    // A position past the end is allowed; writing there fills with zeros.
    bool Seek(std::int64_t position);
    std::int64_t Position() const;
    std::int64_t Size() const;

private:
    struct Impl;
    explicit TRandomAccessFile(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_Impl;
};

} // namespace zel::platform
