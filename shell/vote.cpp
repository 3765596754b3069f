#include "shell/vote.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "bus/diag.h"

const char* const VOTE_PAGE = "https://quorvel.org/vote";

namespace {

// Sends errno up the pipe; only async-signal-safe calls after a fork.
void reportErrno(int fd) {
    int e = errno;
    ssize_t written = write(fd, &e, sizeof e);
    (void)written;
}

}  // namespace

bool openPage(const char* opener, const char* address) {
    // The pipe closes by itself when the opener's exec succeeds; a process
    // that could not be made, or an exec that failed, sends its errno first.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        logLine("ERR cannot start %s: %s", opener, strerror(errno));
        return false;
    }
    // Two forks: the middle process exits at once and is reaped here, so
    // the opener is adopted by init and never lingers as a zombie.
    pid_t middle = fork();
    if (middle < 0) {
        logLine("ERR cannot start %s: %s", opener, strerror(errno));
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (middle == 0) {
        close(report[0]);
        pid_t child = fork();
        if (child == 0) {
            execlp(opener, opener, address, (char*)nullptr);
            reportErrno(report[1]);
            _exit(127);
        }
        if (child < 0) reportErrno(report[1]);
        _exit(0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    // Waits only until the exec has happened, not for the opener to finish.
    int failure = 0;
    ssize_t n;
    while ((n = read(report[0], &failure, sizeof failure)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    if (n == (ssize_t)sizeof failure) {
        logLine("ERR cannot start %s: %s", opener, strerror(failure));
        return false;
    }
    return true;
}

bool openVotePage() { return openPage("xdg-open", VOTE_PAGE); }
