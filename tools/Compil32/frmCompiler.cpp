#include "tools/Compil32/frmCompiler.h"

#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/Registry.h"
#include "tools/Compil32/ScriptCompiler.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
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
    cmdStart->setDefault(true);
    cmdStart->setAutoDefault(true);
    lblScript->setAccessibleName(QStringLiteral("Script"));
    txtLog->setAccessibleName(QStringLiteral("Log"));
    cmdBrowse->setAccessibleName(QStringLiteral("Browse"));
    cmdStart->setAccessibleName(QStringLiteral("Start"));
    cmdExit->setAccessibleName(QStringLiteral("Exit"));
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
    cmdStart->setEnabled(false);
    const auto log = [this](const QString& line) {
        txtLog->appendPlainText(line);
        // Each step shows as it is done; the author cannot start another
        // build meanwhile, Start being disabled.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    QString error;
    const bool built = ScriptCompiler::compile(m_script, log, &error);
    cmdStart->setEnabled(!m_script.isEmpty());
    if (built) {
        txtLog->appendPlainText(QStringLiteral("Done: %1").arg(ScriptCompiler::output(m_script)));
        return true;
    }
    txtLog->appendPlainText(error);
    MsgBox(error, Dialogs::Icon::Exclamation, Dialogs::Buttons::OK, windowTitle());
    return false;
}

void frmCompiler::Exit_Click() { close(); }
