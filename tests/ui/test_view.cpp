// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The View menu of the game's main window: zoom steps that draw the designed window larger,
// full screen, sound, the language, and what of it the window remembers.
#include "Geometry.h"
#include "Language.h"
#include "test_game_support.h"

#include <QMenuBar>
#include <QScreen>
#include <QtTest>

namespace {
struct Shown {
    QRect rect;
    double points;
};
// Every control of the client area: where it is and the size of its font.
QList<Shown> controls(const Form1& f) {
    QList<Shown> all;
    for (const QWidget* w : f.centralWidget()->findChildren<QWidget*>())
        all.append({w->geometry(), w->font().pointSizeF()});
    return all;
}
QAction* action(const Form1& f, const char* name) {
    return f.findChild<QAction*>(QLatin1String(name));
}
// The sounds heard, each run of one sound (the wheel's ticks) counted once.
QList<GameSound> heard(const QList<GameSound>& played) {
    QList<GameSound> runs;
    for (GameSound s : played)
        if (runs.isEmpty() || runs.last() != s)
            runs.append(s);
    return runs;
}
// Every text of the window: its caption, menus, and what its controls show and say.
QStringList words(const Form1& f) {
    QStringList all{f.windowTitle()};
    for (const QAction* a : f.menuBar()->findChildren<QAction*>())
        all << a->text() << a->toolTip();
    for (const QWidget* w : f.centralWidget()->findChildren<QWidget*>()) {
        all << w->accessibleName() << w->accessibleDescription();
        if (const auto* label = qobject_cast<const QLabel*>(w))
            all << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            all << button->text();
    }
    return all;
}
} // namespace

class TestView : public QObject {
    Q_OBJECT
private slots:
    // Each step scales every control's place and size, and every font, by its factor (to the
    // pixel's rounding); Actual Size gives the designed window back exactly. The offscreen
    // screen (800 x 600) holds 150 % and no more, so Zoom In stops there.
    void zoomDrawsTheDesignedWindowLarger_data() {
        QTest::addColumn<int>("zoomIns");
        QTest::addColumn<double>("factor");
        QTest::newRow("125 %") << 1 << 1.25;
        QTest::newRow("150 %") << 2 << 1.5;
    }
    void zoomDrawsTheDesignedWindowLarger() {
        QFETCH(int, zoomIns);
        QFETCH(double, factor);
        GameTable t;
        Form1& f = *t.form;
        f.show();
        t.load(t.writeSet(QStringLiteral("a.kazset"), threeAnimals()));
        t.newGame();
        const QList<Shown> designed = controls(f);
        const QSize client = f.centralWidget()->size();
        const QString accessible = t.w.lblPuzzle->accessibleName();
        for (int i = 0; i < zoomIns; ++i)
            action(f, "mnuZoomIn")->trigger();
        QCOMPARE(f.zoomShown(), qRound(100 * factor));
        QCOMPARE(t.preferences.stored.zoom, qRound(100 * factor));
        QCOMPARE(action(f, "mnuZoomIn")->isEnabled(), factor < 1.5);
        const QSize zoomed = f.centralWidget()->size();
        QVERIFY(qAbs(zoomed.width() - client.width() * factor) <= 1);
        QVERIFY(qAbs(zoomed.height() - client.height() * factor) <= 1);
        const QList<Shown> now = controls(f);
        QCOMPARE(now.size(), designed.size());
        for (qsizetype i = 0; i < now.size(); ++i) {
            const QRect d = designed[i].rect.intersected(QRect(QPoint(), client)), z = now[i].rect;
            QVERIFY2(qAbs(z.x() - d.x() * factor) <= 1 && qAbs(z.y() - d.y() * factor) <= 1 &&
                         qAbs(z.width() - d.width() * factor) <= 1 &&
                         qAbs(z.height() - d.height() * factor) <= 1,
                     qPrintable(QStringLiteral("control %1").arg(i)));
            QCOMPARE(now[i].points, designed[i].points * factor);
        }
        QCOMPARE(t.w.lblPuzzle->accessibleName(), accessible);

        action(f, "mnuActualSize")->trigger();
        QCOMPARE(f.centralWidget()->size(), client);
        const QList<Shown> back = controls(f);
        for (qsizetype i = 0; i < back.size(); ++i) {
            QCOMPARE(back[i].rect, designed[i].rect.intersected(QRect(QPoint(), client)));
            QCOMPARE(back[i].points, designed[i].points);
        }
        QCOMPARE(t.preferences.stored.zoom, 100);
    }

