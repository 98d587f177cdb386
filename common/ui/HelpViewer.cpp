// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpViewer.h"

#include "HelpPage.h"
#include "Language.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
QString notOpenedText(const QString& helpFile, const QString& why) {
    return QCoreApplication::translate("HelpViewer", "The help file could not be opened:\n%1\n\n%2")
        .arg(QDir::toNativeSeparators(helpFile), why);
}

// Anything a help page links to (a picture, another page) is read through the same careful
// reads as the page itself, never by Qt's own unchecked ones; another page is judged as the
// help file is before it is laid out.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (!name.isLocalFile() && !name.isRelative())
            return {};
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        const QString path = url.toLocalFile();
        if (type == QTextDocument::HtmlResource || type == QTextDocument::MarkdownResource) {
            const FileResult<QString> page = HelpPage::read(path);
            if (!page.ok)
                return notOpenedText(path, page.error).toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
            return page.value;
        }
        const FileResult<QByteArray> read = SafeFile::read(path, HelpViewer::MaxResourceBytes);
        return read.ok ? QVariant(read.value) : QVariant();
    }
};
} // namespace

HelpViewer::HelpViewer() : browser_(new HelpBrowser(this)) {
    setAttribute(Qt::WA_QuitOnClose, false); // closing the program's main window must still end it
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    resize(560, 620);
}

void HelpViewer::showContents(const QString& helpFile) {
    open(helpFile, QStringLiteral("contents"));
}

void HelpViewer::showTopic(const QString& helpFile, int contextId) {
    open(helpFile, QString::number(contextId));
}

void HelpViewer::open(const QString& helpFile, const QString& anchor) {
    load(helpFile, anchor);
    show();
    raise();
    activateWindow();
}

void HelpViewer::load(const QString& englishFile, const QString& anchor) {
    english_ = englishFile;
    const QString helpFile = Language::helpFile(englishFile);
    if (helpFile != file_ || !found_) {
        file_ = helpFile;
        // A damaged page is judged before the browser lays it out (a crash or a hang there
        // would take the program down).
        const FileResult<QString> page = HelpPage::read(helpFile);
        found_ = page.ok;
        if (found_) {
            browser_->setHtml(page.value);
        } else {
            // Like any help viewer, we report a missing or damaged file ourselves; the program goes on.
            browser_->setPlainText(notOpenedText(helpFile, page.error));
        }
    }
    retitle();
    anchor_ = anchor;
    if (found_) {
        browser_->scrollToAnchor(anchor);
        // scrollToAnchor before the first layout scrolls nowhere; repeat once shown.
        QMetaObject::invokeMethod(
            this, [this, anchor] { browser_->scrollToAnchor(anchor); }, Qt::QueuedConnection);
    }
}

void HelpViewer::retitle() {
    //: %1 is the help file's name: "Kaz Help"
    setWindowTitle(found_ ? tr("%1 Help").arg(QFileInfo(english_).completeBaseName()) : tr("Help"));
}

// An open help window follows the language: its file in that language when there is one.
void HelpViewer::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && !english_.isEmpty()) {
        // Read again when the file changes, or to word a reason again; else only the title.
        if (Language::helpFile(english_) != file_ || !found_)
            load(english_, anchor_);
        retitle();
    }
    QWidget::changeEvent(event);
}
