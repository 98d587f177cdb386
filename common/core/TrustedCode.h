// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Code is loaded only from where the build put it, and only when no one but root or the
// program's owner could have put it there: a class may share a portable folder with the
// pupils, and whatever one of them drops in it must never run as another.
// Qt Core and POSIX only, so tests drive it without windows.
#pragma once

#include <QString>
#include <sys/types.h>

namespace TrustedCode {
// Why the file at path may not be loaded as code, or empty when it may. It may when it is a
// regular file and it and every folder above it, up to /, belong to root or to owner and
// cannot be written by anyone else (group and other write bits off; an ACL granting write
// shows in the group bits). A sticky folder writable by all (such as /tmp) passes, as its
// entries, which must belong to root or owner themselves, cannot be swapped by others.
// path is taken through its links first; the answer is about the resolved path, which is
// then the one to load.
QString whyNotTrusted(const QString& path, uid_t owner);

// The resolved path whyNotTrusted judged; empty when it cannot be resolved.
QString resolved(const QString& path);

// The owner of the running program's file; root when it cannot be found.
uid_t programOwner();

// Keeps Qt from looking for plugins in the program's folder, which it does by default (its
// own plugin folder and QT_PLUGIN_PATH, the player's own choice, stay). Call it before the
// QApplication is made: its platform plugin is loaded while it is made.
void keepPluginsOutOfProgramFolder();
} // namespace TrustedCode
