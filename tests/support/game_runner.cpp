#include "game_runner.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {
std::string TempRoot() {
    const char* t = std::getenv("TMPDIR");
    return t && *t ? t : "/tmp";
}

std::string Quote(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}
}  // namespace

GameRunner::GameRunner(const std::string& name) {
    // The process id keeps concurrent runs of the suite (other checkouts, ctest -j) apart.
    dir_ = TempRoot() + "/mossmeadow_scenario_" + name + "_" + std::to_string(getpid());
    std::system(("rm -rf " + Quote(dir_) + " && mkdir -p " + Quote(dir_ + "/user")).c_str());
    user_dir_ = dir_ + "/user";
}

std::string GameRunner::Command(const std::string& script, const std::vector<std::string>& extra_args, int seed) {
    const std::string script_path = dir_ + "/script.txt";
    {
        std::ofstream out(script_path, std::ios::binary);
        out << script;
    }
    std::string cmd = Quote(MOSSMEADOW_BINARY) + " --headless --fixed-dt 1 --seed " + std::to_string(seed) +
                      " --user-dir " + Quote(user_dir_) + " --data-dir " + Quote(MOSSMEADOW_BUILD_DIR);
    if (!script.empty()) cmd += " --script " + Quote(script_path);
    for (const std::string& arg : extra_args) cmd += " " + Quote(arg);
    return cmd;
}

GameRun GameRunner::Run(const std::string& script, const std::vector<std::string>& extra_args, int seed) {
    GameRun run;
    run.user_dir = user_dir_;
    const std::string cmd = Command(script, extra_args, seed) + " 2>&1";
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.output.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

pid_t GameRunner::Start(const std::string& script, const std::vector<std::string>& extra_args, int seed) {
    // "exec" makes the game the child itself, so signals sent to the pid reach it.
    const std::string cmd = "exec " + Command(script, extra_args, seed) + " >" + Quote(dir_ + "/output.txt") + " 2>&1";
    const pid_t pid = fork();
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

int GameRunner::Finish(pid_t pid) {
    int status = 0;
    if (pid <= 0 || waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string GameRunner::ReadUserFile(const std::string& relative) const {
    std::ifstream in(user_dir_ + "/" + relative, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool GameRunner::UserFileExists(const std::string& relative) const {
    struct stat st;
    return stat((user_dir_ + "/" + relative).c_str(), &st) == 0;
}

bool GameRunner::DataAvailable() {
    struct stat st;
    return stat((std::string(MOSSMEADOW_BUILD_DIR) + "/Data/common.xml").c_str(), &st) == 0 &&
           stat(MOSSMEADOW_BINARY, &st) == 0;
}
