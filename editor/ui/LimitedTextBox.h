// Text boxes with a typing limit. The limit holds against what the user types, pastes or
// drops; text the program puts in (a prompt, a loaded set's values) is never cut. When the
// box already holds more than the limit, the user can shorten it but not lengthen it.
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
