// Every window can be worked from the keyboard: walks every window, panel
// and tab and checks that no two controls seen together answer the same
// Alt+letter, that every button of the editor's panels has a letter, that
// every dialog has a button Enter presses and closes on Escape without
// writing anything, and that Tab goes through the controls in the order they
// are read.
#include "EveryWindow.h"
#include "editor/shell/windows/Mnemonics.h"
#include "support/FolderSnapshot.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QString nameOf(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// The controls Tab stops at, as the window shows them.
bool tabStop(const QWidget* w, const QWidget* window)
{
    if (w->window() != window || !w->isVisibleTo(window) || !w->isEnabled())
        return false;
    // The inner editor of a number box is reached through the box.
    if (w->parentWidget() && w->parentWidget()->focusProxy() == w)
        return false;
    const QWidget* policy = w->focusProxy() ? w->focusProxy() : w;
    return (policy->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// What `w` is read as beside `other`: itself, or the group box or tab page
// it lies in that `other` is not in; a group is read whole where it stands.
const QWidget* block(const QWidget* w, const QWidget* other, const QWidget* window)
{
    const QWidget* found = w;
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (p->isAncestorOf(other))
            break;
        if (qobject_cast<const QGroupBox*>(p) || (p->parentWidget() && p->parentWidget()->inherits("QStackedWidget")))
            found = p;
    }
    return found;
}

class KeyboardCheck {
public:
    QStringList findings;

    void mnemonicsAreUnique(const QString& where, QWidget* window)
    {
        QHash<QChar, QString> seen;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            const QChar letter = Mnemonics::letterOf(b->text());
            if (letter.isNull() || b->window() != window || !b->isVisibleTo(window))
                continue;
            if (seen.contains(letter))
                findings << QStringLiteral("%1: %2 and %3 \"%4\" both answer Alt+%5")
                                .arg(where, seen[letter], nameOf(b), b->text(), letter);
            seen.insert(letter, nameOf(b));
        }
        for (QLabel* label : window->findChildren<QLabel*>()) {
            const QChar letter = Mnemonics::letterOf(label->text());
            if (letter.isNull() || !label->buddy() || label->window() != window || !label->isVisibleTo(window))
                continue;
            if (seen.contains(letter))
                findings << QStringLiteral("%1: %2 and label \"%3\" both answer Alt+%4")
                                .arg(where, seen[letter], label->text(), letter);
            seen.insert(letter, QStringLiteral("label ") + label->text());
        }
        for (QTabBar* tabs : window->findChildren<QTabBar*>()) {
            if (tabs->window() != window || !tabs->isVisibleTo(window))
                continue;
            for (int i = 0; i < tabs->count(); ++i) {
                const QChar letter = Mnemonics::letterOf(tabs->tabText(i));
                if (letter.isNull())
                    continue;
                if (seen.contains(letter))
                    findings << QStringLiteral("%1: %2 and tab \"%3\" both answer Alt+%4")
                                    .arg(where, seen[letter], tabs->tabText(i), letter);
                seen.insert(letter, QStringLiteral("tab ") + tabs->tabText(i));
            }
        }
    }

    // A panel button without a letter is wrong when its caption has a
    // letter no other button of the panel took.
    void panelButtonsHaveLetters(const QString& where, QWidget* window)
    {
        if (!where.startsWith(QLatin1String("main window")))
            return;
        QSet<QChar> taken;
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            if (b->window() != window || !b->isVisibleTo(window) || b->text().isEmpty())
                continue;
            buttons << b;
            if (const QChar letter = Mnemonics::letterOf(b->text()); !letter.isNull())
                taken.insert(letter);
        }
        for (QAbstractButton* b : buttons) {
            if (!Mnemonics::letterOf(b->text()).isNull())
                continue;
            for (QChar c : b->text()) {
                if (c.unicode() < 128 && c.isLetterOrNumber() && !taken.contains(c.toLower())) {
                    findings << QStringLiteral("%1: %2 \"%3\" has no letter though '%4' is free")
                                    .arg(where, nameOf(b), b->text(), c);
                    break;
                }
            }
        }
    }

    void dialogHasEnterAndEscape(const QString& where, QWidget* window, const QString& project)
    {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (!dialog)
            return;
        bool hasDefault = false;
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            hasDefault = hasDefault || (b->isDefault() && b->isVisibleTo(dialog));
        if (!hasDefault)
            findings << where + QStringLiteral(": no button is pressed by Enter");
        const QMap<QString, QByteArray> before = folderSnapshot(project);
        dialog->setResult(-1);
        QWidget* focus = dialog->focusWidget() ? dialog->focusWidget() : dialog;
        QTest::keyClick(focus, Qt::Key_Escape);
        QCoreApplication::processEvents();
        if (dialog->isVisible() || dialog->result() != QDialog::Rejected)
            findings << where + QStringLiteral(": Escape does not cancel the dialog");
        if (folderSnapshot(project) != before)
            findings << where + QStringLiteral(": Escape changed the project's files");
    }

    void tabFollowsReadingOrder(const QString& where, QWidget* window)
    {
        QList<QWidget*> stops;
        for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
            if (tabStop(w, window) && !stops.contains(w))
                stops << w;
        }
        if (stops.size() < 2)
            return;
        // The chain is a ring: it is read from the control read first.
        const auto first = std::min_element(stops.begin(), stops.end(), [&](QWidget* a, QWidget* b) {
            return readBefore(a, b, window);
        });
        std::rotate(stops.begin(), first, stops.end());
        for (qsizetype i = 1; i < stops.size(); ++i) {
            if (readBefore(stops[i], stops[i - 1], window)) {
                findings << QStringLiteral("%1: Tab goes from %2 to %3, which is read before it")
                                .arg(where, nameOf(stops[i - 1]), nameOf(stops[i]));
            }
        }
    }

