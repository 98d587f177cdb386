// Stands in for a file system (some network shares) that refuses record locks: every lock
// request fails with ENOLCK, every other fcntl() goes through. Linked into a copy of the
// stress test, whose own definition wins over the C library's.
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>

namespace {
int forward(const char* name, int fd, int cmd, void* arg) {
    switch (cmd) {
    case F_SETLK:
    case F_SETLKW:
    case F_GETLK:
    case F_OFD_SETLK:
    case F_OFD_SETLKW:
    case F_OFD_GETLK:
        errno = ENOLCK;
        return -1;
    default:
        break;
    }
    using Real = int (*)(int, int, ...);
    const auto real = reinterpret_cast<Real>(::dlsym(RTLD_NEXT, name));
    return real(fd, cmd, arg);
}
} // namespace

extern "C" int fcntl(int fd, int cmd, ...) {
    va_list ap;
    va_start(ap, cmd);
    void* arg = va_arg(ap, void*);
    va_end(ap);
    return forward("fcntl", fd, cmd, arg);
}

extern "C" int fcntl64(int fd, int cmd, ...) {
    va_list ap;
    va_start(ap, cmd);
    void* arg = va_arg(ap, void*);
    va_end(ap);
    return forward("fcntl64", fd, cmd, arg);
}
