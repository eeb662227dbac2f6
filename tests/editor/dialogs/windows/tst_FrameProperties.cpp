#include "editor/dialogs/windows/frmFrameProperties.h"
#include "platform/ScriptedDialogs.h"
#include "player/FrameRecord.h"
#include "player/records/RecordSync.h"
#include "player/ProjectPaths.h"
#include "support/FileFilters.h"
#include "support/TempProject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

class tst_FrameProperties : public QObject {
    Q_OBJECT

private:
    FrameRecord saved(const QString& name)
    {
        FrameRecord record;
        [&] { QVERIFY(RecordFile::load(ProjectPaths::FramesPath + name + QStringLiteral(".fme"), static_cast<FrameFile&>(record))); }();
        return record;
    }
    std::unique_ptr<frmFrameProperties> open(const QString& name)
    {
        auto dialog = std::make_unique<frmFrameProperties>();
        dialog->SetTab();
        dialog->LoadFrameProperties(name);
        return dialog;
    }

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;

    // Samples of every kind of media file, one each, in a folder of their own;
    // one picture has its ending in capitals, as files made on Windows do.
    static void writeSamples(const QString& folder)
    {
        const QString pictures = QStringLiteral(QUENDARA_TEST_DATA "/pictures/");
        const QString media = QStringLiteral(QUENDARA_TEST_DATA "/media/");
        const QList<QPair<QString, QString>> samples{
            {pictures + QStringLiteral("bmp24.bmp"), QStringLiteral("bmp24.bmp")},
            {pictures + QStringLiteral("bmp8.bmp"), QStringLiteral("FOREST.BMP")},
            {pictures + QStringLiteral("clipart.gif"), QStringLiteral("clipart.gif")},
            {pictures + QStringLiteral("photo.jpg"), QStringLiteral("photo.jpg")},
            {pictures + QStringLiteral("photo.jpg"), QStringLiteral("photo2.jpeg")},
            {pictures + QStringLiteral("alpha.png"), QStringLiteral("alpha.png")},
            {pictures + QStringLiteral("clipart.wmf"), QStringLiteral("clipart.wmf")},
            {pictures + QStringLiteral("clipart.emf"), QStringLiteral("clipart.emf")},
            {pictures + QStringLiteral("arrow.cur"), QStringLiteral("arrow.cur")},
            {pictures + QStringLiteral("vista.ico"), QStringLiteral("vista.ico")},
            {media + QStringLiteral("tune_format0.mid"), QStringLiteral("tune_format0.mid")},
            {media + QStringLiteral("movie_mjpeg.avi"), QStringLiteral("movie_mjpeg.avi")},
        };
        for (const auto& [from, to] : samples)
            QVERIFY2(QFile::copy(from, folder + QLatin1Char('/') + to), qPrintable(from));
    }

    static QStringList names(const QComboBox* list)
    {
        QStringList all;
        for (int i = 0; i < list->count(); ++i)
            all << list->itemText(i);
        return all;
    }

private slots:
    // Qt's file dialog, given each Browse... filter, lists every file of the
    // kind and nothing else; the lists of the dialog take the same files.
    void browseListsEveryFileOfItsKind()
    {
        QTemporaryDir samples;
        writeSamples(samples.path());
        const QStringList pictures{QStringLiteral("alpha.png"),   QStringLiteral("bmp24.bmp"),  QStringLiteral("clipart.emf"),
                                   QStringLiteral("clipart.gif"), QStringLiteral("clipart.wmf"), QStringLiteral("FOREST.BMP"),
                                   QStringLiteral("photo.jpg"),   QStringLiteral("photo2.jpeg")};
        QCOMPARE(filesListed(frmFrameProperties::PictureFilter, samples.path()), pictures);
        QCOMPARE(filesListed(frmFrameProperties::SoundtrackFilter, samples.path()), QStringList{QStringLiteral("tune_format0.mid")});
        QCOMPARE(filesListed(frmFrameProperties::VideoFilter, samples.path()), QStringList{QStringLiteral("movie_mjpeg.avi")});

        writeSamples(ProjectPaths::FramesPath);
        auto hall = open(QStringLiteral("Hall"));
        QStringList inFrames = pictures;
        inFrames << QStringLiteral("cave.gif") << QStringLiteral("hall.jpg");
        inFrames.sort(Qt::CaseInsensitive);
        QCOMPARE(names(hall->Combo1), inFrames);
    }

