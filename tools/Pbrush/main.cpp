#include "tools/Pbrush/PaintLauncher.h"

#include <QApplication>

// Stands where Windows keeps its paint program: starts the desktop's paint
// program with the files given and ends at once.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const PaintLauncher launcher(qEnvironmentVariable("PATH"));
    return launcher.launch(app.arguments().mid(1)) ? 0 : 1;
}
