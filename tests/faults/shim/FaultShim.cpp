// Fails, or kills the process at, the Nth call that writes a file below one folder: what a full
// disk, an input/output error or a crash does to a program in the middle of a write. Preloaded
// with LD_PRELOAD and set from the environment, when the library loads or when the program
// calls tallyrune_fault_arm():
//   TALLYRUNE_FAULT_FOLDER  only calls on files below this folder count (none without it)
//   TALLYRUNE_FAULT_AT      the call that fails, from 1; 0 or none: the calls are only counted
//   TALLYRUNE_FAULT_ERROR   ENOSPC, EIO, or KILL for SIGKILL
//   TALLYRUNE_FAULT_LOG     a file that gets one line per counted call: "<n> <call> <path>"
// Counted: write, pwrite, writev, fsync, fdatasync, close, rename, renameat(2), linkat, and
// open/openat when they create a file.
#include <atomic>
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <unistd.h>

// The real function `name`, found once.
template <class F> void Find(F& real, const char* name) {
    if (!real) real = reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

extern "C" {

static char folder[PATH_MAX];
static long failAt;
static int failError; // 0: SIGKILL
static int logFd = -1;
static std::atomic<long> counted;

static long Number(const char* name) {
    const char* text = getenv(name);
    return text ? strtol(text, NULL, 10) : 0;
}

void tallyrune_fault_arm(void) {
    const char* below = getenv("TALLYRUNE_FAULT_FOLDER");
    snprintf(folder, sizeof folder, "%s", below ? below : "");
    failAt = Number("TALLYRUNE_FAULT_AT");
    const char* error = getenv("TALLYRUNE_FAULT_ERROR");
    failError = !error || strcmp(error, "EIO") != 0 ? ENOSPC : EIO;
    if (error && strcmp(error, "KILL") == 0) failError = 0;
    if (logFd >= 0) syscall(SYS_close, logFd);
    const char* log = getenv("TALLYRUNE_FAULT_LOG");
    logFd = log ? (int)syscall(SYS_openat, AT_FDCWD, log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC,
                               0644)
                : -1;
    counted = 0;
}

__attribute__((constructor)) static void Arm(void) {
    tallyrune_fault_arm();
}

// The path of `name` relative to the folder `at` (AT_FDCWD or an open folder or file).
static void PathOf(int at, const char* name, char* path) {
    char link[64];
    path[0] = '\0';
    if (name && name[0] == '/') {
        snprintf(path, PATH_MAX, "%s", name);
        return;
    }
    if (at == AT_FDCWD)
        snprintf(link, sizeof link, "/proc/self/cwd");
    else
        snprintf(link, sizeof link, "/proc/self/fd/%d", at);
    const ssize_t size = readlink(link, path, PATH_MAX - 1);
    if (size < 0) return;
    path[size] = '\0';
    if (name && name[0]) snprintf(path + size, (size_t)(PATH_MAX - size), "/%s", name);
}

// True when this call is the one to fail (errno is then set); kills the process in KILL mode.
static int Strikes(const char* call, int at, const char* name) {
    if (!folder[0]) return 0;
    char path[PATH_MAX];
    PathOf(at, name, path);
    const size_t length = strlen(folder);
    if (strncmp(path, folder, length) != 0 || path[length] != '/') return 0;
    const long n = ++counted;
    if (logFd >= 0) {
        char line[PATH_MAX + 64];
        const int size = snprintf(line, sizeof line, "%ld %s %s\n", n, call, path);
        syscall(SYS_write, logFd, line, (size_t)size);
    }
    if (n != failAt) return 0;
    if (failError == 0) syscall(SYS_kill, getpid(), SIGKILL);
    errno = failError;
    return 1;
}

#define ON_FD(call, fd) Strikes(call, fd, NULL)

ssize_t write(int fd, const void* data, size_t size) {
    static ssize_t (*real)(int, const void*, size_t);
    Find(real, "write");
    return ON_FD("write", fd) ? -1 : real(fd, data, size);
}

ssize_t pwrite(int fd, const void* data, size_t size, off_t offset) {
    static ssize_t (*real)(int, const void*, size_t, off_t);
    Find(real, "pwrite");
    return ON_FD("pwrite", fd) ? -1 : real(fd, data, size, offset);
}

ssize_t pwrite64(int fd, const void* data, size_t size, off_t offset) {
    static ssize_t (*real)(int, const void*, size_t, off_t);
    Find(real, "pwrite64");
    return ON_FD("pwrite", fd) ? -1 : real(fd, data, size, offset);
}

ssize_t writev(int fd, const struct iovec* parts, int count) {
    static ssize_t (*real)(int, const struct iovec*, int);
    Find(real, "writev");
    return ON_FD("writev", fd) ? -1 : real(fd, parts, count);
}

int fsync(int fd) {
    static int (*real)(int);
    Find(real, "fsync");
    return ON_FD("fsync", fd) ? -1 : real(fd);
}

int fdatasync(int fd) {
    static int (*real)(int);
    Find(real, "fdatasync");
    return ON_FD("fdatasync", fd) ? -1 : real(fd);
}

// A failed close still closes the descriptor, as Linux does.
int close(int fd) {
    static int (*real)(int);
    Find(real, "close");
    if (!ON_FD("close", fd)) return real(fd);
    const int error = errno;
    real(fd);
    errno = error;
    return -1;
}

int renameat2(int fromAt, const char* from, int toAt, const char* to, unsigned flags) {
    static int (*real)(int, const char*, int, const char*, unsigned);
    Find(real, "renameat2");
    return Strikes("rename", toAt, to) ? -1 : real(fromAt, from, toAt, to, flags);
}

int renameat(int fromAt, const char* from, int toAt, const char* to) {
    static int (*real)(int, const char*, int, const char*);
    Find(real, "renameat");
    return Strikes("rename", toAt, to) ? -1 : real(fromAt, from, toAt, to);
}

int rename(const char* from, const char* to) {
    static int (*real)(const char*, const char*);
    Find(real, "rename");
    return Strikes("rename", AT_FDCWD, to) ? -1 : real(from, to);
}

int linkat(int fromAt, const char* from, int toAt, const char* to, int flags) {
    static int (*real)(int, const char*, int, const char*, int);
    Find(real, "linkat");
    return Strikes("link", toAt, to) ? -1 : real(fromAt, from, toAt, to, flags);
}

static int Creates(int flags) {
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE;
}

#define OPEN_AT(name, realName)                                                                    \
    int name(int at, const char* path, int flags, ...) {                                           \
        static int (*real)(int, const char*, int, ...);                                            \
        Find(real, realName);                                                                      \
        va_list rest;                                                                              \
        va_start(rest, flags);                                                                     \
        const mode_t mode = Creates(flags) ? va_arg(rest, mode_t) : 0;                             \
        va_end(rest);                                                                              \
        if (Creates(flags) && Strikes("open", at, path)) return -1;                                \
        return real(at, path, flags, mode);                                                        \
    }
OPEN_AT(openat, "openat")
OPEN_AT(openat64, "openat64")

#define OPEN(name, realName)                                                                       \
    int name(const char* path, int flags, ...) {                                                   \
        static int (*real)(const char*, int, ...);                                                 \
        Find(real, realName);                                                                      \
        va_list rest;                                                                              \
        va_start(rest, flags);                                                                     \
        const mode_t mode = Creates(flags) ? va_arg(rest, mode_t) : 0;                             \
        va_end(rest);                                                                              \
        if (Creates(flags) && Strikes("open", AT_FDCWD, path)) return -1;                          \
        return real(path, flags, mode);                                                            \
    }
OPEN(open, "open")
OPEN(open64, "open64")

} // extern "C"
