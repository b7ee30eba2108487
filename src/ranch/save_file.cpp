#include "save_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

long long save_fail_after_bytes = -1;
int save_failed = 0;
const char* const kSaveFailedText = "Your game could not be saved! It will try again later.";

namespace {
int save_notice_pending = 0;

bool Fail(std::string* reason, const std::string& what, int error) {
    if (reason) *reason = what + ": " + std::strerror(error);
    return false;
}
}  // namespace

static bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

static bool CopyFile(const std::string& from, const std::string& to) {
    int in = open(from.c_str(), O_RDONLY);
    if (in < 0) return false;
    int out = open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0) {
        close(in);
        return false;
    }
    bool ok = true;
    char buffer[65536];
    for (;;) {
        ssize_t got = read(in, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) ok = false;
        if (got <= 0) break;
        if (!WriteAll(out, buffer, static_cast<size_t>(got))) {
            ok = false;
            break;
        }
    }
    if (ok && fsync(out) != 0) ok = false;
    close(in);
    if (close(out) != 0) ok = false;
    return ok;
}

static void SyncFolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    if (folder.empty()) folder = "/";
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

bool WriteSaveFile(const std::string& path, const std::string& bytes, std::string* reason) {
    const std::string tmp = path + ".tmp";
    const std::string bak = path + ".bak";

    int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return Fail(reason, "cannot create '" + tmp + "'", errno);
    size_t size = bytes.size();
    bool simulated_failure = save_fail_after_bytes >= 0 && static_cast<size_t>(save_fail_after_bytes) < size;
    if (simulated_failure) size = static_cast<size_t>(save_fail_after_bytes);
    bool ok = WriteAll(fd, bytes.data(), size);
    if (simulated_failure) {
        // Stop as a crash would: the half-written temporary file stays, the save is untouched.
        close(fd);
        return Fail(reason, "writing '" + tmp + "' stopped", EIO);
    }
    int error = ok ? 0 : errno;
    if (ok && fsync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(tmp.c_str());
        return Fail(reason, "cannot write '" + tmp + "'", error);
    }

    // Keep the previous save. A hard link costs nothing; copy where links are not supported.
    struct stat info;
    if (stat(path.c_str(), &info) == 0) {
        unlink(bak.c_str());
        if (link(path.c_str(), bak.c_str()) != 0 && !CopyFile(path, bak)) {
            error = errno;
            unlink(tmp.c_str());
            return Fail(reason, "cannot keep '" + bak + "'", error);
        }
    }
    // rename() replaces the old file atomically: readers see the old or the new save, never a mix.
    if (rename(tmp.c_str(), path.c_str()) != 0) {
        error = errno;
        unlink(tmp.c_str());
        return Fail(reason, "cannot replace '" + path + "'", error);
    }
    SyncFolderOf(path);
    return true;
}

void ReportSaveResult(bool ok, const std::string& path, const std::string& reason) {
    if (ok) {
        save_failed = 0;
        return;
    }
    if (!save_failed) {
        std::fprintf(stderr, "Could not save the game to '%s' (%s).\n", path.c_str(),
                     reason.c_str());
        save_notice_pending = 1;
    }
    save_failed = 1;
}

bool TakeSaveNotice() {
    if (!save_notice_pending) return false;
    save_notice_pending = 0;
    return true;
}

void RemoveStaleSaveTemporaries(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    static const std::string kSuffix = ".sav.tmp";
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() > kSuffix.size() && name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0)
            unlink((folder + "/" + name).c_str());
    }
    closedir(dir);
}
