// Printing the results window: the page's text and size, and the print command from keys and menu.
#include "results/print_page.h"
#include "window_driver.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using kelvane::Language;
using kelvane::TForm3;
using kelvane::testing::ShownProgram;

namespace {

const QDateTime kMoment(QDate(2026, 12, 7), QTime(13, 5, 9));

// The poppler tools read the PDF back; without them the page cannot be checked, which is a failure.
QString Tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// The tool's standard output, or a null string when it could not run or failed.
QString RunTool(const char* name, const QStringList& arguments)
{
    QProcess process;
    process.start(Tool(name), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Runs of blanks and line ends count as one blank: the PDF's text comes back laid out, not typed.
QString Words(const QString& text)
{
    return text.simplified();
}

int PageCount(const QString& pdf)
{
    const QString info = RunTool("pdfinfo", {pdf});
    for (const QString& line : info.split(u'\n')) {
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

// The texts of one column of a grid's rows in use.
QStringList Column(const QTableWidget* grid, int column)
{
    QStringList texts;
    for (int row = 1; row <= 16; ++row) {
        if (!ShownProgram::cell(grid, row, 2).isEmpty())
            texts.append(ShownProgram::cell(grid, row, column));
    }
    return texts;
}

// A four-cylinder engine with both lists in use: valves 1 and 2 swap their shims, valves 6, 11 and 16
// need shims nobody gives up.
bool FourCylinderJob(ShownProgram& job, Language language)
{
    if (language == Language::English) {
        if (!job.activateMain())
            return false;
        QTest::mouseClick(job.mainControl<QWidget>("Image6"), Qt::LeftButton);
    }
    return job.main.job().language() == language &&
           static_cast<int>(job.main.job().settings().cylinders) == 2 &&
           job.typeClearance(1, QStringLiteral("025")) && job.pickShim(2, QStringLiteral("125")) &&
           job.typeClearance(2, QStringLiteral("015")) && job.typeClearance(6, QStringLiteral("030")) &&
           job.typeClearance(11, QStringLiteral("022")) && job.typeClearance(16, QStringLiteral("027")) &&
           job.recalculateAndSelect() && ShownProgram::rowsInUse(job.interchangeGrid()) == 2 &&
           ShownProgram::rowsInUse(job.purchaseGrid()) == 3;
}

} // namespace

class PrintPageTest final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pageText_data();
    void pageText();
    void printShortcutAndMenu();
    void cancelChangesNothing();
    void printsThroughThePrinter();
    void failingPrinterSaysSoOnce_data();
    void failingPrinterSaysSoOnce();

private:
    // The dialog runner of the tests: counts its calls and answers as told.
    void answerDialog(std::function<bool(QPrinter&)> answer);
    static void pressCtrlP(ShownProgram& job);
    static bool chooseFromContextMenu(ShownProgram& job, const QString& expectedText);

    QList<QWidget*> m_dialogParents; // one entry for each dialog asked for
    QTemporaryDir m_dir;
};

void PrintPageTest::init()
{
    QVERIFY(m_dir.isValid());
    m_dialogParents.clear();
    TForm3::setClock([] { return kMoment; });
    answerDialog([](QPrinter&) { return false; });
}

void PrintPageTest::cleanup()
{
    TForm3::setPrintDialogRunner({});
    TForm3::setClock({});
}

void PrintPageTest::answerDialog(std::function<bool(QPrinter&)> answer)
{
    TForm3::setPrintDialogRunner([this, answer](QPrinter& printer, QWidget* parent) {
        m_dialogParents.append(parent);
        return answer(printer);
    });
}

void PrintPageTest::pressCtrlP(ShownProgram& job)
{
    job.results.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&job.results));
    QTest::keyClick(&job.results, Qt::Key_P, Qt::ControlModifier);
}

// Right-clicks a list, as a user would, and picks the print entry from the menu that opens.
bool PrintPageTest::chooseFromContextMenu(ShownProgram& job, const QString& expectedText)
{
    bool found = false;
    QTimer::singleShot(0, [&found, expectedText] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        for (QAction* action : menu->actions()) {
            if (action->text() == expectedText) {
                found = true;
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        menu->close();
    });
    QWidget* viewport = job.purchaseGrid()->viewport();
    const QPoint at(60, 60);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    return found;
}

void PrintPageTest::pageText_data()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("Russian") << Language::Russian;
    QTest::newRow("English") << Language::English;
}

// The page of a four-cylinder job names every part number and every valve of both lists, on one page.
void PrintPageTest::pageText()
{
    QFETCH(Language, language);
    QVERIFY2(!Tool("pdftotext").isEmpty() && !Tool("pdfinfo").isEmpty(),
             "pdftotext and pdfinfo (Debian package poppler-utils) are needed to read the printed page");
    ShownProgram job;
    QVERIFY(FourCylinderJob(job, language));

    const QString pdf = m_dir.filePath(QStringLiteral("page.pdf"));
    QVERIFY(kelvane::WritePrintedPagePdf(pdf, job.results.printedPage()));
    QCOMPARE(PageCount(pdf), 1);
    const QString text = Words(RunTool("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    QVERIFY(!text.isEmpty());

    QStringList expected = {job.results.windowTitle(), QStringLiteral("12-7-26"), QStringLiteral("Honda"),
                            QStringLiteral("7.48")};
    const QStringList partNumbers = Column(job.purchaseGrid(), 1);
    QCOMPARE(partNumbers.size(), 3);
    for (const QString& partNumber : partNumbers)
        QVERIFY2(!partNumber.isEmpty(), "every shim of this job has a part number");
    expected += partNumbers;
    expected += Column(job.purchaseGrid(), 2);
    expected += Column(job.purchaseGrid(), 4);
    expected += Column(job.interchangeGrid(), 1);
    expected += Column(job.interchangeGrid(), 4);
    // Both list titles and the headers, as the window shows them.
    for (const char* name : {"Label38", "Label39"})
        expected.append(job.resultsControl<QLabel>(name)->text());
    for (int column = 1; column <= 4; ++column) {
        expected.append(ShownProgram::cell(job.purchaseGrid(), 0, column));
        expected.append(ShownProgram::cell(job.interchangeGrid(), 0, column));
    }
    for (const QString& wanted : expected)
        QVERIFY2(text.contains(Words(wanted)), qPrintable(QStringLiteral("missing on the page: ") + wanted));

    // The language is the window's: none of the other language's cylinder names.
    const QString other =
        language == Language::English ? QStringLiteral("Цилиндр") : QStringLiteral("Cylinder");
    QVERIFY(!text.contains(other));

    // Every valve of the engine carries its number and target shim on the diagram.
    const kelvane::PrintedPage page = job.results.printedPage();
    QCOMPARE(int(page.valves.size()), 16);
    for (const kelvane::PrintedValve& valve : page.valves) {
        const QString label =
            job.resultsControl<QLabel>(qPrintable(valve.valve == 1
                                                      ? QStringLiteral("Label133")
                                                      : QStringLiteral("Label%1").arg(valve.valve - 1)))
                ->text();
        QCOMPARE(valve.targetNumber, label);
        QVERIFY(text.contains(label));
    }
}

void PrintPageTest::printShortcutAndMenu()
{
    ShownProgram job;
    QVERIFY(FourCylinderJob(job, Language::Russian));
    pressCtrlP(job);
    QCOMPARE(m_dialogParents, QList<QWidget*>{&job.results});
    QVERIFY(chooseFromContextMenu(job, QStringLiteral("Печать\u2026")));
    QCOMPARE(m_dialogParents.size(), 2);
    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());

    // The menu speaks the language the window was shown in.
    job.results.close();
    QVERIFY(job.activateMain());
    QTest::mouseClick(job.mainControl<QWidget>("Image6"), Qt::LeftButton);
    QVERIFY(job.recalculateAndSelect());
    QVERIFY(chooseFromContextMenu(job, QStringLiteral("Print\u2026")));
    QCOMPARE(m_dialogParents.size(), 3);
}

// A cancelled dialog leaves the windows, the lists and the working folder as they were.
void PrintPageTest::cancelChangesNothing()
{
    ShownProgram job;
    QVERIFY(FourCylinderJob(job, Language::Russian));
    QStringList before;
    for (const QTableWidget* grid : {job.purchaseGrid(), job.interchangeGrid()}) {
        for (int column = 0; column < 5; ++column)
            before += Column(grid, column);
    }
    const QSize size = job.results.size();
    const QString title = job.results.windowTitle();

    pressCtrlP(job);
    QCOMPARE(m_dialogParents, QList<QWidget*>{&job.results});
    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());
    QVERIFY(job.results.isVisible());
    QVERIFY(job.main.isVisible());
    QCOMPARE(job.results.size(), size);
    QCOMPARE(job.results.windowTitle(), title);
    QStringList after;
    for (const QTableWidget* grid : {job.purchaseGrid(), job.interchangeGrid()}) {
        for (int column = 0; column < 5; ++column)
            after += Column(grid, column);
    }
    QCOMPARE(after, before);
}

// With the dialog's "print to file", the printer writes the same one page.
void PrintPageTest::printsThroughThePrinter()
{
    QVERIFY2(!Tool("pdftotext").isEmpty() && !Tool("pdfinfo").isEmpty(),
             "pdftotext and pdfinfo (Debian package poppler-utils) are needed to read the printed page");
    ShownProgram job;
    QVERIFY(FourCylinderJob(job, Language::English));
    const QString pdf = m_dir.filePath(QStringLiteral("printed.pdf"));
    answerDialog([pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    pressCtrlP(job);
    QCOMPARE(m_dialogParents, QList<QWidget*>{&job.results});
    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());
    QCOMPARE(PageCount(pdf), 1);
    const QString text = Words(RunTool("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    QVERIFY(text.contains(QStringLiteral("Shim interchange and placement")));
    for (const QString& valve : Column(job.interchangeGrid(), 1))
        QVERIFY2(text.contains(Words(valve)), qPrintable(valve));
}

void PrintPageTest::failingPrinterSaysSoOnce_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("Russian") << Language::Russian
                             << QStringLiteral("Не удалось напечатать страницу: принтер сообщил об ошибке.");
    QTest::newRow("English") << Language::English
                             << QStringLiteral(
                                    "The page could not be printed: the printer reported an error.");
}

// A printer that cannot start (here: a file in a folder that does not exist) gives one error box in
// the window's language, and both windows stay as they were.
void PrintPageTest::failingPrinterSaysSoOnce()
{
    QFETCH(Language, language);
    QFETCH(QString, message);
    ShownProgram job;
    QVERIFY(FourCylinderJob(job, language));
    const QString pdf = m_dir.filePath(QStringLiteral("missing/folder/page.pdf"));
    answerDialog([pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    const QString firstPart = ShownProgram::cell(job.purchaseGrid(), 1, 1);

    pressCtrlP(job);
    QCOMPARE(m_dialogParents, QList<QWidget*>{&job.results});
    QCOMPARE(kelvane::MessageBox::takeRecorded(), QStringList{QStringLiteral("Kelvane|") + message});
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(job.results.isVisible());
    QVERIFY(job.main.isVisible());
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 1, 1), firstPart);
}

int main(int argc, char* argv[])
{
    // The date on the page follows the user's short date; this one is fixed for the test.
    qputenv("LC_ALL", "en_US.UTF-8");
    qputenv("LANG", "en_US.UTF-8");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    PrintPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "print_page_test.moc"
