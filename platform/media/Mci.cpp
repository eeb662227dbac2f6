#include "platform/media/Mci.h"

#include "platform/media/MciLayer.h"
#include "platform/media/SynthPool.h"

namespace {
Mci::Backend& installedBackend()
{
    static Mci::Backend backend;
    return backend;
}
}  // namespace

int mciSendString(const QString& command, QString& reply)
{
    reply.clear();
    if (const Mci::Backend& backend = installedBackend())
        return backend(command, reply);
    return MciLayer::instance().send(command, reply);
}

namespace Mci {

Backend setBackend(Backend backend)
{
    Backend previous = std::move(installedBackend());
    installedBackend() = std::move(backend);
    return previous;
}

bool preloadMusic()
{
    return SynthPool::instance().preload();
}

void shutdownRealLayer()
{
    MciLayer::shutdown();
}

}  // namespace Mci
