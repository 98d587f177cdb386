// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContextIDs.h"

#include "HelpViewer.h"
#include "ProgramFolder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>

namespace {

const char* const HelpIdProperty = "kazHelpContextId";

struct HelpState {
    QPointer<QWidget> owner;
    QString helpFile;
    QPointer<HelpViewer> viewer;
    bool started = false;
};

HelpState& state() {
    static HelpState s;
    return s;
}

HelpViewer* ensureViewer() {
    HelpState& s = state();
    if (!s.viewer)
        s.viewer = new HelpViewer(); // a window of its own: modal dialogs must not block it
    return s.viewer;
}

// F1 (the standard Help Contents key) anywhere opens the topic of the open menu, or of the
// window that holds the focus. It claims the key before any shortcut can (a Help Contents
// action holds the same key), so that the key press comes here.
class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 && !key->matches(QKeySequence::HelpContents))
            return false;
        if (!state().started || state().helpFile.isEmpty())
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept(); // the key press that follows comes here
            return true;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        if (QWidget* popup = QApplication::activePopupWidget())
            widget = popup;
        const int id = ContextIDs::helpContextIdOf(widget);
        if (id > 0)
            ContextIDs::showHelpTopic(id);
        else
            ContextIDs::ShowHelpContents();
        return true;
    }
};

} // namespace

QString ContextIDs::helpFileFor(const QString& programTitle, const QString& programFolder) {
    const QString name =
        programTitle == GameTitle ? QStringLiteral("Kaz.HLP") : QStringLiteral("KazCreate.HLP");
    return ProgramFolder::file(programFolder, name);
}

void ContextIDs::StartHelp(QWidget* owner, const QString& programTitle, const QString& programFolder) {
    HelpState& s = state();
    s.owner = owner;
    s.helpFile = helpFileFor(programTitle, programFolder);
    if (!s.started && qApp) {
        qApp->installEventFilter(new HelpKeyFilter(qApp));
        s.started = true;
    }
}

void ContextIDs::ShowHelpContents() {
    ensureViewer()->showContents(state().helpFile);
}

void ContextIDs::showHelpTopic(int contextId) {
    ensureViewer()->showTopic(state().helpFile, contextId);
}

void ContextIDs::QuitHelp() {
    HelpState& s = state();
    if (s.viewer) {
        s.viewer->close();
        s.viewer->deleteLater();
        s.viewer = nullptr;
    }
}

void ContextIDs::setHelpContextId(QWidget* widget, int contextId) {
    widget->setProperty(HelpIdProperty, contextId);
}

int ContextIDs::helpContextIdOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant v = w->property(HelpIdProperty);
        if (v.isValid() && v.toInt() > 0)
            return v.toInt();
        if (w->isWindow() && !qobject_cast<const QMenu*>(w))
            break; // a window without a number of its own does not borrow its owner's
    }
    return 0;
}

QString ContextIDs::helpFile() {
    return state().helpFile;
}

HelpViewer* ContextIDs::viewer() {
    return state().viewer;
}
