// Progress: one empty file per won level, named by its two-digit number
// ("00" .. "24"), in the progress folder. Only the names count.
#pragma once

enum { PROGRESS_LEVELS = 25 };

// The working folder, then $XDG_DATA_HOME/Quorvel (or ~/.local/share/Quorvel)
// when it can be made and written. Prints "cwd = %s" and "app data at: '%s'",
// and one more line when progress stays in the working folder.
void progress_chooseFolder();
void progress_setFolder(const char* folder);
const char* progress_folder();

// Marks every level whose two-digit file lies in the folder (only regular
// files count); an unreadable folder reads as no level won. Earlier marks
// are kept.
void loadProgress();
// Creates the file of every won level that has none yet; each failure prints
// one error line. Existing files are left as they are, never truncated.
void saveProgress();

bool progress_won(int levelNr);
void progress_markWon(int levelNr);  // ignores numbers outside 0..24
void progress_clear();               // forget every mark (tests)
