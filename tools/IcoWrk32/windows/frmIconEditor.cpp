#include "tools/IcoWrk32/windows/frmIconEditor.h"

#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "player/records/AtomicFile.h"
#include "tools/IcoWrk32/windows/ColourPalette.h"
#include "tools/IcoWrk32/windows/IconCanvas.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr qint64 maxIconFileSize = qint64(16) * 1024 * 1024;

const QString fileFilter = QStringLiteral("Icons and pointers (*.ico;*.cur)|*.ico;*.cur");

struct ToolName {
    DrawingTool tool;
    const char* text;
    const char* tip;
};

const ToolName toolNames[] = {
    {DrawingTool::Pencil, "Pencil", "Draws pixel by pixel."},
    {DrawingTool::Line, "Line", "Draws a line from where you press to where you let go."},
    {DrawingTool::Rectangle, "Rectangle", "Draws the outline of a rectangle."},
    {DrawingTool::Fill, "Fill", "Fills the area of one colour under the mouse."},
    {DrawingTool::Eraser, "Eraser", "Makes pixels transparent."},
    {DrawingTool::PickColour, "Pick colour", "Takes the colour of a pixel as the drawing colour."},
    {DrawingTool::HotSpot, "Hot spot", "Sets the pixel of a pointer that points."},
};

QString extensionOf(IconDocument::Kind kind)
{
    return kind == IconDocument::Kind::Pointer ? QStringLiteral(".cur") : QStringLiteral(".ico");
}

// The picture at its real size on a chequerboard, as it will look in a game.
QPixmap previewOf(const QImage& image)
{
    constexpr int side = 56;
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    for (int y = 0; y < side; y += 4)
        for (int x = (y / 4) % 2 * 4; x < side; x += 8)
            painter.fillRect(x, y, 4, 4, QColor(204, 204, 204));
    painter.drawImage((side - image.width()) / 2, (side - image.height()) / 2, image);
    return pixmap;
}

}  // namespace

frmIconEditor::frmIconEditor()
{
    setAccessibleName(QStringLiteral("Icon Editor"));
    buildMenus();

    canvas = new IconCanvas;
    canvas->setDocument(&m_document);
    connect(canvas, &IconCanvas::pressed, this, &frmIconEditor::canvasPressed);
    connect(canvas, &IconCanvas::moved, this, &frmIconEditor::canvasMoved);
    connect(canvas, &IconCanvas::released, this, &frmIconEditor::canvasReleased);
    connect(canvas, &IconCanvas::hovered, this, &frmIconEditor::showPosition);

    cboSize = new QComboBox;
    for (int size : IconDocument::sizes)
        cboSize->addItem(QStringLiteral("%1 x %1").arg(size), size);
    cboSize->setAccessibleName(QStringLiteral("Size"));
    connect(cboSize, &QComboBox::currentIndexChanged, this, &frmIconEditor::Size_Change);
    cboKind = new QComboBox;
    cboKind->addItem(QStringLiteral("Icon (.ico)"));
    cboKind->addItem(QStringLiteral("Mouse pointer (.cur)"));
    cboKind->setAccessibleName(QStringLiteral("Kind"));
    connect(cboKind, &QComboBox::currentIndexChanged, this, &frmIconEditor::Kind_Change);
    auto* kindForm = new QFormLayout;
    kindForm->addRow(QStringLiteral("&Size:"), cboSize);
    kindForm->addRow(QStringLiteral("&Kind:"), cboKind);

    lblPreview = new QLabel;
    lblPreview->setAccessibleName(QStringLiteral("Real size"));
    lblPreview->setAlignment(Qt::AlignCenter);
    auto* previewBox = new QGroupBox(QStringLiteral("Real size"));
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(lblPreview);

    palette = new ColourPalette;
    auto* colourBox = new QGroupBox(QStringLiteral("Colour"));
    auto* colourLayout = new QVBoxLayout(colourBox);
    colourLayout->addWidget(palette);

    auto* side = new QVBoxLayout;
    side->addLayout(kindForm);
    side->addWidget(previewBox);
    side->addWidget(colourBox);
    side->addStretch();

    auto* centre = new QWidget;
    auto* layout = new QHBoxLayout(centre);
    layout->addWidget(buildTools(), 0, Qt::AlignTop);
    layout->addWidget(canvas, 0, Qt::AlignTop);
    layout->addLayout(side);
    setCentralWidget(centre);

    lblStatus = new QLabel;
    lblStatus->setAccessibleName(QStringLiteral("Position"));
    statusBar()->addWidget(lblStatus, 1);

    refresh();
}

