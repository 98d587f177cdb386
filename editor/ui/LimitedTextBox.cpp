#include "LimitedTextBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <algorithm>

LimitedLineEdit::LimitedLineEdit(int limit, QWidget* parent) : QLineEdit(parent), limit_(limit) {
    setMaxLength(limit_);
    // QLineEdit enforces maxLength on every user edit (typing, paste, drop, input methods).
    // Keeping it at the larger of the limit and the current length lets an over-long text
    // set by the program stand, while the user can only ever shorten it.
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { setMaxLength(std::max<int>(limit_, int(text.size()))); });
}

void LimitedLineEdit::setTextUncut(const QString& text) {
    setMaxLength(std::max<int>(limit_, int(text.size())));
    setText(text);
}

LimitedPlainTextEdit::LimitedPlainTextEdit(int limit, QWidget* parent)
    : QPlainTextEdit(parent), limit_(limit) {
    setTabChangesFocus(true);
}

qsizetype LimitedPlainTextEdit::room() const {
    const qsizetype length = toPlainText().size();
    const qsizetype selected = textCursor().selectedText().size();
    return std::max<qsizetype>(limit_, length) - (length - selected);
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
