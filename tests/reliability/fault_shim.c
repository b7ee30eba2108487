/* Preloaded into the game or the save driver by the reliability tests (LD_PRELOAD) to make the
 * file system misbehave on demand, where mounting a full or read-only file system is impossible:
 *   MM_FSYNC_DELAY_US=N  every fsync sleeps a random 0..N microseconds, widening the window in
 *                        which a kill lands in the middle of a save;
 *   MM_FAULT_DIR=DIR     files under DIR misbehave as MM_FAULT says:
 *   MM_FAULT=enospc      writes fail with "No space left on device";
 *   MM_FAULT=erofs       opening for writing, linking, renaming and removing fail with
 *                        "Read-only file system";
 *   MM_FAULT_WHILE=FILE  the fault holds only while FILE exists (a test lifts it by removing FILE).
 * Everything else passes through to the C library. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#define MAX_FDS 1024
static char faulty_fd[MAX_FDS];

static const char* FaultDir(void) {
    const char* dir = getenv("MM_FAULT_DIR");
    return dir && *dir ? dir : NULL;
}

static int FaultIs(const char* kind) {
    const char* fault = getenv("MM_FAULT");
    if (!fault || strcmp(fault, kind) != 0) return 0;
    const char* switch_file = getenv("MM_FAULT_WHILE");
    return !switch_file || !*switch_file || access(switch_file, F_OK) == 0;
}

static int UnderFaultDir(const char* path) {
    const char* dir = FaultDir();
    if (!dir || !path) return 0;
    char absolute[PATH_MAX];
    if (path[0] != '/') {
        if (!getcwd(absolute, sizeof absolute)) return 0;
        strncat(absolute, "/", sizeof absolute - strlen(absolute) - 1);
        strncat(absolute, path, sizeof absolute - strlen(absolute) - 1);
        path = absolute;
    }
    return strncmp(path, dir, strlen(dir)) == 0;
}

static int Writing(int flags) { return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0; }

static int Track(int fd, const char* path, int flags) {
    if (fd >= 0 && fd < MAX_FDS) faulty_fd[fd] = (char)(Writing(flags) && UnderFaultDir(path));
    return fd;
}

static int RefuseOpen(const char* path, int flags) {
    if (FaultIs("erofs") && Writing(flags) && UnderFaultDir(path)) {
        errno = EROFS;
        return 1;
    }
    return 0;
}

typedef int (*OpenFn)(const char*, int, ...);
typedef int (*OpenAtFn)(int, const char*, int, ...);

static int OpenWith(const char* name, const char* path, int flags, mode_t mode) {
    if (RefuseOpen(path, flags)) return -1;
    OpenFn real = (OpenFn)dlsym(RTLD_NEXT, name);
    return Track(real(path, flags, mode), path, flags);
}

int open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    mode_t mode = (flags & O_CREAT) ? va_arg(args, mode_t) : 0;
    va_end(args);
    return OpenWith("open", path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    mode_t mode = (flags & O_CREAT) ? va_arg(args, mode_t) : 0;
    va_end(args);
    return OpenWith("open64", path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    mode_t mode = (flags & O_CREAT) ? va_arg(args, mode_t) : 0;
    va_end(args);
    if (RefuseOpen(path, flags)) return -1;
    OpenAtFn real = (OpenAtFn)dlsym(RTLD_NEXT, "openat");
    return Track(real(dirfd, path, flags, mode), path, flags);
}

ssize_t write(int fd, const void* data, size_t size) {
    if (FaultIs("enospc") && fd >= 0 && fd < MAX_FDS && faulty_fd[fd] && size > 0) {
        errno = ENOSPC;
        return -1;
    }
    ssize_t (*real)(int, const void*, size_t) = (ssize_t(*)(int, const void*, size_t))dlsym(RTLD_NEXT, "write");
    return real(fd, data, size);
}

int close(int fd) {
    if (fd >= 0 && fd < MAX_FDS) faulty_fd[fd] = 0;
    int (*real)(int) = (int (*)(int))dlsym(RTLD_NEXT, "close");
    return real(fd);
}

static int RefuseChange(const char* path) {
    if (FaultIs("erofs") && UnderFaultDir(path)) {
        errno = EROFS;
        return 1;
    }
    return 0;
}

int rename(const char* from, const char* to) {
    if (RefuseChange(from) || RefuseChange(to)) return -1;
    int (*real)(const char*, const char*) = (int (*)(const char*, const char*))dlsym(RTLD_NEXT, "rename");
    return real(from, to);
}

int link(const char* from, const char* to) {
    if (RefuseChange(to)) return -1;
    int (*real)(const char*, const char*) = (int (*)(const char*, const char*))dlsym(RTLD_NEXT, "link");
    return real(from, to);
}

int unlink(const char* path) {
    if (RefuseChange(path)) return -1;
    int (*real)(const char*) = (int (*)(const char*))dlsym(RTLD_NEXT, "unlink");
    return real(path);
}

int mkdir(const char* path, mode_t mode) {
    if (RefuseChange(path)) return -1;
    int (*real)(const char*, mode_t) = (int (*)(const char*, mode_t))dlsym(RTLD_NEXT, "mkdir");
    return real(path, mode);
}

int fsync(int fd) {
    const char* delay = getenv("MM_FSYNC_DELAY_US");
    if (delay && *delay) {
        static unsigned int seed;
        if (!seed) seed = (unsigned int)getpid() ^ (unsigned int)time(NULL);
        const long most = atol(delay);
        if (most > 0) usleep((useconds_t)(rand_r(&seed) % most));
    }
    int (*real)(int) = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    return real(fd);
}
