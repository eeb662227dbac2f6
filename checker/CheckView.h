#pragma once

#include "player/state/GameView.h"

class FileVerdicts;

// The view of the sessions a game check plays: nothing is shown, played or
// kept, but an area or an inventory icon whose picture or pointer the game
// window could not load fails as it does there, so that the check decides
// what the player decides.
class CheckView final : public GameView {
public:
    explicit CheckView(FileVerdicts& files) : m_files(files) {}

    bool createArea(const AreaLook& look) override;
    bool addInventoryObject(int k, const QString& name, const QString& iconFile, const QRect& cellTwips) override;

    // Messages, sounds and pictures change nothing in the game's state.
    void frameChanged(const FrameRecord&) override {}
    void adventureMessage(const QString&) override {}
    void failure(const QString&) override {}
    QString soundtrackStatus() override { return QString(); }
    void openSoundtrack(const QString&) override {}
    void playSoundtrack() override {}
    void closeSoundtrack() override {}
    void openSound(const QString&) override {}
    void playSound() override {}
    void closeSound() override {}
    void beforeVideo() override {}
    void playVideo(const QString&) override {}
    void stopVideo() override {}
    void showBackground(const FrameBackground&) override {}
    void clearAreas() override {}
    void setAreaVisible(int, bool) override {}
    void removeInventoryObject(int) override {}
    void clearInventory() override {}
    void raiseInventory() override {}
    void setDurationTimer(bool, int) override {}
    void showFrame() override {}
    void afterFrameOpened(const QString&) override {}
    void gameStopped() override {}

private:
    FileVerdicts& m_files;
};
