#include "editor/shell/windows/MenuHints.h"

#include "editor/shell/windows/frmMenu.h"

#include <QKeySequence>
#include <QPushButton>

namespace MenuHints {

namespace {

struct Hint {
    const char* button;
    const char* tip;
    QKeySequence keys;
};

}  // namespace

void apply(frmMenu& menu)
{
    // Each panel shows at a time, so a key given to buttons of two panels
    // (Quit, Quit project) reaches the one on screen.
    const Hint hints[] = {
        {"cmdNewProject", "Create a new adventure game project", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"cmdLoadProject", "Open an adventure game project you have already made", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"cmdAbout", "Show the version and credits of Quendara", {}},
        {"cmdHelp", "Show where to start making an adventure game", QKeySequence(Qt::Key_F1)},
        {"cmdQuit", "Close Quendara", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"cmdEditProject", "Add, edit and remove the frames of the project; F6 then goes to the frames list and back", {}},
        {"cmdRunProject", "Play the game as the players will see it", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"Command12", "Change the game's name, window size, starting frame and variables", {}},
        {"cmdDrawingTools", "Open the icon editor or a paint program", {}},
        {"cmdDistribute", "Make an installation file to give the game away", {}},
        {"cmdGuide", "Read the tutorial and the reference of every window in your browser", {}},
        {"cmdCheckGame", "Look for what can never happen in the game: endings out of reach, dead ends, missing files", {}},
        {"cmdQuitProject", "Close this project", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"cmdYesClose", "Close the project (it is already saved)", {}},
        {"cmdCancelClose", "Keep working on the project", {}},
        {"cmdAddFrame", "Add a frame with a solid colour or a picture as its background", {}},
        {"cmdEditSelectedFrame", "Edit the clickable areas of the frame selected in the frames list (F6 goes to the frames list and back)", {}},
        {"cmdFrameProperties", "Change the background, music and video of the frame selected in the frames list (F6 goes there)", {}},
        {"cmdRemoveSelectedFrame", "Remove the selected frame and all its clickable areas (Delete in the frames list, which F6 goes to; F2 there renames it)", {}},
        {"cmdEditProjectBack", "Back to the project panel", {}},
        {"cmdObjectsAndEvents", "Choose what happens when the player uses an object on an area", {}},
        {"Command10", "Finish editing this frame", {}},
        {"cmdSolidColour", "Make a frame of one colour", {}},
        {"cmdGraphicTiled", "Make a frame from a picture repeated over the window", {}},
        {"cmdGraphicResized", "Make a frame from a picture stretched over the window", {}},
        {"cmdNewFrameCancel", "Back without making a frame", {}},
        {"cmdShowObjects", "Show the list of objects to drag on the areas (F6 goes from window to window)", {}},
        {"cmdRemoveEvents", "List this frame's events to remove some of them", {}},
        {"cmdObjectsDone", "Finish with objects and events", {}},
        {"cmdRemoveSelectedEvent", "Remove the event selected in the list", {}},
        {"cmdEventsDone", "Finish removing events", {}},
        {"cmdIconEditor", "Draw icons and mouse pointers for the game", {}},
        {"cmdPaint", "Draw pictures for the frames in a paint program", {}},
        {"cmdDrawingCancel", "Back to the project panel", {}},
        {"cmdCreateInstaller", "Make one compressed file that installs the game", {}},
        {"cmdDistributionCancel", "Back to the project panel", {}},
        {"cmdAboutBack", "Back to the first panel", {}},
        {"cmdHelpBack", "Back to the first panel", {}},
    };
    for (const Hint& hint : hints) {
        auto* button = menu.findChild<QPushButton*>(QLatin1String(hint.button));
        if (!button)
            continue;
        QString tip = QString::fromUtf8(hint.tip);
        if (!hint.keys.isEmpty()) {
            button->setShortcut(hint.keys);
            tip += QStringLiteral(" (") + hint.keys.toString(QKeySequence::NativeText) + QLatin1Char(')');
        }
        button->setToolTip(tip);
    }
}

}  // namespace MenuHints
