#include "output/page_list.h"

#include "framework/exceptions.h"
#include "framework/format.h"
#include "framework/messages.h"
#include "output/file_date.h"
#include "output/page_compression.h"
#include "platform/file_system.h"

#include <bit>
#include <cstring>
#include <limits>

namespace zel {
namespace {

constexpr std::uint16_t kFormatMajor = 3;
constexpr std::uint16_t kFormatMinor = 305;
constexpr std::size_t kPageCountOffset = 8;
constexpr std::size_t kDateOffset = 16;
constexpr std::size_t kCompressedFlagOffset = 25;
// Page number and next-record offset before the data, back link after it.
constexpr std::int64_t kRecordOverhead = 12;
constexpr std::int64_t kLengthFieldSize = 4;
// Offsets in the file are signed 32-bit.
constexpr std::int64_t kLargestOffset = std::numeric_limits<std::int32_t>::max();

void PutInt32(std::string& bytes, std::size_t at, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void AppendInt32(std::string& bytes, std::int32_t value) {
    bytes.append(4, '\0');
    PutInt32(bytes, bytes.size() - 4, value);
}

std::int32_t GetInt32(const unsigned char* bytes) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
        static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24);
}

std::uint16_t GetUInt16(const unsigned char* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

void PutDouble(std::string& bytes, std::size_t at, double value) {
    static_assert(std::endian::native == std::endian::little, "the file is little-endian");
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

} // namespace

// Reads the record chain of one stream with every offset checked against its
// size; anything out of place is a damaged file.
class TQRPageList::TRecordReader {
public:
    TRecordReader(TQRStream& stream, int pageCount)
        : m_Stream(stream), m_Size(stream.Size()), m_PageCount(pageCount) {}

    std::int64_t Size() const { return m_Size; }

    [[noreturn]] void RaiseCorrupt() const {
        throw EFileError(Fmt(msg::kCorruptFile, {m_Stream.FileName()}));
    }

    void ReadExactly(std::int64_t position, void* buffer, std::size_t count) {
        if (position < 0 || position + static_cast<std::int64_t>(count) > m_Size)
            RaiseCorrupt();
        m_Stream.Seek(position);
        if (m_Stream.Read(buffer, count) != count)
            RaiseCorrupt();
    }

    std::int32_t Int32At(std::int64_t position) {
        unsigned char bytes[4];
        ReadExactly(position, bytes, sizeof bytes);
        return GetInt32(bytes);
    }

    // The page number of the record at `start`, which must lie whole inside
    // the stream behind the header.
    int PageNumberAt(std::int64_t start) {
        if (start < kHeaderSize || start + kRecordOverhead > m_Size)
            RaiseCorrupt();
        const std::int32_t number = Int32At(start);
        if (number < 1 || number > m_PageCount)
            RaiseCorrupt();
        return number;
    }

    // End of the record at `start`: after its page number and before or at
    // the end of the stream, with a back link to `start`.
    std::int64_t RecordEnd(std::int64_t start, std::int64_t minimumData) {
        const std::int64_t end = Int32At(start + 4);
        if (end < start + kRecordOverhead + minimumData || end > m_Size)
            RaiseCorrupt();
        if (Int32At(end - 4) != start)
            RaiseCorrupt();
        return end;
    }

    // Where the back link before `start` leads: an earlier record.
    std::int64_t PreviousRecord(std::int64_t start) {
        const std::int64_t previous = Int32At(start - 4);
        if (previous < kHeaderSize || previous + kRecordOverhead > start)
            RaiseCorrupt();
        return previous;
    }

    std::int64_t LastRecord() {
        if (m_Size < kHeaderSize + kRecordOverhead)
            RaiseCorrupt();
        return PreviousRecord(m_Size);
    }

private:
    TQRStream& m_Stream;
    std::int64_t m_Size;
    int m_PageCount;
};

TQRPageList::TQRPageList() : TQRPageList(std::make_shared<TQRStream>()) {}

TQRPageList::TQRPageList(std::shared_ptr<TQRStream> stream)
    : m_Stream(std::move(stream)), m_Clock(FileDateNow) {}

void TQRPageList::SetStream(std::shared_ptr<TQRStream> stream) {
    const std::lock_guard lock(m_Lock);
    m_Stream = std::move(stream);
}

TQRStream& TQRPageList::EnsureStream() {
    if (!m_Stream)
        m_Stream = std::make_shared<TQRStream>();
    return *m_Stream;
}

void TQRPageList::WriteHeader() {
    std::string header(kHeaderSize, '\0');
    header[0] = static_cast<char>(kFormatMajor & 0xFF);
    header[1] = static_cast<char>(kFormatMajor >> 8);
    header[2] = static_cast<char>(kFormatMinor & 0xFF);
    header[3] = static_cast<char>(kFormatMinor >> 8);
    PutInt32(header, kPageCountOffset, m_PageCount);
    PutDouble(header, kDateOffset, m_Clock());
    header[kCompressedFlagOffset] = m_Compression ? 1 : 0;
    TQRStream& stream = EnsureStream();
    stream.Seek(0);
    stream.Write(header);
}

void TQRPageList::AddPage(std::string_view page) {
    const std::lock_guard lock(m_Lock);
    TQRStream& stream = EnsureStream();
    // The record goes out in one write: page number and next-record offset
    // (filled in below), data, back link.
    std::string record(8, '\0');
    if (m_Compression) {
        if (static_cast<std::int64_t>(page.size()) > kLargestOffset)
            throw EFWriteError(Fmt(msg::kFileWriteError, {stream.FileName()}));
        AppendInt32(record, static_cast<std::int32_t>(page.size()));
        record.reserve(record.size() + page.size() + 4);
        TQRCompress compressor(&record);
        for (const char c : page)
            compressor.Compress(static_cast<std::uint8_t>(c));
    } else {
        record.append(page);
    }

    ++m_PageCount;
    try {
        if (m_PageCount == 1)
            WriteHeader();
        const std::int64_t start = stream.Size();
        const std::int64_t end = start + static_cast<std::int64_t>(record.size()) + 4;
        if (end > kLargestOffset)
            throw EFWriteError(Fmt(msg::kFileWriteError, {stream.FileName()}));
        PutInt32(record, 0, m_PageCount);
        PutInt32(record, 4, static_cast<std::int32_t>(end));
        AppendInt32(record, static_cast<std::int32_t>(start));
        stream.Seek(start);
        stream.Write(record);
    } catch (...) {
        // The page was not stored: it must never be served.
        --m_PageCount;
        throw;
    }
}

std::int64_t TQRPageList::SeekToPage(TRecordReader& reader, int pageNumber) {
    m_LastSeekHops = 0;
    if (pageNumber == 1)
        return kHeaderSize;
    if (pageNumber == m_PageCount) {
        ++m_LastSeekHops;
        return reader.LastRecord();
    }
    // From where the last operation left the stream: a record start or the end.
    std::int64_t position = m_Stream->Position();
    if (position >= reader.Size()) {
        ++m_LastSeekHops;
        position = reader.LastRecord();
    }
    int current = reader.PageNumberAt(position);
    // Each hop moves strictly forward or back, so a damaged chain ends the
    // walk at the stream's edge instead of going round in a loop.
    while (current < pageNumber) {
        position = reader.RecordEnd(position, 0);
        current = reader.PageNumberAt(position);
        ++m_LastSeekHops;
    }
    while (current > pageNumber) {
        position = reader.PreviousRecord(position);
        const int previous = reader.PageNumberAt(position);
        if (previous >= current)
            reader.RaiseCorrupt();
        current = previous;
        ++m_LastSeekHops;
    }
    if (current != pageNumber)
        reader.RaiseCorrupt();
    return position;
}

std::optional<std::string> TQRPageList::GetPage(int pageNumber) {
    const std::lock_guard lock(m_Lock);
    if (pageNumber < 1 || pageNumber > m_PageCount || !m_Stream)
        return std::nullopt;
    TRecordReader reader(*m_Stream, m_PageCount);
    try {
        const std::int64_t start = SeekToPage(reader, pageNumber);
        if (reader.PageNumberAt(start) != pageNumber)
            reader.RaiseCorrupt();
        const std::int64_t end = reader.RecordEnd(start, m_Compression ? kLengthFieldSize : 0);
        const auto dataSize = static_cast<std::size_t>(end - start - kRecordOverhead);
        std::string page;
        if (!m_Compression) {
            page.resize(dataSize);
            reader.ReadExactly(start + 8, page.data(), dataSize);
        } else {
            const std::int32_t length = reader.Int32At(start + 8);
            const std::size_t packedSize = dataSize - kLengthFieldSize;
            // Every byte costs at least one bit, which bounds what a damaged
            // length can make us allocate.
            if (length < 0 || static_cast<std::uint64_t>(length) > 8 * packedSize)
                reader.RaiseCorrupt();
            std::string packed(packedSize, '\0');
            reader.ReadExactly(start + 12, packed.data(), packedSize);
            page.resize(static_cast<std::size_t>(length));
            TQRCompress expander(packed);
            for (char& c : page) {
                const auto byte = expander.Expand();
                if (!byte)
                    reader.RaiseCorrupt();
                c = static_cast<char>(*byte);
            }
            if (expander.InputUsed() != packedSize)
                reader.RaiseCorrupt();
        }
        m_Stream->Seek(end);
        return page;
    } catch (...) {
        // The end of the stream is always a safe place for the next walk.
        m_Stream->Seek(reader.Size());
        throw;
    }
}

void TQRPageList::Finish() {
    const std::lock_guard lock(m_Lock);
    WriteHeader();
}

void TQRPageList::LoadFromFile(const std::string& fileName) {
    const std::lock_guard lock(m_Lock);
    std::shared_ptr<TQRStream> stream = TQRStream::CreateFromFile(fileName);
    TRecordReader header(*stream, 0);
    unsigned char bytes[kHeaderSize];
    header.ReadExactly(0, bytes, sizeof bytes);
    if (GetUInt16(bytes) != kFormatMajor || GetUInt16(bytes + 2) != kFormatMinor)
        header.RaiseCorrupt();
    const std::int32_t pageCount = GetInt32(bytes + kPageCountOffset);
    const bool compression = bytes[kCompressedFlagOffset] == 1;
    if (pageCount < 0 || pageCount > (header.Size() - kHeaderSize) / kRecordOverhead)
        header.RaiseCorrupt();

    // The whole chain up front, so a damaged file is refused when it is
    // opened rather than halfway through the preview.
    TRecordReader reader(*stream, pageCount);
    std::int64_t position = kHeaderSize;
    for (int page = 1; page <= pageCount; ++page) {
        if (reader.PageNumberAt(position) != page)
            reader.RaiseCorrupt();
        const std::int64_t end = reader.RecordEnd(position, compression ? kLengthFieldSize : 0);
        if (compression) {
            const std::int32_t length = reader.Int32At(position + 8);
            const std::int64_t packedSize = end - position - kRecordOverhead - kLengthFieldSize;
            if (length < 0 || length > 8 * packedSize)
                reader.RaiseCorrupt();
        }
        position = end;
    }
    // The last four bytes must lead to the last record.
    if (position != reader.Size())
        reader.RaiseCorrupt();
    stream->Seek(position);

    m_Stream = std::move(stream);
    m_PageCount = pageCount;
    m_Compression = compression;
}

void TQRPageList::SaveToFile(const std::string& fileName) {
    const std::lock_guard lock(m_Lock);
    platform::TSafeFileWriter writer(fileName);
    if (!writer.Open())
        throw EFCreateError(Fmt(msg::kFileCreateError, {fileName}));
    bool written = true;
    if (m_Stream)
        m_Stream->SaveToStream(
            [&](std::string_view block) { written = written && writer.Write(block); });
    if (!written)
        throw EFWriteError(Fmt(msg::kFileWriteError, {fileName}));
    if (!writer.Commit())
        throw EFCreateError(Fmt(msg::kFileCreateError, {fileName}));
}

} // namespace zel
