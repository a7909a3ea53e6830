// Modal message boxes, recorded instead of shown while a test runs.
#include "kit/message_box.h"

#include <QCoreApplication>
#include <QPushButton>

namespace kelvane {

namespace {
bool g_testMode = false;
QStringList g_recorded;
} // namespace

void MessageBox::warning(QWidget* parent, const QString& caption, const QString& text)
{
    show(parent, QMessageBox::Warning, caption, text);
}

void MessageBox::error(QWidget* parent, const QString& text)
{
    show(parent, QMessageBox::Critical, QCoreApplication::applicationName(), text);
}

void MessageBox::information(QWidget* parent, const QString& text)
{
    show(parent, QMessageBox::Information, QCoreApplication::applicationName(), text);
}

void MessageBox::setTestMode(bool on)
{
    g_testMode = on;
    g_recorded.clear();
}

QStringList MessageBox::takeRecorded()
{
    QStringList taken;
    taken.swap(g_recorded);
    return taken;
}

void MessageBox::show(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    if (g_testMode) {
        g_recorded.append(caption + QLatin1Char('|') + text);
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    // The boxes are the program's own and keep their "OK" whatever language Qt's own texts are in.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

} // namespace kelvane
