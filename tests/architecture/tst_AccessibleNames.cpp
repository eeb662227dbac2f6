// Every control a person can reach with the keyboard must have a name that
// a screen reader says and that tools driving the programs find it by: walks
// every window, panel and tab and reports each focusable control whose
// accessible name is empty.
#include "EveryWindow.h"
#include "editor/shell/windows/AccessibleToggles.h"
#include "editor/shell/windows/ControlDescriptions.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QtTest>

class tst_AccessibleNames : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ControlDescriptions::install();
        AccessibleToggles::install();
    }

    void everyFocusableControlHasAName()
    {
        EveryWindow windows;
        QStringList unnamed;
        windows.visit([&unnamed](const QString& where, QWidget* window) {
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(window) || w->focusPolicy() == Qt::NoFocus || w->focusProxy())
                    continue;
                // The viewport of a list is reached through the list itself.
                if (w->parentWidget() && w->parentWidget()->focusProxy() == w)
                    continue;
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
                const QString name = accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
                // A list box or a number box that is named by what it holds
                // changes its name as the author types or picks.
                const bool namedByValue = w->accessibleName().isEmpty() &&
                    ((qobject_cast<QComboBox*>(w) && name == qobject_cast<QComboBox*>(w)->currentText().trimmed()) ||
                     (qobject_cast<QAbstractSpinBox*>(w) && name == qobject_cast<QAbstractSpinBox*>(w)->text().trimmed()));
                if (name.isEmpty() || namedByValue) {
                    const QString id = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                                 : w->objectName();
                    unnamed << QStringLiteral("%1: %2 (%3)").arg(where, id, QString::fromLatin1(w->metaObject()->className()));
                }
            }
        });
        unnamed.removeDuplicates();
        if (!unnamed.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 focusable controls without a name:\n").arg(unnamed.size()) +
                             unnamed.join(QLatin1Char('\n'))));
    }


    // The name each control has in the code is its description: the two
    // "Browse..." buttons of a dialog are told apart by it.
    void controlsAreDescribedByTheirNameInTheCode()
    {
        EveryWindow windows;
        QStringList described;
        windows.visit([&described](const QString& where, QWidget* window) {
            if (!where.startsWith(QLatin1String("Frame properties, tab 0")) && where != QLatin1String("Distribution"))
                return;
            for (const char* name : {"Combo1", "txtFileName", "Drive1"}) {
                if (auto* w = window->findChild<QWidget*>(QLatin1String(name)))
                    described << QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
            }
        });
        QCOMPARE(described, (QStringList{QStringLiteral("Combo1"), QStringLiteral("txtFileName"), QStringLiteral("Drive1")}));
    }
};

QTEST_MAIN(tst_AccessibleNames)
#include "tst_AccessibleNames.moc"
