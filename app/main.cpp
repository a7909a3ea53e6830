// Program entry: the application object and its three windows.
#include "about/tform2.h"
#include "main/tform1.h"
#include "results/report_copy.h"
#include "results/tform3.h"

#include <QApplication>
#include <QDateTime>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    // The UTF-8 copies of reports the desktop was shown are only for viewing; old ones go.
    kelvane::RemoveOldReportCopies(kelvane::ReportCopyFolder(), QDateTime::currentDateTime());
    // The one job the three windows share.
    kelvane::Job job;
    kelvane::TForm1 mainWindow(job);
    kelvane::TForm2 about(job);
    kelvane::TForm3 results(job, mainWindow);
    mainWindow.setAboutWindow(&about);
    mainWindow.setResultsWindow(&results);
    mainWindow.show();
    return app.exec();
}
