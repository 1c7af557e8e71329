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

// Where the header's fields lie; the bytes between them are zeros.
struct THeaderLayout {
    std::size_t FormatMajor; // unsigned 16
    std::size_t FormatMinor; // unsigned 16
    std::size_t PageCount;   // signed 32
    std::size_t Date;        // double: days since 1899-12-30 and the time of day
    std::size_t Compressed;  // byte: 1 when the pages are
};
constexpr THeaderLayout kHeader{
    .FormatMajor = 0, .FormatMinor = 2, .PageCount = 8, .Date = 16, .Compressed = 25};

// A page record from its start: the page number, the offset of the next
// record (this record's end), the page, and after the page the offset of
// this record's start, which is how the chain is walked backwards.
struct TRecordLayout {
    std::int64_t PageNumber; // signed 32
    std::int64_t NextRecord; // signed 32
    std::int64_t Data;
    std::int64_t BackLinkSize; // signed 32, the record's last bytes

    constexpr std::int64_t Overhead() const { return Data + BackLinkSize; }
};
constexpr TRecordLayout kRecord{.PageNumber = 0, .NextRecord = 4, .Data = 8, .BackLinkSize = 4};

// A packed page from the record's data: the length it unpacks to, then
// the packed bits.
struct TPackedLayout {
    std::int64_t Length; // signed 32
    std::int64_t Bits;
};
constexpr TPackedLayout kPacked{.Length = 0, .Bits = 4};

// Offsets in the file are signed 32-bit.
constexpr std::int64_t kLargestOffset = std::numeric_limits<std::int32_t>::max();

void PutUInt16(std::string& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

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
        if (start < kHeaderSize || start + kRecord.Overhead() > m_Size)
            RaiseCorrupt();
        const std::int32_t number = Int32At(start + kRecord.PageNumber);
        if (number < 1 || number > m_PageCount)
            RaiseCorrupt();
        return number;
    }

    // End of the record at `start`: after its page number and before or at
    // the end of the stream, with a back link to `start`.
    std::int64_t RecordEnd(std::int64_t start, std::int64_t minimumData) {
        const std::int64_t end = Int32At(start + kRecord.NextRecord);
        if (end < start + kRecord.Overhead() + minimumData || end > m_Size)
            RaiseCorrupt();
        if (Int32At(end - kRecord.BackLinkSize) != start)
            RaiseCorrupt();
        return end;
    }

    // The length the packed page of the record from `start` to `end`
    // unpacks to. Every byte costs at least one bit, which bounds what a
    // damaged length can make us allocate.
    std::int32_t PackedLength(std::int64_t start, std::int64_t end) {
        const std::int32_t length = Int32At(start + kRecord.Data + kPacked.Length);
        if (length < 0 || length > 8 * PackedSize(start, end))
            RaiseCorrupt();
        return length;
    }

    // Where the back link before `start` leads: an earlier record.
    std::int64_t PreviousRecord(std::int64_t start) {
        const std::int64_t previous = Int32At(start - kRecord.BackLinkSize);
        if (previous < kHeaderSize || previous + kRecord.Overhead() > start)
            RaiseCorrupt();
        return previous;
    }

    std::int64_t LastRecord() {
        if (m_Size < kHeaderSize + kRecord.Overhead())
            RaiseCorrupt();
        return PreviousRecord(m_Size);
    }

    static std::int64_t DataSize(std::int64_t start, std::int64_t end) {
        return end - start - kRecord.Overhead();
    }
    static std::int64_t PackedSize(std::int64_t start, std::int64_t end) {
        return DataSize(start, end) - kPacked.Bits;
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
    PutUInt16(header, kHeader.FormatMajor, kFormatMajor);
    PutUInt16(header, kHeader.FormatMinor, kFormatMinor);
    PutInt32(header, kHeader.PageCount, m_PageCount);
    PutDouble(header, kHeader.Date, m_Clock());
    header[kHeader.Compressed] = m_Compression ? 1 : 0;
    TQRStream& stream = EnsureStream();
    stream.Seek(0);
    stream.Write(header);
}

void TQRPageList::AddPage(std::string_view page) {
    const std::lock_guard lock(m_Lock);
    TQRStream& stream = EnsureStream();
    // The record goes out in one write: page number and next-record offset
    // (filled in below), data, back link.
    std::string record(kRecord.Data, '\0');
    if (m_Compression) {
        if (static_cast<std::int64_t>(page.size()) > kLargestOffset)
            throw EFWriteError(Fmt(msg::kFileWriteError, {stream.FileName()}));
        AppendInt32(record, static_cast<std::int32_t>(page.size()));
        record.reserve(record.size() + page.size() + kRecord.BackLinkSize);
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
        const std::int64_t end =
            start + static_cast<std::int64_t>(record.size()) + kRecord.BackLinkSize;
        if (end > kLargestOffset)
            throw EFWriteError(Fmt(msg::kFileWriteError, {stream.FileName()}));
        PutInt32(record, kRecord.PageNumber, m_PageCount);
        PutInt32(record, kRecord.NextRecord, static_cast<std::int32_t>(end));
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
        const std::int64_t end = reader.RecordEnd(start, m_Compression ? kPacked.Bits : 0);
        const std::int64_t data = start + kRecord.Data;
        std::string page;
        if (!m_Compression) {
            page.resize(static_cast<std::size_t>(TRecordReader::DataSize(start, end)));
            reader.ReadExactly(data, page.data(), page.size());
        } else {
            const std::int32_t length = reader.PackedLength(start, end);
            const auto packedSize = static_cast<std::size_t>(TRecordReader::PackedSize(start, end));
            std::string packed(packedSize, '\0');
            reader.ReadExactly(data + kPacked.Bits, packed.data(), packedSize);
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
    LoadFromStream(TQRStream::CreateFromFile(fileName));
}

void TQRPageList::LoadFromStream(std::shared_ptr<TQRStream> stream) {
    const std::lock_guard lock(m_Lock);
    TRecordReader header(*stream, 0);
    unsigned char bytes[kHeaderSize];
    header.ReadExactly(0, bytes, sizeof bytes);
    if (GetUInt16(bytes + kHeader.FormatMajor) != kFormatMajor ||
        GetUInt16(bytes + kHeader.FormatMinor) != kFormatMinor)
        header.RaiseCorrupt();
    const std::int32_t pageCount = GetInt32(bytes + kHeader.PageCount);
    const bool compression = bytes[kHeader.Compressed] == 1;
    if (pageCount < 0 || pageCount > (header.Size() - kHeaderSize) / kRecord.Overhead())
        header.RaiseCorrupt();

    // The whole chain up front, so a damaged file is refused when it is
    // opened rather than halfway through the preview.
    TRecordReader reader(*stream, pageCount);
    std::int64_t position = kHeaderSize;
    for (int page = 1; page <= pageCount; ++page) {
        if (reader.PageNumberAt(position) != page)
            reader.RaiseCorrupt();
        const std::int64_t end = reader.RecordEnd(position, compression ? kPacked.Bits : 0);
        if (compression)
            reader.PackedLength(position, end);
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
    bool whole = true; // a copy cut short by a failed read is no report
    if (m_Stream)
        whole = m_Stream->SaveToStream(
            [&](std::string_view block) { written = written && writer.Write(block); });
    if (!written || !whole)
        throw EFWriteError(Fmt(msg::kFileWriteError, {fileName}));
    if (!writer.Commit())
        throw EFCreateError(Fmt(msg::kFileCreateError, {fileName}));
}

} // namespace zel
