// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The test double for the UI layer (the clock's and the random source's are CoreDoubles.h's).
// ScriptedUi answers every box from a script and records every call, so a test can play a
// whole game and check each message word for word.
#pragma once

#include "CoreDoubles.h"
#include "UiLayer.h"

#include <QDate>
#include <QList>
#include <QQueue>
#include <QString>
#include <functional>

struct UiCall {
    enum Kind { Message, Input, OpenFile, SaveFile, Modal };
    Kind kind = Message;
    QString text;  // message text, input prompt; for a modal window its class name
    QString title; // title, or the window's caption
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    FileDialogOptions file; // for the file dialogs

    // A whole message box (or other call) at once, so one QCOMPARE checks every part of it.
    static UiCall message(const QString& text, const QString& title, MsgButtons buttons = MsgButtons::Ok,
                          MsgIcon icon = MsgIcon::None) {
        UiCall c;
        c.text = text;
        c.title = title;
        c.buttons = buttons;
        c.icon = icon;
        return c;
    }
    friend bool operator==(const UiCall& a, const UiCall& b) {
        return a.kind == b.kind && a.text == b.text && a.title == b.title && a.buttons == b.buttons &&
               a.icon == b.icon;
    }
};

// How QCOMPARE prints a call that differs.
char* toString(const UiCall& call);

class ScriptedUi : public UiLayer {
public:
    // Answers, used in order. With none left: a Yes/No box answers No, an input box and a
    // file dialog answer the empty text (Cancel), a modal window just returns.
    QQueue<MsgResult> messageAnswers;
    QQueue<QString> inputAnswers;
    QQueue<QString> fileAnswers;
    QQueue<std::function<void(QDialog&)>> modalHandlers;
    // Called at every call, before it is answered: lets a test look at the state right then.
    std::function<void(const UiCall&)> onCall;

    QList<UiCall> calls;

    MsgResult messageBox(QWidget* parent, const QString& text, const QString& title, MsgButtons buttons,
                         MsgIcon icon) override;
    QString inputBox(QWidget* parent, const QString& prompt, const QString& title) override;
    QString openFileDialog(QWidget* parent, const FileDialogOptions& options) override;
    QString saveFileDialog(QWidget* parent, const FileDialogOptions& options) override;
    void showModal(QDialog& window) override;

    QList<UiCall> messages() const; // only the message boxes
    void clear();

private:
    void record(const UiCall& call);
};