    // A PNG background, as today's tools make them, is shown and accepted
    // like any other picture.
    void pngBackgroundIsPreviewedAndAccepted()
    {
        QVERIFY(QFile::copy(QStringLiteral(QUENDARA_TEST_DATA "/pictures/alpha.png"), ProjectPaths::FramesPath + QStringLiteral("sky.png")));
        m_project->writeLines(QStringLiteral("Frames/Sky.fme"),
                              {QStringLiteral("1"), QStringLiteral("\"sky.png\""), QStringLiteral("#FALSE#"), QStringLiteral("#FALSE#"),
                               QStringLiteral("\"\""), QStringLiteral("#FALSE#"), QStringLiteral("4"), QStringLiteral("\"\""),
                               QStringLiteral("\"\""), QStringLiteral("#TRUE#")});
        auto sky = open(QStringLiteral("Sky"));
        QCOMPARE(sky->Combo1->currentText(), QStringLiteral("sky.png"));
        QVERIFY(!sky->Image1->pixmap().isNull());
        QVERIFY(sky->Command2_Click());
        QVERIFY(m_dialogs->shown().isEmpty());
        QCOMPARE(saved(QStringLiteral("Sky")).Background, QStringLiteral("sky.png"));
    }

    void previewShowsTheChosenPictureOnOpeningAndAfterBrowse()
    {
        QVERIFY(QFile::copy(QStringLiteral(QUENDARA_TEST_DATA "/pictures/bmp24.bmp"), ProjectPaths::FramesPath + QStringLiteral("door.bmp")));
        m_project->writeLines(QStringLiteral("Frames/Door.fme"),
                              {QStringLiteral("1"), QStringLiteral("\"door.bmp\""), QStringLiteral("#TRUE#"), QStringLiteral("#FALSE#"),
                               QStringLiteral("\"\""), QStringLiteral("#FALSE#"), QStringLiteral("4"), QStringLiteral("\"\""),
                               QStringLiteral("\"\""), QStringLiteral("#TRUE#")});
        auto door = open(QStringLiteral("Door"));
        QVERIFY(!door->Image1->pixmap().isNull());

        // hall.jpg holds no picture: the preview stays empty.
        auto hall = open(QStringLiteral("Hall"));
        QCOMPARE(hall->Combo1->currentText(), QStringLiteral("hall.jpg"));
        QVERIFY(hall->Image1->pixmap().isNull());
        m_dialogs->queueFile(QStringLiteral(QUENDARA_TEST_DATA "/pictures/clipart.wmf"));
        hall->Command17_Click();
        QCOMPARE(hall->Combo1->currentText(), QStringLiteral("clipart.wmf"));
        QVERIFY(!hall->Image1->pixmap().isNull());
    }