void frmIconEditor::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    mnuNew = file->addAction(QStringLiteral("&New"), this, &frmIconEditor::New_Click);
    mnuNew->setShortcut(QKeySequence::New);
    mnuOpen = file->addAction(QStringLiteral("&Open..."), this, &frmIconEditor::Open_Click);
    mnuOpen->setShortcut(QKeySequence::Open);
    mnuSave = file->addAction(QStringLiteral("&Save"), this, &frmIconEditor::Save_Click);
    mnuSave->setShortcut(QKeySequence::Save);
    mnuSaveAs = file->addAction(QStringLiteral("Save &As..."), this, &frmIconEditor::SaveAs_Click);
    file->addSeparator();
    mnuExit = file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuUndo = edit->addAction(QStringLiteral("&Undo"), this, &frmIconEditor::Undo_Click);
    mnuUndo->setShortcut(QKeySequence::Undo);
}

QWidget* frmIconEditor::buildTools()
{
    auto* box = new QGroupBox(QStringLiteral("Tools"));
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    group->setExclusive(true);
    for (const ToolName& t : toolNames) {
        auto* button = new QToolButton;
        button->setText(QString::fromLatin1(t.text));
        button->setToolTip(QString::fromLatin1(t.tip));
        button->setAccessibleName(QString::fromLatin1(t.text));
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        const DrawingTool tool = t.tool;
        connect(button, &QToolButton::clicked, this, [this, tool] { setTool(tool); });
        group->addButton(button);
        layout->addWidget(button);
        toolButtons.insert(tool, button);
    }
    layout->addSpacing(12);
    cmdUndo = new QPushButton(QStringLiteral("Undo"));
    cmdUndo->setAccessibleName(QStringLiteral("Undo"));
    connect(cmdUndo, &QPushButton::clicked, this, &frmIconEditor::Undo_Click);
    layout->addWidget(cmdUndo);
    toolButtons.value(m_tool)->setChecked(true);
    return box;
}

void frmIconEditor::setTool(DrawingTool tool)
{
    if (tool == DrawingTool::HotSpot && m_document.kind() != IconDocument::Kind::Pointer)
        tool = DrawingTool::Pencil;
    if (tool == DrawingTool::PickColour && m_tool != DrawingTool::PickColour)
        m_toolBeforePick = m_tool;
    m_tool = tool;
    toolButtons.value(tool)->setChecked(true);
}

void frmIconEditor::canvasPressed(QPoint pixel, Qt::MouseButton button)
{
    // The right button draws with transparency, as an eraser in any tool.
    const QRgb colour = button == Qt::RightButton ? IconDocument::transparent : palette->colour();
    m_stroke.press(m_tool, pixel, colour);
    if (m_tool == DrawingTool::PickColour) {
        if (m_stroke.picked())
            palette->setColour(*m_stroke.picked());
        setTool(m_toolBeforePick);
    }
    refresh();
}

void frmIconEditor::canvasMoved(QPoint pixel)
{
    if (!m_stroke.active())
        return;
    m_stroke.move(pixel);
    canvas->update();
}

void frmIconEditor::canvasReleased(QPoint pixel)
{
    m_stroke.release(pixel);
    refresh();
}

void frmIconEditor::showPosition(QPoint pixel)
{
    QString text;
    if (m_document.image().rect().contains(pixel))
        text = QStringLiteral("Pixel %1, %2").arg(pixel.x()).arg(pixel.y());
    if (m_document.kind() == IconDocument::Kind::Pointer)
        text += QStringLiteral("    Hot spot %1, %2").arg(m_document.hotSpot().x()).arg(m_document.hotSpot().y());
    lblStatus->setText(text.trimmed());
}

