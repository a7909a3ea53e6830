// Program entry: the application object and its three windows.
#include "tform1.h"
#include "tform2.h"
#include "tform3.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    kelvane::TForm1 mainWindow;
    kelvane::TForm2 about(mainWindow);
    kelvane::TForm3 results(mainWindow);
    mainWindow.setAboutWindow(&about);
    mainWindow.setResultsWindow(&results);
    mainWindow.show();
    return app.exec();
}
