#pragma once

#include "player/state/GameSession.h"
#include "player/state/GameView.h"
#include "player/windows/PictureArea.h"

#include <QRect>
#include <QWidget>

#include <vector>

class ImageControl;
class QAction;
class QMenuBar;
class QTimer;

// The game window: full screen and black, with the game's picture area
// centred in it. It shows the game session it owns, from a new or loaded
// game until the game ends: the session keeps the game and its rules, the
// window its controls, menus and media.
class Game : public QWidget, private GameView {
    Q_OBJECT

    // Declared first: the public DraggedObjectIndex below refers into it.
    GameSession m_session;

public:
    // The game window of this process when loaded; `load` creates it
    // (Form_Load) when it is not.
    static Game* loaded();
    static Game& load();

    ~Game() override;

    const GameSession& session() const { return m_session; }
    GameSession& session() { return m_session; }

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
    // The factor the game is drawn at: set by ResetAll from the display
    // options and the screen.
    int scale() const { return m_scale; }
    // The duration timer's interval in milliseconds, 0 when it never fires.
    int timerInterval() const { return m_session.durationTimer().interval; }
    bool timerEnabled() const { return m_session.durationTimer().enabled; }
    const QPixmap& tilePicture() const { return PictureBox->tilePicture(); }
    // The places where the tile is painted, in pixels inside the picture area.
    std::vector<QPoint> tilePositions() const { return PictureBox->tilePositions(); }

    // The area controls of the frame on screen, element 0 the template.
    const std::vector<ImageControl*>& areas() const { return Area; }
    // The inventory icons, element 0 the template.
    const std::vector<ImageControl*>& pickedObjects() const { return PickedObject; }


    // The inventory icon being dragged: the session's.
    qint16& DraggedObjectIndex;

    PictureArea* PictureBox = nullptr;
    ImageControl* BackImage = nullptr;
    QTimer* Timer1 = nullptr;
    QMenuBar* menuBar = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuSaveGame = nullptr;

signals:
    // What this window asks of others; the player's coordinator answers:
    // "Save game" wants the save-game window, an inventory icon pressed
    // with the left button wants its drag to begin.
    void saveGameRequested();
    void dragRequested(ImageControl* icon);
    // After OpenFrame has shown a frame.
    void frameOpened(const QString& name);
    // A frame's background picture could not be shown (`name` as the frame
    // file gives it): no such file, a name outside the game's folder, or a
    // file that is not a picture we can read. The game says nothing and goes
    // on; a program watching the game can report it.
    void backgroundUnreadable(const QString& name);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    explicit Game(QWidget* parent = nullptr);

    // GameView: the session's game on this window's controls.
    void frameChanged(const FrameRecord& frame) override;
    void adventureMessage(const QString& text) override;
    void failure(const QString& text) override;
    QString soundtrackStatus() override;
    void openSoundtrack(const QString& file) override;
    void playSoundtrack() override;
    void closeSoundtrack() override;
    void openSound(const QString& file) override;
    void playSound() override;
    void closeSound() override;
    void beforeVideo() override;
    void playVideo(const QString& file) override;
    void stopVideo() override;
    void showBackground(const FrameBackground& background) override;
    void clearAreas() override;
    bool createArea(const AreaLook& look) override;
    void setAreaVisible(int n, bool visible) override;
    bool addInventoryObject(int k, const QString& name, const QString& iconFile, const QRect& cellTwips) override;
    void removeInventoryObject(int k) override;
    void clearInventory() override;
    void raiseInventory() override;
    void setDurationTimer(bool enabled, int intervalMs) override;
    void showFrame() override;
    void afterFrameOpened(const QString& name) override;
    void gameStopped() override;

    void updateMenuBar();
    ImageControl* newArea(int index);
    ImageControl* newPickedObject(int index);

    std::vector<ImageControl*> Area;
    std::vector<ImageControl*> PickedObject;
    QRect m_pictureBoxTwips;
    int m_scale = 1;
    bool m_sharp = false;
    bool m_unloaded = false;
};
