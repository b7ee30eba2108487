#include "system.h"

#include <SDL.h>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "graphics.h"

namespace {
FatalHandler fatal_handler = nullptr;
volatile sig_atomic_t quit_signalled = 0;

void OnQuitSignal(int) { quit_signalled = 1; }
}

int MilliSecs() { return static_cast<int>(SDL_GetTicks()); }

void Delay(int ms) {
    if (ms > 0) SDL_Delay(static_cast<Uint32>(ms));
}

FatalHandler SetFatalHandler(FatalHandler handler) {
    const FatalHandler previous = fatal_handler;
    fatal_handler = handler;
    return previous;
}

void Notify(const std::string& text, int serious) {
    std::fprintf(stderr, "%s\n", text.c_str());
    if (serious && fatal_handler) fatal_handler(text);
    if (GraphicsOpen() && !GraphicsHeadless()) {
        SDL_ShowSimpleMessageBox(serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION, "Mossmeadow",
                                 text.c_str(), nullptr);
    }
    if (serious) {
        // A failure must never look like success to whoever started us.
        std::fflush(nullptr);
        std::_Exit(1);
    }
}

bool FileExists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirExists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDir(const std::string& path) {
    if (mkdir(path.c_str(), 0755) == 0) return true;
    return errno == EEXIST && DirExists(path);
}

bool DeleteFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

long long FileSize(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return static_cast<long long>(st.st_size);
}

std::vector<std::string> ReadDir(const std::string& path) {
    std::vector<std::string> names;
    DIR* dir = opendir(path.c_str());
    if (!dir) return names;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (FileExists(path + "/" + name)) names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool ReadFileBytes(const std::string& path, std::string* out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    *out = buffer.str();
    return !in.bad();
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes, bool backup) {
    const std::string temp = path + ".tmp";
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            close(fd);
            std::remove(temp.c_str());
            return false;
        }
        written += static_cast<size_t>(n);
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    if (backup && FileExists(path)) {
        // Keep the previous version: a hard link survives the rename below.
        const std::string bak = path + ".bak";
        std::remove(bak.c_str());
        if (link(path.c_str(), bak.c_str()) != 0) {
            std::string old;
            if (ReadFileBytes(path, &old)) {
                std::ofstream copy(bak, std::ios::binary);
                copy << old;
            }
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

std::string ExecutableDir() {
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (n <= 0) return "";
    std::string path(buffer, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash);
}

std::string FindDataFolder(const std::string& exe_dir) {
    if (!exe_dir.empty()) {
        if (DirExists(exe_dir + "/Data")) return exe_dir;
        const std::string installed = exe_dir + "/../share/mossmeadow";
        if (DirExists(installed + "/Data")) return installed;
    }
    return ".";
}

void CatchQuitSignals() {
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    // The handler is used once: if the shutdown itself hangs, the next Ctrl+C ends the program.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool QuitSignalled() { return quit_signalled != 0; }
