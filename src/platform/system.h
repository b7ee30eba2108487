// Operating-system services: the clock, sleeping, the fatal-error box, files and folders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

int MilliSecs();
void Delay(int ms);

// Shows a message box (when a display exists) and prints the text to stderr. A serious message
// ends the program at once with exit status 1, without saving.
void Notify(const std::string& text, int serious);
// Tests and the data checker replace the fatal exit with their own handler (which must not return,
// e.g. by throwing). Returns the handler it replaces.
using FatalHandler = void (*)(const std::string& text);
FatalHandler SetFatalHandler(FatalHandler handler);

bool FileExists(const std::string& path);  // a regular file
bool DirExists(const std::string& path);
bool CreateDir(const std::string& path);   // this folder only; true when it exists afterwards
bool DeleteFile(const std::string& path);
long long FileSize(const std::string& path);  // -1 when missing
// File names (not paths) in a folder, sorted by name; folders and "." entries are left out.
std::vector<std::string> ReadDir(const std::string& path);
bool ReadFileBytes(const std::string& path, std::string* out);
// Writes a file so that a crash never leaves it half written: temporary file, fsync, rename. When
// `backup` is true the previous file is kept as path + ".bak".
bool WriteFileAtomic(const std::string& path, const std::string& bytes, bool backup = false);
// The folder that holds the running executable, or "" when unknown.
std::string ExecutableDir();
// The folder holding the game's Data/: beside the executable (the build folder, an unpacked
// archive), else the installed share/mossmeadow beside its bin/, else the working directory ".".
std::string FindDataFolder(const std::string& exe_dir);

// SIGINT and SIGTERM (Ctrl+C, a desktop logging out) ask the game to end as the window's close
// button does, so the profile and options are saved. A second signal ends the program at once.
void CatchQuitSignals();
// True once a quit signal has arrived.
bool QuitSignalled();
