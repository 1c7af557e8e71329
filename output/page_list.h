#pragma once
// The page store: pages laid into a TQRStream as a chain of records behind a
// 128-byte header, found again by walking the chain from the nearest known
// record. The stream's bytes are the saved-report file itself.
//
// A page is opaque bytes here (a recorded page's serialization); the record
// links give its length. Everything read back is checked against the
// stream's size, so a damaged or hostile file raises "ファイル %s は壊れています"
// instead of looping, crashing or allocating without bound.

#include "output/page_stream.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

class TQRPageList {
public:
    static constexpr std::int64_t kHeaderSize = 128;

    // With a stream of its own, in memory up to the default threshold.
    TQRPageList();
    // Sharing the report printer's stream.
    explicit TQRPageList(std::shared_ptr<TQRStream> stream);
    TQRPageList(const TQRPageList&) = delete;
    TQRPageList& operator=(const TQRPageList&) = delete;

    // Nothing when released; the next page then starts a stream in memory.
    const std::shared_ptr<TQRStream>& Stream() const { return m_Stream; }
    void SetStream(std::shared_ptr<TQRStream> stream);
    // New pages are stored compressed.
    bool Compression() const { return m_Compression; }
    void SetCompression(bool compression) { m_Compression = compression; }
    // Pages stored; a page still being drawn is not one of them.
    int PageCount() const { return m_PageCount; }

    void AddPage(std::string_view page);
    // Nothing for a number outside 1 ... PageCount().
    std::optional<std::string> GetPage(int pageNumber);
    // Rewrites the header with the final page count and the time.
    void Finish();
    void Clear() { m_PageCount = 0; }

    // The file is read in place and its whole record chain checked first;
    // on any failure the store stays as it was. Raises "ファイル %s は開けません"
    // or "ファイル %s は壊れています".
    void LoadFromFile(const std::string& fileName);
    // The same on a stream already open (a file read in place, or bytes in
    // memory); the store takes the stream only when it passes.
    void LoadFromStream(std::shared_ptr<TQRStream> stream);
    // Goes through a temporary file in the target folder, renamed over the
    // old one only when complete. Raises "ファイル %s を作成できません" or
    // "%s に書き込めません".
    void SaveToFile(const std::string& fileName);

    // Links followed by the last GetPage to find its record: none for the
    // record after the last one read, two for the one before it.
    int LastSeekHops() const { return m_LastSeekHops; }
    // The header's time stamp; the local time unless replaced (tests).
    void SetClock(std::function<double()> clock) { m_Clock = std::move(clock); }

private:
    class TRecordReader;

    TQRStream& EnsureStream();
    void WriteHeader();
    std::int64_t SeekToPage(TRecordReader& reader, int pageNumber);

    mutable std::recursive_mutex m_Lock;
    bool m_Compression = false;
    int m_PageCount = 0;
    std::shared_ptr<TQRStream> m_Stream;
    int m_LastSeekHops = 0;
    std::function<double()> m_Clock;
};

} // namespace zel
