#include "apps/playtest/PlaytestLog.h"
#include "apps/playtest/PlaytestOptions.h"
#include "apps/playtest/PlaytestRunner.h"
#include "apps/playtest/PlaytestScript.h"
#include "apps/playtest/ScreenConfigFile.h"
#include "platform/DesktopScreen.h"
#include "player/DisplayOptions.h"
#include "platform/TextMetrics.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <memory>

namespace {

constexpr int kWrongUse = 2;
const QSize kScreen(1024, 768);

// The offscreen platform gets a screen of the size the game arithmetic is
// pinned to, so that a full-screen game window and its screenshots have the
// size of that screen.
bool useOffscreenPlatform(ScreenConfigFile& config)
{
    const QByteArray settings =
        QStringLiteral("{\"screens\":[{\"name\":\"playtest\",\"x\":0,\"y\":0,\"width\":%1,\"height\":%2,"
                       "\"logicalDpi\":96,\"logicalBaseDpi\":96,\"dpr\":1}]}")
            .arg(kScreen.width())
            .arg(kScreen.height())
            .toUtf8();
    if (!config.write(settings))
        return false;
    qputenv("QT_QPA_PLATFORM", (QStringLiteral("offscreen:configfile=") + config.path()).toLocal8Bit());
    return true;
}

QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform warns about every window operation it cannot do
// (raise, size hints); none of that concerns the game, and it would bury the
// report of a failed step.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message.startsWith(QLatin1String("This plugin does not support"))
            || message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))))
        return;
    g_previousHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    const PlaytestOptions::Parsed parsed = PlaytestOptions::parse(arguments);
    const PlaytestOptions& options = parsed.options;
    if (!parsed.error.isEmpty()) {
        err << "playtest: " << parsed.error << '\n' << PlaytestOptions::usage();
        return kWrongUse;
    }
    if (options.help) {
        out << PlaytestOptions::usage();
        return 0;
    }
    if (!QFileInfo(options.project).isDir()) {
        err << "playtest: there is no project folder '" << options.project << "'\n";
        return kWrongUse;
    }
    const PlaytestScript script = PlaytestScript::load(options.script);
    if (!script.isValid()) {
        for (const PlaytestScript::Error& e : script.errors())
            err << options.script << ':' << e.line << ": " << e.message << '\n';
        return kWrongUse;
    }
    const bool takesScreenshots = std::any_of(script.commands().begin(), script.commands().end(), [](const PlaytestCommand& c) {
        return c.kind == PlaytestCommand::Kind::Screenshot;
    });
    if (takesScreenshots && options.screenshots.isEmpty()) {
        err << "playtest: the script takes screenshots: give a folder with --screenshots DIR\n";
        return kWrongUse;
    }
    if (!options.screenshots.isEmpty() && !QDir().mkpath(options.screenshots)) {
        err << "playtest: cannot create the screenshots folder '" << options.screenshots << "'\n";
        return kWrongUse;
    }
    std::unique_ptr<QFile> logFile;
    if (!options.log.isEmpty()) {
        logFile = std::make_unique<QFile>(options.log);
        if (!logFile->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            err << "playtest: cannot write the log '" << options.log << "': " << logFile->errorString() << '\n';
            return kWrongUse;
        }
    }

    ScreenConfigFile platformConfig;
    if (!options.visible) {
        if (!useOffscreenPlatform(platformConfig)) {
            err << "playtest: cannot write the offscreen platform's settings\n";
            return kWrongUse;
        }
        // The media layer plays for real, into SDL's silent output.
        qputenv("SDL_AUDIODRIVER", "dummy");
        if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
            qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
        g_previousHandler = qInstallMessageHandler(quietOffscreen);
    }

    QApplication app(argc, argv);
    // The platform has read its screen.
    platformConfig.release();
    QApplication::setApplicationName(QStringLiteral("Quendara"));
    if (!options.visible) {
        // A standard desktop: the game arithmetic does not depend on the
        // machine, and the large-fonts warning stays away.
        DesktopScreen::setOverride(kScreen);
        TextMetrics::setOverride(16);
    }

    DisplayOptions::current().scale = options.scale;

    PlaytestLog log(logFile.get());
    PlaytestRunner runner(options, script.commands(), log, err);
    const int code = runner.run();
    err.flush();
    if (code == 0)
        out << "playtest: " << script.commands().size() << " step(s) played, every expectation held\n";
    return code;
}
