#include "editor/shell/windows/frmFrames.h"
#include "platform/ScriptedDialogs.h"
#include "player/ProjectPaths.h"
#include "support/TempProject.h"

#include <QListWidget>
#include <QtTest>

class tst_Frames : public QObject {
    Q_OBJECT

private:
    QStringList names() const
    {
        QStringList result;
        for (int i = 0; i < m_frames->LView->count(); ++i)
            result << m_frames->LView->item(i)->text();
        return result;
    }
    QString picture(const QString& name)
    {
        const QString path = m_pictures.path() + QLatin1Char('/') + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("picture");
        return path;
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmFrames> m_frames;
    QTemporaryDir m_pictures;
    QStringList m_requests;

private slots:
    void init()
    {
        m_project = std::make_unique<TempProject>();
        m_project->makeGame();
        m_project->write(QStringLiteral("Frames/Hall.fme"), "0\r\n\"255\"\r\n");
        m_project->write(QStringLiteral("Frames/cellar.FME"), "0\r\n\"0\"\r\n");
        m_project->write(QStringLiteral("Frames/Hall.lks"), "1\r\n");
        m_project->write(QStringLiteral("Areas/Hall/1a.dat"), "0\r\n");
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_frames = std::make_unique<frmFrames>();
        m_requests.clear();
        connect(m_frames.get(), &frmFrames::editFrameRequested, this,
                [this](const QString& f) { m_requests << QStringLiteral("edit ") + f; });
        connect(m_frames.get(), &frmFrames::framePropertiesRequested, this,
                [this](const QString& f) { m_requests << QStringLiteral("properties ") + f; });
        connect(m_frames.get(), &frmFrames::panelRequested, this, [this](EditorPanel panel) {
            QCOMPARE(panel, EditorPanel::EditProject);
            m_requests << QStringLiteral("edit project panel");
        });
        m_frames->ListFrames(true);
    }
    void cleanup()
    {
        m_frames.reset();
        m_dialogs.reset();
        m_project.reset();
    }

    void listsTheFramesInEitherView()
    {
        QCOMPARE(names(), (QStringList{QStringLiteral("cellar"), QStringLiteral("Hall")}));
        QCOMPARE(m_frames->LView->viewMode(), QListView::IconMode);
        m_frames->ListFrames(false);
        QCOMPARE(m_frames->LView->viewMode(), QListView::ListMode);
        QCOMPARE(m_frames->windowTitle(), QStringLiteral("List of available frames"));
    }

    void doubleClicksOpenOnlyWhenTheyStartOnAnItem()
    {
        m_frames->LView->setCurrentRow(1);
        m_frames->LView_ItemClick();
        m_frames->LView_Click();
        m_frames->LView_DblClick();
        QCOMPARE(m_requests, QStringList{QStringLiteral("edit Hall")});
        // An item clicked, then a double-click on empty space: its first click counts again.
        m_frames->LView_Click();
        m_frames->LView_DblClick();
        QCOMPARE(m_requests.size(), 1);

        // And with the mouse, on the offscreen platform.
        m_frames->resize(320, 400);
        m_frames->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frames.get()));
        const QRect cellar = m_frames->LView->visualItemRect(m_frames->LView->item(0));
        QTest::mouseClick(m_frames->LView->viewport(), Qt::LeftButton, {}, cellar.center());
        QTest::mouseDClick(m_frames->LView->viewport(), Qt::LeftButton, {}, cellar.center());
        QCOMPARE(m_requests.last(), QStringLiteral("edit cellar"));
    }

    // Assistive tools select an item without making it the current one; the
    // frame they selected is the one the buttons then act on.
    void aFrameSelectedWithoutTheMouseIsTheOneActedOn()
    {
        m_frames->LView->setCurrentRow(0);
        QListWidget* list = m_frames->LView;
        list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(list->currentRow(), 1);
        m_frames->mnuFrameEdit_Click();
        QCOMPARE(m_requests, QStringList{QStringLiteral("edit Hall")});
    }

    void deleteAndTheMenuRemoveTheSelectedFrame()
    {
        m_frames->LView->setCurrentRow(1);
        m_dialogs->queueAnswer(Dialogs::OK);
        m_frames->LView_KeyDown(Qt::Key_Delete);
        QCOMPARE(names(), QStringList{QStringLiteral("cellar")});
        QVERIFY(!m_project->exists(QStringLiteral("Areas/Hall")));
        m_dialogs->queueAnswer(Dialogs::OK);
        m_frames->mnuFrameRemove_Click();
        QVERIFY(names().isEmpty());

        m_dialogs->clear();
        m_frames->LView_KeyDown(Qt::Key_Delete);  // nothing to remove, nothing asked
        m_frames->mnuFrameEdit_Click();
        m_frames->mnuFrameRemove_Click();
        QCOMPARE(m_dialogs->messages(), (QStringList{QStringLiteral("Please select the frame you want to edit."),
                                                     QStringLiteral("Please select the frame you want to remove.")}));
    }

    void anEditedLabelRenamesTheFrame()
    {
        m_frames->LView->setCurrentRow(1);
        m_frames->LView->item(1)->setText(QStringLiteral("Great Hall"));  // the edit as the view commits it
        QVERIFY(m_project->exists(QStringLiteral("Frames/Great Hall.fme")));
        QVERIFY(m_project->exists(QStringLiteral("Frames/Great Hall.lks")));
        QVERIFY(m_project->exists(QStringLiteral("Areas/Great Hall/1a.dat")));
        QVERIFY(!m_project->exists(QStringLiteral("Frames/Hall.fme")));
        QVERIFY(m_dialogs->shown().isEmpty());
        m_frames->mnuFrameProperties_Click();
        QCOMPARE(m_requests, QStringList{QStringLiteral("properties Great Hall")});

        // The name of another frame: nothing moves and the label shows the
        // frame's own name again.
        m_frames->LView->item(1)->setText(QStringLiteral("Cellar"));
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to rename frame areas.")});
        QCOMPARE(m_frames->LView->item(1)->text(), QStringLiteral("Great Hall"));
        QVERIFY(m_project->exists(QStringLiteral("Areas/Great Hall/1a.dat")));
        QVERIFY(!m_project->exists(QStringLiteral("Areas/Cellar")));
        m_frames->LView->item(1)->setText(QStringLiteral("Hall"));  // a later edit starts from the kept name
        QVERIFY(m_project->exists(QStringLiteral("Areas/Hall/1a.dat")));
    }

    void droppedPicturesBecomeFrames()
    {
        const QString forest = picture(QStringLiteral("forest.jpg"));
        const QString photo = picture(QStringLiteral("photo.jpeg"));
        const QString sky = picture(QStringLiteral("Sky.PNG"));
        const QString notes = picture(QStringLiteral("notes.txt"));
        m_frames->LView_OLEDragDrop({forest, QStringLiteral("a.b"), photo, notes, sky, forest});
        // The frame's name is the picture's without its ending, however long.
        QCOMPARE(names(), (QStringList{QStringLiteral("cellar"), QStringLiteral("forest"), QStringLiteral("forest01"),
                                       QStringLiteral("Hall"), QStringLiteral("photo"), QStringLiteral("Sky")}));
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to create a frame from '") + notes +
                                                     QStringLiteral("'.\n\nYou can drag only .BMP, .GIF and .JPG files.")});
        QCOMPARE(m_requests.size(), 4);
        QCOMPARE(m_project->read(QStringLiteral("Frames/forest.jpg")), QByteArray("picture"));
        QCOMPARE(m_project->read(QStringLiteral("Frames/Sky.PNG")), QByteArray("picture"));
    }
};

QTEST_MAIN(tst_Frames)
#include "tst_Frames.moc"
