#include "platform/file_system.h"

#include "platform/qt/qstring_text.h"
#include "platform/qt/save_target.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>

namespace zel::platform {
namespace {

QString Native(std::string_view path) {
    return cp932::ToQString(path);
}

} // namespace

std::string CurrentDirectory() {
    return cp932::FromQString(QDir::toNativeSeparators(QDir::currentPath()));
}

bool SetCurrentDirectory(std::string_view path) {
    return QDir::setCurrent(Native(path));
}

bool FileExists(std::string_view path) {
    const QFileInfo info(Native(path));
    return info.exists() && !info.isDir();
}

bool DeleteFile(std::string_view path) {
    return QFile::remove(Native(path));
}

std::optional<std::string> ReadFileBytes(std::string_view path) {
    QFile file(Native(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string TempDirectory() {
    QString dir = QDir::toNativeSeparators(QDir::tempPath());
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    return cp932::FromQString(dir);
}

struct TSafeFileWriter::Impl {
    explicit Impl(const QString& path) : file(path) {}
    QSaveFile file;
    bool failed = false;
};

TSafeFileWriter::TSafeFileWriter(std::string_view path)
    : m_Impl(std::make_unique<Impl>(Native(path))) {}

TSafeFileWriter::~TSafeFileWriter() {
    if (m_Impl->file.isOpen())
        m_Impl->file.cancelWriting();
}

bool IsSameFile(std::string_view first, std::string_view second) {
    std::error_code error; // a path naming nothing is no match, not an error
    return std::filesystem::equivalent(QFile::encodeName(Native(first)).toStdString(),
                                       QFile::encodeName(Native(second)).toStdString(), error);
}

bool IsSaveTarget(const QString& path) {
    const QFileInfo target(path);
    return !target.exists() || target.isFile();
}

bool TSafeFileWriter::Open() {
    if (!IsSaveTarget(m_Impl->file.fileName()))
        return false;
    // Never fall back to writing the target in place: that is what could
    // lose the old contents.
    m_Impl->file.setDirectWriteFallback(false);
    return m_Impl->file.open(QIODevice::WriteOnly);
}

bool TSafeFileWriter::Write(const void* data, std::size_t size) {
    if (m_Impl->failed || !m_Impl->file.isOpen())
        return false;
    const auto wanted = static_cast<qint64>(size);
    if (m_Impl->file.write(static_cast<const char*>(data), wanted) != wanted)
        m_Impl->failed = true;
    return !m_Impl->failed;
}

bool TSafeFileWriter::Commit() {
    if (!m_Impl->file.isOpen())
        return false;
    if (m_Impl->failed) {
        m_Impl->file.cancelWriting();
        m_Impl->file.commit();
        return false;
    }
    return m_Impl->file.commit();
}

namespace {

// The old contents go before the new are in, so this is only for a file
// that cannot be replaced the safe way.
bool WriteInPlace(const QString& path, std::string_view bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const auto wanted = static_cast<qint64>(bytes.size());
    return file.write(bytes.data(), wanted) == wanted && file.flush();
}

} // namespace

bool ReplaceFileContents(std::string_view path, std::string_view bytes) {
    TSafeFileWriter writer(path);
    if (writer.Open())
        return writer.Write(bytes) && writer.Commit();
    // A folder that takes no new file cannot hold the temporary file to
    // rename; a file there that may be written is written in place.
    const QFileInfo info(Native(path));
    if (info.isFile() && info.isWritable() && !QFileInfo(info.absolutePath()).isWritable())
        return WriteInPlace(Native(path), bytes);
    return false;
}

} // namespace zel::platform
