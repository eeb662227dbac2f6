#include "editor/shell/windows/frmCheckGame.h"

#include <QHBoxLayout>
#include "editor/shell/windows/Mnemonics.h"
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Role { FrameRole = Qt::UserRole, AreaRole };
enum Column { KindColumn, FrameColumn, AreaColumn, FileColumn, MessageColumn };

QPushButton* button(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(text);
    return b;
}

}  // namespace

frmCheckGame::frmCheckGame(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmCheckGame"));
    setWindowTitle(QStringLiteral("Check game"));
    setAccessibleName(QStringLiteral("Check game"));

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setAccessibleName(QStringLiteral("Summary of the check"));
    lblSummary->setWordWrap(true);

    lstFindings = new QTreeWidget(this);
    lstFindings->setObjectName(QStringLiteral("lstFindings"));
    lstFindings->setAccessibleName(QStringLiteral("Findings"));
    lstFindings->setHeaderLabels({QStringLiteral("Finding"), QStringLiteral("Frame"), QStringLiteral("Area"),
                                  QStringLiteral("File"), QStringLiteral("What")});
    lstFindings->setRootIsDecorated(false);
    lstFindings->setWordWrap(true);
    lstFindings->header()->setStretchLastSection(true);

    cmdGoTo = button(QStringLiteral("Go to"), "cmdGoTo", this);
    cmdCheckAgain = button(QStringLiteral("Check again"), "cmdCheckAgain", this);
    cmdClose = button(QStringLiteral("Close"), "cmdClose", this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdGoTo);
    buttons->addWidget(cmdCheckAgain);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(lstFindings, 1);
    layout->addLayout(buttons);
    resize(760, 420);

    connect(cmdGoTo, &QPushButton::clicked, this, &frmCheckGame::cmdGoTo_Click);
    connect(cmdCheckAgain, &QPushButton::clicked, this, &frmCheckGame::cmdCheckAgain_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(lstFindings, &QTreeWidget::itemDoubleClicked, this, &frmCheckGame::lstFindings_DblClick);
    Mnemonics::assign(this);
}

void frmCheckGame::showChecking()
{
    lstFindings->clear();
    lblSummary->setText(QStringLiteral("Checking every state a player can reach..."));
    cmdGoTo->setEnabled(false);
    cmdCheckAgain->setEnabled(false);
}

void frmCheckGame::showFailure(const QString& why)
{
    lstFindings->clear();
    lblSummary->setText(why);
    cmdGoTo->setEnabled(false);
    cmdCheckAgain->setEnabled(true);
}

void frmCheckGame::showReport(const CheckReport& report)
{
    lstFindings->clear();
    QStringList lines;
    lines << (report.complete ? QStringLiteral("%1 states explored: every state a player can reach.").arg(report.states)
                              : QStringLiteral("%1 states explored: the check stopped at its bound.").arg(report.states));
    for (const CheckReport::Ending& e : report.endings)
        lines << QStringLiteral("Ending: frame %1, area %2 (%3).").arg(e.frame).arg(e.area).arg(e.file);
    lines << (report.findings.isEmpty() ? QStringLiteral("Nothing was found wrong.")
                                        : QStringLiteral("%1 finding(s).").arg(report.findings.size()));
    lblSummary->setText(lines.join(QLatin1Char('\n')));
    for (const Finding& f : report.findings) {
        QString message = f.message;
        if (!f.way.isEmpty())
            message += QStringLiteral(" (shortest way: %1)").arg(f.way.join(QStringLiteral(", ")));
        auto* item = new QTreeWidgetItem(lstFindings, {Finding::kindName(f.kind), f.frame,
                                                       f.area > 0 ? QString::number(f.area) : QString(), f.file, message});
        item->setData(KindColumn, FrameRole, f.frame);
        item->setData(KindColumn, AreaRole, f.area);
        item->setToolTip(MessageColumn, message);
    }
    if (lstFindings->topLevelItemCount() > 0)
        lstFindings->setCurrentItem(lstFindings->topLevelItem(0));
    cmdGoTo->setEnabled(lstFindings->topLevelItemCount() > 0);
    cmdCheckAgain->setEnabled(true);
}

void frmCheckGame::cmdGoTo_Click() { goTo(lstFindings->currentItem()); }

void frmCheckGame::lstFindings_DblClick(QTreeWidgetItem* item) { goTo(item); }

void frmCheckGame::goTo(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QString frame = item->data(KindColumn, FrameRole).toString();
    const int area = item->data(KindColumn, AreaRole).toInt();
    // A finding about the whole game (an object, the variables) has no frame.
    if (frame.isEmpty())
        return;
    if (area > 0)
        emit areaRequested(frame, area);
    else
        emit frameRequested(frame);
}
