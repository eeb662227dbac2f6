#include "apps/playtest/PlaytestMedia.h"

#include "platform/media/MciLayer.h"

PlaytestMedia::PlaytestMedia(bool silent, Observer observer)
    : m_silent(silent)
    , m_observer(std::move(observer))
{
    m_previous = Mci::setBackend([this](const QString& command, QString& reply) { return send(command, reply); });
}

PlaytestMedia::~PlaytestMedia()
{
    Mci::setBackend(std::move(m_previous));
}

int PlaytestMedia::send(const QString& command, QString& reply)
{
    int result = 0;
    if (m_silent) {
        reply.clear();
    } else if (m_previous) {
        result = m_previous(command, reply);
    } else {
        // No backend was installed before: the real devices. The real layer
        // is reached directly, since going back through mciSendString would
        // call this backend again.
        result = MciLayer::instance().send(command, reply);
    }
    if (m_observer)
        m_observer(command, result, reply);
    return result;
}
