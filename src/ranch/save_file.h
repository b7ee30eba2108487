// Crash-safe writing of save files, and what the game does when a save cannot be written.
#pragma once

#include <string>

// Writes `bytes` to `path` so that a crash at any moment leaves either the old or the new file:
// path + ".tmp" is written, flushed and fsynced, the previous file is kept as path + ".bak", then
// the temporary file is renamed over the old one. False on any failure (the old file is untouched);
// `reason`, when given, then says what went wrong ("No space left on device").
bool WriteSaveFile(const std::string& path, const std::string& bytes, std::string* reason = nullptr);

// Test hook: when >= 0, WriteSaveFile stops after writing this many bytes of the temporary file and
// fails, as a crash or a full disk would. -1 (the default) writes normally.
extern long long save_fail_after_bytes;

// Removes the temporary files ("NAME.sav.tmp") that a save cut short by a crash or a kill leaves
// in `folder`. Saves are written whole before they replace anything, so these hold nothing needed.
void RemoveStaleSaveTemporaries(const std::string& folder);

// A save that cannot be written (a full disk, a write-protected folder) does not end the game: play
// goes on, the next save tries again, and the player is told once for each run of failed saves.
extern int save_failed;  // 1 while the latest save attempt failed
extern const char* const kSaveFailedText;  // what the player is told

// Records the outcome of one save attempt. The first failure of a run prints the path and reason
// to stderr and leaves a notice for the player; a success ends the run.
void ReportSaveResult(bool ok, const std::string& path, const std::string& reason);
// True once for each run of failed saves: the caller shows kSaveFailedText.
bool TakeSaveNotice();
