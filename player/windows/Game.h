#pragma once

#include "player/state/VariablesCollection.h"

#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <functional>
#include <vector>

class ImageControl;
class QAction;
class QMenuBar;
class QTimer;

// The game window: full screen and black, with the game's picture area
// centred in it. It owns the state of the game being played from a new or
// loaded game until the game ends: variables, disappeared areas, inventory.
class Game : public QWidget {
    Q_OBJECT

public:
    // The game window of this process when loaded; `load` creates it
    // (Form_Load) when it is not.
    static Game* loaded();
    static Game& load();

    ~Game() override;

    void ChangeVariableValue(const QString& VariableName, qint16 NewValue);
    qint16 GetVariableValue(const QString& VariableName) const;
    // Clears the game state and sizes the picture area. Returns false (after
    // telling the player) when the game's size cannot be shown.
    bool ResetAll();
    void MakeAction(qint16 AreaIndex, qint16 ObjectIndex, qint16& result);
    void OpenFrame(const QString& name);
    void LoadAreas();
    void ResetFrameAreas();
    void ShowOrNotShowAreas();
    void LoadVariables();
    void ShowMenus();
    void HideMenus();
    void AddPickedObject(const QString& ObjectName);
    void RemovePickedObject(qint16 index);
    void PickOrNotPickObject(qint16 areaIndex);
    void StartNewGame();

    void Form_Load();
    void Form_MouseDown();
    void PictureBox_KeyDown(int keyCode);
    void BackImage_Click();
    void mnuExit_Click();
    void mnuSaveGame_Click();
    void Form_Unload();
    void Area_Click(int Index);
    void Area_DragDrop(int Index, QObject* Source);
    void PickedObject_MouseDown(int Index, Qt::MouseButton Button);
    void Timer1_Timer();
    void ShowAdventureMessage(const QString& text);

    // Unloads the window: Form_Unload, then the window closes for good.
    void unload();
    void showGame();

    bool menusShown() const;
    QRect pictureBoxTwips() const { return m_pictureBoxTwips; }
    // The duration timer's interval in milliseconds, 0 when it never fires.
    int timerInterval() const { return m_timerInterval; }
    bool timerEnabled() const { return m_timerEnabled; }
    const QPixmap& tilePicture() const { return m_tile; }
    // The places where the tile is painted, in pixels inside the picture area.
    std::vector<QPoint> tilePositions() const;

    // The area controls of the frame on screen, element 0 the template.
    const std::vector<ImageControl*>& areas() const { return Area; }
    // The inventory icons, element 0 the template.
    const std::vector<ImageControl*>& pickedObjects() const { return PickedObject; }

    // What "Save game" opens; the saved-games window sets it.
    static void setSaveGameHandler(std::function<void()> handler);
    // Starts the real drag of an inventory icon; tests and the scripted
    // player replace it.
    static void setDragStarter(std::function<void(ImageControl*)> starter);

    VariablesCollection Variables;
    VariablesCollection Disappear;
    qint16 ObjectsCount = 0;
    qint16 DraggedObjectIndex = 0;

    QWidget* PictureBox = nullptr;
    ImageControl* BackImage = nullptr;
    QTimer* Timer1 = nullptr;
    QMenuBar* menuBar = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuSaveGame = nullptr;

signals:
    // After OpenFrame has shown a frame.
    void frameOpened(const QString& name);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit Game(QWidget* parent = nullptr);
    class Effects;

    void updateMenuBar();
    void handleResult(qint16 result);
    void paintTiles();
    void playSoundtrack();
    void setDuration();
    ImageControl* newArea(int index);
    ImageControl* newPickedObject(int index);
    void startDrag(ImageControl* icon);

    std::vector<ImageControl*> Area;
    std::vector<ImageControl*> PickedObject;
    QPixmap m_tile;  // the hidden ImageTile's picture
    QRect m_pictureBoxTwips;
    int m_timerInterval = 0;
    bool m_timerEnabled = false;
    bool m_unloaded = false;
};
