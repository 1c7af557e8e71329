#pragma once
// The byte stream under a page store: in memory while it is small, moved to
// a temporary file once it grows past a threshold, so long reports do not
// hold every page in memory. A saved report is read in place through one.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace zel {

namespace platform {
class TRandomAccessFile;
}

class TQRStream {
public:
    // What the report printer passes: pages beyond it go to a file.
    static constexpr std::int32_t kDefaultMemoryThreshold = 100000;
    // Temporary files are made with this prefix in the temporary folder;
    // they lose the name as soon as they are open.
    static constexpr const char* kTempFilePrefix = "QRP";
    // Copies move in blocks of this many bytes.
    static constexpr std::size_t kCopyBlockSize = 10240;

    explicit TQRStream(std::int32_t memoryThreshold = kDefaultMemoryThreshold);
    // An existing file opened read-only, in place; raises the file-open
    // error "ファイル %s は開けません" when it cannot be opened.
    static std::unique_ptr<TQRStream> CreateFromFile(const std::string& fileName);
    // A saved report already in memory; `fileName` names it in error messages.
    static std::unique_ptr<TQRStream> CreateFromBytes(std::string bytes, std::string fileName);
    // Closes the temporary file, if the stream moved to one, which is the
    // end of it: it has no name.
    ~TQRStream();
    TQRStream(const TQRStream&) = delete;
    TQRStream& operator=(const TQRStream&) = delete;

    // Bytes read at the position; fewer at the end.
    std::size_t Read(void* buffer, std::size_t count);
    // Raises "%s に書き込めません" when the file takes fewer bytes (a full disk,
    // a file opened for reading); "ファイル %s を作成できません" when the
    // temporary file cannot be made.
    void Write(const void* buffer, std::size_t count);
    void Write(std::string_view bytes) { Write(bytes.data(), bytes.size()); }
    // Absolute positions only; a negative one is taken as 0.
    void Seek(std::int64_t position);
    std::int64_t Position() const;
    std::int64_t Size() const;

    // Copies the whole stream from its start, block by block, to `sink`;
    // leaves the position at the end. False when the stream gave fewer bytes
    // than it held when the copy began (a read error, a file cut meanwhile).
    [[nodiscard]] bool SaveToStream(const std::function<void(std::string_view block)>& sink);

    bool InMemory() const { return m_InMemory; }
    std::int32_t MemoryThreshold() const { return m_MemoryThreshold; }
    // Empty until the stream moves to a temporary file; then the name that
    // file was made under, which is no longer on disk.
    const std::string& TempFileName() const { return m_TempFileName; }
    // The file behind the stream (a loaded file or the temporary one), for
    // error messages; empty while in memory, unless given with the bytes.
    const std::string& FileName() const { return m_FileName; }

private:
    void MoveToTempFile();
    [[noreturn]] void RaiseWriteError() const;

    mutable std::recursive_mutex m_Lock;
    std::string m_Memory;
    std::int64_t m_MemoryPosition = 0;
    std::string m_TempFileName;
    std::string m_FileName;
    std::unique_ptr<platform::TRandomAccessFile> m_File;
    bool m_InMemory = true;
    std::int32_t m_MemoryThreshold;
};

} // namespace zel
