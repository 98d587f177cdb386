// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Our help viewer: a plain window with a QTextBrowser that shows one help file, opened at
// its contents or at a topic by context number. A help file is one HTML document with an
// anchor "contents" and one anchor per context number (<a name="240"></a>).
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QTextBrowser;

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer();

    // Loads the file (again, if it changed path) and scrolls to the anchor. helpFile is the
    // English file; the viewer shows it in the language spoken where there is one
    // (Language::helpFile), and again in the new language when the language changes.
    void showContents(const QString& helpFile);
    void showTopic(const QString& helpFile, int contextId);

    QString helpFile() const { return file_; }
    QString currentAnchor() const { return anchor_; }
    bool fileFound() const { return found_; }
    QTextBrowser* browser() const { return browser_; }

    // A picture a page shows; the cap keeps a wrong file from eating memory. Pages themselves
    // are judged by HelpPage.
    static constexpr qint64 MaxResourceBytes = 8 * 1024 * 1024;

protected:
    void changeEvent(QEvent* event) override;

private:
    void open(const QString& helpFile, const QString& anchor);
    void load(const QString& englishFile, const QString& anchor);
    void retitle();

    QTextBrowser* browser_;
    QString english_;
    QString file_;
    QString anchor_;
    bool found_ = false;
};
