// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The language both programs speak. US English is the source and needs nothing loaded; every
// other language is our translation (embedded as :/i18n/kazoola_xx.qm) plus Qt's own for its
// dialogs (qtbase_xx.qm from Qt's translations folder, or ours where Qt ships none). Only the
// chosen language is loaded. Installing one makes Qt send every widget a LanguageChange event,
// on which the windows set their texts again: a new choice takes effect at once.
//
// The choice is the Language key of the settings (Settings.h): empty for the system's
// language, as Qt reads it from LANGUAGE, LC_ALL, LC_MESSAGES and LANG; an administrator may
// set it for a lab and lock it.
#pragma once

#include "Settings.h"

#include <QList>
#include <QString>

class QMenu;
class QWidget;

namespace Language {

struct Entry {
    QString code; // as in the file names: "de", "pt_BR"
    QString name; // in its own language: "Deutsch"
};

// The languages we ship, in the order the menus list them.
const QList<Entry>& shipped();

// The language a choice comes to: the choice when we ship it (or have its translation, as a
// test's pseudo language), else for the empty choice the first of the system's languages we
// ship; empty for English.
QString resolve(const QString& choice);

// Loads the language of a choice, in place of any loaded before. Returns the language now
// spoken (empty for English).
QString install(const QString& choice);
// The language spoken now; empty for English.
QString spoken();

// A help file in the language spoken: "Kaz.HLP" gives "Kaz_de.HLP" beside it when that
// file is there, else the English file.
QString helpFile(const QString& englishPath);

// The Language menu: "System Language", then each language in its own name, the choice
// ticked. A pick is installed at once and kept in the player's settings file; a choice the
// administrator locked is shown, greyed out.
QMenu* createMenu(QWidget* parent, const Settings::Layers& layers, const QString& userFile);

} // namespace Language