void frmIconEditor::refresh()
{
    m_refreshing = true;
    cboSize->setCurrentIndex(cboSize->findData(m_document.size()));
    const bool pointer = m_document.kind() == IconDocument::Kind::Pointer;
    cboKind->setCurrentIndex(pointer ? 1 : 0);
    m_refreshing = false;
    toolButtons.value(DrawingTool::HotSpot)->setEnabled(pointer);
    if (!pointer && m_tool == DrawingTool::HotSpot)
        setTool(DrawingTool::Pencil);
    cmdUndo->setEnabled(m_document.canUndo());
    mnuUndo->setEnabled(m_document.canUndo());
    lblPreview->setPixmap(previewOf(m_document.image()));
    const QString name = m_path.isEmpty() ? QStringLiteral("Untitled") + extensionOf(m_document.kind())
                                          : QFileInfo(m_path).fileName();
    setWindowTitle(QStringLiteral("Icon Editor - ") + name + (m_document.isModified() ? QStringLiteral(" *") : QString()));
    showPosition(QPoint(-1, -1));
    canvas->update();
}

void frmIconEditor::New_Click()
{
    if (!ConfirmDiscard())
        return;
    m_document.reset(cboSize->currentData().toInt(),
                     cboKind->currentIndex() == 1 ? IconDocument::Kind::Pointer : IconDocument::Kind::Icon);
    m_path.clear();
    refresh();
}

void frmIconEditor::Open_Click()
{
    if (!ConfirmDiscard())
        return;
    const QString folder = m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath();
    const QString chosen = Dialogs::instance().openFile(QStringLiteral("Open"), folder, fileFilter);
    if (!chosen.isEmpty())
        OpenFile(chosen);
}

bool frmIconEditor::OpenFile(const QString& path)
{
    QFile file(FileNames::resolve(path));
    IconDocument opened;
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxIconFileSize || !opened.read(file.readAll())) {
        MsgBox(QStringLiteral("Unable to open '") + path + QStringLiteral("'."), Dialogs::Icon::Exclamation);
        return false;
    }
    m_document = opened;
    m_path = QFileInfo(path).absoluteFilePath();
    refresh();
    return true;
}

void frmIconEditor::Save_Click()
{
    if (m_path.isEmpty())
        SaveAs_Click();
    else
        SaveFile(m_path);
}

void frmIconEditor::SaveAs_Click()
{
    const QString suggested = m_path.isEmpty() ? QStringLiteral("Untitled") + extensionOf(m_document.kind()) : m_path;
    const QString chosen = chooseSaveFile(suggested);
    if (!chosen.isEmpty())
        SaveFile(chosen);
}

QString frmIconEditor::chooseSaveFile(const QString& suggested)
{
    return QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), suggested,
                                        QStringLiteral("Icons (*.ico);;Mouse pointers (*.cur)"));
}

bool frmIconEditor::SaveFile(const QString& path)
{
    QString target = path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    IconDocument::Kind kind = m_document.kind();
    if (suffix == QStringLiteral("cur"))
        kind = IconDocument::Kind::Pointer;
    else if (suffix == QStringLiteral("ico"))
        kind = IconDocument::Kind::Icon;
    else
        target += extensionOf(kind);

    IconDocument saved = m_document;
    saved.setKind(kind);
    if (!AtomicFile::write(target, saved.write())) {
        MsgBox(QStringLiteral("Unable to save '") + target + QStringLiteral("'."), Dialogs::Icon::Exclamation);
        return false;
    }
    m_document.setKind(kind);
    m_document.setSaved();
    m_path = QFileInfo(target).absoluteFilePath();
    refresh();
    return true;
}

void frmIconEditor::Undo_Click()
{
    if (m_stroke.active())
        return;
    m_document.undo();
    refresh();
}

void frmIconEditor::Size_Change()
{
    if (m_refreshing)
        return;
    m_document.resize(cboSize->currentData().toInt());
    refresh();
}

void frmIconEditor::Kind_Change()
{
    if (m_refreshing)
        return;
    m_document.setKind(cboKind->currentIndex() == 1 ? IconDocument::Kind::Pointer : IconDocument::Kind::Icon);
    refresh();
}

bool frmIconEditor::ConfirmDiscard()
{
    if (!m_document.isModified())
        return true;
    const QString name = m_path.isEmpty() ? QStringLiteral("Untitled") + extensionOf(m_document.kind())
                                          : QFileInfo(m_path).fileName();
    const int answer = MsgBox(QStringLiteral("Save the changes to '") + name + QStringLiteral("'?"),
                              Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel, QStringLiteral("Icon Editor"));
    if (answer == Dialogs::No)
        return true;
    if (answer != Dialogs::Yes)
        return false;
    Save_Click();
    return !m_document.isModified();
}

void frmIconEditor::closeEvent(QCloseEvent* event)
{
    if (ConfirmDiscard())
        event->accept();
    else
        event->ignore();
}
