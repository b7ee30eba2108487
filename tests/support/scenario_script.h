// Pieces of input scripts for the scenario tests, written as a player acts: speech boxes take two
// clicks, saved players are put in place beforehand.
#pragma once

#include <sys/stat.h>

#include <fstream>
#include <string>

#include "game_runner.h"

// Clicks away both splash pictures, then waits `settle` frames for the loading and the title.
inline std::string SkipSplash(int settle) {
    return "wait 10\nclick 20 20\nwait 90\nclick 20 20\nwait " + std::to_string(settle) + "\n";
}

// A click as a player makes it (the script's click rests the pointer on the spot before the press).
inline std::string ClickAt(int x, int y) { return "click " + std::to_string(x) + " " + std::to_string(y) + "\n"; }

// Two clicks per speech box: the first finishes the typing, the second moves on.
inline std::string AdvanceSpeech(int boxes) {
    std::string s;
    for (int i = 0; i < boxes * 2; ++i) s += "click 512 200\nwait 60\n";
    return s;
}

inline std::string PressEscape() { return "key escape down\nwait 5\nkey escape up\n"; }

// A saved player named by the options file, as an earlier run leaves them: `body` holds the save's
// flag and item lines (each ended by CR LF), `time` the play time so far.
inline void SeedSavedPlayer(const GameRunner& runner, const std::string& name, const std::string& location,
                            const std::string& body, float time = 100) {
    mkdir((runner.UserDir() + "/Profiles").c_str(), 0755);
    std::ofstream(runner.UserDir() + "/Profiles/" + name + ".sav", std::ios::binary)
        << "<?xml version=\"1.0\"?>\r\n<profile rev=\"3\" time=\"" << time << "\" percent=\"0\" location=\"" << location
        << "\" image=\"1005\" pitch=\"1.25000000\" name=\"" << name << "\">\r\n"
        << body << "</profile>\r\n";
    std::ofstream(runner.UserDir() + "/Mossmeadow.ini", std::ios::binary)
        << "<?xml version=\"1.0\"?>\r\n<options>\r\n  <profile name=\"" << name << "\"/>\r\n</options>\r\n";
}
