// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form3.h"

#include "ContextIDs.h"
#include "Controls.h"
#include "FontFit.h"
#include "Geometry.h"
#include "HighScores.h"
#include "ScreenCentre.h"
#include "UiLayer.h"

#include <QHeaderView>
#include <QTableWidget>
#include <cmath>

namespace {
constexpr int HelpContext = 240;
constexpr int GridLeft = 180, GridTop = 120, GridWidth = 6855, GridHeight = 3850;
constexpr int DataRows = 10;

// Header texts and column alignments from a grid format string.
void applyFormat(QTableWidget* grid, const QString& format, QList<Qt::Alignment>& alignments) {
    const QStringList columns = format.split(u'|');
    grid->setColumnCount(static_cast<int>(columns.size()));
    alignments.clear();
    for (int c = 0; c < columns.size(); ++c) {
        QString text = columns.at(c);
        Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
        if (text.startsWith(u'^')) {
            align = Qt::AlignCenter;
            text.remove(0, 1);
        }
        auto* header = new QTableWidgetItem(text);
        header->setTextAlignment(align);
        grid->setHorizontalHeaderItem(c, header);
        alignments.append(align);
    }
}

} // namespace

QString Form3::gridFormat() {
    //: The High Scores table's headings
    return QStringLiteral("^%1|^%2|^%3|^%4").arg(tr("Name"), tr("Score"), tr("Date"), tr("Game Set"));
}

int Form3::columnWidthTwips(int gridWidthTwips) {
    return static_cast<int>(std::lround(gridWidthTwips / 4.09));
}

Form3::Form3(const GameServices& services, QWidget* parent, bool reportProblems)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      services_(services), reportProblems_(reportProblems) {
    setWindowTitle(tr("High Scores for KAZ"));
    setFont(FontFit::timesNewRoman(12));
    setFixedSize(Geometry::px(7200), Geometry::px(4980));
    ContextIDs::setHelpContextId(this, HelpContext);

    MSFlexGrid1 = new QTableWidget(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setGeometry(Geometry::rect(GridLeft, GridTop, GridWidth, GridHeight));
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1->setTabKeyNavigation(false);
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->horizontalHeader()->setSectionsClickable(false);
    MSFlexGrid1->horizontalHeader()->setHighlightSections(false);
    MSFlexGrid1->setRowCount(DataRows);

    Command1 = Controls::button(this, "Command1", tr("&Done"), Geometry::rect(2993, 4200, 1215, 495));
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);

    Form_Load();
    Command1->setFocus();
    ScreenCentre::place(this);
}

void Form3::Form_Load() {
    QList<Qt::Alignment> alignments;
    applyFormat(MSFlexGrid1, gridFormat(), alignments);
    const int columnWidth = Geometry::px(columnWidthTwips(GridWidth));
    for (int c = 0; c < MSFlexGrid1->columnCount(); ++c)
        MSFlexGrid1->setColumnWidth(c, columnWidth);
    // The header and the ten rows share the grid's height, so every place shows at once.
    const int rowHeight = (MSFlexGrid1->height() - 2 * MSFlexGrid1->frameWidth()) / (DataRows + 1);
    MSFlexGrid1->horizontalHeader()->setFixedHeight(rowHeight);
    for (int r = 0; r < DataRows; ++r)
        MSFlexGrid1->setRowHeight(r, rowHeight);

    const KazMod::HighScoresForWindow loaded = KazMod::loadHighScores(services_);

    // Grid row r + 1 is place r + 1 of the table; the header is the grid's row 0. A file that
    // could not be read shows no rows rather than made-up ones.
    for (int r = 0; r < DataRows && !loaded.show.unreadable; ++r) {
        const QStringList texts = KazMod::highScoreRowTexts(loaded.show.table[r]);
        for (int c = 0; c < texts.size() && c < MSFlexGrid1->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(texts.at(c));
            item->setTextAlignment(alignments.value(c));
            item->setToolTip(texts.at(c));
            MSFlexGrid1->setItem(r, c, item);
        }
    }

    if (loaded.message && reportProblems_)
        services_.ui->messageBox(parentWidget(), loaded.message->text, loaded.message->title, MsgButtons::Ok,
                                 MsgIcon::Stop);
}

void Form3::Command1_Click() {
    accept();
}
