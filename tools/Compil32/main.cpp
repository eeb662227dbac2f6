#include "tools/Compil32/frmCompiler.h"

#include <QApplication>

// The installer compiler the editor starts and waits for: the author builds
// the installer, then closes the window.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    frmCompiler window;
    window.show();
    return app.exec();
}
