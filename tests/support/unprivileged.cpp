#include "tests/support/unprivileged.h"

#include <cstdio>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace zel::test {

std::string RunUnprivileged(const std::function<std::string()>& body) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return "pipe failed";
    const pid_t child = fork();
    if (child < 0)
        return "fork failed";
    if (child == 0) {
        close(pipeFds[0]);
        std::string result;
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            result = "cannot become nobody";
        else
            result = body();
        if (write(pipeFds[1], result.data(), result.size()) < 0)
            _exit(2);
        close(pipeFds[1]);
        _exit(0);
    }
    close(pipeFds[1]);
    std::string result;
    char buffer[512];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        result.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "child process failed";
    return result;
}

bool PermissionsAreEnforced() {
    return geteuid() != 0 || RunUnprivileged([] { return std::string(); }).empty();
}

} // namespace zel::test
