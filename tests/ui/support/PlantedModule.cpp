// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What a pupil plants as the audio module: once loaded, it adds its path to $KAZ_PLANTED_MARK.
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

extern "C" __attribute__((visibility("default"))) void* kazoolaOpenSoundDevice(int) { return nullptr; }

__attribute__((constructor)) static void planted() {
    Dl_info self{};
    const char* mark = std::getenv("KAZ_PLANTED_MARK");
    if (FILE* f = mark && dladdr(reinterpret_cast<void*>(&kazoolaOpenSoundDevice), &self) ? std::fopen(mark, "a") : nullptr)
        std::fprintf(f, "%s\n", self.dli_fname), std::fclose(f);
}
