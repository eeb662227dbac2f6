#include "editor/dialogs/windows/AreaVariablesPanel.h"

#include "editor/dialogs/ProjectVariables.h"
#include "platform/Dialogs.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

AreaVariablesPanel::AreaVariablesPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FrameVariables"));
    setAccessibleName(QStringLiteral("AVAILABLE VARIABLES :"));
    VariablesList = new QListWidget;
    VariablesList->setObjectName(QStringLiteral("VariablesList"));
    VariablesList->setAccessibleName(QStringLiteral("Available variables"));
    const auto button = [](const QString& text, const char* name) {
        auto* b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(text);
        return b;
    };
    Command11 = button(QStringLiteral("Add a new variable"), "Command11");
    Command12 = button(QStringLiteral("Remove selected variable"), "Command12");
    Command13 = button(QStringLiteral("DONE"), "Command13");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("AVAILABLE VARIABLES :")));
    layout->addWidget(VariablesList);
    layout->addWidget(Command11);
    layout->addWidget(Command12);
    layout->addWidget(Command13);
    connect(Command11, &QPushButton::clicked, this, &AreaVariablesPanel::Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &AreaVariablesPanel::Command12_Click);
    connect(Command13, &QPushButton::clicked, this, &AreaVariablesPanel::done);
}

QStringList AreaVariablesPanel::names() const
{
    QStringList all;
    for (int i = 0; i < VariablesList->count(); ++i)
        all << VariablesList->item(i)->text();
    return all;
}

void AreaVariablesPanel::setNames(const QStringList& names)
{
    VariablesList->clear();
    VariablesList->addItems(names);
}

void AreaVariablesPanel::Command11_Click()
{
    const QStringList all = names();
    const std::optional<QString> name = Dialogs::instance().inputBox(
        QStringLiteral("Enter new variable name"), QStringLiteral("NEW VARIABLE"), ProjectVariables::proposal(all));
    if (!name || !ProjectVariables::canAdd(all, *name))
        return;
    VariablesList->addItem(*name);
    VariablesList->setCurrentRow(VariablesList->count() - 1);
}

void AreaVariablesPanel::Command12_Click()
{
    QListWidgetItem* item = VariablesList->currentItem();
    if (!item || !item->isSelected()) {
        MsgBox(QStringLiteral("Please select a variable."), Dialogs::Icon::Information);
        return;
    }
    delete item;
}
