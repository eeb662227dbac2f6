// Stands between the program and the C library's open calls (Qt opens every
// file through open64), so that a fuzz target notices when a name taken from
// a damaged file makes the player open something outside its game folder,
// or open anything for writing while it only reads.

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace FuzzProject {
bool g_guardActive = false;
char g_guardFolder[4096] = {};
}  // namespace FuzzProject

namespace {

bool startsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

// `path` made absolute (against `dirfd` or the working folder) with its "."
// and ".." parts removed, as the kernel would walk it without symlinks.
bool normalise(int dirfd, const char* path, char* out, size_t outSize)
{
    char joined[8192];
    if (path[0] == '/') {
        std::snprintf(joined, sizeof joined, "%s", path);
    } else {
        char base[4096];
        if (dirfd == AT_FDCWD) {
            if (!getcwd(base, sizeof base))
                return false;
        } else {
            char link[64];
            std::snprintf(link, sizeof link, "/proc/self/fd/%d", dirfd);
            const ssize_t n = readlink(link, base, sizeof base - 1);
            if (n < 0)
                return false;
            base[n] = 0;
        }
        std::snprintf(joined, sizeof joined, "%s/%s", base, path);
    }
    size_t length = 0;
    out[0] = 0;
    char* state = nullptr;
    for (char* part = strtok_r(joined, "/", &state); part; part = strtok_r(nullptr, "/", &state)) {
        if (std::strcmp(part, ".") == 0)
            continue;
        if (std::strcmp(part, "..") == 0) {
            while (length > 0 && out[length - 1] != '/')
                --length;
            if (length > 0)
                --length;
            out[length] = 0;
            continue;
        }
        const size_t partLength = std::strlen(part);
        if (length + partLength + 2 >= outSize)
            return false;
        out[length++] = '/';
        std::memcpy(out + length, part, partLength + 1);
        length += partLength;
    }
    if (length == 0)
        std::snprintf(out, outSize, "/");
    return true;
}

void check(int dirfd, const char* path, int flags)
{
    if (!FuzzProject::g_guardActive || !path)
        return;
    if (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND)) {
        std::fprintf(stderr, "\n==open guard== a reader opened \"%s\" for writing\n", path);
        std::abort();
    }
    char absolute[4096];
    if (!normalise(dirfd, path, absolute, sizeof absolute)) {
        std::fprintf(stderr, "\n==open guard== cannot place \"%s\"\n", path);
        std::abort();
    }
    if (startsWith(absolute, FuzzProject::g_guardFolder))
        return;
    // Qt's own files: plugins, fonts, locale and configuration.
    for (const char* system : {"/usr/", "/etc/", "/proc/", "/sys/", "/dev/null", "/dev/urandom"}) {
        if (startsWith(absolute, system))
            return;
    }
    std::fprintf(stderr, "\n==open guard== \"%s\" lies outside the game folder %s\n", absolute,
                 FuzzProject::g_guardFolder);
    std::abort();
}

template <typename Fn>
Fn next(const char* name)
{
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

mode_t modeOf(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(args, int)) : 0;
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    check(AT_FDCWD, path, flags);
    static auto real = next<int (*)(const char*, int, ...)>("open");
    return real(path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    check(AT_FDCWD, path, flags);
    static auto real = next<int (*)(const char*, int, ...)>("open64");
    return real(path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    check(dirfd, path, flags);
    static auto real = next<int (*)(int, const char*, int, ...)>("openat");
    return real(dirfd, path, flags, mode);
}

int openat64(int dirfd, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    check(dirfd, path, flags);
    static auto real = next<int (*)(int, const char*, int, ...)>("openat64");
    return real(dirfd, path, flags, mode);
}

}  // extern "C"
