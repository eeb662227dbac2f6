#include "platform/ScriptedDialogs.h"
#include "platform/pictures/Pictures.h"
#include "support/OffscreenWarnings.h"
#include "tools/IcoWrk32/windows/ColourPalette.h"
#include "tools/IcoWrk32/windows/IconCanvas.h"
#include "tools/IcoWrk32/windows/frmIconEditor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

// The window with "Save As..." answered by the test instead of a file dialog.
class TestIconEditor : public frmIconEditor {
public:
    QStringList saveAnswers;
    int saveQuestions = 0;

protected:
    QString chooseSaveFile(const QString&) override
    {
        ++saveQuestions;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
};

QToolButton* colourButton(ColourPalette* palette, const QString& name)
{
    for (QToolButton* b : palette->colourButtons)
        if (b->accessibleName() == name)
            return b;
    return nullptr;
}

}  // namespace

class tst_IconEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<TestIconEditor> m_window;
    QTemporaryDir m_folder;

    QPoint centreOf(QPoint pixel) const { return m_window->canvas->cellRect(pixel).center(); }

    void drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        QTest::mousePress(m_window->canvas, button, {}, centreOf(from));
        QTest::mouseMove(m_window->canvas, centreOf((from + to) / 2));
        QTest::mouseMove(m_window->canvas, centreOf(to));
        QTest::mouseRelease(m_window->canvas, button, {}, centreOf(to));
    }

    void click(QPoint pixel, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(m_window->canvas, button, {}, centreOf(pixel));
    }

    QRgb pixel(int x, int y) const { return m_window->document().image().pixel(x, y); }

