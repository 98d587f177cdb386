// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>
#include <functional>

namespace Language {

namespace {
struct Loaded {
    QString code;
    QTranslator ours;
    QTranslator qts;
};
Loaded& loaded() {
    static Loaded l;
    return l;
}

QString ourFile(const QString& code) {
    return QStringLiteral(":/i18n/kazoola_%1.qm").arg(code);
}
} // namespace

const QList<Entry>& shipped() {
    static const QList<Entry> list = {
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("nb"), QStringLiteral("Norsk bokmål")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
    };
    return list;
}

QString resolve(const QString& choice) {
    if (!choice.isEmpty())
        return QFileInfo::exists(ourFile(choice)) ? choice : QString();
    // The system's languages, most wanted first ("de-DE", "pt-BR", "nb-NO", "en-US", "C").
    for (QString ui : QLocale::system().uiLanguages()) {
        ui.replace(u'-', u'_');
        if (ui == u"C" || ui.startsWith(u"en"))
            return {}; // English is the source: nothing to load
        for (const Entry& e : shipped()) {
            // "pt_BR" only for Brazil; "de_AT" is German; Norwegian "no" is Bokmål.
            const QString language = ui.section(u'_', 0, 0);
            if (ui == e.code || (!e.code.contains(u'_') && (language == e.code ||
                                                             (e.code == u"nb" && language == u"no"))))
                return e.code;
        }
    }
    return {};
}

QString install(const QString& choice) {
    Loaded& l = loaded();
    const QString code = resolve(choice);
    if (code == l.code)
        return code;
    // Dates and numbers follow the language too ("09.12.26" in German), before any window
    // re-words itself.
    QLocale::setDefault(code.isEmpty() || code == u"pseudo" ? QLocale::system() : QLocale(code));
    QCoreApplication::removeTranslator(&l.ours);
    QCoreApplication::removeTranslator(&l.qts);
    l.code.clear();
    if (code.isEmpty())
        return {}; // removing the translators told every window already
    // Qt's own texts (Yes, No, Cancel, the file dialog); where Qt ships none, ours.
    if (!l.qts.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        (void)l.qts.load(QStringLiteral(":/i18n/qtbase_%1.qm").arg(code));
    if (!l.qts.isEmpty())
        QCoreApplication::installTranslator(&l.qts);
    if (l.ours.load(ourFile(code)))
        QCoreApplication::installTranslator(&l.ours);
    l.code = code;
    return code;
}

QString spoken() {
    return loaded().code;
}

QString helpFile(const QString& englishPath) {
    const QString code = spoken();
    if (code.isEmpty())
        return englishPath;
    const QFileInfo english(englishPath);
    const QString translated = english.dir().filePath(english.completeBaseName() + u'_' + code + u'.' + english.suffix());
    return QFileInfo(translated).isFile() ? translated : englishPath;
}

QMenu* createMenu(QWidget* parent, const Settings::Layers& layers, const QString& userFile) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(menu);
    const bool locked = layers.isLocked(Settings::LanguageKey);
    const QString chosen = layers.value(Settings::LanguageKey);
    auto add = [&](const QString& code, const QString& name) {
        QAction* item = menu->addAction(name);
        item->setObjectName(QStringLiteral("mnuLanguage_") + (code.isEmpty() ? QStringLiteral("system") : code));
        item->setCheckable(true);
        item->setChecked(code == chosen);
        item->setEnabled(!locked);
        item->setData(code);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, menu, [code, userFile] {
            install(code);
            Settings::saveUserKey(userFile, Settings::LanguageKey, code); // a comfort: a failure stops nothing
        });
        return item;
    };
    QAction* system = add(QString(), QString());
    menu->addSeparator();
    for (const Entry& e : shipped())
        add(e.code, e.name);
    // The menu's own words follow the language.
    auto name = [menu, system] {
        menu->setTitle(QCoreApplication::translate("Language", "&Language"));
        system->setText(QCoreApplication::translate("Language", "System Language"));
    };
    name();
    class Retitle : public QObject {
    public:
        Retitle(QMenu* menu, std::function<void()> name) : QObject(menu), name_(std::move(name)) {
            menu->installEventFilter(this);
        }
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::LanguageChange)
                name_();
            return false;
        }

    private:
        std::function<void()> name_;
    };
    new Retitle(menu, name);
    return menu;
}

} // namespace Language
