#include "HelpViewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpViewer::HelpViewer() : browser_(new QTextBrowser(this)) {
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
    if (helpFile != file_ || !found_) {
        file_ = helpFile;
        QFile f(helpFile);
        found_ = f.open(QIODevice::ReadOnly);
        if (found_) {
            browser_->setHtml(QString::fromUtf8(f.readAll()));
            setWindowTitle(QFileInfo(helpFile).completeBaseName() + QStringLiteral(" Help"));
        } else {
            // Like any help viewer, we report a missing file ourselves; the program goes on.
            browser_->setPlainText(QStringLiteral("The help file could not be opened:\n%1\n\n%2")
                                       .arg(QDir::toNativeSeparators(helpFile), f.errorString()));
            setWindowTitle(QStringLiteral("Help"));
        }
    }
    anchor_ = anchor;
    if (found_) {
        browser_->scrollToAnchor(anchor);
        // scrollToAnchor before the first layout scrolls nowhere; repeat once shown.
        QMetaObject::invokeMethod(
            this, [this, anchor] { browser_->scrollToAnchor(anchor); }, Qt::QueuedConnection);
    }
    show();
    raise();
    activateWindow();
}
