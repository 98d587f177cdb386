// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Text boxes with a typing limit. The limit holds against what the user types, pastes or
// drops; text the program puts in (a prompt, a loaded set's values) is never cut. What the
// user puts in fits beside the text that stays: when the box holds more than the limit, the
// user can shorten it but not lengthen it, and a paste over a selected long prompt is cut
// to the limit.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

// Single-line box.
class LimitedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LimitedLineEdit(int limit, QWidget* parent = nullptr);
    int limit() const { return limit_; }
    // Sets the text whole, however long it is.
    void setTextUncut(const QString& text);

private:
    int limit_;
    QString shown_; // the text before the edit under way
};

// Multi-line box; the Enter key puts a line break into the text. Tab moves the focus on.
class LimitedPlainTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LimitedPlainTextEdit(int limit, QWidget* parent = nullptr);
    int limit() const { return limit_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // How many characters may still go in, in place of the current selection.
    qsizetype room() const;

    int limit_;
};
