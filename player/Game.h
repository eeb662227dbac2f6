#pragma once

#include <QRect>
#include <QWidget>

class ImageControl;
class QAction;
class QMenuBar;
class QTimer;

// The game window: full screen and black, with the game's picture area
// centred in it. It owns the state of the game being played from a new or
// loaded game until the game ends.
class Game : public QWidget {
    Q_OBJECT

public:
    // The game window of this process when loaded; `load` creates it
    // (Form_Load) when it is not.
    static Game* loaded();
    static Game& load();

    ~Game() override;

    // Clears the game state and sizes the picture area. Returns false (after
    // telling the player) when the game's size cannot be shown.
    bool ResetAll();
    void StartNewGame();
    void ShowMenus();
    void HideMenus();

    void Form_Load();
    void Form_MouseDown();
    void PictureBox_KeyDown(int keyCode);
    void BackImage_Click();
    void mnuExit_Click();
    void mnuSaveGame_Click();
    void Form_Unload();

    // Unloads the window: Form_Unload, then the window closes for good.
    void unload();
    void showGame();

    bool menusShown() const;
    QRect pictureBoxTwips() const { return m_pictureBoxTwips; }

    // What "Save game" opens; the saved-games window sets it.
    static void setSaveGameHandler(std::function<void()> handler);

    qint16 ObjectsCount = 0;
    qint16 DraggedObjectIndex = 0;

    QWidget* PictureBox = nullptr;
    ImageControl* BackImage = nullptr;
    QTimer* Timer1 = nullptr;
    QMenuBar* menuBar = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuSaveGame = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit Game(QWidget* parent = nullptr);
    void updateMenuBar();

    QRect m_pictureBoxTwips;
    bool m_unloaded = false;
};
