// Opening the vote page in the desktop's browser: xdg-open is run directly
// (fork and exec, no shell) so the address is never parsed by a shell.
#pragma once

extern const char* const VOTE_PAGE;

// Starts the opener on the page without waiting for it to finish; false
// (with an error line) when no process could be started or the opener could
// not be run.
bool openVotePage();
// The same with a chosen opener program and address (tests).
bool openPage(const char* opener, const char* address);
