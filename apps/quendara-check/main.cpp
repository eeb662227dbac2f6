#include "apps/quendara-check/CheckOptions.h"
#include "checker/GameChecker.h"
#include "checker/Walkthrough.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {

constexpr int kClean = 0;
constexpr int kFindings = 1;
constexpr int kUnreadable = 2;

QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform's note about a missing runtime folder concerns
// nothing the checker does, and would mix with the report.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    g_previousHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv)
{
    // Pictures are read as the player reads them, which needs a GUI
    // application, but nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_previousHandler = qInstallMessageHandler(quietPlatform);
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const CheckOptions::Parsed parsed = CheckOptions::parse(arguments, GameChecker::kDefaultMaxStates);
    if (parsed.options.help) {
        out << CheckOptions::usage();
        return kClean;
    }
    if (!parsed.error.isEmpty()) {
        err << "quendara-check: " << parsed.error << '\n' << CheckOptions::usage();
        return kUnreadable;
    }
    const CheckOptions& options = parsed.options;

    QString error;
    const std::optional<CheckReport> report = GameChecker::check(options.project, options.maxStates, &error);
    if (!report) {
        err << "quendara-check: " << error << '\n';
        return kUnreadable;
    }
    if (!options.walkthrough.isEmpty()) {
        if (report->walkthrough.isEmpty()) {
            err << "quendara-check: no ending can be reached, so no walkthrough was written\n";
        } else if (!Walkthrough::write(options.walkthrough, report->adventureName, report->walkthrough, &error)) {
            err << "quendara-check: cannot write the walkthrough '" << options.walkthrough << "': " << error << '\n';
            return kUnreadable;
        }
    }
    if (options.json)
        out << QString::fromUtf8(report->json());
    else
        out << report->text();
    return report->findings.isEmpty() ? kClean : kFindings;
}
