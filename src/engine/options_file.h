// The per-user options file: the last profile's name, the two volumes and the graphics settings.
// Despite its ".ini" name it is a small XML document, written with CR LF line ends.
#pragma once

#include <string>

// Reads the options file into the settings globals. 0 (and nothing changed) when the file is
// missing or malformed; 0 too when an unknown element stops the reading (values read before it
// stay). 1 otherwise.
int ReadOptions(const std::string& path);
// Writes the settings globals to the options file, replacing it crash-safely. A file that cannot
// be written is a fatal error. Returns 1.
int WriteOptions(const std::string& path);
// The exact bytes WriteOptions writes for the current settings.
std::string OptionsFileText();
// Whether `name` may name a profile file: not empty, not "..", and without "/", "\" or a NUL
// byte, so that "Profiles/<name>.sav" stays inside the profiles folder; and without a quote, which
// the options file and the save could not hold.
bool IsSafeProfileName(const std::string& name);
