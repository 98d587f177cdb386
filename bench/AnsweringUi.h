// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmarks' UI layer: every box answered at once, the open dialog with the bench's own
// set, OK or Yes for the rest, so a bench plays the real window without anyone there.
#pragma once

#include "UiLayer.h"

#include <QString>

class AnsweringUi : public UiLayer {
public:
    QString setPath; // what the open dialog answers
    MsgResult messageBox(QWidget*, const QString&, const QString&, MsgButtons buttons, MsgIcon) override {
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    }
    QString inputBox(QWidget*, const QString&, const QString&) override { return {}; }
    QString openFileDialog(QWidget*, const FileDialogOptions&) override { return setPath; }
    QString saveFileDialog(QWidget*, const FileDialogOptions&) override { return {}; }
    void showModal(QDialog&) override {}
};
