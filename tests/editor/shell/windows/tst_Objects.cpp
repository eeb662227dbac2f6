#include "editor/shell/windows/frmObjects.h"
#include "platform/ScriptedDialogs.h"
#include "support/TempProject.h"

#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class tst_Objects : public QObject {
    Q_OBJECT

private:
    QStringList lines() const
    {
        QStringList result;
        for (int i = 0; i < m_objects->ObjectsList->count(); ++i)
            result << m_objects->ObjectsList->item(i)->text();
        return result;
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    // The objects window with its drags recorded instead of run.
    class Objects : public frmObjects {
    public:
        QList<std::pair<QString, bool>> drags;

    protected:
        void startDrag(const QString& name, const QPixmap& icon) override { drags.append({name, !icon.isNull()}); }
    };

    std::unique_ptr<Objects> m_objects;

private slots:
    void init()
    {
        m_project = std::make_unique<TempProject>();
        m_project->makeGame();
        m_project->write(QStringLiteral("Areas/Key.obj"), "\"key.png\"\r\n");
        m_project->write(QStringLiteral("Areas/Lamp.obj"), "\"gone.ico\"\r\n");
        QImage key(16, 16, QImage::Format_ARGB32);
        key.fill(Qt::yellow);
        QVERIFY(key.save(m_project->path() + QStringLiteral("Areas/key.png")));
        // Two areas offering the key share its one object file.
        m_project->write(QStringLiteral("Areas/Hall/1c.dat"), "1\r\n\"Key\"\r\n\"key.png\"\r\n");
        m_project->write(QStringLiteral("Areas/Yard/2c.dat"), "1\r\n\"Key\"\r\n\"key.png\"\r\n");
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_objects = std::make_unique<Objects>();
        m_objects->ListObjects();
    }
    void cleanup()
    {
        m_objects.reset();
        m_dialogs.reset();
        m_project.reset();
    }

    void listsEachObjectOnceAndDragsItWithItsIcon()
    {
        QCOMPARE(lines(), (QStringList{QStringLiteral("Key"), QStringLiteral("Lamp")}));
        QCOMPARE(m_objects->windowTitle(), QStringLiteral("List of objects"));
        QCOMPARE(m_objects->ObjectsList->objectName().toLower(), QStringLiteral("objectslist"));

        m_objects->ObjectsList_MouseDown(Qt::LeftButton);  // nothing selected
        m_objects->ObjectsList->setCurrentRow(0);
        m_objects->ObjectsList_MouseDown(Qt::RightButton);
        QVERIFY(m_objects->drags.isEmpty());
        m_objects->ObjectsList_MouseDown(Qt::LeftButton);
        m_objects->ObjectsList->setCurrentRow(1);
        m_objects->ObjectsList_MouseDown(Qt::LeftButton);  // its icon is gone: a drag without a picture, no message
        QCOMPARE(m_objects->drags, (QList<std::pair<QString, bool>>{{QStringLiteral("Key"), true}, {QStringLiteral("Lamp"), false}}));
        QVERIFY(m_dialogs->shown().isEmpty());
    }

    void removingTakesOnlyTheObjectFile()
    {
        m_objects->ObjectsList->clearSelection();
        m_objects->ObjectsList->setCurrentRow(-1);
        m_objects->Command1_Click();
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Please select the object you want to remove.")});

        m_objects->ObjectsList->setCurrentRow(0);
        m_objects->Command1_Click();
        QCOMPARE(lines(), QStringList{QStringLiteral("Lamp")});
        QVERIFY(!m_project->exists(QStringLiteral("Areas/Key.obj")));
        QVERIFY(m_project->exists(QStringLiteral("Areas/key.png")));
        QVERIFY(m_project->exists(QStringLiteral("Areas/Hall/1c.dat")));
    }

    void theListAndTheButtonFillTheWindowAndClosingGoesBack()
    {
        for (int height : {120, 400}) {
            m_objects->resize(180, height);
            m_objects->Resize();
            QCOMPARE(m_objects->ObjectsList->geometry().bottom() + 1, m_objects->Command1->geometry().top());
            QCOMPARE(m_objects->Command1->geometry().bottom() + 1, height);
            QCOMPARE(m_objects->ObjectsList->width(), 180);
            QCOMPARE(m_objects->Command1->width(), 180);
        }
        QSignalSpy closed(m_objects.get(), &frmObjects::closedByAuthor);
        m_objects->Form_QueryUnload(false);  // hidden by the editor
        m_objects->Form_QueryUnload(true);   // closed by the author
        QCOMPARE(closed.size(), 1);
    }
};

QTEST_MAIN(tst_Objects)
#include "tst_Objects.moc"
