// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a program finds its files, in the portable folder (everything beside the program) and
// in an installed layout (programs in bin/ or games/, help and sets in share/kazoola/, the
// high-score table always in the player's data folder).
// Qt Core only; the player's own folders are Qt's, and the rest is worked out from what the
// caller passes in.
#pragma once

#include <QString>

namespace InstallFolders {
// The folder of the help file and the sample sets, ending in a separator: the program folder
// when helpFile lies there, else ../share/kazoola/ beside it when helpFile lies there, else
// the program folder (the help launcher then reports the missing file as before).
QString dataFolder(const QString& programFolder, const QString& helpFile);

// The player's own folders for data and for settings, as Qt finds them under the XDG base
// directory rules (QStandardPaths' generic data and config locations), without a separator
// at the end. A relative value of the variable that names one is ignored, as the rules say.
QString userDataFolder();
QString userConfigFolder();

// The folder of hs.lst, ending in a separator: the program folder when it is a portable one
// (helpFile lies beside the program) and the player may write there, or may write the hs.lst
// already there (a class's table in a program folder that only the teacher may change), else
// kazoola/ in the player's data folder. An installed program so never writes into its own
// folder, not even for root, and nothing is left there after removal. The folder may not
// exist yet; it is made when the table is first written.
QString highScoreFolder(const QString& programFolder, const QString& helpFile, const QString& dataFolder);

// The same, in userDataFolder().
QString highScoreFolder(const QString& programFolder, const QString& helpFile);

// True when the running user may create files in folder. Root may write anywhere, so for
// a folder of its own the owner's write bit decides: a read-only install stays untouched.
bool isWritableFolder(const QString& folder);

// True when file is a regular file (links followed) that the running user may write.
bool isWritableFile(const QString& file);
} // namespace InstallFolders
