#include "tools/Compil32/ScriptCompiler.h"

#include "platform/FileNames.h"
#include "tools/Compil32/InnoScript.h"
#include "tools/Compil32/SetupBuilder.h"

#include <QFile>
#include <QFileInfo>

namespace ScriptCompiler {

QString output(const QString& scriptFile)
{
    const QString folder = QFileInfo(FileNames::resolve(scriptFile)).absolutePath();
    return FileNames::resolve(folder + QStringLiteral("/Output/Setup.exe"));
}

bool compile(const QString& scriptFile, const std::function<void(const QString&)>& log, QString* error)
{
    QFile file(FileNames::resolve(scriptFile));
    if (scriptFile.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Unable to read '%1'.").arg(scriptFile);
        return false;
    }
    log(QStringLiteral("Script: %1").arg(file.fileName()));
    InnoScript script;
    if (!InnoScript::parse(QString::fromUtf8(file.readAll()), script, error))
        return false;
    return SetupBuilder(log).build(script, output(scriptFile), error);
}

}  // namespace ScriptCompiler
