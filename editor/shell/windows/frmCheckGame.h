#pragma once

#include "checker/CheckReport.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The game checker's report on the open project: what was explored, the
// endings, and one row per finding. Going to a finding asks for its frame, or
// for the properties of its area, to be opened.
class frmCheckGame : public QWidget {
    Q_OBJECT

public:
    explicit frmCheckGame(QWidget* parent = nullptr);

    // A check has started: the list waits for its report.
    void showChecking();
    void showReport(const CheckReport& report);
    void showFailure(const QString& why);

    // "Go to": the frame or area of the selected finding.
    void cmdGoTo_Click();
    void lstFindings_DblClick(QTreeWidgetItem* item);
    void cmdCheckAgain_Click() { emit checkRequested(); }

    QLabel* lblSummary = nullptr;
    QTreeWidget* lstFindings = nullptr;
    QPushButton* cmdGoTo = nullptr;
    QPushButton* cmdCheckAgain = nullptr;
    QPushButton* cmdClose = nullptr;

signals:
    void frameRequested(const QString& frame);
    void areaRequested(const QString& frame, int n);
    void checkRequested();

private:
    void goTo(QTreeWidgetItem* item);
};