private:
    // True when `a` is read before `b`: higher up (by more than half a
    // line), or on the same line and to the left.
    static bool readBefore(QWidget* a, QWidget* b, const QWidget* window)
    {
        const QWidget* ba = block(a, b, window);
        const QWidget* bb = block(b, a, window);
        if (ba == bb)
            return false;
        const QPoint pa = ba->mapTo(window, QPoint(0, 0));
        const QPoint pb = bb->mapTo(window, QPoint(0, 0));
        const int tolerance = window->fontMetrics().height() / 2;
        if (std::abs(pa.y() - pb.y()) > tolerance)
            return pa.y() < pb.y();
        return pa.x() < pb.x() - tolerance;
    }
};

}  // namespace

class tst_Keyboard : public QObject {
    Q_OBJECT

private slots:
    void mnemonicsAreUniqueAndPanelButtonsHaveThem()
    {
        EveryWindow windows;
        KeyboardCheck check;
        windows.visit([&check](const QString& where, QWidget* window) {
            check.mnemonicsAreUnique(where, window);
            check.panelButtonsHaveLetters(where, window);
        });
        if (!check.findings.isEmpty())
            QFAIL(qPrintable(QStringLiteral("\n") + check.findings.join(QLatin1Char('\n'))));
    }

    void dialogsHaveEnterAndEscape()
    {
        EveryWindow windows;
        KeyboardCheck check;
        const QString project = windows.projectFolder();
        windows.visit([&](const QString& where, QWidget* window) { check.dialogHasEnterAndEscape(where, window, project); });
        if (!check.findings.isEmpty())
            QFAIL(qPrintable(QStringLiteral("\n") + check.findings.join(QLatin1Char('\n'))));
    }

    void tabFollowsReadingOrder()
    {
        EveryWindow windows;
        KeyboardCheck check;
        windows.visit([&check](const QString& where, QWidget* window) { check.tabFollowsReadingOrder(where, window); });
        if (!check.findings.isEmpty())
            QFAIL(qPrintable(QStringLiteral("\n") + check.findings.join(QLatin1Char('\n'))));
    }

