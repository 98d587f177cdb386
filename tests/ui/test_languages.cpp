// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Both programs in other languages. Under a pseudo language that wraps every source text as
// ⟦…⟧, each window, menu and message shows no text that is not wrapped (a text the
// translators never get shows bare); in every language we ship each text fits its control at
// 100 %; and samples of each language come out translated, Qt's own buttons included.
#include "ContextIDs.h"
#include "EditorServices.h"
#include "FittingLabel.h"
#include "FontFit.h"
#include "Form1.h"
#include "KazCreateMod.h"
#include "Language.h"
#include "frmCreate.h"
#include "test_game_support.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableView>
#include <QtTest>

namespace {

// Every text a person can see or hear in a window, with where it stands.
QList<std::pair<QString, QString>> textsOf(QWidget& window) {
    QList<std::pair<QString, QString>> texts;
    auto add = [&](const QObject* o, const char* what, const QString& text) {
        if (!text.isEmpty())
            texts.append({o->objectName() + u'.' + QLatin1String(what), text});
    };
    std::function<void(QMenu*)> menu = [&](QMenu* m) {
        add(m, "title", m->title());
        for (QAction* a : m->actions()) {
            add(a, "text", a->text());
            add(a, "toolTip", a->toolTip() == QString(a->text()).remove(u'&') ? QString() : a->toolTip());
            if (a->menu())
                menu(a->menu());
        }
    };
    add(&window, "windowTitle", window.windowTitle());
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* w : widgets) {
        if (auto* label = qobject_cast<QLabel*>(w))
            add(w, "text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, "text", button->text());
        if (auto* line = qobject_cast<QLineEdit*>(w))
            add(w, "text", line->text());
        if (auto* box = qobject_cast<QPlainTextEdit*>(w))
            add(w, "text", box->toPlainText());
        if (auto* table = qobject_cast<QTableView*>(w); table && table->model())
            for (int c = 0; c < table->model()->columnCount(); ++c)
                add(w, "header", table->model()->headerData(c, Qt::Horizontal).toString());
        if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (QAction* a : bar->actions())
                if (a->menu())
                    menu(a->menu());
        add(w, "accessibleName", w->accessibleName());
        add(w, "accessibleDescription", w->accessibleDescription());
        add(w, "toolTip", w->toolTip());
    }
    return texts;
}

// Data and names, which no language changes: the test set's own words, a set's words in upper
// case (board, clue), letters, numbers, dates, key names, and the programs' and languages' names.
bool isData(const QString& text) {
    static const QRegularExpression data(QStringLiteral(
        "^[-A-Z0-9 .,:%/()]*$|^(Kazoola|KAZ|KazCreate|Ann Author|Animals|Animals to guess)$|"
        "^\\d+ \\w+ \\d{4}$|^(Ctrl|Strg|Alt|Shift)\\+"));
    for (const Language::Entry& e : Language::shipped())
        if (text == e.name)
            return true;
    return data.match(text).hasMatch();
}

QStringList bareTexts(QWidget& window) {
    QStringList bare;
    for (const auto& [where, text] : textsOf(window))
        if (!text.contains(QChar(0x27E6)) && !isData(text))
            bare << where + QStringLiteral(": ") + text;
    return bare;
}

// Texts wider (or, wrapped, taller) than their control.
QStringList overflowing(QWidget& window) {
    QStringList over;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty() && label->pixmap().isNull()) {
            // A label that fits itself paints in the font it chose.
            const auto* fitting = qobject_cast<FittingLabel*>(label);
            if (!FontFit::textFits(label, fitting ? fitting->fittedFont() : label->font()))
                over << label->objectName() + QStringLiteral(": ") + label->text();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty())
            if (!FontFit::textFits(button, button->font()))
                over << button->objectName() + QStringLiteral(": ") + button->text();
    }
    return over;
}

