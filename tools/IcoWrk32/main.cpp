#include "tools/IcoWrk32/windows/frmIconEditor.h"

#include <QApplication>

// The icon editor the editor starts beside itself; a file named on the
// command line is opened.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    frmIconEditor window;
    window.show();
    const QStringList arguments = app.arguments();
    if (arguments.size() > 1)
        window.OpenFile(arguments.at(1));
    return app.exec();
}
