// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// How the main window draws itself: every control at its designed twips times one zoom
// factor, the View menu's zoom steps and full screen, and the board, the clue and the lamps,
// each fitted to its label at the zoom shown.
#include "Form1.h"

#include "Artwork.h"
#include "FontFit.h"
#include "GameMessages.h"
#include "Geometry.h"
#include "Language.h"
#include "WheelPalette.h"
#include "Zoom.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace {

// The font for text that has to fit a label of fixed size: the designed size, or a smaller
// one where a long clue would otherwise be cut off. Never below 6 points. (The board has
// a label of its own that does the same.)
QFont fittingFont(const QFont& designed, double zoom, const QLabel* label, const QString& text) {
    const QRect box = label->contentsRect();
    return FontFit::shrinkToFit(designed, 6.0 * zoom, 0.75 * zoom, [&](const QFont& font) {
        const QRect needed =
            QFontMetrics(font).boundingRect(box, Qt::TextWordWrap | label->alignment(), text);
        return needed.width() <= box.width() && needed.height() <= box.height();
    });
}

void showFitted(QLabel* label, const QFont& designed, double zoom, const QString& text) {
    label->setFont(fittingFont(designed, zoom, label, text));
    label->setText(text);
}

// The platform's keys for a command, and the ones the game has always had besides.
QList<QKeySequence> keysFor(QKeySequence::StandardKey standard, const QList<QKeySequence>& also) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : also)
        if (!keys.contains(key))
            keys.append(key);
    return keys;
}

// Full screen: the platform's key (none on some desktops) and F11, which the game has always
// had; Esc as well, but only while full screen.
QList<QKeySequence> fullScreenKeys(bool full) {
    QList<QKeySequence> keys = keysFor(QKeySequence::FullScreen, {QKeySequence(Qt::Key_F11)});
    if (full)
        keys.append(QKeySequence(Qt::Key_Escape));
    return keys;
}

} // namespace

// View: the zoom steps, full screen, sound and the language. Each choice is remembered at
// once. The texts come from retranslate.
void Form1::buildViewMenu() {
    mnuView = menuBar()->addMenu(QString());
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuZoomIn = mnuView->addAction(QString(), this, [this] { setZoom(Zoom::nextStep(preferences_.zoom)); });
    mnuZoomIn->setShortcuts(keysFor(QKeySequence::ZoomIn, {QKeySequence(Qt::CTRL | Qt::Key_Equal)}));
    mnuZoomOut =
        mnuView->addAction(QString(), this, [this] { setZoom(Zoom::previousStep(preferences_.zoom)); });
    mnuZoomOut->setShortcuts(QKeySequence::ZoomOut);
    mnuActualSize = mnuView->addAction(QString(), this, [this] { setZoom(Zoom::ActualSize); });
    mnuActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    mnuFullScreen = mnuView->addAction(QString());
    mnuFullScreen->setCheckable(true);
    mnuFullScreen->setShortcuts(fullScreenKeys(false));
    connect(mnuFullScreen, &QAction::triggered, this, &Form1::setFullScreen);
    mnuView->addSeparator();
    mnuSound = mnuView->addAction(QString());
    mnuSound->setCheckable(true);
    mnuSound->setChecked(preferences_.sound);
    mnuSound->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(mnuSound, &QAction::toggled, this, [this](bool on) {
        preferences_.sound = on;
        savePreferences();
    });
    // The language takes effect at once; an administrator's locked choice shows greyed out.
    mnuView->addSeparator();
    mnuLanguage = Language::createMenu(this, services_.preferences->layers(), Settings::userFilePath());
    mnuView->addMenu(mnuLanguage);
    const std::pair<QAction*, const char*> names[] = {{mnuZoomIn, "mnuZoomIn"},
                                                      {mnuZoomOut, "mnuZoomOut"},
                                                      {mnuActualSize, "mnuActualSize"},
                                                      {mnuFullScreen, "mnuFullScreen"},
                                                      {mnuSound, "mnuSound"}};
    for (const auto& [action, name] : names)
        action->setObjectName(QLatin1String(name));
}

void Form1::layOut(int percent, QPoint origin) {
    zoomShown_ = percent;
    const double zoom = Zoom::factor(percent);
    for (const Placement& p : placements_) {
        const QRectF r = p.designed.intersected(ClientTwips);
        p.widget->setGeometry(Geometry::rect(r.x(), r.y(), r.width(), r.height(), zoom).translated(origin));
        if (p.points > 0)
            p.widget->setFont(FontFit::timesNewRoman(Geometry::points(p.points, zoom)));
        if (auto* frame = qobject_cast<QFrame*>(p.widget); frame && frame->frameShape() != QFrame::NoFrame)
            frame->setLineWidth(Geometry::lineWidth(zoom));
    }
    setFont(FontFit::timesNewRoman(Geometry::points(WindowPoints, zoom)));
    picArrow->setPixmap(Artwork::arrowPixmap(zoom, devicePixelRatioF()));
    // The board and the clue fit their text again, at the new size.
    showBoard(lblPuzzle->text());
    showClue(lblClue->text());
}

void Form1::showZoom(int percent) {
    layOut(percent);
    const double zoom = Zoom::factor(percent);
    const QPoint centre = frameGeometry().center();
    resize(Geometry::px(ClientTwips.width(), zoom),
           Geometry::px(ClientTwips.height(), zoom) + menuBar()->sizeHint().height());
    // A window on the screen grows or shrinks about its centre, and stays on the screen.
    if (isVisible() && screen()) {
        const QRect room = screen()->availableGeometry();
        QRect frame = frameGeometry();
        frame.setSize(size() + (frame.size() - geometry().size()));
        frame.moveCenter(centre);
        frame.moveRight(std::min(frame.right(), room.right()));
        frame.moveBottom(std::min(frame.bottom(), room.bottom()));
        frame.moveLeft(std::max(frame.left(), room.left()));
        frame.moveTop(std::max(frame.top(), room.top()));
        move(frame.topLeft());
    }
    updateViewMenu();
}