struct EditorTable {
    QTemporaryDir dir;
    ScriptedUi ui;
    FixedClock clock;
    frmCreate form{EditorServices{ui, clock, dir.path()}};
};

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

    // Every window of both programs, each checked by check while it is open.
    void eachWindow(const std::function<void(QWidget&)>& check) {
        GameTable t;
        t.form->show();
        t.load(t.writeSet(QStringLiteral("a.kazset"), threeAnimals()));
        t.newGame();
        t.spin(QStringLiteral("100 Points"));
        t.guess('B');
        check(*t.form);
        for (const char* side : {"mnuSetInfo", "mnuHigh", "mnuAbout"}) {
            t.ui.modalHandlers.enqueue([&](QDialog& d) { check(d); });
            find<QAction>(*t.form, side)->trigger();
        }
        EditorTable e;
        e.form.show();
        check(e.form);
        e.ui.modalHandlers.enqueue([&](QDialog& d) { check(d); });
        find<QPushButton>(e.form, "Command3")->click(); // Add Clue To Puzzle Set
        ContextIDs::QuitHelp();
    }

private slots:
    void cleanup() { Language::install(QStringLiteral("en")); }

    void pseudoLanguageWrapsEveryText() {
        QCOMPARE(Language::install(QStringLiteral("pseudo")), QStringLiteral("pseudo"));
        QStringList bare;
        eachWindow([&](QWidget& w) { bare << bareTexts(w); });
        QVERIFY2(bare.isEmpty(), qPrintable(bare.join(u'\n')));

        // Every message of a game: the quit question, a refusal, a wrong answer.
        GameTable t;
        t.load(t.writeSet(QStringLiteral("a.kazset"), threeAnimals()));
        t.newGame();
        t.guess('B');
        t.answers({QStringLiteral("Big Cat")});
        t.w.cmdSolve->click();
        t.newGame();
        t.form->close();
        for (const UiCall& call : t.ui.calls)
            if (call.kind != UiCall::Modal && call.kind != UiCall::OpenFile)
                QVERIFY2(call.text.contains(QChar(0x27E6)) && call.title.contains(QChar(0x27E6)),
                         qPrintable(call.title + u'/' + call.text));
    }

    void everyTextFitsItsControl_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        for (const Language::Entry& e : Language::shipped())
            QTest::newRow(qPrintable(e.code)) << e.code;
    }
    void everyTextFitsItsControl() {
        QFETCH(QString, language);
        Language::install(language.isEmpty() ? QStringLiteral("en") : language);
        QCOMPARE(Language::spoken(), language);
        QStringList over;
        eachWindow([&](QWidget& w) { over << overflowing(w); });
        QVERIFY2(over.isEmpty(), qPrintable(over.join(u'\n')));
    }

    // A message box, a menu, the status panel and Qt's own Yes button in each language: what
    // the windows show is the translation, and it is not the English.
    void samplesAreTranslated_data() {
        QTest::addColumn<QString>("language");
        for (const Language::Entry& e : Language::shipped())
            QTest::newRow(qPrintable(e.code)) << e.code;
    }
    void samplesAreTranslated() {
        QFETCH(QString, language);
        QCOMPARE(Language::install(language), language);
        GameTable t;
        t.load(t.writeSet(QStringLiteral("a.kazset"), threeAnimals()));
        t.newGame();
        t.form->close();
        const UiCall quit = t.ui.messages().constLast();
        QCOMPARE(quit.title, QCoreApplication::translate("GameMessages", "Really Quit?"));
        QVERIFY(quit.title != QStringLiteral("Really Quit?") && quit.text != ReallyQuitText);
        QVERIFY(t.w.mnuGame->text() != QStringLiteral("&New Game"));
        QVERIFY(!t.status().startsWith(QStringLiteral("Current Score")));
        QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        QVERIFY(box.button(QMessageBox::Yes)->text() != QStringLiteral("&Yes"));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
