// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LimitedTextBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QValidator>
#include <algorithm>

namespace {
// Holds a user's edit of a line box to the limit. The box hands over the text an edit would
// leave; the part that differs from the text before is what was typed, pasted or dropped,
// and only as much of it goes in as the limit leaves room for beside the text that stays.
// A text the program placed may be longer than the limit: the user can shorten it, never
// lengthen it, and typing over a selected long prompt keeps to the limit too.
class LimitValidator : public QValidator {
public:
    LimitValidator(const LimitedLineEdit& box, const QString& before)
        : QValidator(nullptr), box_(box), before_(before) {}
    State validate(QString& text, int& pos) const override {
        if (text.size() <= box_.limit())
            return Acceptable;
        qsizetype head = 0;
        const qsizetype shorter = std::min(text.size(), before_.size());
        while (head < shorter && text[head] == before_[head])
            ++head;
        qsizetype tail = 0;
        while (tail < shorter - head && text[text.size() - 1 - tail] == before_[before_.size() - 1 - tail])
            ++tail;
        const qsizetype inserted = text.size() - head - tail;
        const qsizetype room = std::max<qsizetype>(0, box_.limit() - (head + tail));
        if (inserted > room) {
            text = text.left(head + room) + text.right(tail);
            pos = int(head + room);
        }
        return Acceptable;
    }

private:
    const LimitedLineEdit& box_;
    const QString& before_;
};
} // namespace

LimitedLineEdit::LimitedLineEdit(int limit, QWidget* parent) : QLineEdit(parent), limit_(limit) {
    setMaxLength(32767);
    auto* validator = new LimitValidator(*this, shown_);
    validator->setParent(this);
    setValidator(validator);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
}

void LimitedLineEdit::setTextUncut(const QString& text) {
    // The validator measures an edit against the text before it; a placed text is no edit.
    shown_ = text;
    setText(text);
}

LimitedPlainTextEdit::LimitedPlainTextEdit(int limit, QWidget* parent)
    : QPlainTextEdit(parent), limit_(limit) {
    setTabChangesFocus(true);
}

qsizetype LimitedPlainTextEdit::room() const {
    const qsizetype length = toPlainText().size();
    const qsizetype selected = textCursor().selectedText().size();
    // Room beside the text that stays: a selected over-long prompt gives no extra room.
    return std::max<qsizetype>(0, limit_ - (length - selected));
}

void LimitedPlainTextEdit::keyPressEvent(QKeyEvent* event) {
    qsizetype inserting = 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        inserting = 1; // a line break
    else if (!event->text().isEmpty() && event->text().at(0).isPrint() &&
             !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        inserting = event->text().size();
    if (inserting > 0 && inserting > room()) {
        event->accept(); // full: the key puts nothing in
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedPlainTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText())
        return;
    const qsizetype fits = room();
    if (fits <= 0)
        return;
    QString text = source->text();
    if (text.size() > fits)
        text.truncate(fits);
    QMimeData cut;
    cut.setText(text);
    QPlainTextEdit::insertFromMimeData(&cut);
}

void LimitedPlainTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    const qsizetype fits = room();
    if (event->commitString().size() > fits) {
        QInputMethodEvent cut(event->preeditString(), event->attributes());
        cut.setCommitString(event->commitString().left(std::max<qsizetype>(fits, 0)),
                            event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&cut);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}
