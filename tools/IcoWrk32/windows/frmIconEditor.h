#pragma once

#include "tools/IcoWrk32/DrawingTool.h"
#include "tools/IcoWrk32/IconDocument.h"
#include "tools/IcoWrk32/ToolStroke.h"

#include <QMainWindow>
#include <QMap>

class ColourPalette;
class IconCanvas;
class QAbstractButton;
class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

// The icon editor's window: the picture, the tools beside it, the colours,
// the picture at its real size, and the size and kind (icon or pointer) of
// what is being drawn. Opens and saves .ico and .cur files.
class frmIconEditor : public QMainWindow {
    Q_OBJECT

public:
    frmIconEditor();

    const IconDocument& document() const { return m_document; }
    QString fileName() const { return m_path; }
    DrawingTool tool() const { return m_tool; }
    void setTool(DrawingTool tool);

    void New_Click();
    void Open_Click();
    void Save_Click();
    void SaveAs_Click();
    void Undo_Click();
    void Size_Change();
    void Kind_Change();

    // False, after saying so, when the file is not a readable icon or pointer.
    bool OpenFile(const QString& path);
    // Saves as a pointer when the name ends in ".cur", as an icon when it
    // ends in ".ico"; any other name gets the extension of the kind being
    // drawn. False, after saying so, when the file cannot be written.
    bool SaveFile(const QString& path);

    // Asks whether to save changes before they would be lost; false when
    // the author cancels (or saving fails), and the changes must stay.
    bool ConfirmDiscard();

    IconCanvas* canvas = nullptr;
    ColourPalette* palette = nullptr;
    QMap<DrawingTool, QToolButton*> toolButtons;
    QComboBox* cboSize = nullptr;
    QComboBox* cboKind = nullptr;
    QPushButton* cmdUndo = nullptr;
    QLabel* lblPreview = nullptr;
    QLabel* lblStatus = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuUndo = nullptr;

protected:
    // The file name the author chooses for "Save As...", empty when cancelled.
    virtual QString chooseSaveFile(const QString& suggested);
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildTools();
    void canvasPressed(QPoint pixel, Qt::MouseButton button);
    void canvasMoved(QPoint pixel);
    void canvasReleased(QPoint pixel);
    void showPosition(QPoint pixel);
    // Brings the controls, the picture and the title in line with the document.
    void refresh();

    IconDocument m_document;
    ToolStroke m_stroke{m_document};
    DrawingTool m_tool = DrawingTool::Pencil;
    DrawingTool m_toolBeforePick = DrawingTool::Pencil;
    QString m_path;
    bool m_refreshing = false;
};
