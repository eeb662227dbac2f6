#include "platform/media/RecordingMci.h"

RecordingMci::RecordingMci()
{
    m_previous = Mci::setBackend([this](const QString& command, QString& reply) {
        return answer(command, reply);
    });
}

RecordingMci::~RecordingMci()
{
    Mci::setBackend(std::move(m_previous));
}

void RecordingMci::setAnswer(const QString& command, int code, const QString& reply)
{
    m_answers.insert(command, Answer{code, reply});
}

int RecordingMci::answer(const QString& command, QString& reply)
{
    m_commands.append(command);
    const auto found = m_answers.constFind(command);
    if (found != m_answers.constEnd()) {
        reply = found->reply;
        return found->code;
    }
    if (m_responder)
        return m_responder(command, reply);
    return 0;
}
