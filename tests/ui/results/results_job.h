// Test support: the three windows of a run, and the user's steps from typed clearances to the results.
#pragma once

#include "evaluation/shim_plan.h"
#include "kit/message_box.h"
#include "kit/radio_group.h"
#include "main/control_map.h"
#include "main/tform1.h"
#include "results/tform3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace kelvane::testing {

// The main window and the results window, wired as at start-up, with message boxes recorded.
class Job
{
public:
    Job()
    {
        MessageBox::setTestMode(true);
        main = std::make_unique<TForm1>(model);
        results = std::make_unique<TForm3>(model, *main);
        main->setResultsWindow(results.get());
        main->show();
    }

    ~Job()
    {
        results.reset();
        main.reset();
        MessageBox::setTestMode(false);
    }

    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    template <typename T> T* mainControl(const char* name) const
    {
        return main->findChild<T*>(QString::fromLatin1(name));
    }

    template <typename T> T* resultsControl(const char* name) const
    {
        return results->findChild<T*>(QString::fromLatin1(name));
    }

    // The user works in the main window: bring it to the front first.
    bool activateMain() const
    {
        main->activateWindow();
        return QTest::qWaitForWindowActive(main.get());
    }

    // Clicks into the valve's clearance field and types the digits over its text ("025" gives 0.25).
    bool typeClearance(int valve, const QString& digits) const
    {
        return typeInto(kValveControls[std::size_t(valve - 1)].clearance, digits);
    }

    bool typeInto(const char* name, const QString& digits) const
    {
        auto* field = mainControl<QLineEdit>(name);
        if (field == nullptr || !activateMain())
            return false;
        QTest::mouseClick(field, Qt::LeftButton);
        if (!QTest::qWaitFor([field] { return field->hasFocus(); }))
            return false;
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, digits);
        return true;
    }

    // Picks a shim number in the valve's box with the arrow keys, as a user stepping through its list.
    bool pickShim(int valve, const QString& number) const
    {
        auto* box = mainControl<QComboBox>(kValveControls[std::size_t(valve - 1)].shimBox);
        if (box == nullptr || !activateMain())
            return false;
        const int wanted = box->findText(number);
        if (wanted < 0)
            return false;
        box->setFocus(Qt::TabFocusReason);
        if (!QTest::qWaitFor([box] { return box->hasFocus(); }))
            return false;
        for (int steps = 0; steps < box->count() && box->currentIndex() != wanted; ++steps)
            QTest::keyClick(box, box->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
        return box->currentText() == number;
    }

    // The English flag of the main window.
    bool chooseEnglish() const
    {
        auto* flag = mainControl<QWidget>("Image6");
        if (flag == nullptr || !activateMain())
            return false;
        QTest::mouseClick(flag, Qt::LeftButton);
        return main->job().language() == Language::English;
    }

    bool chooseCylinders(int index) const { return clickRadio("RadioGroup2", index); }
    bool chooseSelectionMode(int index) const { return clickRadio("RadioGroup1", index); }

    bool clickRadio(const char* group, int index) const
    {
        auto* radios = mainControl<RadioGroup>(group);
        if (radios == nullptr || !activateMain())
            return false;
        QTest::mouseClick(radios->button(index), Qt::LeftButton);
        return radios->itemIndex() == index;
    }

    bool setAllNew(bool checked) const
    {
        auto* box = mainControl<QCheckBox>("CheckBox1");
        if (box == nullptr || !activateMain())
            return false;
        if (box->isChecked() != checked)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        return box->isChecked() == checked;
    }

    // "Пересчитать" and then "Подобрать шайбы", by mouse; true when the results window came up.
    bool recalculateAndSelect() const
    {
        if (!recalculate())
            return false;
        auto* select = mainControl<QPushButton>("Button2");
        if (select == nullptr || !select->isEnabled())
            return false;
        QTest::mouseClick(select, Qt::LeftButton);
        return results->isVisible();
    }

    bool recalculate() const
    {
        auto* recalc = mainControl<QPushButton>("Button1");
        if (recalc == nullptr || !activateMain())
            return false;
        QTest::mouseClick(recalc, Qt::LeftButton);
        return true;
    }

    QTableWidget* purchaseGrid() const { return resultsControl<QTableWidget>("StringGrid1"); }
    QTableWidget* interchangeGrid() const { return resultsControl<QTableWidget>("StringGrid2"); }

    static QString cell(const QTableWidget* grid, int row, int column)
    {
        const QTableWidgetItem* item = grid->item(row, column);
        return item != nullptr ? item->text() : QString();
    }

    // Rows of a list in use: those with a shim number.
    static int rowsInUse(const QTableWidget* grid)
    {
        int rows = 0;
        for (int row = 1; row <= 16; ++row) {
            if (!cell(grid, row, 2).isEmpty())
                ++rows;
        }
        return rows;
    }

    kelvane::Job model; // the windows' shared job; outlives them
    std::unique_ptr<TForm1> main;
    std::unique_ptr<TForm3> results;
};

// Changes the working directory for one test and returns to the earlier one.
class WorkingDirectory final
{
public:
    explicit WorkingDirectory(const QString& path) : m_previous(QDir::currentPath())
    {
        m_ok = QDir::setCurrent(path);
    }
    ~WorkingDirectory() { QDir::setCurrent(m_previous); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;
    bool ok() const { return m_ok; }

private:
    QString m_previous;
    bool m_ok = false;
};

// A folder's entries by name, hidden ones included.
inline QStringList Entries(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                QDir::Name);
}

// A file's bytes; none when it cannot be read.
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sets an environment variable for one test and puts back what was there.
class ScopedEnvironment final
{
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_previous(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_wasSet)
            qputenv(m_name, m_previous);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_previous;
};

// A scratch cache folder standing for the user's (XDG_CACHE_HOME) while it lives, so that no report
// copy of a test lands in the real one.
class TestCache final
{
public:
    TestCache() : m_home("XDG_CACHE_HOME", QFile::encodeName(m_folder.path())) {}
    TestCache(const TestCache&) = delete;
    TestCache& operator=(const TestCache&) = delete;
    bool ok() const { return m_folder.isValid(); }
    QString path() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    ScopedEnvironment m_home;
};

// A colour of the evaluation's 0x00BBGGRR form, as it must appear on screen.
inline QColor Rgb(int red, int green, int blue)
{
    return QColor(red, green, blue);
}

} // namespace kelvane::testing
