#pragma once

#include "platform/media/MciCommand.h"

#include <QString>

#include <map>
#include <memory>

class MciDevice;

// The real media layer: takes the command strings apart, keeps the open
// devices by alias and drives them. One per process.
class MciLayer {
public:
    static MciLayer& instance();
    // Closes every device and the audio output (also run when the
    // application object goes away, so that video windows and audio callbacks
    // never outlive it).
    static void shutdown();

    int send(const QString& command, QString& reply);

private:
    MciLayer();
    ~MciLayer();

    int open(const MciCommand& c);
    int close(const QString& alias);
    int play(const MciCommand& c, MciDevice& device);
    int status(const MciCommand& c, const MciDevice& device, QString& reply);
    MciDevice* find(const QString& alias) const;

    // Keys are aliases in lower case: "Close WAV7" closes what "alias wav7" opened.
    std::map<QString, std::unique_ptr<MciDevice>> m_devices;
};
