#include "HelpViewer.h"

#include "SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// Anything a help page links to (a picture, another page) is read through the same careful
// reads as the page itself, never by Qt's own unchecked ones.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (!name.isLocalFile() && !name.isRelative())
            return {};
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        const FileResult<QByteArray> read = SafeFile::read(url.toLocalFile(), HelpViewer::MaxHelpBytes);
        if (!read.ok)
            return {};
        if (type == QTextDocument::HtmlResource || type == QTextDocument::MarkdownResource)
            return QString::fromUtf8(read.value);
        return read.value;
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
    if (helpFile != file_ || !found_) {
        file_ = helpFile;
        const FileResult<QByteArray> read = SafeFile::read(helpFile, MaxHelpBytes);
        found_ = read.ok;
        if (found_) {
            browser_->setHtml(QString::fromUtf8(read.value));
            setWindowTitle(QFileInfo(helpFile).completeBaseName() + QStringLiteral(" Help"));
        } else {
            // Like any help viewer, we report a missing file ourselves; the program goes on.
            browser_->setPlainText(QStringLiteral("The help file could not be opened:\n%1\n\n%2")
                                       .arg(QDir::toNativeSeparators(helpFile), read.error));
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