private slots:
    void initTestCase() { ignoreOffscreenWindowWarnings(); }

    void init()
    {
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_window = std::make_unique<TestIconEditor>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        QVERIFY2(m_dialogs->unexpected().isEmpty(), qPrintable(m_dialogs->messages().join(QLatin1Char('\n'))));
        m_window.reset();
        m_dialogs.reset();
    }

    void everyControlHasAnAccessibleNameAndItsWholeSize()
    {
        for (QWidget* w : m_window->findChildren<QWidget*>()) {
            // Qt's own inner parts (the menu bar's overflow button) are not ours to name.
            if (w->objectName().startsWith(QStringLiteral("qt_")))
                continue;
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<IconCanvas*>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
            // Nothing is cut off: every control is at least as large as it asks.
            if (w->isVisible() && (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)))
                QVERIFY2(w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height(),
                         qPrintable(w->accessibleName()));
        }
        for (DrawingTool tool : m_window->toolButtons.keys())
            QVERIFY(m_window->toolButtons.value(tool)->isVisible());
    }

    void drawsWithTheMouseAndSavesAnIconThePlayerShows()
    {
        QTest::mouseClick(colourButton(m_window->palette, QStringLiteral("Red")), Qt::LeftButton);
        QCOMPARE(m_window->palette->lblColour->text(), QStringLiteral("Red"));
        QTest::mouseClick(m_window->toolButtons.value(DrawingTool::Line), Qt::LeftButton);
        drag(Qt::LeftButton, QPoint(2, 3), QPoint(10, 3));
        for (int x = 2; x <= 10; ++x)
            QCOMPARE(pixel(x, 3), qRgb(255, 0, 0));
        QCOMPARE(qAlpha(pixel(11, 3)), 0);
        QCOMPARE(qAlpha(pixel(6, 4)), 0);

        QTest::mouseClick(m_window->toolButtons.value(DrawingTool::Rectangle), Qt::LeftButton);
        QTest::mouseClick(colourButton(m_window->palette, QStringLiteral("Blue")), Qt::LeftButton);
        drag(Qt::LeftButton, QPoint(20, 20), QPoint(25, 28));
        QCOMPARE(pixel(20, 28), qRgb(0, 0, 255));
        QCOMPARE(qAlpha(pixel(22, 22)), 0);
        QVERIFY(m_window->windowTitle().endsWith(QStringLiteral(" *")));

        // A name without extension becomes an icon file.
        m_window->saveAnswers << m_folder.filePath(QStringLiteral("drawn"));
        m_window->mnuSave->trigger();
        QCOMPARE(m_window->saveQuestions, 1);
        const QString path = m_folder.filePath(QStringLiteral("drawn.ico"));
        QCOMPARE(m_window->fileName(), path);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Icon Editor - drawn.ico"));
        const QImage shown = Pictures::load(path).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown.size(), QSize(32, 32));
        QCOMPARE(shown.pixel(5, 3), qRgb(255, 0, 0));
        QCOMPARE(shown.pixel(25, 20), qRgb(0, 0, 255));
        QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);

        // Saving again writes the same file without asking.
        click(QPoint(0, 0));
        m_window->mnuSave->trigger();
        QCOMPARE(m_window->saveQuestions, 1);
        QCOMPARE(Pictures::load(path).pixel(0, 0), qRgb(0, 0, 255));
        QVERIFY(!m_window->document().isModified());
    }

    void drawsAPointerWithItsHotSpotForThePlayer()
    {
        QVERIFY(!m_window->toolButtons.value(DrawingTool::HotSpot)->isEnabled());
        m_window->cboSize->setCurrentIndex(0);  // 16 x 16
        m_window->cboKind->setCurrentIndex(1);  // pointer
        QCOMPARE(m_window->document().size(), 16);
        QVERIFY(m_window->toolButtons.value(DrawingTool::HotSpot)->isEnabled());
        QTest::mouseClick(m_window->toolButtons.value(DrawingTool::Pencil), Qt::LeftButton);
        drag(Qt::LeftButton, QPoint(0, 0), QPoint(6, 6));
        QTest::mouseClick(m_window->toolButtons.value(DrawingTool::HotSpot), Qt::LeftButton);
        click(QPoint(7, 9));
        QCOMPARE(m_window->document().hotSpot(), QPoint(7, 9));

        m_window->saveAnswers << m_folder.filePath(QStringLiteral("hand.cur"));
        m_window->SaveAs_Click();
        const std::optional<QCursor> pointer = Pictures::cursor(m_folder.filePath(QStringLiteral("hand.cur")));
        QVERIFY(pointer);
        QCOMPARE(pointer->hotSpot(), QPoint(7, 9));
        QCOMPARE(pointer->pixmap().toImage().pixel(3, 3), qRgb(0, 0, 0));

        // Saved under an .ico name the same drawing becomes an icon.
        QVERIFY(m_window->SaveFile(m_folder.filePath(QStringLiteral("hand.ico"))));
        QCOMPARE(m_window->document().kind(), IconDocument::Kind::Icon);
        QVERIFY(!m_window->toolButtons.value(DrawingTool::HotSpot)->isEnabled());
    }

    void pickColourEraseAndUndo()
    {
        m_dialogs->queueColour(std::nullopt);  // cancelled: nothing changes
        QTest::mouseClick(m_window->palette->cmdOtherColour, Qt::LeftButton);
        QCOMPARE(m_window->palette->colour(), qRgb(0, 0, 0));
        m_dialogs->queueColour(QColor(10, 20, 30));
        QTest::mouseClick(m_window->palette->cmdOtherColour, Qt::LeftButton);
        QCOMPARE(m_window->palette->colour(), qRgb(10, 20, 30));
        QTest::mouseClick(m_window->toolButtons.value(DrawingTool::Fill), Qt::LeftButton);
        click(QPoint(5, 5));
        QCOMPARE(pixel(31, 31), qRgb(10, 20, 30));

        // The right button erases whatever the tool.
        QTest::mouseClick(m_window->toolButtons.value(DrawingTool::Pencil), Qt::LeftButton);
        drag(Qt::RightButton, QPoint(0, 0), QPoint(3, 0));
        QCOMPARE(qAlpha(pixel(3, 0)), 0);

        // Picking takes the colour and goes back to the tool in use.
        QTest::mouseClick(colourButton(m_window->palette, QStringLiteral("Yellow")), Qt::LeftButton);
        QTest::mouseClick(m_window->toolButtons.value(DrawingTool::PickColour), Qt::LeftButton);
        click(QPoint(10, 10));
        QCOMPARE(m_window->palette->colour(), qRgb(10, 20, 30));
        QCOMPARE(m_window->tool(), DrawingTool::Pencil);
        QVERIFY(m_window->toolButtons.value(DrawingTool::Pencil)->isChecked());
        QTest::mouseClick(m_window->palette->cmdTransparent, Qt::LeftButton);
        QCOMPARE(m_window->palette->lblColour->text(), QStringLiteral("Transparent"));

        QTest::mouseClick(m_window->cmdUndo, Qt::LeftButton);
        QCOMPARE(pixel(3, 0), qRgb(10, 20, 30));
        QTest::mouseClick(m_window->cmdUndo, Qt::LeftButton);
        QCOMPARE(qAlpha(pixel(31, 31)), 0);
        QVERIFY(!m_window->cmdUndo->isEnabled());
    }

    void opensFilesAndSaysWhenOneCannotBeRead()
    {
        m_dialogs->queueFile(QStringLiteral(QUENDARA_TEST_DATA "/pictures/two-sizes.cur"));
        m_window->mnuOpen->trigger();
        QCOMPARE(m_window->document().size(), 48);
        QCOMPARE(m_window->cboSize->currentText(), QStringLiteral("48 x 48"));
        QCOMPARE(m_window->cboKind->currentIndex(), 1);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Icon Editor - two-sizes.cur"));

        const QString bad = QStringLiteral(QUENDARA_TEST_DATA "/pictures/bmp24.bmp");
        m_dialogs->queueAnswer(Dialogs::OK);
        QVERIFY(!m_window->OpenFile(bad));
        QCOMPARE(m_dialogs->messages().last(), QStringLiteral("Unable to open '") + bad + QStringLiteral("'."));
        QCOMPARE(m_window->document().size(), 48);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Icon Editor - two-sizes.cur"));
    }

    void failedSaveIsReportedAndKeepsTheChanges()
    {
        click(QPoint(1, 1));
        const QString path = m_folder.filePath(QStringLiteral("missing/folder/x.ico"));
        m_dialogs->queueAnswer(Dialogs::OK);
        QVERIFY(!m_window->SaveFile(path));
        QCOMPARE(m_dialogs->messages().last(), QStringLiteral("Unable to save '") + path + QStringLiteral("'."));
        QVERIFY(m_window->document().isModified());
        QVERIFY(m_window->fileName().isEmpty());
    }

    void changesAreNotLostWithoutAsking()
    {
        click(QPoint(1, 1));
        // Cancel keeps the window and the drawing.
        m_dialogs->queueAnswer(Dialogs::Cancel);
        QVERIFY(!m_window->close());
        QVERIFY(m_window->isVisible());
        // Yes, then no file name chosen: the drawing is not thrown away.
        m_dialogs->queueAnswer(Dialogs::Yes);
        m_window->New_Click();
        QCOMPARE(m_window->saveQuestions, 1);
        QCOMPARE(pixel(1, 1), qRgb(0, 0, 0));
        // Yes with a name saves, then starts the new picture.
        m_dialogs->queueAnswer(Dialogs::Yes);
        m_window->saveAnswers << m_folder.filePath(QStringLiteral("kept.ico"));
        m_window->New_Click();
        QVERIFY(QFile::exists(m_folder.filePath(QStringLiteral("kept.ico"))));
        QCOMPARE(qAlpha(pixel(1, 1)), 0);
        QVERIFY(m_window->fileName().isEmpty());
        // No throws the changes away.
        click(QPoint(2, 2));
        m_dialogs->queueAnswer(Dialogs::No);
        QVERIFY(m_window->close());
        QCOMPARE(m_dialogs->messages().size(), 4);
        QCOMPARE(m_dialogs->messages().first(), QStringLiteral("Save the changes to 'Untitled.ico'?"));
    }
};

QTEST_MAIN(tst_IconEditor)
#include "tst_IconEditor.moc"
