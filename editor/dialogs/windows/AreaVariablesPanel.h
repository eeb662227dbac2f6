#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;

// "AVAILABLE VARIABLES :": the project's game variables, which the author
// adds to and removes from while editing an area.
class AreaVariablesPanel : public QWidget {
    Q_OBJECT

public:
    explicit AreaVariablesPanel(QWidget* parent = nullptr);

    QStringList names() const;
    void setNames(const QStringList& names);

    void Command11_Click();  // Add a new variable
    void Command12_Click();  // Remove selected variable

    QListWidget* VariablesList = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* Command13 = nullptr;  // DONE

signals:
    void done();
};
