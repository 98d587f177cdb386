// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UiLayer.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QString displayText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}
} // namespace

QString UiText::qtNameFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    if (parts.size() < 2)
        return filter;
    const QString& desc = parts.at(0);
    const QString& pattern = parts.at(1);
    if (desc.contains(u'(') && desc.contains(pattern))
        return desc;
    return desc + QStringLiteral(" (") + pattern + u')';
}

MsgResult QtUiLayer::messageBox(QWidget* parent, const QString& text, const QString& title,
                                MsgButtons buttons, MsgIcon icon) {
    QMessageBox box(
        icon == MsgIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon, title, displayText(text),
        buttons == MsgButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    if (buttons == MsgButtons::Ok)
        return MsgResult::Ok;
    return answer == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
}

QString QtUiLayer::inputBox(QWidget* parent, const QString& prompt, const QString& title) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, displayText(prompt), QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

namespace {
QString runFileDialog(QWidget* parent, const FileDialogOptions& o, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, o.title, o.initialFolder, UiText::qtNameFilter(o.filter));
    dialog.setAcceptMode(mode);
    // Any name is taken, also one that does not exist: the load then says what is wrong.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!o.defaultExtension.isEmpty()) {
        QString ext = o.defaultExtension;
        if (ext.startsWith(u'.'))
            ext.remove(0, 1);
        dialog.setDefaultSuffix(ext);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
} // namespace

QString QtUiLayer::openFileDialog(QWidget* parent, const FileDialogOptions& options) {
    return runFileDialog(parent, options, QFileDialog::AcceptOpen);
}

QString QtUiLayer::saveFileDialog(QWidget* parent, const FileDialogOptions& options) {
    return runFileDialog(parent, options, QFileDialog::AcceptSave);
}

void QtUiLayer::showModal(QDialog& window) {
    // Modal to its own window only, so that the help viewer (a window of its own) can still
    // be read while a dialog is open.
    if (window.parentWidget())
        window.setWindowModality(Qt::WindowModal);
    window.exec();
}
