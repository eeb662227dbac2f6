#include "tools/Compil32/frmCompiler.h"

#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/Registry.h"
#include "tools/Compil32/InnoScript.h"
#include "tools/Compil32/SetupBuilder.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

frmCompiler::frmCompiler()
{
    setWindowTitle(QStringLiteral("Setup Compiler"));
    resize(560, 360);
    lblScript = new QLabel;
    lblScript->setWordWrap(true);
    txtLog = new QPlainTextEdit;
    txtLog->setReadOnly(true);
    cmdBrowse = new QPushButton(QStringLiteral("Browse..."));
    cmdStart = new QPushButton(QStringLiteral("Start"));
    cmdExit = new QPushButton(QStringLiteral("Exit"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBrowse);
    buttons->addStretch();
    buttons->addWidget(cmdStart);
    buttons->addWidget(cmdExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblScript);
    layout->addWidget(txtLog, 1);
    layout->addLayout(buttons);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmCompiler::Browse_Click);
    connect(cmdStart, &QPushButton::clicked, this, [this] { Start_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, &frmCompiler::Exit_Click);

    setScriptFile(Registry::readString(Registry::Root::CurrentUser, Registry::InstallerCompilerSettings,
                                       QStringLiteral("ScriptFile"))
                      .value_or(QString()));
}

void frmCompiler::setScriptFile(const QString& path)
{
    m_script = path;
    lblScript->setText(path.isEmpty() ? QStringLiteral("No script chosen: click 'Browse'.") : QStringLiteral("Script: ") + path);
    cmdStart->setEnabled(!path.isEmpty());
}

void frmCompiler::Browse_Click()
{
    const QString chosen = Dialogs::instance().openFile(QStringLiteral("Open script"), QFileInfo(m_script).absolutePath(),
                                                        QStringLiteral("Installer scripts (*.iss)|*.iss"));
    if (!chosen.isEmpty())
        setScriptFile(chosen);
}

bool frmCompiler::Start_Click()
{
    txtLog->clear();
    QFile file(FileNames::resolve(m_script));
    InnoScript script;
    QString error;
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Unable to read '%1'.").arg(m_script);
    } else if (InnoScript::parse(QString::fromUtf8(file.readAll()), script, &error)) {
        QByteArray installer;
        QStringList log;
        const bool built = SetupBuilder().build(script, installer, log, &error);
        txtLog->appendPlainText(log.join(QLatin1Char('\n')));
        if (built) {
            // The installer goes to Output/ beside the script.
            const QString output = QFileInfo(file.fileName()).absolutePath() + QStringLiteral("/Output");
            QDir().mkpath(output);
            QSaveFile setup(FileNames::resolve(output + QStringLiteral("/Setup.exe")));
            if (setup.open(QIODevice::WriteOnly) && setup.write(installer) == installer.size() && setup.commit()) {
                QFile(setup.fileName()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                                       QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                       QFileDevice::ReadOther | QFileDevice::ExeOther);
                txtLog->appendPlainText(QStringLiteral("Written: %1").arg(setup.fileName()));
                return true;
            }
            error = QStringLiteral("Unable to write '%1'.").arg(setup.fileName());
        }
    }
    txtLog->appendPlainText(error);
    MsgBox(error, Dialogs::Icon::Exclamation, Dialogs::Buttons::OK, windowTitle());
    return false;
}

void frmCompiler::Exit_Click() { close(); }
