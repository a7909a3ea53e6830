// Program entry: the application object and its three windows.
#include "tform1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    kelvane::TForm1 mainWindow;
    mainWindow.show();
    return app.exec();
}
