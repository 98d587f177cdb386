// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The help launcher both programs share: it picks the program's help file by the program's
// title, opens it at its contents or (F1) at the active window's topic, and closes the help
// window when the main window goes.
#pragma once

#include <QString>
#include <QStringView>

class QWidget;
class HelpViewer;

namespace ContextIDs {

// The game's title: it names the game and picks its help file.
inline constexpr QStringView GameTitle = u"KAZ";

// Remembers the main window and chooses the help file: the title GameTitle (case-sensitive)
// gives Kaz.HLP, any other title KazCreate.HLP, in the given program folder. Also starts
// answering F1 anywhere in the program.
void StartHelp(QWidget* owner, const QString& programTitle, const QString& programFolder);
void ShowHelpContents();
void QuitHelp();
// Opens the help file at a topic; F1 does this with the topic of the window (or open menu).
void showHelpTopic(int contextId);

// Gives a window or a menu its help context number.
void setHelpContextId(QWidget* widget, int contextId);
// The number of the widget, or of the nearest window or menu holding it; 0 when none has one.
int helpContextIdOf(const QWidget* widget);

QString helpFile();
QString helpFileFor(const QString& programTitle, const QString& programFolder);
// The viewer window, while one is open (for tests and for the owner to find it).
HelpViewer* viewer();

} // namespace ContextIDs
