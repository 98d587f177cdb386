// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Stands in for a file system (some network shares) that refuses record locks: every lock
// request fails with ENOLCK, every other fcntl() goes through. Linked into a copy of the
// stress test, whose own definition wins over the C library's.
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>

#define REFUSE_RECORD_LOCKS(name)                                                                            \
    extern "C" int name(int fd, int cmd, ...) {                                                              \
        va_list ap;                                                                                          \
        va_start(ap, cmd);                                                                                   \
        void* arg = va_arg(ap, void*);                                                                       \
        va_end(ap);                                                                                          \
        if (cmd == F_SETLK || cmd == F_SETLKW || cmd == F_GETLK || cmd == F_OFD_SETLK ||                     \
            cmd == F_OFD_SETLKW || cmd == F_OFD_GETLK) {                                                     \
            errno = ENOLCK;                                                                                  \
            return -1;                                                                                       \
        }                                                                                                    \
        using Real = int (*)(int, int, ...);                                                                 \
        return reinterpret_cast<Real>(::dlsym(RTLD_NEXT, #name))(fd, cmd, arg);                              \
    }

REFUSE_RECORD_LOCKS(fcntl)
REFUSE_RECORD_LOCKS(fcntl64)
