#pragma once

#include "apps/playtest/PlaytestState.h"
#include "platform/ScriptedDialogs.h"

#include <QJsonObject>
#include <QString>

class QIODevice;

// The run's log: one JSON object per line, "event" first. Every line is
// flushed at once, so a run that crashes leaves the log up to that point.
class PlaytestLog {
public:
    // Writes nowhere when `device` is nullptr. The device is not owned.
    explicit PlaytestLog(QIODevice* device = nullptr) : m_device(device) {}

    void message(const ScriptedDialogs::Shown& shown);
    void frame(const QString& name);
    // Something the game shows no message for but an author wants to know:
    // `text` says what, `file` names the file concerned.
    void warning(const QString& text, const QString& file);
    // `reply` is the text answer of a status query; it is logged when not empty.
    void mci(const QString& command, int result, const QString& reply = QString());
    void state(int step, const QString& command, const PlaytestState& state);

    static QString iconName(Dialogs::Icon icon);
    static QString buttonsName(Dialogs::Buttons buttons);
    static QString answerName(int answer);

    // The line written for `event` with `fields`.
    static QByteArray line(const QString& event, const QJsonObject& fields);

private:
    void write(const QString& event, const QJsonObject& fields);

    QIODevice* m_device = nullptr;
};
