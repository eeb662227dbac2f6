#pragma once

#include <QColor>
#include <QRect>
#include <QRectF>
#include <QString>

#include <optional>

struct FrameRecord;

// The background a frame asks for; a frame of a kind the game does not know
// leaves the background as it was.
struct FrameBackground {
    enum class Kind { Unchanged, Colour, Picture };
    Kind kind = Kind::Unchanged;
    // Colour: the colour, or nothing when the frame's number is not one (the
    // picture area then keeps its colour). Either way the picture or tile of
    // an earlier frame is taken away.
    std::optional<QColor> colour;
    // Picture: the file in Frames/ (empty when its name is not plain), shown
    // stretched over the picture area or repeated from its top-left corner,
    // and its name as the frame file gives it.
    QString picture;
    QString name;
    bool tiled = false;
};

// An area as far as its file was read, in the order the display applies it.
struct AreaLook {
    int n = 0;
    // Where it lies in the picture area, in twips, when the rectangle was read.
    std::optional<QRectF> twips;
    // When the appearance was read: whether the picture is stretched to the
    // area (set before the picture, so that an unstretched area takes its
    // picture's size), whether the area shows no picture, and the picture
    // file in Areas/ when it shows one (empty when its name is not plain).
    std::optional<bool> stretch;
    bool transparent = false;
    std::optional<QString> picture;
    // When the pointer was read: the standard pointer, or a pointer file in
    // Icons/ (empty when its name is not plain).
    bool pointerRead = false;
    std::optional<QString> pointer;
};

// What a game session shows and plays, in the order the game's rules give.
// The game window implements it with its controls and the media players; a
// session without a window uses one that only records.
class GameView {
public:
    virtual ~GameView() = default;

    // The frame record after it was cleared and read, and again after its
    // links count was read once more.
    virtual void frameChanged(const FrameRecord& frame) = 0;

    // A message of an area action, and a failure (exclamation icon): both
    // return when the player has closed them.
    virtual void adventureMessage(const QString& text) = 0;
    virtual void failure(const QString& text) = 0;

    // The frame's soundtrack: its status text ("playing" while one plays).
    virtual QString soundtrackStatus() = 0;
    virtual void openSoundtrack(const QString& file) = 0;
    virtual void playSoundtrack() = 0;
    virtual void closeSoundtrack() = 0;
    // The sound of an area action.
    virtual void openSound(const QString& file) = 0;
    virtual void playSound() = 0;
    virtual void closeSound() = 0;
    // The frame's video: the window is shown and its events let run before
    // it; playing returns when the video has ended and the window's events
    // have run again. It stays on screen until stopped.
    virtual void beforeVideo() = 0;
    virtual void playVideo(const QString& file) = 0;
    virtual void stopVideo() = 0;

    virtual void showBackground(const FrameBackground& background) = 0;
    // The areas of the frame before are removed.
    virtual void clearAreas() = 0;
    // Area `look.n` is created (hidden) and set up as far as its file was
    // read; false when its picture or pointer cannot be loaded, after which
    // nothing more of it is set up.
    virtual bool createArea(const AreaLook& look) = 0;
    virtual void setAreaVisible(int n, bool visible) = 0;

    // Object `k` (1-based) joins the inventory in cell `cellTwips`, with the
    // icon file in Areas/ (empty when its name is not plain); false when the
    // icon cannot be loaded, and then nothing is added.
    virtual bool addInventoryObject(int k, const QString& name, const QString& iconFile, const QRect& cellTwips) = 0;
    // The last object moves into cell `k` and its own cell is removed.
    virtual void removeInventoryObject(int k) = 0;
    virtual void clearInventory() = 0;
    // Inventory icons stay above the areas of a frame just loaded.
    virtual void raiseInventory() = 0;

    // The duration timer: stopped as a frame begins to open, started at its
    // end when the frame has a duration (an interval of 0 never fires).
    virtual void setDurationTimer(bool enabled, int intervalMs) = 0;
    // The frame is ready to be seen (before its duration is set), and then
    // opened.
    virtual void showFrame() = 0;
    virtual void afterFrameOpened(const QString& name) = 0;

    // An action stopped the game.
    virtual void gameStopped() = 0;
};
