// What a screen reader or another assistive tool does to a control reaches
// the editor through Qt's accessibility interface (AT-SPI calls end there):
// toggling a check box or an option button must make the dialog react as a
// click does, and pressing a panel button must do what clicking it does.
#include "EveryWindow.h"
#include "editor/dialogs/windows/frmAreaProperties.h"
#include "editor/dialogs/windows/frmFrameProperties.h"
#include "editor/dialogs/windows/frmProjectProperties.h"
#include "editor/distribution/windows/frmCompile.h"
#include "editor/shell/windows/AccessibleToggles.h"
#include "editor/shell/windows/EditorWindows.h"
#include "editor/shell/windows/frmMenu.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QRadioButton>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// What the author sees of a dialog: which controls show, which can be used,
// which boxes are ticked.
QStringList state(QWidget* dialog)
{
    QStringList seen;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        QString line = QStringLiteral("%1 %2 %3").arg(w->objectName()).arg(w->isVisibleTo(dialog)).arg(w->isEnabled());
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable())
            line += b->isChecked() ? QStringLiteral(" ticked") : QStringLiteral(" clear");
        seen << line;
    }
    return seen;
}

QList<QAbstractButton*> toggles(QWidget* dialog)
{
    QList<QAbstractButton*> found;
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
        if (b->isCheckable() && !qobject_cast<QPushButton*>(b))
            found << b;
    }
    return found;
}

bool act(QWidget* w, const QString& action)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
    if (!accessible || !accessible->actionInterface() || !accessible->actionInterface()->actionNames().contains(action))
        return false;
    accessible->actionInterface()->doAction(action);
    return true;
}

}  // namespace

