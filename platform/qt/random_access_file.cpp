#include "platform/random_access_file.h"

#include "platform/qt/qstring_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace zel::platform {

struct TRandomAccessFile::Impl {
    explicit Impl(std::unique_ptr<QFile> opened) : file(std::move(opened)) {}
    std::unique_ptr<QFile> file;
};

TRandomAccessFile::TRandomAccessFile(std::unique_ptr<Impl> impl) : m_Impl(std::move(impl)) {}
TRandomAccessFile::~TRandomAccessFile() = default;

std::unique_ptr<TRandomAccessFile> TRandomAccessFile::Open(std::string_view path, TMode mode) {
    auto impl = std::make_unique<Impl>(std::make_unique<QFile>(cp932::ToQString(path)));
    const QIODevice::OpenMode flags =
        mode == TMode::ReadOnly ? QIODevice::ReadOnly : QIODevice::ReadWrite | QIODevice::Truncate;
    if (!impl->file->open(flags))
        return nullptr;
    return std::unique_ptr<TRandomAccessFile>(new TRandomAccessFile(std::move(impl)));
}

std::unique_ptr<TRandomAccessFile> TRandomAccessFile::CreateTemporary(std::string_view prefix,
                                                                      std::string& madeAs) {
    auto file =
        std::make_unique<QTemporaryFile>(QDir::tempPath() + QLatin1Char('/') +
                                         cp932::ToQString(prefix) + QStringLiteral("XXXXXX.tmp"));
    if (!file->open())
        return nullptr;
    madeAs = cp932::FromQString(QDir::toNativeSeparators(file->fileName()));
    // Once the name is gone it may be taken by another file, which closing
    // this one must not delete.
    if (QFile::remove(file->fileName()))
        file->setAutoRemove(false);
    return std::unique_ptr<TRandomAccessFile>(
        new TRandomAccessFile(std::make_unique<Impl>(std::move(file))));
}

std::size_t TRandomAccessFile::Read(void* buffer, std::size_t count) {
    const qint64 got = m_Impl->file->read(static_cast<char*>(buffer), static_cast<qint64>(count));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool TRandomAccessFile::Write(const void* data, std::size_t count) {
    const auto wanted = static_cast<qint64>(count);
    return m_Impl->file->write(static_cast<const char*>(data), wanted) == wanted;
}

bool TRandomAccessFile::Seek(std::int64_t position) {
    return position >= 0 && m_Impl->file->seek(position);
}

std::int64_t TRandomAccessFile::Position() const {
    return m_Impl->file->pos();
}

std::int64_t TRandomAccessFile::Size() const {
    return m_Impl->file->size();
}

} // namespace zel::platform
