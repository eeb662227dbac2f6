#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

class Game;
class ImageControl;

// The player's first window, and the one every game returns to: the game's
// title, version and author, and the buttons to start a new game, load a
// saved one, leave, or learn about the tool the game was made with.
class frmWelcome : public QWidget {
    Q_OBJECT

public:
    static constexpr auto kWebAddress = "https://www.quendara.org/";

    // Geometry of the design, in twips.
    static constexpr int kDesignWidth = 10200;
    static constexpr int kDesignHeight = 4080;

    explicit frmWelcome(const QString& programFolder, QWidget* parent = nullptr);
    ~frmWelcome() override;

    // The welcome window of this process, when it is loaded.
    static frmWelcome* loaded();

    void Form_Load();
    void Form_Activate();
    void Image5_Click();
    void Image6_Click();
    void Image7_Click();
    void Image8_Click();
    void Image3_Click();
    void Label3_Click();
    void Image4_Click();
    void Form_Unload();

    // For authors trying one scene: starts a game at `frame` instead of the
    // starting frame, with the variables, disappeared areas and inventory of
    // saved game `savedGame` (a name in the game's folder, or a file) when
    // it is not empty, else with the start values. False when no game
    // started (the saved game could not be read, or the game's size cannot
    // be shown); the player has been told why.
    bool StartAtFrame(const QString& frame, const QString& savedGame = QString());

    // Unloads the window: Form_Unload, then the window closes for good.
    void unload();


    // Window geometry in twips: outer height from the frame's border and the
    // lowest line shown.
    int heightTwips() const { return m_heightTwips; }
    int borderTwips() const;
    QPoint positionTwips() const { return m_positionTwips; }

    QLabel* txtAdventureName = nullptr;
    QLabel* txtVersion = nullptr;
    QLabel* lblAuthor = nullptr;
    QLabel* txtAuthor = nullptr;
    QLabel* lblEmail = nullptr;
    QLabel* txtEmail = nullptr;
    QLabel* lblHomepage = nullptr;
    QLabel* txtHomepage = nullptr;
    QLabel* Label2 = nullptr;
    ImageControl* Image2 = nullptr;
    ImageControl* Image5 = nullptr;
    ImageControl* Image6 = nullptr;
    ImageControl* Image7 = nullptr;
    ImageControl* Image8 = nullptr;
    QPixmap Image1;  // the paper texture, tiled over the window
    QWidget* Picture1 = nullptr;
    ImageControl* Image3 = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* Label3 = nullptr;

signals:
    // What this window asks of others; the program's coordinator
    // (PlayerWindows, or the editor's) answers. "Load Game..." wants the
    // load-game window; unloading ends the program, or, when the editor runs
    // the game, goes back to the editor.
    void loadGameRequested();
    void programEndRequested();
    void editorReturnRequested();
    // A game is about to start in `game` (a new game); the coordinator wires
    // what the game window asks for.
    void gameStarting(Game& game);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildPanel();
    void centre();
    void setHeightTwips(int twips);
    void fillFromRecord();
    void layOut();

    QString m_programFolder;
    int m_heightTwips = kDesignHeight;
    QPoint m_positionTwips;
    bool m_unloaded = false;
    bool m_activating = false;
};
