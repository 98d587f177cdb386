// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmAbout.h"

#include "ContextIDs.h"
#include "Controls.h"
#include "DialogFont.h"
#include "FontFit.h"
#include "Geometry.h"
#include "SystemInfoTool.h"
#include "TextFormat.h"
#include "UiLayer.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <cmath>
#include <numbers>

namespace {
// The game's title, as its main window and help file know it.
const QString ProgramTitle = ContextIDs::GameTitle.toString();

// Two lines a pixel apart, grey above and white (two pixels) below: a groove cut into the
// window's face.
class EtchedLine : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(0, 0, width(), 1, QColor(0x80, 0x80, 0x80));
        p.fillRect(0, 1, width(), 2, Qt::white);
    }
};

// The game's own icon when the program has one, else a small picture of the wheel's five
// lamps, so the box never stands empty.
QPixmap programIcon(const QWidget* window, int size) {
    const QPixmap own = window->windowIcon().pixmap(size, size);
    if (!own.isNull())
        return own;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor lamps[] = {Qt::red, Qt::yellow, Qt::green, Qt::cyan, Qt::magenta};
    const QPointF centre(size / 2.0, size / 2.0);
    const double ring = size * 0.32, lamp = size * 0.15;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::darkBlue);
    p.drawEllipse(centre, size * 0.48, size * 0.48);
    for (int i = 0; i < 5; ++i) {
        const double angle = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
        p.setBrush(lamps[i]);
        p.drawEllipse(centre + QPointF(ring * std::cos(angle), ring * std::sin(angle)), lamp, lamp);
    }
    return pixmap;
}

} // namespace

QString frmAbout::unavailableText() {
    return tr("System Information Is Unavailable At This Time");
}

QString frmAbout::versionText() {
    return tr("Version %1.%2.%3").arg(KAZ_VERSION_MAJOR).arg(KAZ_VERSION_MINOR).arg(KAZ_VERSION_PATCH);
}

frmAbout::frmAbout(const GameServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      services_(services) {
    setFont(DialogFont::font());
    setFixedSize(Geometry::px(5730), Geometry::px(3555));
    using Controls::label, Geometry::rect;

    picIcon = label(this, "picIcon", rect(240, 240, 540, 540));
    picIcon->setPixmap(programIcon(this, Geometry::px(540) - 4));

    lblTitle = label(this, "lblTitle", rect(1050, 240, 3885, 480));
    lblVersion = label(this, "lblVersion", rect(1050, 780, 3885, 225));
    lblDescription = label(this, "lblDescription", rect(1050, 1125, 3885, 1170));
    lblDisclaimer = label(this, "lblDisclaimer", rect(255, 2625, 3870, 825));
    for (QLabel* text : {lblTitle, lblVersion, lblDescription, lblDisclaimer})
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setAlignment(Qt::AlignCenter);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    QPalette black = lblDescription->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblDescription->setPalette(black);

    // Across the window, between the description and the contact line.
    Line1 = new EtchedLine(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(rect(84, 2430, 5562, 45));

    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblDisclaimer->setText(tr("Contact the Author at %1").arg(ContactAddress));

    cmdOK = Controls::button(this, "cmdOK", tr("OK"), rect(4245, 2625, 1260, 345));
    cmdOK->setDefault(true);
    // Esc closes the window through QDialog::reject, as the cancel button would.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    cmdSysInfo = Controls::button(this, "cmdSysInfo", tr("&System Info..."), rect(4260, 3075, 1245, 345));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    Form_Load();
    cmdOK->setFocus();
}

void frmAbout::Form_Load() {
    setWindowTitle(tr("About %1").arg(ProgramTitle));
    lblVersion->setText(versionText());
    lblTitle->setText(ProgramTitle);
    lblDescription->setText(
        tr("A freeware word game\nCreated by Orvendel\n25 Feb 2001").replace(u'\n', TextFormat::CrLf));
    FontFit::fitTexts(this); // a longer caption in another language
}

void frmAbout::StartSysInfo() {
    if (SystemInfo::startTool(*services_.sysInfo))
        return;
    services_.ui->messageBox(this, unavailableText(), ProgramTitle, MsgButtons::Ok, MsgIcon::None);
}
