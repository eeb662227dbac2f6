#pragma once

#include "platform/media/Mci.h"

#include <QHash>
#include <QStringList>

#include <functional>

// A media layer that plays nothing: it records every command string in the
// order sent and answers from a table (0 and an empty reply unless told
// otherwise). Constructing one installs it; destroying it restores the layer
// that was in use before. Tests check the exact commands with it; a headless
// player uses it to run games without sound or video.
class RecordingMci {
public:
    RecordingMci();
    ~RecordingMci();
    RecordingMci(const RecordingMci&) = delete;
    RecordingMci& operator=(const RecordingMci&) = delete;

    // Answer `code` and `reply` whenever exactly `command` is sent.
    void setAnswer(const QString& command, int code, const QString& reply = QString());
    // Called for every command without a table answer; its result is the answer.
    void setResponder(Mci::Backend responder) { m_responder = std::move(responder); }

    const QStringList& commands() const { return m_commands; }
    void clear() { m_commands.clear(); }

private:
    int answer(const QString& command, QString& reply);

    struct Answer {
        int code = 0;
        QString reply;
    };
    QStringList m_commands;
    QHash<QString, Answer> m_answers;
    Mci::Backend m_responder;
    Mci::Backend m_previous;
};