class tst_AssistiveActions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AccessibleToggles::install(); }

    // Each box and option of each dialog, ticked once by a click on one
    // dialog and once by the toggle action on a twin, and ticked back: both
    // dialogs must look the same after each step.
    void toggleActsAsAClick_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("frame properties") << QStringLiteral("frame");
        QTest::newRow("area properties") << QStringLiteral("area");
        QTest::newRow("object on an area") << QStringLiteral("event");
        QTest::newRow("project properties") << QStringLiteral("project");
        QTest::newRow("distribution") << QStringLiteral("compile");
    }

    void toggleActsAsAClick()
    {
        QFETCH(QString, dialog);
        EveryWindow windows;
        const std::function<std::unique_ptr<QDialog>()> make = [&]() -> std::unique_ptr<QDialog> {
            if (dialog == QLatin1String("frame"))
                return std::make_unique<frmFrameProperties>();
            if (dialog == QLatin1String("project"))
                return std::make_unique<frmProjectProperties>();
            if (dialog == QLatin1String("compile"))
                return std::make_unique<frmCompile>();
            auto area = std::make_unique<frmAreaProperties>();
            area->SetType(dialog == QLatin1String("event") ? 1 : 0);
            area->RefreshEnabled();
            return area;
        };
        const int count = int(toggles(make().get()).size());
        QVERIFY(count > 0);
        int reacting = 0;
        for (int i = 0; i < count; ++i) {
            std::unique_ptr<QDialog> clicked = make();
            std::unique_ptr<QDialog> toggled = make();
            clicked->show();
            toggled->show();
            const QStringList before = state(clicked.get());
            QCOMPARE(state(toggled.get()), before);
            for (int step = 0; step < 2; ++step) {
                QAbstractButton* byClick = toggles(clicked.get())[i];
                QAbstractButton* byTool = toggles(toggled.get())[i];
                if (!byClick->isEnabled())
                    break;
                byClick->click();
                QVERIFY(act(byTool, QAccessibleActionInterface::toggleAction()));
                QCoreApplication::processEvents();
                const QStringList after = state(clicked.get());
                if (after != state(toggled.get())) {
                    QStringList differ;
                    const QStringList other = state(toggled.get());
                    for (qsizetype k = 0; k < after.size() && k < other.size(); ++k) {
                        if (after[k] != other[k])
                            differ << after[k] + QStringLiteral(" / ") + other[k];
                    }
                    QFAIL(qPrintable(QStringLiteral("%1 (%2): click and toggle differ: %3")
                                         .arg(byClick->objectName(), byClick->text(), differ.join(QStringLiteral("; ")))));
                }
                // Besides the box itself, did anything else change?
                if (step == 0) {
                    QStringList others = after;
                    others.removeIf([&](const QString& l) { return l.startsWith(byClick->objectName() + QLatin1Char(' ')); });
                    QStringList was = before;
                    was.removeIf([&](const QString& l) { return l.startsWith(byClick->objectName() + QLatin1Char(' ')); });
                    if (others != was)
                        ++reacting;
                }
            }
        }
        // Some of them show, hide or enable other controls: the check is not
        // only of boxes that do nothing.
        if (dialog != QLatin1String("compile"))
            QVERIFY(reacting > 0);
    }

    // The frame properties' timer box shows its group, by the tool alone.
    void toggleShowsTheTimerGroup()
    {
        EveryWindow windows;
        frmFrameProperties dialog;
        dialog.show();
        for (int tab = 0; tab < dialog.SSTab1->count(); ++tab) {
            if (dialog.SSTab1->widget(tab)->isAncestorOf(dialog.Check4))
                dialog.SSTab1->setCurrentIndex(tab);
        }
        QVERIFY(!dialog.Frame4->isVisibleTo(&dialog));
        QVERIFY(act(dialog.Check4, QAccessibleActionInterface::toggleAction()));
        QVERIFY(dialog.Check4->isChecked());
        QVERIFY(dialog.Frame4->isVisibleTo(&dialog));
        QVERIFY(act(dialog.Check4, QAccessibleActionInterface::toggleAction()));
        QVERIFY(!dialog.Frame4->isVisibleTo(&dialog));
    }

    // A sound ticked by the tool also ticks "Stop any playing sound.", as the
    // author's click does; the dialog ticking it as it loads a frame does not.
    // The box is still a check box, named by its caption, ticked or not.
    void toggleIsTheAuthorsClick()
    {
        EveryWindow windows;
        frmFrameProperties dialog;
        dialog.show();
        dialog.Check3->setChecked(false);
        dialog.Check2->setChecked(true);
        QVERIFY(!dialog.Check3->isChecked());
        dialog.Check2->setChecked(false);
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(dialog.Check2);
        QCOMPARE(box->role(), QAccessible::CheckBox);
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Play a sound."));
        QVERIFY(!box->state().checked);
        QVERIFY(act(dialog.Check2, QAccessibleActionInterface::toggleAction()));
        QVERIFY(box->state().checked);
        QVERIFY(dialog.Check3->isChecked());
        QVERIFY(!box->text(QAccessible::Accelerator).isEmpty());
        QCOMPARE(QAccessible::queryAccessibleInterface(dialog.Option1[0])->role(), QAccessible::RadioButton);
    }

    // Tools that click click the middle of a control's extents: for a box or
    // an option that is on its box or caption, however wide its layout made it.
    void aClickInTheMiddleOfTheExtentsTicks()
    {
        EveryWindow windows;
        frmAreaProperties dialog;  // its "Picture" is as wide as its group
        dialog.SetType(0);
        dialog.RefreshEnabled();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        int tried = 0;
        for (QAbstractButton* b : toggles(&dialog)) {
            if (!b->isVisibleTo(&dialog) || b->isChecked())
                continue;
            ++tried;
            const QRect extents = QAccessible::queryAccessibleInterface(b)->rect();
            QVERIFY2(!extents.isEmpty(), qPrintable(b->objectName()));
            QTest::mouseClick(b, Qt::LeftButton, {}, b->mapFromGlobal(extents.center()));
            QVERIFY2(b->isChecked(), qPrintable(b->objectName()));
        }
        QVERIFY(tried > 0);
    }

    // The panel buttons pressed by the tool move between the panels as
    // their clicks do.
    void pressMovesBetweenPanels()
    {
        EveryWindow windows;
        frmMenu menu;
        new EditorWindows(&menu);
        menu.show();
        QVERIFY(act(menu.cmdAbout, QAccessibleActionInterface::pressAction()));
        QTRY_COMPARE(menu.currentPanel(), EditorPanel::About);
        QVERIFY(act(menu.cmdAboutBack, QAccessibleActionInterface::pressAction()));
        QTRY_COMPARE(menu.currentPanel(), EditorPanel::Start);
        QVERIFY(act(menu.cmdHelp, QAccessibleActionInterface::pressAction()));
        QTRY_COMPARE(menu.currentPanel(), EditorPanel::Help);
        QVERIFY(act(menu.cmdHelpBack, QAccessibleActionInterface::pressAction()));
        QTRY_COMPARE(menu.currentPanel(), EditorPanel::Start);
    }
};

QTEST_MAIN(tst_AssistiveActions)
#include "tst_AssistiveActions.moc"
