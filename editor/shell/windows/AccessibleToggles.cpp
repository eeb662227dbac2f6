#include "editor/shell/windows/AccessibleToggles.h"

#include "editor/shell/windows/Mnemonics.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QKeySequence>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace AccessibleToggles {

namespace {

class ClickedToggle : public QAccessibleWidget {
public:
    ClickedToggle(QAbstractButton* button, QAccessible::Role role) : QAccessibleWidget(button, role) {}

    // Where a click ticks it: the box and its caption, not the empty width
    // a layout may give the control beyond them. Tools click the middle.
    QRect rect() const override
    {
        QAbstractButton* b = button();
        if (!b->isVisible())
            return {};
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        option.icon = b->icon();
        option.iconSize = b->iconSize();
        const QStyle::SubElement click =
            qobject_cast<QCheckBox*>(b) ? QStyle::SE_CheckBoxClickRect : QStyle::SE_RadioButtonClickRect;
        const QRect area = b->style()->subElementRect(click, &option, b).intersected(b->rect());
        return area.translated(b->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        s.pressed = button()->isDown();
        if (auto* box = qobject_cast<QCheckBox*>(button()); box && box->checkState() == Qt::PartiallyChecked)
            s.checkStateMixed = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? Mnemonics::withoutMarkers(button()->text()) : name;
        }
        case QAccessible::Accelerator: {
            const QChar letter = Mnemonics::letterOf(button()->text());
            return letter.isNull() ? QString()
                                   : QKeySequence(Qt::ALT | Qt::Key(letter.toUpper().unicode()))
                                         .toString(QKeySequence::NativeText);
        }
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (!widget()->isEnabled())
            return;
        if (action == toggleAction() || action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        const QString keys = text(QAccessible::Accelerator);
        if (action == toggleAction() && !keys.isEmpty())
            return {keys};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QCheckBox"))
        return new ClickedToggle(static_cast<QAbstractButton*>(object), QAccessible::CheckBox);
    if (className == QLatin1String("QRadioButton"))
        return new ClickedToggle(static_cast<QAbstractButton*>(object), QAccessible::RadioButton);
    return nullptr;
}

}  // namespace

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

}  // namespace AccessibleToggles
