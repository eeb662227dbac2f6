#pragma once

#include "support/TempProject.h"

#include <QColor>
#include <QSize>
#include <QStringList>

// Writers of the game's record files for tests, in the field order the
// player reads.
namespace GameFiles {

struct Frame {
    int kind = 0;
    QString background = QStringLiteral("0");
    bool tiled = false;
    bool stopSounds = false;
    QString soundtrack;
    bool hasDuration = false;
    int durationSeconds = 4;
    QString durationTarget;
    QString video;
    bool soundAfterVideo = true;
    int links = 0;
};

struct Area {
    double left = 0, top = 0, width = 600, height = 450;
    bool transparent = true;
    QString picture;
    int stretch = 1;
    QString pointer;
    int conditional = 0;
    QStringList mustBeZero;
    QStringList mustBeOne;
};

struct Action {
    int changeVariable = 0;
    QString variable;
    bool setToZero = false, setToOne = false, invert = false;
    int showMessage = 0;
    QString message;
    int playSound = 0;
    QString sound;
    int disappear = 0;
    int stopGame = 0;
    int goToFrame = 0;
    QString target;
};

void writeFrame(const TempProject& project, const QString& name, const Frame& frame);
void writeArea(const TempProject& project, const QString& frame, int n, const Area& area);
void writeAction(const TempProject& project, const QString& frame, int n, const Action& action);
void writeEvent(const TempProject& project, const QString& frame, int n, const QString& object, const Action& action);
void writePickable(const TempProject& project, const QString& frame, int n, const QString& object, const QString& icon);
void writeObject(const TempProject& project, const QString& object, const QString& icon);
void writeVariables(const TempProject& project, const QStringList& names);
// A small picture of the given size (PNG content, any extension).
void writePicture(const TempProject& project, const QString& relative, QSize size, QColor colour = Qt::red);

}  // namespace GameFiles
