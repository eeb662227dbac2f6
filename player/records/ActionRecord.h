#pragma once

#include <QString>

class RecordSync;

// What happens when the player clicks an area (<n>b.dat) or drops an object
// on it (the event <n>_<object>.drg): thirteen values, in the order the game
// applies them. The flags are 16-bit numbers of which anything but 0 is set.
struct ActionRecord {
    // Fields read up to each step, for files cut short.
    enum Fields {
        SetToZeroFields = 3,
        SetToOneFields = 4,
        InvertFields = 5,
        MessageFields = 7,
        SoundFields = 9,
        DisappearFields = 10,
        StopGameFields = 11,
        GoToFrameFields = 13,
    };

    qint16 ChangeVariable = 0;
    QString VariableName;
    bool SetToZero = false;
    bool SetToOne = false;
    bool Invert = false;
    qint16 ShowMessage = 0;
    QString Message;
    qint16 PlaySound = 0;
    QString Sound;  // in Areas/
    qint16 DisappearFlag = 0;
    qint16 StopGame = 0;
    qint16 GoToFrame = 0;
    QString TargetFrame;

    void sync(RecordSync& s);
};
