// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window: the program's title, version and author, a contact line, and a button
// that starts the platform's system-information tool.
#pragma once

#include "GameServices.h"

#include <QDialog>

class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(const GameServices& services, QWidget* parent = nullptr);

    static inline const QString ContactAddress = QStringLiteral("orvendel@example.org");
    static QString unavailableText();
    // "Version " and the program's major, minor and patch numbers.
    static QString versionText();

private:
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QWidget* Line1; // the etched separator: a grey line over a white one
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

    // Starts the system-information tool, or says that it is unavailable.
    void StartSysInfo();
    void Form_Load();

    GameServices services_;
};
