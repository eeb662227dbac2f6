#pragma once

#include <QPixmap>
#include <QWidget>

class QListWidget;
class QPushButton;

// "List of objects": the project's pickable objects, beside the main window
// while the events of a frame are edited. An object is dragged from here
// onto a clickable area to define what using it there does.
class frmObjects : public QWidget {
    Q_OBJECT

public:
    explicit frmObjects(QWidget* parent = nullptr);

    // Fills the list from the object files of the Areas folder.
    void ListObjects();
    // Places the window beside `mainWindow` and shows it.
    void ShowObjectsWindow(QWidget* mainWindow);
    // Lays out the list and the button so that they fill the window.
    void Resize();

    // A left-button press on a selected line starts dragging the object,
    // with its inventory icon under the pointer when it can be loaded.
    void ObjectsList_MouseDown(Qt::MouseButton button);
    void Command1_Click();  // Remove selected
    // The window is being closed: by the author from its window menu, or
    // by the editor.
    void Form_QueryUnload(bool byAuthor);

    QListWidget* ObjectsList = nullptr;
    QPushButton* Command1 = nullptr;

    // The type of the dragged data: the object's name as UTF-8.
    static constexpr auto kObjectMimeType = "application/x-quendara-object";

signals:
    // The author closed the window from its window menu.
    void closedByAuthor();

protected:
    // Drags the object `name` with its icon (a null pixmap when it could not
    // be loaded) under the pointer.
    virtual void startDrag(const QString& name, const QPixmap& icon);

    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
