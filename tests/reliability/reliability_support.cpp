#include "reliability_support.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

bool LongForm() {
    const char* value = std::getenv("MOSSMEADOW_LONG");
    return value && std::string(value) == "1";
}

uint64_t TestSeed() {
    if (const char* value = std::getenv("MOSSMEADOW_SEED")) return std::strtoull(value, nullptr, 10);
    return (static_cast<uint64_t>(std::random_device()()) << 32) ^ std::random_device()();
}

bool Sanitized() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

bool CanMountPrivately() {
    // MOSSMEADOW_NO_MOUNT=1 tries the fallback (fault_shim) on a machine that could mount.
    if (const char* no = std::getenv("MOSSMEADOW_NO_MOUNT"); no && std::string(no) == "1") return false;
    static const int can = std::system("unshare -rm sh -c 'mount -t tmpfs -o size=16k tmpfs /tmp' >/dev/null 2>&1") == 0;
    return can != 0;
}

std::string FreshDir(const std::string& name) {
    const std::string dir =
        (std::filesystem::temp_directory_path() / ("mossmeadow_reliability_" + name + "_" + std::to_string(getpid())))
            .string();
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

Child Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env, const std::string& out_path,
            const std::string& err_path) {
    Child child;
    child.out_path = out_path;
    child.err_path = err_path;
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0) _exit(126);
        dup2(out, 1);
        dup2(err, 2);
        for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    child.pid = pid;
    return child;
}

int WaitChild(const Child& child, int timeout_ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(child.pid, &status, WNOHANG);
        if (done == child.pid) return status;
        if (std::chrono::steady_clock::now() > end) {
            KillChild(child);
            waitpid(child.pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void KillChild(const Child& child) {
    if (child.pid > 0) kill(child.pid, SIGKILL);
}

std::vector<std::string> GameCommand(const std::string& script_path, const std::string& user_dir, int seed,
                                     const std::string& dt, const std::string& binary) {
    return {binary,      "--headless", "--fixed-dt", dt,        "--seed",
            std::to_string(seed),     "--user-dir", user_dir,   "--data-dir", MOSSMEADOW_BUILD_DIR,
            "--script",  script_path};
}

std::string DescribeStatus(int status) {
    if (status == -1) return "timeout (killed)";
    if (WIFEXITED(status)) return "exit " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return "signal " + std::to_string(WTERMSIG(status));
    return "status " + std::to_string(status);
}
