#include "shell/vote.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "bus/diag.h"

const char* const VOTE_PAGE = "https://quorvel.org/vote";

bool openPage(const char* opener, const char* address) {
    // Two forks: the middle process exits at once and is reaped here, so
    // the opener is adopted by init and never lingers as a zombie.
    pid_t middle = fork();
    if (middle < 0) {
        logLine("ERR cannot start %s: %s", opener, strerror(errno));
        return false;
    }
    if (middle == 0) {
        if (fork() == 0) {
            execlp(opener, opener, address, (char*)nullptr);
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

bool openVotePage() { return openPage("xdg-open", VOTE_PAGE); }