    // The check itself: a chain that goes up, or leaves a group before its
    // end, is found; one that reads a group whole is not.
    void aTabChainOutOfOrderIsFound()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* top = new QPushButton(QStringLiteral("Top"));
        auto* group = new QGroupBox(QStringLiteral("Group"));
        auto* inside = new QVBoxLayout(group);
        auto* first = new QPushButton(QStringLiteral("First"));
        auto* second = new QPushButton(QStringLiteral("Second"));
        inside->addWidget(first);
        inside->addWidget(second);
        auto* bottom = new QPushButton(QStringLiteral("Bottom"));
        layout->addWidget(top);
        layout->addWidget(group);
        layout->addWidget(bottom);
        for (QPushButton* b : {top, first, second, bottom})
            b->setObjectName(b->text());
        window.show();
        QCoreApplication::processEvents();

        KeyboardCheck check;
        check.tabFollowsReadingOrder(QStringLiteral("made"), &window);
        QCOMPARE(check.findings, QStringList());

        QWidget::setTabOrder(top, second);
        QWidget::setTabOrder(second, bottom);
        QWidget::setTabOrder(bottom, first);
        check.tabFollowsReadingOrder(QStringLiteral("wrong"), &window);
        QCOMPARE(check.findings, (QStringList{QStringLiteral("wrong: Tab goes from Bottom to First, which is read before it")}));
    }

    // The letters are added to the captions without changing what is read.
    void lettersLeaveTheCaptionsAsTheyAre()
    {
        QCOMPARE(Mnemonics::withoutMarkers(QStringLiteral("Save && &quit")), QStringLiteral("Save & quit"));
        QCOMPARE(Mnemonics::letterOf(QStringLiteral("Save && &Quit")), QLatin1Char('q'));
        QVERIFY(Mnemonics::letterOf(QStringLiteral("Fish && chips")).isNull());

        QWidget window;
        auto* tabs = new QTabWidget(&window);
        auto* pageA = new QWidget;
        auto* pageB = new QWidget;
        tabs->addTab(pageA, QStringLiteral("A"));
        tabs->addTab(pageB, QStringLiteral("B"));
        auto* ok = new QPushButton(QStringLiteral("OK"), &window);
        auto* open = new QPushButton(QStringLiteral("Open"), pageA);
        auto* other = new QPushButton(QStringLiteral("Other"), pageB);
        auto* given = new QPushButton(QStringLiteral("Re&name"), pageA);
        auto* field = new QLineEdit(pageB);
        auto* label = new QLabel(QStringLiteral("Title:"), pageB);
        label->setBuddy(field);
        Mnemonics::assign(&window);
        QCOMPARE(label->text(), QStringLiteral("T&itle:"));  // the buttons choose first
        QCOMPARE(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name), QStringLiteral("Title:"));
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("&A"));  // the tabs show with every page
        QCOMPARE(tabs->tabText(1), QStringLiteral("&B"));
        QCOMPARE(open->text(), QStringLiteral("O&pen"));   // 'o' is the window's OK's
        QCOMPARE(other->text(), QStringLiteral("O&ther"));  // 'o' is OK's here too
        QCOMPARE(given->text(), QStringLiteral("Re&name"));
        // Assistive tools read the captions without the markers.
        QCOMPARE(QAccessible::queryAccessibleInterface(open)->text(QAccessible::Name), QStringLiteral("Open"));
        QAccessibleInterface* tabBar = QAccessible::queryAccessibleInterface(tabs->findChild<QTabBar*>());
        QCOMPARE(tabBar->child(0)->text(QAccessible::Name), QStringLiteral("A"));
        // A second pass changes nothing.
        Mnemonics::assign(&window);
        QCOMPARE(open->text(), QStringLiteral("O&pen"));
    }
};

QTEST_MAIN(tst_Keyboard)
#include "tst_Keyboard.moc"
