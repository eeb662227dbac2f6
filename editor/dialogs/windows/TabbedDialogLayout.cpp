#include "editor/dialogs/windows/TabbedDialogLayout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TabbedDialogLayout TabbedDialogLayout::apply(QDialog& dialog, QTabWidget* tabs)
{
    TabbedDialogLayout made;
    made.ok = new QPushButton(QStringLiteral("OK"));
    made.cancel = new QPushButton(QStringLiteral("Cancel"));
    made.ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(made.ok);
    buttons->addWidget(made.cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
    return made;
}
