#include "platform/media/MciLayer.h"

#include "platform/FileNames.h"
#include "platform/media/AudioMixer.h"
#include "platform/media/AviVideoDevice.h"
#include "platform/media/Mci.h"
#include "platform/media/MciDevice.h"
#include "platform/media/MciWait.h"
#include "platform/media/SequencerDevice.h"
#include "platform/media/SynthPool.h"
#include "platform/media/WaveDevice.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>

namespace {

enum class DeviceType { Unknown, Wave, Sequencer, Video };

DeviceType typeNamed(const QString& name)
{
    const QString t = name.toLower();
    if (t == QLatin1String("waveaudio"))
        return DeviceType::Wave;
    if (t == QLatin1String("sequencer"))
        return DeviceType::Sequencer;
    if (t == QLatin1String("avivideo"))
        return DeviceType::Video;
    return DeviceType::Unknown;
}

// An open command without a type picks the device from the file's extension,
// as the Windows layer does from its table of extensions.
DeviceType typeOfFile(const QString& file)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == QLatin1String("wav"))
        return DeviceType::Wave;
    if (suffix == QLatin1String("mid") || suffix == QLatin1String("rmi"))
        return DeviceType::Sequencer;
    if (suffix == QLatin1String("avi"))
        return DeviceType::Video;
    return DeviceType::Unknown;
}

qint64 roundedPosition(double value)
{
    return qint64(std::llround(value));
}

}  // namespace

MciLayer& MciLayer::instance()
{
    static MciLayer layer;
    return layer;
}

MciLayer::MciLayer()
{
    // Made before the layer, so destroyed after it: devices closed by the
    // layer's destructor still find them.
    AudioMixer::instance();
    SynthPool::instance();
    if (QCoreApplication::instance())
        qAddPostRoutine(&MciLayer::shutdown);
}

MciLayer::~MciLayer()
{
    m_devices.clear();
    AudioMixer::instance().close();
}

void MciLayer::shutdown()
{
    MciLayer& layer = instance();
    // Devices are destroyed one by one outside the map, so one that closes
    // another while going away cannot disturb the loop.
    while (!layer.m_devices.empty()) {
        std::unique_ptr<MciDevice> device = std::move(layer.m_devices.begin()->second);
        layer.m_devices.erase(layer.m_devices.begin());
    }
    AudioMixer::instance().close();
}

MciDevice* MciLayer::find(const QString& alias) const
{
    const auto found = m_devices.find(alias.toLower());
    return found == m_devices.end() ? nullptr : found->second.get();
}

int MciLayer::send(const QString& text, QString& reply)
{
    reply.clear();
    const MciCommand::Result parsed = MciCommand::parse(text);
    if (parsed.error)
        return parsed.error;
    const MciCommand& c = parsed.command;
    if (c.verb == MciCommand::Verb::Open)
        return open(c);
    if (c.verb == MciCommand::Verb::Close)
        return close(c.target);

    MciDevice* device = find(c.target);
    if (!device)
        return Mci::InvalidDeviceName;
    switch (c.verb) {
    case MciCommand::Verb::Play:
        return play(c, *device);
    case MciCommand::Verb::Pause:
        return device->pause();
    case MciCommand::Verb::Resume:
        return device->isPaused() ? device->play() : 0;
    case MciCommand::Verb::Stop:
        return device->stop();
    case MciCommand::Verb::Seek:
        switch (c.seekTarget) {
        case MciCommand::SeekTarget::Start:
            return device->seek(0);
        case MciCommand::SeekTarget::End:
            return device->seek(device->length());
        case MciCommand::SeekTarget::Position:
            return device->seek(roundedPosition(c.position));
        }
        return 0;
    case MciCommand::Verb::Status:
        return status(c, *device, reply);
    default:
        return Mci::UnrecognizedCommand;
    }
}

int MciLayer::open(const MciCommand& c)
{
    const QString alias = c.alias.isEmpty() ? c.target : c.alias;
    if (find(alias))
        return Mci::DuplicateAlias;
    DeviceType type = DeviceType::Unknown;
    if (c.type.isEmpty()) {
        type = typeOfFile(c.target);
        if (type == DeviceType::Unknown)
            return Mci::ExtensionNotFound;
    } else {
        type = typeNamed(c.type);
        if (type == DeviceType::Unknown)
            return Mci::InvalidDeviceName;
    }
    const QString path = FileNames::resolve(c.target);
    if (!QFileInfo(path).isFile())
        return Mci::FileNotFound;

    int error = 0;
    std::unique_ptr<MciDevice> device;
    switch (type) {
    case DeviceType::Wave:
        device = WaveDevice::open(path, error);
        break;
    case DeviceType::Sequencer:
        device = SequencerDevice::open(path, error);
        break;
    case DeviceType::Video:
        device = AviVideoDevice::open(path, c.parentWindow, error);
        break;
    case DeviceType::Unknown:
        return Mci::InvalidDeviceName;
    }
    if (!device)
        return error ? error : int(Mci::InternalError);
    m_devices.emplace(alias.toLower(), std::move(device));
    return 0;
}

int MciLayer::close(const QString& alias)
{
    if (alias.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
        while (!m_devices.empty()) {
            std::unique_ptr<MciDevice> device = std::move(m_devices.begin()->second);
            m_devices.erase(m_devices.begin());
        }
        return 0;
    }
    const auto found = m_devices.find(alias.toLower());
    if (found == m_devices.end())
        return Mci::InvalidDeviceName;
    std::unique_ptr<MciDevice> device = std::move(found->second);
    m_devices.erase(found);
    return 0;
}

int MciLayer::play(const MciCommand& c, MciDevice& device)
{
    if (c.to)
        return Mci::UnsupportedFunction;
    if (c.from) {
        if (const int error = device.seek(roundedPosition(*c.from)))
            return error;
    }
    if (const int error = device.play())
        return error;
    if (c.wait) {
        // The device may be closed while the events of the wait run; it is
        // looked up again each time rather than trusted.
        const QString alias = c.target;
        const MciDevice* playing = &device;
        waitUntil([this, alias, playing] {
            const MciDevice* now = find(alias);
            return now != playing || !now->isPlaying();
        });
    }
    return 0;
}

int MciLayer::status(const MciCommand& c, const MciDevice& device, QString& reply)
{
    if (c.item == QLatin1String("mode"))
        reply = device.mode();
    else if (c.item == QLatin1String("length"))
        reply = QString::number(device.length());
    else if (c.item == QLatin1String("position"))
        reply = QString::number(device.position());
    else if (c.item == QLatin1String("ready"))
        reply = QStringLiteral("true");
    else
        return Mci::UnrecognizedKeyword;
    return 0;
}
