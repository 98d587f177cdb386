// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScriptedUi.h"

#include <QDialog>
#include <QTest>

char* toString(const UiCall& c) {
    static const char* const kinds[] = {"message", "input", "open file", "save file", "modal"};
    const QString text =
        QStringLiteral("%1 \"%2\" titled \"%3\", %4, %5")
            .arg(QLatin1String(kinds[c.kind]),
                 QString(c.text).replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n")), c.title,
                 c.buttons == MsgButtons::Ok ? QStringLiteral("OK") : QStringLiteral("Yes/No"),
                 c.icon == MsgIcon::Stop ? QStringLiteral("stop icon") : QStringLiteral("no icon"));
    return QTest::toString(text);
}

void ScriptedUi::record(const UiCall& call) {
    calls.append(call);
    if (onCall)
        onCall(call);
}

MsgResult ScriptedUi::messageBox(QWidget*, const QString& text, const QString& title, MsgButtons buttons,
                                 MsgIcon icon) {
    UiCall c;
    c.kind = UiCall::Message;
    c.text = text;
    c.title = title;
    c.buttons = buttons;
    c.icon = icon;
    record(c);
    if (buttons == MsgButtons::Ok) {
        if (!messageAnswers.isEmpty() && messageAnswers.head() == MsgResult::Ok)
            messageAnswers.dequeue();
        return MsgResult::Ok;
    }
    return messageAnswers.isEmpty() ? MsgResult::No : messageAnswers.dequeue();
}

QString ScriptedUi::inputBox(QWidget*, const QString& prompt, const QString& title) {
    UiCall c;
    c.kind = UiCall::Input;
    c.text = prompt;
    c.title = title;
    record(c);
    return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
}

QString ScriptedUi::openFileDialog(QWidget*, const FileDialogOptions& options) {
    UiCall c;
    c.kind = UiCall::OpenFile;
    c.title = options.title;
    c.file = options;
    record(c);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString ScriptedUi::saveFileDialog(QWidget*, const FileDialogOptions& options) {
    UiCall c;
    c.kind = UiCall::SaveFile;
    c.title = options.title;
    c.file = options;
    record(c);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

void ScriptedUi::showModal(QDialog& window) {
    UiCall c;
    c.kind = UiCall::Modal;
    c.text = QString::fromLatin1(window.metaObject()->className());
    c.title = window.windowTitle();
    record(c);
    if (!modalHandlers.isEmpty())
        modalHandlers.dequeue()(window);
}

QList<UiCall> ScriptedUi::messages() const {
    QList<UiCall> out;
    for (const UiCall& c : calls)
        if (c.kind == UiCall::Message)
            out.append(c);
    return out;
}

void ScriptedUi::clear() {
    calls.clear();
}
