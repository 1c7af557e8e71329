#include "app/print_tool/tool_files.h"

#include "app/print_tool/interrupt.h"
#include "app/print_tool/tool_failure.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace zel::app {
namespace {

// The folder part of a path, "." when it has none.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Reads `fd` to its end. A signal that interrupts the wait stops the tool;
// any other failure raises `shown` with its cause.
std::string ReadAll(int fd, const std::string& shown, const char* what) {
    std::string bytes;
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got > 0) {
            bytes.append(block, static_cast<std::size_t>(got));
            continue;
        }
        if (got == 0)
            return bytes;
        const int error = errno;
        StopIfInterrupted();
        if (error != EINTR)
            throw EToolFailure(shown + ": " + what + ": " + CauseOf(error));
    }
}

class TFd {
public:
    explicit TFd(int fd) : m_Fd(fd) {}
    ~TFd() {
        if (m_Fd >= 0)
            ::close(m_Fd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return m_Fd; }

private:
    int m_Fd;
};

} // namespace

std::string CauseOf(int error) {
    switch (error) {
    case ENOENT:
        return "そのようなファイルやフォルダはありません";
    case EISDIR:
        return "フォルダです";
    case ENOTDIR:
        return "途中の名前がフォルダではありません";
    case EACCES:
    case EPERM:
        return "アクセスする権限がありません";
    case EROFS:
        return "読み取り専用のファイルシステムです";
    case ENOSPC:
    case EDQUOT:
        return "ディスクがいっぱいです";
    case ELOOP:
        return "シンボリックリンクが循環しています";
    case ENAMETOOLONG:
        return "名前が長すぎます";
    case EIO:
        return "入出力エラーです";
    case EBADF:
        return "閉じています";
    default:
        return "エラー " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 || errno != ENOENT;
}

std::string ReadWholeFile(const std::string& path, const std::string& shown, const char* what,
                          bool regularOnly) {
    const auto refuse = [&](const std::string& cause) {
        throw EToolFailure(shown + ": " + what + ": " + cause);
    };
    int fd = -1;
    // Opening a FIFO waits for its writer: a signal ends that wait too.
    while ((fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC)) < 0) {
        const int error = errno;
        StopIfInterrupted();
        if (error != EINTR)
            refuse(CauseOf(error));
    }
    const TFd file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        refuse(CauseOf(errno));
    if (S_ISDIR(info.st_mode))
        refuse(CauseOf(EISDIR));
    // A pipe or a FIFO is read like a file, unless it must be read twice;
    // a socket or a disk is not.
    if (!S_ISREG(info.st_mode) &&
        (regularOnly || (!S_ISFIFO(info.st_mode) && !S_ISCHR(info.st_mode))))
        refuse("通常のファイルではありません");
    std::string bytes = ReadAll(fd, shown, what);
    if (bytes.empty())
        refuse("空のファイルです");
    return bytes;
}

std::string ReadStandardInput(bool closed) {
    if (closed)
        throw EToolFailure(
            "標準入力が閉じています (一覧をファイル名で渡すか、パイプで送ってください)");
    std::string bytes = ReadAll(STDIN_FILENO, "標準入力", "読めません");
    if (bytes.empty())
        throw EToolFailure(::isatty(STDIN_FILENO) == 1
                               ? "標準入力 (端末) に何も入力されませんでした"
                               : "標準入力が空です (一覧が送られてきませんでした)");
    return bytes;
}

void CheckOutputFile(const std::string& target) {
    const auto refuse = [&target](const std::string& cause) {
        throw EToolFailure(target + " を作成できません: " + cause);
    };
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            refuse("フォルダです");
        if (!S_ISREG(info.st_mode))
            refuse("通常のファイルではありません");
        if (::access(target.c_str(), W_OK) != 0)
            refuse("ファイルに書き込む権限がありません");
    } else if (errno != ENOENT && errno != ENOTDIR) {
        refuse(CauseOf(errno));
    }
    // The file is written beside its name and renamed into place: the
    // folder must take new files.
    const std::string folder = FolderOf(target);
    if (::stat(folder.c_str(), &info) != 0)
        refuse(errno == ENOENT ? "フォルダ " + folder + " がありません" : CauseOf(errno));
    if (!S_ISDIR(info.st_mode))
        refuse(folder + " はフォルダではありません");
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        refuse(errno == EROFS ? CauseOf(EROFS)
                              : "フォルダ " + folder + " に書き込む権限がありません");
}

std::string DiskFullCause(const std::string& folder) {
    struct statvfs info {};
    if (::statvfs(folder.c_str(), &info) == 0 && info.f_bavail == 0)
        return CauseOf(ENOSPC);
    return {};
}

} // namespace zel::app
