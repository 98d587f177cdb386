// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Settings in two layers: the administrator's kazoola.conf in the system's configuration
// folders ($XDG_CONFIG_DIRS, by default /etc/xdg/kazoola/kazoola.conf), set once for a whole
// lab, and the player's own KAZ.conf over it, except for the keys the system file names in
// Locked. Both are INI files whose [General] keys are all we read:
//
//     HighScoreFolder=/srv/class/kazoola   the class's hs.lst (absolute)
//     SetsFolder=/srv/class/sets           where the file dialogs start (absolute)
//     Zoom=150  FullScreen=false  Sound=false
//     Locked=Sound,Zoom
//
// A file that cannot be read or is not INI counts as empty, and one line says why; so does a
// key with a value that is not one, which alone is left out. Settings are a comfort: nothing
// here ever stops a program. Qt Core only; read through the file layer.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace Settings {

inline const QString HighScoreFolderKey = QStringLiteral("HighScoreFolder");
inline const QString SetsFolderKey = QStringLiteral("SetsFolder");
inline const QString ZoomKey = QStringLiteral("Zoom");
inline const QString FullScreenKey = QStringLiteral("FullScreen");
inline const QString SoundKey = QStringLiteral("Sound");
inline const QString LanguageKey = QStringLiteral("Language");
inline const QString LockedKey = QStringLiteral("Locked");

// The [General] keys of one file, in the order they stand.
struct Keys {
    QList<std::pair<QString, QString>> entries;
    bool has(const QString& key) const;
    QString value(const QString& key) const;
    void set(const QString& key, const QString& value);
    void remove(const QString& key);
};

// The keys of an INI text, or the first line that is not INI ("line 3: ...").
struct Parsed {
    Keys keys;
    QString problem;
};
Parsed parse(const QByteArray& text);
// The keys as an INI text that parse() and QSettings read back.
QByteArray write(const Keys& keys);

// A file's keys; a missing file is empty without a word, any other failure gives the reason.
struct Read {
    Keys keys;
    QString problem;
    bool missing = false;
};
Read readFile(const QString& path);

// The player's own file: kazoola/KAZ.conf in their settings folder.
QString userFilePath();
// Sets keys of the player's file (an empty value removes its key), keeping the others. A file
// that cannot be read is never written over; the write goes through the file layer, so the
// old file stays whole on any failure. True when it was kept.
bool saveUserKeys(const QString& path, const QList<std::pair<QString, QString>>& values);
inline bool saveUserKey(const QString& path, const QString& key, const QString& value) {
    return saveUserKeys(path, {{key, value}});
}

// The system's configuration folders, the player's own left out, most important first.
QStringList systemFolders();
// The system file: the first kazoola/kazoola.conf found in those folders, or its place in the
// first one when there is none.
QString systemFilePath(const QStringList& folders = systemFolders());

// The two layers at once.
class Layers {
public:
    Layers() = default;
    Layers(Keys system, Keys user);

    // The player's value of key unless the system locks it, else the system's; empty when
    // neither gives one.
    QString value(const QString& key) const;
    bool isLocked(const QString& key) const;
    // The value the player has when their own file leaves the key out.
    QString defaultValue(const QString& key) const { return system_.value(key); }
    // A folder key's value when it is an absolute path, else empty.
    QString folder(const QString& key) const;

private:
    Keys system_;
    Keys user_;
    QStringList locked_;
};

// Where the file dialogs for game sets start, ending in a separator: SetsFolder, else the
// sets/ folder of the program's data folder (beside the program, or share/kazoola/).
QString setsFolder(const Layers& layers, const QString& dataFolder);

// Both layers as the programs read them: the system file and the player's file at userPath.
// What is wrong with the system file (it is damaged, a value is not one of its key's) is in
// problems, one line each naming the file; the player's file is read as quietly as ever.
struct Loaded {
    Layers layers;
    QStringList problems;
};
Loaded load(const QString& systemPath, const QString& userPath);

} // namespace Settings
