#include "tools/Compil32/ScriptCompiler.h"
#include "tools/Compil32/frmCompiler.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

// The installer compiler the editor starts and waits for: the author builds
// the installer, then closes the window. "Compil32.exe /cc SCRIPT" builds
// the script's installer without a window and ends with 0 when it was made.
int main(int argc, char** argv)
{
    if (argc == 3 && QByteArray(argv[1]).compare("/cc", Qt::CaseInsensitive) == 0) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QString error;
        const bool built = ScriptCompiler::compile(QString::fromLocal8Bit(argv[2]),
                                                   [&out](const QString& line) { out << line << Qt::endl; }, &error);
        if (!built) {
            QTextStream(stderr) << error << Qt::endl;
            return 1;
        }
        out << "Done: " << ScriptCompiler::output(QString::fromLocal8Bit(argv[2])) << Qt::endl;
        return 0;
    }
    QApplication app(argc, argv);
    frmCompiler window;
    QObject::connect(&window, &QDialog::finished, &app, &QApplication::quit);
    window.show();
    return app.exec();
}
