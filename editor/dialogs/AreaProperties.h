#pragma once

#include <QString>
#include <QStringList>

// What happens when the player clicks an area or drops an object on it, as
// the area dialog edits it: an action record with its flags as check boxes.
struct AreaActions {
    bool changeVariable = false;
    QString variable;
    bool setTo0 = false;
    bool setTo1 = true;
    bool invert = false;
    bool showMessage = false;
    QString message;
    bool playSound = false;
    QString sound;
    bool disappear = false;
    bool stopGame = false;
    bool goToFrame = false;
    QString frame;
};

// Everything the area properties dialog edits about one clickable area, as
// a new area starts: transparent, default pointer, no action, not pickable.
struct AreaProperties {
    // The placement file: the rectangle on the editing canvas, then the
    // appearance and the visibility conditions.
    float left = 0, top = 0, width = 0, height = 0;
    bool transparent = true;
    bool hasPicture = false;
    QString picture;
    bool stretch = false;
    QString pointer = QStringLiteral("DEFAULT");
    bool visibilityDependsOnVariables = false;
    QStringList mustBeZero;
    QStringList mustBeOne;
    // The action file.
    AreaActions actions;
    // The pickable-object file.
    bool pickable = false;
    QString objectName;
    QString icon;
};

// Reading and writing an area's files in the frame's area folder, and the
// event files of objects dropped on it.
namespace AreaPropertiesFiles {

// Reads area `n`'s placement and action files, then its pickable-object
// file, of `frame` into `p`, leaving the rectangle as it is. Values read
// before a failure are kept. A missing or damaged pickable-object file is no
// failure: the object part stays as it was. False (after telling the author)
// when the placement or action file could not be read whole.
bool load(const QString& frame, int n, AreaProperties& p);

// Writes the placement, action and pickable-object files whole and, for a
// pickable object, its object file; the frame's area folder is made when
// missing. Files written before a failure stay. False (after telling the
// author) when any could not be written.
bool save(const QString& frame, int n, const AreaProperties& p);

// The event of `object` dropped on area `n`. `load` keeps what it could not
// read, silently.
bool loadEvent(const QString& frame, int n, const QString& object, AreaActions& actions);
bool saveEvent(const QString& frame, int n, const QString& object, const AreaActions& actions);

}  // namespace AreaPropertiesFiles
