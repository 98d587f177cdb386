// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What a pupil plants in place of the audio module: once loaded, it writes its own path to
// the file that KAZ_PLANTED_MARK names, so a test sees which copy ran, if any.
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

extern "C" __attribute__((visibility("default"))) void* kazoolaOpenSoundDevice(int) { return nullptr; }

__attribute__((constructor)) static void planted() {
    Dl_info self{};
    const char* mark = std::getenv("KAZ_PLANTED_MARK");
    if (FILE* f = mark && dladdr(reinterpret_cast<void*>(&kazoolaOpenSoundDevice), &self) ? std::fopen(mark, "a") : nullptr) {
        std::fprintf(f, "%s\n", self.dli_fname);
        std::fclose(f);
    }
}
