// Every modal message box of the program goes through here, so tests can answer them.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace kelvane {

class MessageBox final
{
public:
    MessageBox() = delete;

    // The recalculation's warning: caption, warning icon, OK.
    static void warning(QWidget* parent, const QString& caption, const QString& text);

    // The application's error box, titled with the application name ("Kelvane").
    static void error(QWidget* parent, const QString& text);

    // A notice that is no failure, titled like the error box.
    static void information(QWidget* parent, const QString& text);

    // Tests: while set, no box is shown; each one is recorded as "caption|text" instead.
    static void setTestMode(bool on);
    static QStringList takeRecorded();

private:
    static void show(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text);
};

} // namespace kelvane