bool Form1::fitsScreen(int percent) const {
    const QScreen* shown = screen();
    if (!shown)
        return percent == Zoom::ActualSize;
    const double zoom = Zoom::factor(percent);
    // The frame the window manager puts around the window counts too, once it is known.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize needed(Geometry::px(ClientTwips.width(), zoom) + frame.width(),
                       Geometry::px(ClientTwips.height(), zoom) + menuBar()->sizeHint().height() +
                           frame.height());
    const QSize room = shown->availableGeometry().size();
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void Form1::setZoom(int percent) {
    if (!Zoom::isStep(percent) || isFullScreen() || !fitsScreen(percent) ||
        services_.preferences->isLocked(Settings::ZoomKey))
        return;
    preferences_.zoom = percent;
    showZoom(percent);
    savePreferences();
}

void Form1::updateViewMenu() {
    const bool full = isFullScreen();
    const int next = Zoom::nextStep(preferences_.zoom);
    // An item the administrator has locked is shown as it is set, and cannot be changed.
    const PreferenceStore& store = *services_.preferences;
    const bool zoomFree = !full && !store.isLocked(Settings::ZoomKey);
    mnuZoomIn->setEnabled(zoomFree && next != 0 && fitsScreen(next));
    mnuZoomOut->setEnabled(zoomFree && Zoom::previousStep(preferences_.zoom) != 0);
    mnuActualSize->setEnabled(zoomFree);
    mnuFullScreen->setEnabled(!store.isLocked(Settings::FullScreenKey));
    mnuSound->setEnabled(!store.isLocked(Settings::SoundKey));
    mnuFullScreen->setChecked(full);
    // Esc leaves full screen too, and only there does it mean that.
    mnuFullScreen->setShortcuts(fullScreenKeys(full));
}

void Form1::setFullScreen(bool on) {
    if (on == isFullScreen()) {
        updateViewMenu();
        return;
    }
    preferences_.fullScreen = on;
    savePreferences();
    if (on) {
        centralWidget()->installEventFilter(this);
        showFullScreen();
        fitToScreen();
    } else {
        centralWidget()->removeEventFilter(this);
        showNormal();
        showZoom(preferences_.zoom);
    }
    updateViewMenu();
}

void Form1::fitToScreen() {
    const QSize room = centralWidget()->size();
    const int percent = Zoom::largestFitting([&](int step) {
        const double zoom = Zoom::factor(step);
        return Geometry::px(ClientTwips.width(), zoom) <= room.width() &&
               Geometry::px(ClientTwips.height(), zoom) <= room.height();
    });
    const double zoom = Zoom::factor(percent);
    const QSize shown(Geometry::px(ClientTwips.width(), zoom), Geometry::px(ClientTwips.height(), zoom));
    layOut(percent, QPoint(std::max(0, (room.width() - shown.width()) / 2),
                           std::max(0, (room.height() - shown.height()) / 2)));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // The screen's size arrives when the window system has made the window full screen.
    if (watched == centralWidget() && event->type() == QEvent::Resize && isFullScreen())
        fitToScreen();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && actSpin) // once the window is built
        retranslate();
    // The window system may end full screen itself: the zoom comes back as after F11.
    if (event->type() == QEvent::WindowStateChange && mnuFullScreen && mnuFullScreen->isChecked() &&
        !isFullScreen() && !(windowState() & Qt::WindowMinimized)) {
        preferences_.fullScreen = false;
        savePreferences();
        centralWidget()->removeEventFilter(this);
        showZoom(preferences_.zoom);
    }
    QMainWindow::changeEvent(event);
}

void Form1::showAsPreferred() {
    if (preferences_.fullScreen) {
        preferences_.fullScreen = false; // setFullScreen remembers it again
        setFullScreen(true);
    } else {
        show();
    }
}

void Form1::savePreferences() {
    services_.preferences->save(preferences_); // a file that cannot be written changes nothing
}

void Form1::showBoard(const QString& text) {
    const double zoom = Zoom::factor(zoomShown_);
    lblPuzzle->showBoard(text, FontFit::timesNewRoman(Geometry::points(BoardPoints, zoom)), zoom);
    lblPuzzle->setAccessibleName(GameMessages::spokenBoard(text));
}

void Form1::showClue(const QString& text) {
    const double zoom = Zoom::factor(zoomShown_);
    showFitted(lblClue, FontFit::timesNewRoman(Geometry::points(CluePoints, zoom)), zoom, text);
}

void Form1::showLamps(const Wheel::Ring& ring) {
    shownRing_ = ring;
    for (int i = 0; i < Wheel::LampCount; ++i) {
        QFrame* lamp = Picture[static_cast<std::size_t>(i)];
        QPalette palette = lamp->palette();
        palette.setColor(QPalette::Window, Wheel::paletteColor(ring.slot(i)));
        lamp->setPalette(palette);
        //: %3 is the lamp's colour
        const QString name = tr("Lamp %1 of %2: %3")
                                 .arg(QString::number(i + 1), QString::number(Wheel::LampCount),
                                      Wheel::colorName(ring.slot(i)));
        if (lamp->accessibleName() != name)
            lamp->setAccessibleName(name);
        lamp->update(); // every frame, also in the slow end where a lamp keeps its colour
    }
}
