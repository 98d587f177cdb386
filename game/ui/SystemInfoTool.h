// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding and starting the platform's system-information tool for the About window's
// "System Info..." button. Two look-ups are tried in order: the first names the tool's full
// path and is started as it stands; the second names a folder, and the tool's file in it is
// started only if it exists. The look-ups sit behind SystemInfoTool so that tests can drive
// every path with a fake.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class SystemInfoTool {
public:
    virtual ~SystemInfoTool() = default;
    // The first look-up: the tool's full path (or its command line). False, and `path`
    // empty, when the platform names none.
    virtual bool firstLookup(QString& path) = 0;
    // The second look-up: a folder that should hold the tool. False when none is known.
    virtual bool secondLookup(QString& folder) = 0;
    // The tool's file name, joined to the second look-up's folder.
    virtual QString toolFileName() const = 0;
    virtual bool fileExists(const QString& path) = 0;
    // Starts the tool as a program of its own; false when it could not be started.
    virtual bool start(const QString& path) = 0;
};

// The real look-ups. On Windows: the two registry values of Microsoft's Shared Tools that
// name MSINFO32.EXE. Elsewhere: the program of an installed system-information program's
// desktop entry, then a well-known program folder and a known tool there.
class PlatformSystemInfoTool : public SystemInfoTool {
public:
    bool firstLookup(QString& path) override;
    bool secondLookup(QString& folder) override;
    QString toolFileName() const override;
    bool fileExists(const QString& path) override;
    bool start(const QString& path) override;

private:
    // Arguments a desktop entry gives its program, used when that program is started.
    QString entryProgram_;
    QStringList entryArguments_;
};

namespace SystemInfo {
// Runs the two look-ups in order and starts what they find; false when neither names a
// tool, the second one's file is missing, or the start fails.
bool startTool(SystemInfoTool& tool);

// The second look-up's folder and the tool's file name, joined by one separator as the
// folder is given (a folder that already ends in one gets another: it is not tidied).
QString toolPathIn(const QString& folder, const QString& toolFileName);

// The command of a desktop entry's Exec key in its [Desktop Entry] group, with the
// launcher's field codes (%f, %U, ...) removed and %% made a percent sign; empty when the
// entry has none.
QString execFromDesktopEntry(const QByteArray& entry);
} // namespace SystemInfo
