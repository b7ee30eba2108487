// Shared pieces of the reliability tests: starting the game or a helper as a child process that
// can be killed at any moment, the bounded and long forms, and the seeds that replay a run.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

// True when MOSSMEADOW_LONG=1: the long forms (1000 kills, 200k soak frames, ...).
bool LongForm();
// The seed of a randomised test: MOSSMEADOW_SEED when given, else a fresh one. Printed by callers.
uint64_t TestSeed();
// True when this build has the address sanitizer (the soak needs it, the kill tests avoid it).
bool Sanitized();
// True when the file system can be mounted in a private namespace (unshare -rm), unless
// MOSSMEADOW_NO_MOUNT=1 asks for the fault_shim fallback.
bool CanMountPrivately();

// A fresh folder under the temporary folder, unique to this process and `name`.
std::string FreshDir(const std::string& name);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// A child process with stdout and stderr going to files.
struct Child {
    pid_t pid = -1;
    std::string out_path, err_path;
};
// Starts `argv` with `env` added to this process's environment.
Child Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env, const std::string& out_path,
            const std::string& err_path);
// Waits for the child; the raw wait status. Gives up (kills it) after `timeout_ms`: then -1.
int WaitChild(const Child& child, int timeout_ms);
void KillChild(const Child& child);  // kill -9

// A headless game run on the build's data: script, user folder, seed, time step per frame. Returns
// the command line (argv) for Spawn.
std::vector<std::string> GameCommand(const std::string& script_path, const std::string& user_dir, int seed,
                                     const std::string& dt = "1", const std::string& binary = MOSSMEADOW_BINARY);
// Describes a wait status: "exit 1", "signal 11", "timeout".
std::string DescribeStatus(int status);
