#include "editor/dialogs/AreaValidity.h"

#include "editor/dialogs/AreaProperties.h"
#include "editor/shell/Validate.h"
#include "platform/Dialogs.h"

namespace AreaValidity {

namespace {

Result refuse(Tab tab, const QString& message)
{
    MsgBox(message, Dialogs::Icon::Information);
    return {2, tab};
}

}  // namespace

Result CheckValidity(AreaProperties& p)
{
    AreaActions& a = p.actions;
    if (p.pointer.isEmpty())
        p.pointer = QStringLiteral("DEFAULT");
    if (p.hasPicture && p.picture.isEmpty())
        return refuse(Appearance, QStringLiteral("You have chosen to use a picture for the area background but have not selected any valid picture."));
    if (a.goToFrame && a.frame.isEmpty())
        return refuse(Action, QStringLiteral("You have chosen to go to another frame when the player clicks on the area, but you have not chosen a valid frame."));
    if (a.showMessage && a.message.isEmpty())
        return refuse(Action, QStringLiteral("You have chosen to display a text message but have not entered any text."));
    if (a.playSound && a.sound.isEmpty())
        return refuse(Action, QStringLiteral("You have chosen to make a sound on player's click but have not chosen a valid sound file."));
    if (a.changeVariable && a.variable.isEmpty())
        return refuse(Variables, QStringLiteral("You have chosen to change the value of a variable but have not chosen a valid variable."));
    if (p.pickable && p.objectName.isEmpty())
        return refuse(Object, QStringLiteral("You must give a name to the object."));
    if (p.pickable && p.icon.isEmpty())
        return refuse(Object, QStringLiteral("You must select a valid icon for the pickable object."));
    if (a.stopGame && a.goToFrame)
        return refuse(Action, QStringLiteral("You cannot stop the game and go to another frame at the same time."));
    // The question is asked on the Action tab, which stays selected.
    int tab = -1;
    if (a.stopGame) {
        tab = Action;
        if (MsgBox(QStringLiteral("Do you really want to stop the game when the player clicks on the selected area?"),
                   Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Yes)
            return {2, Action};
    }
    if (a.showMessage && Validate::HasQuotationMark(a.message)) {
        Validate::ShowQuotationMarkMessage();
        return {2, Action};
    }
    if (p.pickable && Validate::HasQuotationMark(p.objectName)) {
        Validate::ShowQuotationMarkMessage();
        return {2, Object};
    }
    if (!a.showMessage && Validate::HasQuotationMark(a.message))
        a.message.clear();
    if (!p.pickable && Validate::HasQuotationMark(p.objectName))
        p.objectName.clear();
    return {1, tab};
}

}  // namespace AreaValidity
