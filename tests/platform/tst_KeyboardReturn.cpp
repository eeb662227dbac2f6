// After a message or a file dialog, the keyboard goes back to the window and
// the control the author was in, not to the dialog's parent window.
#include "platform/Dialogs.h"
#include "platform/KeyboardReturn.h"
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

struct Window {
    Window(const QString& title)
    {
        widget = std::make_unique<QWidget>();
        widget->setWindowTitle(title);
        auto* layout = new QVBoxLayout(widget.get());
        first = new QLineEdit;
        second = new QLineEdit;
        layout->addWidget(first);
        layout->addWidget(second);
        widget->show();
    }
    std::unique_ptr<QWidget> widget;
    QLineEdit* first;
    QLineEdit* second;
};

void activate(QWidget* control)
{
    control->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(control->window()));
    control->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), control);
}

// Answers the next modal dialog as soon as it shows, doing `also` first.
void answerNextDialog(std::function<void()> also = {})
{
    QTimer::singleShot(0, [also] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        if (also)
            also();
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
}

}  // namespace

class tst_KeyboardReturn : public QObject {
    Q_OBJECT

private slots:
    void aMessageGivesTheKeyboardBackToTheControlItWasAskedFrom()
    {
        Window main(QStringLiteral("Main")), frames(QStringLiteral("Frames"));
        Dialogs::setParentWindow(main.widget.get());
        activate(frames.second);
        answerNextDialog();
        QtDialogs dialogs;
        dialogs.messageBox(QStringLiteral("Remove the frame?"), Dialogs::Icon::Question, Dialogs::Buttons::OKCancel, {});
        QTRY_COMPARE(QApplication::activeWindow(), frames.widget.get());
        QCOMPARE(QApplication::focusWidget(), frames.second);
        Dialogs::setParentWindow(nullptr);
    }

    void aWindowThatWentLeavesTheKeyboardToTheFallback()
    {
        Window main(QStringLiteral("Main")), canvas(QStringLiteral("Canvas"));
        activate(canvas.first);
        {
            KeyboardReturn back(main.widget.get());
            QDialog dialog;
            answerNextDialog([&] { canvas.widget->hide(); });
            dialog.exec();
        }
        QTRY_COMPARE(QApplication::activeWindow(), main.widget.get());
    }

    void aControlDisabledMeanwhileIsNotGivenTheKeyboard()
    {
        Window main(QStringLiteral("Main"));
        activate(main.second);
        {
            KeyboardReturn back;
            QDialog dialog;
            answerNextDialog([&] { main.second->setEnabled(false); });
            dialog.exec();
        }
        QTRY_COMPARE(QApplication::activeWindow(), main.widget.get());
        QVERIFY(QApplication::focusWidget() != main.second);
    }
};

QTEST_MAIN(tst_KeyboardReturn)
#include "tst_KeyboardReturn.moc"