    // Full Screen and Sound toggle, and are remembered; full screen shows the largest step the
    // screen holds, centred, and Esc gives the zoom back. A window opened later starts as left.
    void menuItemsToggleAndAreRemembered() {
        GameTable t;
        Form1& f = *t.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QAction* full = action(f, "mnuFullScreen");
        QAction* sound = action(f, "mnuSound");
        QVERIFY(full->isCheckable() && !full->isChecked() && sound->isCheckable() && sound->isChecked());
        action(f, "mnuZoomIn")->trigger();
        full->trigger();
        QTRY_VERIFY(f.isFullScreen());
        QTRY_COMPARE(f.centralWidget()->size().width(), f.screen()->geometry().width());
        QVERIFY(full->isChecked() && !action(f, "mnuZoomIn")->isEnabled());
        QCOMPARE(f.zoomShown(), 150);
        const QRect lamp = t.w.Picture[2]->geometry();
        QVERIFY(lamp.x() > t.w.Picture[2]->width()); // moved into the middle of the screen
        QVERIFY(t.preferences.stored.fullScreen);
        QTest::keyClick(&f, Qt::Key_Escape);
        QTRY_VERIFY(!f.isFullScreen());
        QVERIFY(!full->isChecked());
        QCOMPARE(f.zoomShown(), 125);
        QCOMPARE(t.w.Picture[2]->geometry(), Geometry::rect(1950, 3480, 735, 495, 1.25));

        t.load(t.writeSet(QStringLiteral("a.kazset"), threeAnimals()));
        t.newGame(); // Big Dog
        t.spin(QStringLiteral("100 Points"));
        t.guess('B');
        t.spin(QStringLiteral("All Points Lost"));
        t.spin(QStringLiteral("100 Points"));
        t.guess('Z');
        QTest::keyClick(&f, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!sound->isChecked() && !t.preferences.stored.sound);
        t.spin(QStringLiteral("100 Points"));
        t.guess('D');
        QCOMPARE(heard(t.sound.played),
                 (QList<GameSound>{GameSound::Tick, GameSound::Chime, GameSound::Tick,
                                   GameSound::AllPointsLost, GameSound::Tick, GameSound::Miss}));
        sound->trigger();
        t.answers({QStringLiteral("big cat")});
        t.w.cmdSolve->click();
        QCOMPARE(t.sound.played.last(), GameSound::Wrong);

        const Preferences kept = t.preferences.stored;
        QCOMPARE(kept, (Preferences{125, false, true}));
        Form1 again(t.services);
        QCOMPARE(again.zoomShown(), 125);

        // Items the administrator locked show the lab's setting and cannot be changed.
        t.preferences.stored.sound = false;
        t.preferences.locked = {Settings::SoundKey, Settings::ZoomKey};
        Form1 lab(t.services);
        QVERIFY(!action(lab, "mnuSound")->isEnabled() && !action(lab, "mnuSound")->isChecked());
        QVERIFY(!action(lab, "mnuZoomIn")->isEnabled() && !action(lab, "mnuZoomOut")->isEnabled() &&
                !action(lab, "mnuActualSize")->isEnabled() && action(lab, "mnuFullScreen")->isEnabled());
    }

    // Language follows Sound, set apart. Changing the language in the middle of a game words
    // the whole window again; back in English every text is as it was.
    void languageChangesAreWordedAgain() {
        GameTable t;
        Form1& f = *t.form;
        const QList<QAction*> view = f.findChild<QMenu*>(QStringLiteral("mnuView"))->actions();
        QVERIFY(view.at(view.size() - 3) == action(f, "mnuSound") && view.at(view.size() - 2)->isSeparator());
        QCOMPARE(view.last()->menu()->objectName(), QStringLiteral("mnuLanguage"));
        t.load(t.writeSet(QStringLiteral("a.kazset"), threeAnimals()));
        t.newGame();
        t.spin(QStringLiteral("100 Points"));
        const QStringList english = words(f);
        QCOMPARE(Language::install(QStringLiteral("de")), QStringLiteral("de"));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(Language::install(QStringLiteral("en")), QString()); // the source: nothing loaded
        QCoreApplication::sendPostedEvents();
        QCOMPARE(words(f), english);
    }
};

QTEST_MAIN(TestView)
#include "test_view.moc"
