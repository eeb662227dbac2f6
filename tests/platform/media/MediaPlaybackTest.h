#pragma once

#include "platform/media/AudioMixer.h"
#include "platform/media/Mci.h"

#include <gtest/gtest.h>

#include <QAnyStringView>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <vector>

// The real media layer playing into SDL's "disk" driver: the mixed output
// lands in a file, at the pace of a sound card, where the tests can read it.
// Tests send the same command strings a game sends.
class MediaPlaybackTest : public ::testing::Test {
public:
    static QString fixture(const char* name)
    {
        return QStringLiteral(QUENDARA_TEST_DATA "/media/") + QString::fromLatin1(name);
    }

    static int send(const QString& command, QString* reply = nullptr)
    {
        QString text;
        const int result = mciSendString(command, text);
        if (reply)
            *reply = text;
        return result;
    }

    static QString status(QAnyStringView alias, const char* item)
    {
        QString reply;
        send(QStringLiteral("status %1 %2").arg(alias.toString(), QLatin1String(item)), &reply);
        return reply;
    }

protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        s_previousDriver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(outputPath()));
        Mci::shutdownRealLayer();
    }

    static void TearDownTestSuite()
    {
        Mci::shutdownRealLayer();
        qputenv("SDL_AUDIODRIVER", s_previousDriver);
        qunsetenv("SDL_DISKAUDIOFILE");
        delete s_dir;
        s_dir = nullptr;
    }

    void TearDown() override { send(QStringLiteral("close all")); }

    static QString outputPath() { return s_dir->filePath(QStringLiteral("output.raw")); }
    static qint64 outputSize() { return QFileInfo(outputPath()).size(); }

    // The interleaved stereo samples written to the output since byte `from`.
    static std::vector<qint16> outputSince(qint64 from)
    {
        QFile file(outputPath());
        if (!file.open(QIODevice::ReadOnly) || !file.seek(from))
            return {};
        const QByteArray bytes = file.readAll();
        std::vector<qint16> samples(size_t(bytes.size()) / sizeof(qint16));
        std::copy_n(bytes.constData(), samples.size() * sizeof(qint16), reinterpret_cast<char*>(samples.data()));
        return samples;
    }

    // The loudest sample written to the output since byte `from`.
    static int loudestSince(qint64 from)
    {
        int loudest = 0;
        for (const qint16 sample : outputSince(from))
            loudest = std::max(loudest, std::abs(int(sample)));
        return loudest;
    }

    // How long, in milliseconds, the output has been loud since byte `from`.
    static qint64 heardMsSince(qint64 from)
    {
        const std::vector<qint16> samples = outputSince(from);
        qint64 loudFrames = 0;
        for (size_t i = 0; i + 1 < samples.size(); i += AudioMixer::kChannels) {
            if (std::abs(int(samples[i])) > kLoud || std::abs(int(samples[i + 1])) > kLoud)
                ++loudFrames;
        }
        return loudFrames * 1000 / AudioMixer::kRate;
    }

    // The pitch in Hz of the tone in the left channel since byte `from`, from
    // the usual distance between its rising swings through zero (so a pause,
    // or the end of an earlier sound still on its way out, does not count);
    // 0 when no tone was heard. A sound decoded at the wrong rate or with its
    // channels mixed up comes out at another pitch.
    static double pitchSince(qint64 from)
    {
        const std::vector<qint16> samples = outputSince(from);
        std::vector<qint64> periods;
        qint64 lastRise = -1;
        bool low = false;
        for (size_t i = 0; i < samples.size(); i += AudioMixer::kChannels) {
            const int left = samples[i];
            if (left < -kLoud) {
                low = true;
            } else if (left > kLoud && low) {
                low = false;
                const qint64 frame = qint64(i / AudioMixer::kChannels);
                if (lastRise >= 0)
                    periods.push_back(frame - lastRise);
                lastRise = frame;
            }
        }
        if (periods.empty())
            return 0;
        std::nth_element(periods.begin(), periods.begin() + periods.size() / 2, periods.end());
        return double(AudioMixer::kRate) / double(periods[periods.size() / 2]);
    }

    // Above this a sample is part of a sound rather than noise.
    static constexpr int kLoud = 300;

    static inline QTemporaryDir* s_dir = nullptr;
    static inline QByteArray s_previousDriver;
};
