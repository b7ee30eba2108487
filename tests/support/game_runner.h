// Runs the real game headless for scenario tests: a fresh user folder, an input script, a fixed
// time step and seed; gives back the exit status and lets tests read what the game wrote.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

struct GameRun {
    int exit_status = -1;
    std::string output;    // stdout and stderr together
    std::string user_dir;  // the per-user folder the game used
};

class GameRunner {
public:
    // A fresh, empty user folder under the test temp dir, unique per name.
    explicit GameRunner(const std::string& name);
    // Runs the game with the script text (may be empty) and extra arguments.
    GameRun Run(const std::string& script, const std::vector<std::string>& extra_args = {}, int seed = 1);
    // Starts the game the same way without waiting for it (its output goes to output.txt beside the
    // user folder); Finish waits for it and gives its exit status, or -1 when a signal ended it.
    pid_t Start(const std::string& script, const std::vector<std::string>& extra_args = {}, int seed = 1);
    static int Finish(pid_t pid);
    const std::string& UserDir() const { return user_dir_; }
    std::string ReadUserFile(const std::string& relative) const;
    bool UserFileExists(const std::string& relative) const;
    // True when the game and its generated data are built (scenario tests skip without them).
    static bool DataAvailable();

private:
    std::string Command(const std::string& script, const std::vector<std::string>& extra_args, int seed);
    std::string user_dir_;
    std::string dir_;
};