    void init()
    {
        m_project = std::make_unique<TempProject>();
        m_project->makeGame();
        for (const char* file : {"hall.jpg", "cave.gif", "night.mid", "intro.avi"})
            m_project->write(QStringLiteral("Frames/") + QLatin1String(file), "x");
        m_project->writeLines(QStringLiteral("Frames/Hall.fme"),
                              {QStringLiteral("1"), QStringLiteral("\"hall.jpg\""), QStringLiteral("#TRUE#"), QStringLiteral("#FALSE#"),
                               QStringLiteral("\"night.mid\""), QStringLiteral("#FALSE#"), QStringLiteral("4"),
                               QStringLiteral("\"Yard\""), QStringLiteral("\"\""), QStringLiteral("#TRUE#")});
        m_project->writeLines(QStringLiteral("Frames/Yard.fme"),
                              {QStringLiteral("0"), QStringLiteral("255"), QStringLiteral("#FALSE#"), QStringLiteral("#TRUE#"),
                               QStringLiteral("\"gone.mid\""), QStringLiteral("#TRUE#"), QStringLiteral("2.5"),
                               QStringLiteral("\"Hall\""), QStringLiteral("\"intro.avi\""), QStringLiteral("#FALSE#")});
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup()
    {
        m_dialogs.reset();
        m_project.reset();
    }

    // Screen readers and the screenshot scripts find the timer's and the
    // media's fields by name: the labels above them are not their buddies.
    void everyFieldWithoutAFormLabelHasAnAccessibleName()
    {
        auto hall = open(QStringLiteral("Hall"));
        for (QWidget* field : std::initializer_list<QWidget*>{hall->Combo1, hall->txtSeconds, hall->Combo3, hall->Combo2,
                                                              hall->Combo4})
            QVERIFY2(!field->accessibleName().isEmpty(), field->metaObject()->className());
    }

    void loadsWhatTheFrameFileHolds()
    {
        auto hall = open(QStringLiteral("Hall"));
        QCOMPARE(hall->windowTitle(), QStringLiteral("Frame properties"));
        QCOMPARE(hall->txtPath->text(), ProjectPaths::FramesPath + QStringLiteral("Hall.fme"));
        QVERIFY(hall->Option1[1]->isChecked());
        QCOMPARE(hall->Combo1->currentText(), QStringLiteral("hall.jpg"));
        QVERIFY(hall->Check1->isChecked());
        QVERIFY(hall->Check2->isChecked());
        QCOMPARE(hall->Combo2->currentText(), QStringLiteral("night.mid"));
        QVERIFY(!hall->Check4->isChecked());
        QCOMPARE(hall->Combo3->currentText(), QStringLiteral("Yard"));  // kept with the timer off
        QVERIFY(!hall->CheckVideo->isChecked());

        auto yard = open(QStringLiteral("Yard"));
        QVERIFY(yard->Option1[0]->isChecked());
        QCOMPARE(yard->colour(), QColor(255, 0, 0));
        QVERIFY(yard->Check2->isChecked());
        QCOMPARE(yard->Combo2->currentIndex(), -1);  // gone.mid is no longer there
        QCOMPARE(yard->txtSeconds->text(), QStringLiteral("2"));  // read as the player reads it
        QCOMPARE(yard->Combo4->currentText(), QStringLiteral("intro.avi"));
        QVERIFY(m_dialogs->shown().isEmpty());

        auto missing = open(QStringLiteral("Nowhere"));
        QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("Unable to load frame properties.")});
    }

    // A state changed without a click (the keyboard, an assistive tool)
    // shows and hides the same controls; only the author's own click on a
    // sound also ticks "Stop any playing sound.".
    void groupsFollowTheStateHoweverItChanged()
    {
        auto hall = open(QStringLiteral("Hall"));
        hall->show();
        hall->SSTab1->setCurrentIndex(1);
        QVERIFY(!hall->Frame4->isVisibleTo(hall.get()));
        hall->Check4->setChecked(true);
        QVERIFY(hall->Frame4->isVisibleTo(hall.get()));
        hall->SSTab1->setCurrentIndex(2);
        hall->Check3->setChecked(false);
        hall->Check2->setChecked(false);
        QVERIFY(!hall->Frame3->isVisibleTo(hall.get()));
        hall->Check2->setChecked(true);
        QVERIFY(hall->Frame3->isVisibleTo(hall.get()));
        QVERIFY(!hall->Check3->isChecked());
        hall->Check2->setChecked(false);
        hall->Check2->click();
        QVERIFY(hall->Check3->isChecked());
        hall->SSTab1->setCurrentIndex(0);
        hall->Option1[0]->setChecked(true);
        QVERIFY(!hall->Frame1->isVisibleTo(hall.get()));
        QVERIFY(hall->Frame2->isVisibleTo(hall.get()));
    }

    void whatIsSavedThePlayerReads()
    {
        auto yard = open(QStringLiteral("Yard"));
        QVERIFY(yard->Command2_Click());  // a sound box checked with nothing chosen is allowed
        FrameRecord record = saved(QStringLiteral("Yard"));
        QCOMPARE(record.FrameKind, qint16(0));
        QCOMPARE(record.Background, QStringLiteral("255"));
        QVERIFY(!record.Tiled);
        QCOMPARE(record.Soundtrack, QString());  // saved empty, so the box comes back unchecked
        QCOMPARE(record.DurationSeconds, qint16(2));
        QCOMPARE(record.DurationTarget, QStringLiteral("Hall"));
        QCOMPARE(record.Video, QStringLiteral("intro.avi"));
        QVERIFY(!open(QStringLiteral("Yard"))->Check2->isChecked());

        // A solid colour saves no picture and never tiles.
        auto hall = open(QStringLiteral("Hall"));
        hall->Option1[0]->setChecked(true);
        hall->Option1_Click();
        QVERIFY(hall->Command2_Click());
        record = saved(QStringLiteral("Hall"));
        QCOMPARE(record.Background, QStringLiteral("0"));
        QVERIFY(!record.Tiled);
        QCOMPARE(record.Soundtrack, QStringLiteral("night.mid"));
        QVERIFY(record.SoundAfterVideo);
    }

    void okChecksItsThreeRules()
    {
        auto hall = open(QStringLiteral("Hall"));
        hall->Combo1->setCurrentIndex(-1);
        QVERIFY(!hall->Command2_Click());
        QCOMPARE(m_dialogs->messages().last(), QStringLiteral("Please select a valid picture."));
        hall->Combo1->setCurrentIndex(0);

        hall->Check4->setChecked(true);
        hall->txtSeconds->setText(QStringLiteral("abc"));
        QVERIFY(!hall->Command2_Click());
        QCOMPARE(hall->SSTab1->currentIndex(), 1);
        QCOMPARE(m_dialogs->messages().last(), QStringLiteral("Please enter a valid duration and select a valid frame."));
        hall->txtSeconds->setText(QStringLiteral("-3"));  // only 0 is refused

        hall->CheckVideo->setChecked(true);
        QVERIFY(!hall->Command2_Click());
        QCOMPARE(hall->SSTab1->currentIndex(), 2);
        QCOMPARE(m_dialogs->messages().last(), QStringLiteral("Please select a valid video file."));
        hall->Combo4->setCurrentIndex(0);
        QVERIFY(hall->Command2_Click());
        QCOMPARE(saved(QStringLiteral("Hall")).Video, QStringLiteral("intro.avi"));
    }

    // The colour goes as a plain number, a picture's name in quotes, and the
    // seconds as the whole number the player reads back.
    void savedBytes()
    {
        auto yard = open(QStringLiteral("Yard"));
        yard->txtSeconds->setText(QStringLiteral("3.5"));
        QVERIFY(yard->Command2_Click());
        QCOMPARE(m_project->read(QStringLiteral("Frames/Yard.fme")),
                 QByteArray("0\r\n255\r\n#FALSE#\r\n#TRUE#\r\n\"\"\r\n#TRUE#\r\n4\r\n\"Hall\"\r\n\"intro.avi\"\r\n#FALSE#\r\n"));
        auto hall = open(QStringLiteral("Hall"));
        hall->txtSeconds->setText(QStringLiteral("-0.5"));
        QVERIFY(hall->Command2_Click());
        QCOMPARE(m_project->read(QStringLiteral("Frames/Hall.fme")),
                 QByteArray("1\r\n\"hall.jpg\"\r\n#TRUE#\r\n#FALSE#\r\n\"night.mid\"\r\n#FALSE#\r\n0\r\n\"Yard\"\r\n\"\"\r\n#TRUE#\r\n"));
    }

    // A duration past 16 bits would make the frame unreadable for the player,
    // so OK refuses it, timer on or off.
    void okRefusesADurationThePlayerCannotRead()
    {
        const QByteArray before = m_project->read(QStringLiteral("Frames/Hall.fme"));
        auto hall = open(QStringLiteral("Hall"));
        for (const QString& seconds : {QStringLiteral("32768"), QStringLiteral("-32769"), QStringLiteral("99999")}) {
            hall->SSTab1->setCurrentIndex(0);
            hall->Check4->setChecked(seconds.startsWith(QLatin1Char('-')));
            hall->txtSeconds->setText(seconds);
            QVERIFY(!hall->Command2_Click());
            QCOMPARE(hall->SSTab1->currentIndex(), 1);
            QCOMPARE(m_dialogs->messages().last(), QStringLiteral("Please enter a valid duration and select a valid frame."));
        }
        QCOMPARE(m_dialogs->messages().size(), 3);
        QCOMPARE(m_project->read(QStringLiteral("Frames/Hall.fme")), before);

        hall->txtSeconds->setText(QStringLiteral("32767.4"));
        QVERIFY(hall->Command2_Click());
        QCOMPARE(saved(QStringLiteral("Hall")).DurationSeconds, qint16(32767));
    }

    void browseCopiesAndRemoveAsks()
    {
        QTemporaryDir elsewhere;
        const QString song = elsewhere.path() + QStringLiteral("/dawn.mid");
        QFile file(song);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("MThd");
        file.close();
        auto hall = open(QStringLiteral("Hall"));
        m_dialogs->queueFile(song);
        hall->Command5_Click();
        QCOMPARE(hall->Combo2->currentText(), QStringLiteral("dawn.mid"));
        QCOMPARE(m_project->read(QStringLiteral("Frames/dawn.mid")), QByteArray("MThd"));

        m_dialogs->queueAnswer(Dialogs::No);
        hall->Command4_Click();
        QVERIFY(m_project->exists(QStringLiteral("Frames/dawn.mid")));
        QCOMPARE(m_dialogs->shown().last().text,
                 QStringLiteral("Do you really want to remove '") + ProjectPaths::FramesPath + QStringLiteral("dawn.mid' ?"));
        m_dialogs->queueAnswer(Dialogs::Yes);
        hall->Command4_Click();
        QVERIFY(!m_project->exists(QStringLiteral("Frames/dawn.mid")));
        QCOMPARE(hall->Combo2->currentIndex(), -1);

        // Checking the soundtrack or the video also checks "Stop any playing sound.".
        hall->Check3->setChecked(false);
        hall->CheckVideo->setChecked(true);
        hall->CheckVideo_Click();
        QVERIFY(hall->Check3->isChecked());
        QVERIFY(!hall->FrameVideo->isHidden());
    }
};

QTEST_MAIN(tst_FrameProperties)
#include "tst_FrameProperties.moc"
