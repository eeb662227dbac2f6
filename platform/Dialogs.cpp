#include "platform/Dialogs.h"

#include "platform/QtDialogs.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {
Dialogs* g_override = nullptr;
QPointer<QWidget> g_parent;
}  // namespace

Dialogs& Dialogs::instance()
{
    if (g_override)
        return *g_override;
    static QtDialogs qtDialogs;
    return qtDialogs;
}

void Dialogs::set(Dialogs* dialogs) { g_override = dialogs; }

void Dialogs::setParentWindow(QWidget* parent) { g_parent = parent; }

QWidget* Dialogs::parentWindow()
{
    if (g_parent)
        return g_parent;
    return QApplication::activeWindow();
}

int MsgBox(const QString& text, Dialogs::Icon icon, Dialogs::Buttons buttons, const QString& title)
{
    return Dialogs::instance().messageBox(text, icon, buttons, title);
}
