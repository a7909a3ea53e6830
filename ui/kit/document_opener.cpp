// Opening a document through the desktop: xdg-open under the free desktops, where its exit status is the
// only word on whether any program took the file; Qt's own call elsewhere, where the answer is immediate.
#include "kit/document_opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace kelvane {

namespace {

void OpenThroughQt(const QString& absolutePath, const std::function<void(bool)>& done)
{
    done(QDesktopServices::openUrl(QUrl::fromLocalFile(absolutePath)));
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// Qt reports success as soon as xdg-open has started, although xdg-open may then find no program for
// the file (exit status 3) or fail to start one (4). Its statuses 1 to 4 are its own failures; any other
// comes from the program it ran, which did get the file.
bool XdgOpenOpened(int exitCode, QProcess::ExitStatus status)
{
    return status == QProcess::NormalExit && (exitCode == 0 || exitCode > 4);
}
#endif

} // namespace

void OpenDocument(const QString& absolutePath, QObject* context, std::function<void(bool opened)> done)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!xdgOpen.isEmpty()) {
        // No parent: xdg-open may wait for the program it starts, and a QProcess destroyed at exit would
        // kill it. One still running when the program ends is simply left to finish.
        auto* process = new QProcess;
        process->setProgram(xdgOpen);
        process->setArguments({absolutePath});
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->setStandardInputFile(QProcess::nullDevice());
        QObject::connect(
            process, &QProcess::finished, context,
            [done](int exitCode, QProcess::ExitStatus status) { done(XdgOpenOpened(exitCode, status)); });
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                process->deleteLater();
        });
        QObject::connect(process, &QProcess::errorOccurred, context,
                         [absolutePath, done](QProcess::ProcessError error) {
                             if (error == QProcess::FailedToStart)
                                 OpenThroughQt(absolutePath, done);
                         });
        process->start();
        return;
    }
#endif
    Q_UNUSED(context);
    OpenThroughQt(absolutePath, done);
}

} // namespace kelvane
