// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The modal boxes and dialogs that windows use to talk to the user. Windows call this
// interface instead of Qt directly, so that tests can answer every box from a script and
// check every text word for word.
#pragma once

#include <QString>

class QDialog;
class QWidget;

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Stop };
enum class MsgResult { Ok, Yes, No };

struct FileDialogOptions {
    QString title;
    QString filter;           // "Description|*.ext", one entry
    QString defaultExtension; // added to a typed name without one; may be empty
    QString initialFolder;
};

class UiLayer {
public:
    virtual ~UiLayer() = default;
    // Lines of text are joined by CR LF.
    virtual MsgResult messageBox(QWidget* parent, const QString& text, const QString& title,
                                 MsgButtons buttons, MsgIcon icon) = 0;
    // The entry, or the empty text on Cancel.
    virtual QString inputBox(QWidget* parent, const QString& prompt, const QString& title) = 0;
    // The chosen path, or the empty text on Cancel.
    virtual QString openFileDialog(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual QString saveFileDialog(QWidget* parent, const FileDialogOptions& options) = 0;
    // Shows a window modally and returns when it has been closed.
    virtual void showModal(QDialog& window) = 0;
};

// The real thing: QMessageBox, QInputDialog, QFileDialog and QDialog::exec.
class QtUiLayer : public UiLayer {
public:
    MsgResult messageBox(QWidget* parent, const QString& text, const QString& title, MsgButtons buttons,
                         MsgIcon icon) override;
    QString inputBox(QWidget* parent, const QString& prompt, const QString& title) override;
    QString openFileDialog(QWidget* parent, const FileDialogOptions& options) override;
    QString saveFileDialog(QWidget* parent, const FileDialogOptions& options) override;
    void showModal(QDialog& window) override;
};

namespace UiText {
// "Desc|*.ext" as Qt writes a name filter: "Desc (*.ext)" unless the pattern is already shown.
QString qtNameFilter(const QString& filter);
} // namespace UiText
