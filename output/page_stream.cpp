#include "output/page_stream.h"

#include "framework/exceptions.h"
#include "framework/format.h"
#include "framework/messages.h"
#include "platform/file_system.h"
#include "platform/random_access_file.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace zel {

using platform::TRandomAccessFile;
using TLock = std::lock_guard<std::recursive_mutex>;

TQRStream::TQRStream(std::int32_t memoryThreshold) : m_MemoryThreshold(memoryThreshold) {}

std::unique_ptr<TQRStream> TQRStream::CreateFromFile(const std::string& fileName) {
    auto file = TRandomAccessFile::Open(fileName, TRandomAccessFile::TMode::ReadOnly);
    if (!file)
        throw EFOpenError(Fmt(msg::kFileOpenError, {fileName}));
    auto stream = std::make_unique<TQRStream>(kDefaultMemoryThreshold);
    stream->m_File = std::move(file);
    stream->m_FileName = fileName;
    stream->m_InMemory = false;
    return stream;
}

std::unique_ptr<TQRStream> TQRStream::CreateFromBytes(std::string bytes, std::string fileName) {
    // Read, not written: a large report must not move to a temporary file.
    const auto threshold = static_cast<std::int32_t>(
        std::min<std::size_t>(std::max<std::size_t>(bytes.size(), kDefaultMemoryThreshold),
                              std::numeric_limits<std::int32_t>::max()));
    auto stream = std::make_unique<TQRStream>(threshold);
    stream->m_Memory = std::move(bytes);
    stream->m_FileName = std::move(fileName);
    return stream;
}

TQRStream::~TQRStream() {
    const TLock lock(m_Lock);
    m_File.reset();
}

std::size_t TQRStream::Read(void* buffer, std::size_t count) {
    const TLock lock(m_Lock);
    if (!m_InMemory)
        return m_File->Read(buffer, count);
    const auto size = static_cast<std::int64_t>(m_Memory.size());
    if (m_MemoryPosition >= size)
        return 0;
    const auto got =
        std::min<std::size_t>(count, static_cast<std::size_t>(size - m_MemoryPosition));
    std::memcpy(buffer, m_Memory.data() + m_MemoryPosition, got);
    m_MemoryPosition += static_cast<std::int64_t>(got);
    return got;
}

void TQRStream::Write(const void* buffer, std::size_t count) {
    const TLock lock(m_Lock);
    if (!m_InMemory) {
        if (!m_File->Write(buffer, count))
            RaiseWriteError();
        return;
    }
    const auto position = static_cast<std::size_t>(m_MemoryPosition);
    if (position + count > m_Memory.size())
        m_Memory.resize(position + count); // a gap left by a seek past the end reads as zeros
    std::memcpy(m_Memory.data() + position, buffer, count);
    m_MemoryPosition += static_cast<std::int64_t>(count);
    if (m_Memory.size() > static_cast<std::size_t>(std::max<std::int32_t>(m_MemoryThreshold, 0)))
        MoveToTempFile();
}

void TQRStream::MoveToTempFile() {
    // The file has no name once it is open, so a process that is killed
    // leaves no page file behind.
    std::string name;
    auto file = TRandomAccessFile::CreateTemporary(kTempFilePrefix, name);
    if (!file)
        throw EFCreateError(
            Fmt(msg::kFileCreateError, {platform::TempDirectory() + kTempFilePrefix}));
    if (!file->Write(m_Memory.data(), m_Memory.size()) || !file->Seek(m_MemoryPosition))
        throw EFCreateError(Fmt(msg::kFileCreateError, {name}));
    m_File = std::move(file);
    m_TempFileName = name;
    m_FileName = name;
    std::string().swap(m_Memory);
    m_MemoryPosition = 0;
    m_InMemory = false;
}

void TQRStream::RaiseWriteError() const {
    throw EFWriteError(Fmt(msg::kFileWriteError, {m_FileName}));
}

void TQRStream::Seek(std::int64_t position) {
    const TLock lock(m_Lock);
    position = std::max<std::int64_t>(position, 0);
    if (m_InMemory)
        m_MemoryPosition = position;
    else
        m_File->Seek(position);
}

std::int64_t TQRStream::Position() const {
    const TLock lock(m_Lock);
    return m_InMemory ? m_MemoryPosition : m_File->Position();
}

std::int64_t TQRStream::Size() const {
    const TLock lock(m_Lock);
    return m_InMemory ? static_cast<std::int64_t>(m_Memory.size()) : m_File->Size();
}

bool TQRStream::SaveToStream(const std::function<void(std::string_view block)>& sink) {
    const TLock lock(m_Lock);
    const std::int64_t size = Size();
    Seek(0);
    std::int64_t copied = 0;
    char block[kCopyBlockSize];
    for (;;) {
        const std::size_t got = Read(block, sizeof block);
        if (got == 0)
            break;
        sink(std::string_view(block, got));
        copied += static_cast<std::int64_t>(got);
    }
    return copied >= size;
}

} // namespace zel
