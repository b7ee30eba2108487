// Crash-safe writing of save files.
#pragma once

#include <string>

// Writes `bytes` to `path` so that a crash at any moment leaves either the old or the new file:
// path + ".tmp" is written, flushed and fsynced, the previous file is kept as path + ".bak", then
// the temporary file is renamed over the old one. False on any failure (the old file is untouched).
bool WriteSaveFile(const std::string& path, const std::string& bytes);

// Test hook: when >= 0, WriteSaveFile stops after writing this many bytes of the temporary file and
// fails, as a crash or a full disk would. -1 (the default) writes normally.
extern long long save_fail_after_bytes;
