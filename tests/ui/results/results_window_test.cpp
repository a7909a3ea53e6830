// The results window as the user meets it: opened from the main window after typing a job.
#include "kit/window_icon.h"
#include "kit/window_placement.h"
#include "results/shape_widget.h"
#include "results/tform3.h"
#include "window_driver.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using kelvane::ShapeWidget;
using kelvane::testing::Rgb;
using kelvane::testing::ShownProgram;

namespace {

// The colour filling most of a cell, whatever its text covers.
QColor CellBackground(QTableWidget* grid, int row, int column)
{
    const QImage image = grid->viewport()->grab().toImage();
    const QRect cell = grid->visualItemRect(grid->item(row, column)).intersected(image.rect());
    QHash<QRgb, int> counts;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb most = 0;
    int mostCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > mostCount) {
            most = it.key();
            mostCount = it.value();
        }
    }
    return QColor(most);
}

QColor ShapeCentre(ShapeWidget* shape)
{
    const QImage image = shape->grab().toImage();
    return image.pixelColor(image.rect().center());
}

QStringList Lines(const QPlainTextEdit* memo)
{
    return memo->toPlainText().split(u'\n');
}

QPoint WindowPosition(const QWidget* window, const QWidget* control)
{
    return control->mapTo(window, QPoint(0, 0));
}

QString NumberLabelName(int valve)
{
    return valve == 1 ? QStringLiteral("Label133") : QStringLiteral("Label%1").arg(valve - 1);
}

const QStringList kRussianWarning = {
    QStringLiteral("                        Внимание !!!"),
    QStringLiteral(" "),
    QStringLiteral("Part numbers новых шайб приводится "),
    QStringLiteral("как рекомендуемая замена.          "),
    QStringLiteral(" Возможно использование шайб других"),
    QStringLiteral("производителей и другой маркировки."),
    QStringLiteral(" Перед тем как использовать        "),
    QStringLiteral("приведенные данные, убедитесь, что "),
    QStringLiteral("указанные номера подходят для ваше-"),
    QStringLiteral("го двигателя.                      "),
    QStringLiteral(" Для использования афтермаркет     "),
    QStringLiteral("шайб, можно использовать толщины   "),
    QStringLiteral("шайб приведенные в таблицах и в    "),
    QStringLiteral("файле отчета."),
};

const QStringList kEnglishWarning = {
    QStringLiteral("                        Warning!!!"),
    QStringLiteral(" "),
    QStringLiteral("   Part numbers of new shims should be"),
    QStringLiteral("treated as recommended replacement."),
    QStringLiteral("   It is possible to use shims of"),
    QStringLiteral("other brands and with other marking."),
    QStringLiteral("   Before use of any part number shown,"),
    QStringLiteral("check if it fits to your engine."),
    QStringLiteral("   It is also possible to use any after"),
    QStringLiteral("market parts, so, feel free to use"),
    QStringLiteral("shown in report file thickness of new"),
    QStringLiteral("shims as starting point."),
};

} // namespace

class ResultsWindowTest final : public QObject
{
    Q_OBJECT

private slots:
    void frameAndLayout();
    void noChangeAtAll();
    void valveFiveOnItsOwnColour();
    void oneCylinder();
    void swapOfTwoValves();
    void allNewEmptiesInterchange();
    void englishTexts();
    void languageSwitchWhileOpen();
    void selectButtonOncePerRecalculation();
    void closingOnlyHides();
    void gridsAreReadOnlyAndShowNoSelection();
    void tabLeavesTheGrids();
    void iconAndPlacement();
};

void ResultsWindowTest::frameAndLayout()
{
    ShownProgram job;
    QVERIFY(!job.results.isVisible());
    QVERIFY(job.recalculateAndSelect());
    QWidget* window = &job.results;
    QCOMPARE(window->size(), QSize(832, 586));
    QCOMPARE(window->minimumSize(), QSize(832, 586));
    QCOMPARE(window->maximumSize(), QSize(832, 586));
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window->isWindow());

    const struct
    {
        const char* name;
        QRect geometry; // in window coordinates; an empty size is not checked
    } controls[] = {
        {"Panel1", {5, 3, 588, 201}},         {"Label36", {13, 61, 0, 0}},
        {"Label37", {13, 157, 0, 0}},         {"GroupBox2", {61, 11, 105, 185}},
        {"GroupBox3", {168, 11, 103, 185}},   {"GroupBox4", {273, 11, 102, 185}},
        {"GroupBox5", {377, 11, 102, 185}},   {"Shape17", {485, 35, 25, 17}},
        {"Label40", {485, 54, 0, 0}},         {"Label43", {485, 67, 0, 0}},
        {"Shape18", {485, 91, 9, 17}},        {"Shape19", {493, 91, 9, 17}},
        {"Shape20", {501, 91, 9, 17}},        {"Label41", {485, 110, 0, 0}},
        {"Label42", {485, 123, 0, 0}},        {"Panel2", {600, 4, 227, 200}},
        {"Memo1", {603, 9, 221, 193}},        {"GroupBox1", {5, 209, 823, 337}},
        {"Label38", {13, 229, 0, 0}},         {"Label39", {421, 229, 0, 0}},
        {"StringGrid1", {13, 246, 403, 292}}, {"StringGrid2", {420, 246, 403, 292}},
        {"Button2", {309, 555, 204, 25}},
    };
    for (const auto& control : controls) {
        auto* widget = window->findChild<QWidget*>(QString::fromLatin1(control.name));
        QVERIFY2(widget != nullptr, control.name);
        // Made when the window first opened, and shown with it.
        QVERIFY2(widget->isVisible(), control.name);
        QCOMPARE(WindowPosition(window, widget), control.geometry.topLeft());
        if (!control.geometry.size().isEmpty())
            QCOMPARE(widget->size(), control.geometry.size());
    }
    // The second cylinder's box belongs to the window, not to the panel it lies on.
    QCOMPARE(job.resultsControl<QGroupBox>("GroupBox3")->parentWidget(), window);
    QCOMPARE(job.resultsControl<QGroupBox>("GroupBox2")->parentWidget(),
             job.resultsControl<QFrame>("Panel1"));

    // Circles of 41 x 41 at their places in the boxes; the first box's stand one pixel right, the
    // fourth box's one pixel left.
    const int circleX[4][2] = {{8, 56}, {7, 55}, {7, 55}, {6, 54}};
    for (int valve = 1; valve <= 16; ++valve) {
        auto* circle = job.resultsControl<ShapeWidget>(qPrintable(QStringLiteral("Shape%1").arg(valve)));
        QVERIFY(circle != nullptr);
        const int box = (valve - 1) / 4;
        const int k = (valve - 1) % 4;
        QCOMPARE(circle->geometry(), QRect(circleX[box][k % 2], k < 2 ? 42 : 130, 41, 41));
        auto* number = job.resultsControl<QLabel>(qPrintable(NumberLabelName(valve)));
        QVERIFY(number != nullptr);
        QCOMPARE(number->parentWidget(), circle->parentWidget());
        QCOMPARE(number->pos(), circle->pos() + QPoint(8, 15));
    }

    // The 17 rows fill the grid's inside from top to bottom and the five columns from left to right,
    // the columns in the proportions of their nominal widths to within a pixel.
    const struct
    {
        QTableWidget* grid;
        int widths[5];
    } grids[] = {{job.purchaseGrid(), {20, 106, 92, 63, 113}},
                 {job.interchangeGrid(), {20, 108, 90, 66, 110}}};
    for (const auto& [grid, widths] : grids) {
        QCOMPARE(grid->rowCount(), 17);
        QCOMPARE(grid->columnCount(), 5);
        const QSize inside = grid->viewport()->size();
        QCOMPARE(grid->viewport()->geometry(), grid->contentsRect());
        QCOMPARE(grid->rowViewportPosition(0), 0);
        QCOMPARE(grid->rowViewportPosition(16) + grid->rowHeight(16), inside.height());
        QCOMPARE(grid->columnViewportPosition(0), 0);
        QCOMPARE(grid->columnViewportPosition(4) + grid->columnWidth(4), inside.width());
        for (int row = 0; row < 17; ++row) {
            const qreal share = qreal(inside.height()) / 17;
            QVERIFY2(qAbs(grid->rowHeight(row) - share) < 1, qPrintable(QString::number(row)));
        }
        for (int column = 0; column < 5; ++column) {
            const qreal share = qreal(inside.width()) * widths[column] / 394;
            QVERIFY2(qAbs(grid->columnWidth(column) - share) < 1, qPrintable(QString::number(column)));
        }
        // Nothing lies beyond the grid's edges, so nothing scrolls.
        QCOMPARE(grid->verticalScrollBar()->maximum(), 0);
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
    }
    // Row 16 of column 4 is the current cell of both grids.
    QCOMPARE(job.purchaseGrid()->currentRow(), 16);
    QCOMPARE(job.purchaseGrid()->currentColumn(), 4);
    QCOMPARE(job.interchangeGrid()->currentRow(), 16);
    QCOMPARE(job.interchangeGrid()->currentColumn(), 4);

    auto* memo = job.resultsControl<QPlainTextEdit>("Memo1");
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->frameShape(), QFrame::NoFrame);
    QCOMPARE(memo->palette().color(QPalette::Base), window->palette().color(QPalette::Button));

    // The legend: button face for a kept shim, a strip of red, lime and blue for a change.
    QCOMPARE(job.resultsControl<ShapeWidget>("Shape17")->color(), window->palette().color(QPalette::Button));
    QCOMPARE(job.resultsControl<ShapeWidget>("Shape18")->color(), Rgb(255, 0, 0));
    QCOMPARE(job.resultsControl<ShapeWidget>("Shape19")->color(), Rgb(0, 255, 0));
    QCOMPARE(job.resultsControl<ShapeWidget>("Shape20")->color(), Rgb(0, 0, 255));
}

void ResultsWindowTest::noChangeAtAll()
{
    ShownProgram job;
    QVERIFY(job.recalculateAndSelect());
    const QColor face = job.results.palette().color(QPalette::Button);

    for (int valve = 1; valve <= 16; ++valve) {
        auto* circle = job.resultsControl<ShapeWidget>(qPrintable(QStringLiteral("Shape%1").arg(valve)));
        auto* number = job.resultsControl<QLabel>(qPrintable(NumberLabelName(valve)));
        QCOMPARE(circle->color(), face);
        QCOMPARE(ShapeCentre(circle), face);
        QCOMPARE(number->text(), QStringLiteral("120"));
        QVERIFY(number->autoFillBackground());
        QCOMPARE(number->palette().color(QPalette::Window), face);
    }
    for (QTableWidget* grid : {job.purchaseGrid(), job.interchangeGrid()}) {
        for (int row = 1; row <= 16; ++row) {
            QCOMPARE(ShownProgram::cell(grid, row, 0), QString::number(row));
            for (int column = 1; column <= 4; ++column)
                QVERIFY(ShownProgram::cell(grid, row, column).isEmpty());
            QCOMPARE(CellBackground(grid, row, 4), QColor(Qt::white));
        }
    }
    for (int row = 1; row <= 16; ++row) {
        QCOMPARE(job.results.purchaseRowColor(row), kelvane::kWhite);
        QCOMPARE(job.results.interchangeRowColor(row), kelvane::kWhite);
    }
    // The header row and the number column are drawn on button face, the data cells on white.
    QCOMPARE(CellBackground(job.purchaseGrid(), 0, 2), face);
    QCOMPARE(CellBackground(job.purchaseGrid(), 5, 0), face);
    QCOMPARE(CellBackground(job.purchaseGrid(), 5, 2), QColor(Qt::white));

    QCOMPARE(job.results.windowTitle(), QStringLiteral("Расположение и замена шайб"));
    QCOMPARE(Lines(job.resultsControl<QPlainTextEdit>("Memo1")), kRussianWarning);
    const QStringList purchaseHeader = {QString(), QStringLiteral("Part number"),
                                        QStringLiteral("Номер шайбы"), QStringLiteral("Толщина"),
                                        QStringLiteral("Куда ставить")};
    const QStringList interchangeHeader = {QString(), QStringLiteral("Откуда"), QStringLiteral("Номер шайбы"),
                                           QStringLiteral("Толщина"), QStringLiteral("Куда ставить")};
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 0, column), purchaseHeader[column]);
        QCOMPARE(ShownProgram::cell(job.interchangeGrid(), 0, column), interchangeHeader[column]);
    }
    QCOMPARE(job.resultsControl<QGroupBox>("GroupBox1")->title(), QStringLiteral(" Результаты "));
    QCOMPARE(job.resultsControl<QGroupBox>("GroupBox5")->title(), QStringLiteral(" Цилиндр 4 "));
    QCOMPARE(job.resultsControl<QLabel>("Label39")->text(),
             QStringLiteral("Возможные замены снятыми шайбами"));
    QCOMPARE(job.resultsControl<QPushButton>("Button2")->text(), QStringLiteral("Вывести результаты в файл"));
    for (const char* box : {"GroupBox2", "GroupBox3", "GroupBox4", "GroupBox5"}) {
        QVERIFY(job.resultsControl<QGroupBox>(box)->isVisible());
        QVERIFY(job.resultsControl<QGroupBox>(box)->isEnabled());
    }
}

void ResultsWindowTest::valveFiveOnItsOwnColour()
{
    ShownProgram job;
    QVERIFY(job.chooseCylinders(1));
    QVERIFY(job.typeClearance(5, QStringLiteral("025"))); // 0.05 over the nominal 0.20: a 125 is needed
    QVERIFY(job.recalculateAndSelect());

    const QColor valveFive = Rgb(0x44, 0x44, 0xFF); // 0x00FF4444
    QCOMPARE(ShownProgram::rowsInUse(job.purchaseGrid()), 1);
    QCOMPARE(ShownProgram::rowsInUse(job.interchangeGrid()), 0);
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 1, 2), QStringLiteral("125"));
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 1, 3), QStringLiteral(" 1.250"));
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 1, 4), QStringLiteral("Цилиндр 2 вып. I"));
    QCOMPARE(job.results.purchaseRowColor(1), kelvane::ColorValue(0x00FF4444u));
    QCOMPARE(CellBackground(job.purchaseGrid(), 1, 4), valveFive);
    // Only the destination cell carries the colour.
    QCOMPARE(CellBackground(job.purchaseGrid(), 1, 2), QColor(Qt::white));
    QCOMPARE(CellBackground(job.purchaseGrid(), 2, 4), QColor(Qt::white));

    auto* shape5 = job.resultsControl<ShapeWidget>("Shape5");
    QCOMPARE(shape5->color(), valveFive);
    QCOMPARE(ShapeCentre(shape5), valveFive);
    auto* label4 = job.resultsControl<QLabel>("Label4");
    QCOMPARE(label4->text(), QStringLiteral("125"));
    QCOMPARE(label4->palette().color(QPalette::Window), valveFive);
    // Valve 6 keeps its shim.
    QCOMPARE(job.resultsControl<QLabel>("Label5")->text(), QStringLiteral("120"));

    QVERIFY(job.resultsControl<QGroupBox>("GroupBox2")->isVisible());
    QVERIFY(job.resultsControl<QGroupBox>("GroupBox3")->isVisible());
    QVERIFY(job.resultsControl<QGroupBox>("GroupBox3")->isEnabled());
    for (const char* box : {"GroupBox4", "GroupBox5"}) {
        QVERIFY(!job.resultsControl<QGroupBox>(box)->isVisible());
        QVERIFY(!job.resultsControl<QGroupBox>(box)->isEnabled());
    }
}

void ResultsWindowTest::oneCylinder()
{
    ShownProgram job;
    QVERIFY(job.typeClearance(1, QStringLiteral("025")));
    QVERIFY(job.typeClearance(5, QStringLiteral("025")));
    QVERIFY(job.typeClearance(13, QStringLiteral("030")));
    QVERIFY(job.chooseCylinders(0));
    QVERIFY(job.recalculateAndSelect());

    QCOMPARE(ShownProgram::rowsInUse(job.purchaseGrid()), 1);
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 1, 4), QStringLiteral("Цилиндр 1 вып. I"));
    QCOMPARE(ShownProgram::rowsInUse(job.interchangeGrid()), 0);
    QVERIFY(job.resultsControl<QGroupBox>("GroupBox2")->isVisible());
    for (const char* box : {"GroupBox3", "GroupBox4", "GroupBox5"}) {
        QVERIFY(!job.resultsControl<QGroupBox>(box)->isVisible());
        QVERIFY(!job.resultsControl<QGroupBox>(box)->isEnabled());
    }
    // The hidden circles are filled all the same: valve 5's plan says its shim changes.
    QCOMPARE(job.resultsControl<ShapeWidget>("Shape5")->color(), Rgb(0x44, 0x44, 0xFF));
    QCOMPARE(job.resultsControl<QLabel>("Label4")->text(), QStringLiteral("125"));
}

void ResultsWindowTest::swapOfTwoValves()
{
    ShownProgram job;
    // Valve 1 holds a 120 and needs a 125; valve 2 holds a 125 and needs a 120.
    QVERIFY(job.typeClearance(1, QStringLiteral("025")));
    QVERIFY(job.pickShim(2, QStringLiteral("125")));
    QVERIFY(job.typeClearance(2, QStringLiteral("015")));
    QVERIFY(job.recalculateAndSelect());

    QTableWidget* interchange = job.interchangeGrid();
    QCOMPARE(ShownProgram::rowsInUse(job.purchaseGrid()), 0);
    QCOMPARE(ShownProgram::rowsInUse(interchange), 2);
    const QStringList first = {QStringLiteral("1"), QStringLiteral("Цилиндр 1 вып. II"),
                               QStringLiteral("125"), QStringLiteral(" 1.250"),
                               QStringLiteral("Цилиндр 1 вып. I")};
    const QStringList second = {QStringLiteral("2"), QStringLiteral("Цилиндр 1 вып. I"),
                                QStringLiteral("120"), QStringLiteral(" 1.200"),
                                QStringLiteral("Цилиндр 1 вып. II")};
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(ShownProgram::cell(interchange, 1, column), first[column]);
        QCOMPARE(ShownProgram::cell(interchange, 2, column), second[column]);
    }
    // Each row wears the colour of the valve the shim goes to.
    QCOMPARE(CellBackground(interchange, 1, 4), Rgb(0xFF, 0x44, 0x44)); // valve 1, 0x004444FF
    QCOMPARE(CellBackground(interchange, 2, 4), Rgb(0xFF, 0xFF, 0x44)); // valve 2, 0x0044FFFF
    QCOMPARE(job.resultsControl<QLabel>("Label133")->text(), QStringLiteral("125"));
    QCOMPARE(job.resultsControl<QLabel>("Label1")->text(), QStringLiteral("120"));
}

void ResultsWindowTest::allNewEmptiesInterchange()
{
    ShownProgram job;
    QVERIFY(job.typeClearance(1, QStringLiteral("025")));
    QVERIFY(job.pickShim(2, QStringLiteral("125")));
    QVERIFY(job.typeClearance(2, QStringLiteral("015")));
    QVERIFY(job.setAllNew(true));
    QVERIFY(job.recalculateAndSelect());

    QCOMPARE(ShownProgram::rowsInUse(job.interchangeGrid()), 0);
    QCOMPARE(ShownProgram::rowsInUse(job.purchaseGrid()), 2);
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 1, 2), QStringLiteral("125"));
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 1, 4), QStringLiteral("Цилиндр 1 вып. I"));
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 2, 2), QStringLiteral("120"));
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 2, 4), QStringLiteral("Цилиндр 1 вып. II"));
    for (int row = 1; row <= 16; ++row)
        QCOMPARE(CellBackground(job.interchangeGrid(), row, 4), QColor(Qt::white));

    // Unchecked again, the next selection reuses the removed shims.
    QVERIFY(job.setAllNew(false));
    QVERIFY(job.recalculateAndSelect());
    QCOMPARE(ShownProgram::rowsInUse(job.interchangeGrid()), 2);
    QCOMPARE(ShownProgram::rowsInUse(job.purchaseGrid()), 0);
}

void ResultsWindowTest::englishTexts()
{
    ShownProgram job;
    auto* englishFlag = job.mainControl<QWidget>("Image6");
    QVERIFY(englishFlag != nullptr);
    QVERIFY(job.activateMain());
    QTest::mouseClick(englishFlag, Qt::LeftButton);
    QCOMPARE(job.main.job().language(), kelvane::Language::English);
    QVERIFY(job.typeClearance(14, QStringLiteral("030")));
    QVERIFY(job.recalculateAndSelect());

    QCOMPARE(job.results.windowTitle(), QStringLiteral("Shim interchange and placement"));
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 0, 4), QStringLiteral("    Install to"));
    QCOMPARE(ShownProgram::cell(job.interchangeGrid(), 0, 4), QStringLiteral("    Install to"));
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 0, 1), QStringLiteral("Part number"));
    QCOMPARE(ShownProgram::cell(job.interchangeGrid(), 0, 1), QStringLiteral("From"));
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 0, 2), QStringLiteral("Shim number"));
    QCOMPARE(ShownProgram::cell(job.interchangeGrid(), 0, 3), QStringLiteral("Thickness"));
    QCOMPARE(Lines(job.resultsControl<QPlainTextEdit>("Memo1")), kEnglishWarning);
    QCOMPARE(job.resultsControl<QGroupBox>("GroupBox1")->title(), QStringLiteral(" Results "));
    QCOMPARE(job.resultsControl<QGroupBox>("GroupBox3")->title(), QStringLiteral(" Cylinder 2 "));
    QCOMPARE(job.resultsControl<QLabel>("Label36")->text(), QStringLiteral("Exhaust"));
    QCOMPARE(job.resultsControl<QLabel>("Label40")->text(), QStringLiteral("Stay in place"));
    QCOMPARE(job.resultsControl<QLabel>("Label43")->text(), QStringLiteral("(not for replace)"));
    QCOMPARE(job.resultsControl<QPushButton>("Button2")->text(), QStringLiteral("Save results to file"));
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 1, 4), QStringLiteral("Cylinder 4 ex. II"));
}

void ResultsWindowTest::languageSwitchWhileOpen()
{
    ShownProgram job;
    QVERIFY(job.typeClearance(3, QStringLiteral("020"))); // intake: 0.05 over 0.15
    QVERIFY(job.recalculateAndSelect());
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 1, 4), QStringLiteral("Цилиндр 1 вп.  I"));

    QVERIFY(job.activateMain());
    QTest::mouseClick(job.mainControl<QWidget>("Image6"), Qt::LeftButton);
    QCOMPARE(job.main.job().language(), kelvane::Language::English);
    QVERIFY(job.results.isVisible());
    QCOMPARE(job.results.windowTitle(), QStringLiteral("Расположение и замена шайб"));
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 0, 4), QStringLiteral("Куда ставить"));
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 1, 4), QStringLiteral("Цилиндр 1 вп.  I"));
    QCOMPARE(Lines(job.resultsControl<QPlainTextEdit>("Memo1")), kRussianWarning);

    // Shown again, it speaks the new language.
    QVERIFY(job.recalculateAndSelect());
    QCOMPARE(job.results.windowTitle(), QStringLiteral("Shim interchange and placement"));
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 1, 4), QStringLiteral("Cylinder 1 in. I"));
    QCOMPARE(Lines(job.resultsControl<QPlainTextEdit>("Memo1")), kEnglishWarning);
}

void ResultsWindowTest::selectButtonOncePerRecalculation()
{
    ShownProgram job;
    auto* select = job.mainControl<QPushButton>("Button2");
    QVERIFY(!select->isEnabled());
    QVERIFY(job.recalculate());
    QVERIFY(select->isEnabled());
    QTest::mouseClick(select, Qt::LeftButton);
    QVERIFY(job.results.isVisible());
    QVERIFY(!select->isEnabled());

    // The next recalculation hides the results and allows one more selection.
    QVERIFY(job.recalculate());
    QVERIFY(!job.results.isVisible());
    QVERIFY(select->isEnabled());
}

void ResultsWindowTest::closingOnlyHides()
{
    ShownProgram job;
    QVERIFY(job.typeClearance(1, QStringLiteral("025")));
    QVERIFY(job.recalculateAndSelect());
    QVERIFY(job.results.close());
    QVERIFY(!job.results.isVisible());
    QVERIFY(job.main.isVisible());

    // Opened again after a new job, it shows that job.
    QVERIFY(job.typeClearance(1, QStringLiteral("020")));
    QVERIFY(job.typeClearance(2, QStringLiteral("030")));
    QVERIFY(job.recalculateAndSelect());
    QCOMPARE(ShownProgram::rowsInUse(job.purchaseGrid()), 1);
    QCOMPARE(ShownProgram::cell(job.purchaseGrid(), 1, 4), QStringLiteral("Цилиндр 1 вып. II"));
    QCOMPARE(job.resultsControl<QLabel>("Label133")->text(), QStringLiteral("120"));
}

void ResultsWindowTest::gridsAreReadOnlyAndShowNoSelection()
{
    ShownProgram job;
    QVERIFY(job.typeClearance(1, QStringLiteral("025")));
    QVERIFY(job.recalculateAndSelect());
    QVERIFY(QTest::qWaitForWindowActive(&job.results));

    QTableWidget* grid = job.purchaseGrid();
    const QRect cell = grid->visualItemRect(grid->item(1, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::keyClicks(grid, QStringLiteral("99"));
    QTest::keyClick(grid, Qt::Key_F2);
    // No editor opened: the keys went to the grid itself.
    QVERIFY(grid->viewport()->findChildren<QLineEdit*>().isEmpty());
    QCOMPARE(QApplication::focusWidget(), grid);
    QCOMPARE(ShownProgram::cell(grid, 1, 2), QStringLiteral("125"));
    // A selected cell looks like any other.
    QCOMPARE(CellBackground(grid, 1, 2), QColor(Qt::white));
    QCOMPARE(CellBackground(grid, 1, 4), Rgb(0xFF, 0x44, 0x44));
}

// Tab and Shift+Tab go round the window's controls, through the grids and on to the save button.
void ResultsWindowTest::tabLeavesTheGrids()
{
    ShownProgram job;
    QVERIFY(job.typeClearance(1, QStringLiteral("025")));
    QVERIFY(job.recalculateAndSelect());
    QVERIFY(QTest::qWaitForWindowActive(&job.results));

    QTableWidget* purchase = job.purchaseGrid();
    QTableWidget* interchange = job.interchangeGrid();
    auto* save = job.resultsControl<QPushButton>("Button2");
    QTest::mouseClick(purchase->viewport(), Qt::LeftButton, {},
                      purchase->visualItemRect(purchase->item(1, 2)).center());
    QTRY_VERIFY(purchase->hasFocus());
    // The arrow keys still move between the cells.
    QTest::keyClick(purchase, Qt::Key_Down);
    QCOMPARE(purchase->currentRow(), 2);

    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    press(Qt::Key_Tab);
    QTRY_VERIFY(interchange->hasFocus());
    press(Qt::Key_Tab);
    QTRY_VERIFY(save->hasFocus());
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QTRY_VERIFY(interchange->hasFocus());
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(purchase->hasFocus());
    QCOMPARE(purchase->currentRow(), 2); // leaving the grid moved no cell

    // Ctrl+Tab and Ctrl+Shift+Tab leave a grid as well.
    press(Qt::Key_Tab, Qt::ControlModifier);
    QTRY_VERIFY(interchange->hasFocus());
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(purchase->hasFocus());
}

void ResultsWindowTest::iconAndPlacement()
{
    ShownProgram job;
    QVERIFY(job.recalculateAndSelect());
    QVERIFY(QTest::qWaitForWindowExposed(&job.results));

    // Both windows carry the program's icon, in the sizes drawn from its picture.
    const QImage expected = QImage(QStringLiteral(":/kelvane/icons/kelvane_48.png"))
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!expected.isNull());
    for (QWidget* window : {static_cast<QWidget*>(&job.main), static_cast<QWidget*>(&job.results)}) {
        const QIcon icon = window->windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{48, 48}, {256, 256}}));
        QCOMPARE(icon.pixmap(QSize(48, 48)).toImage().convertToFormat(expected.format()), expected);
        QCOMPARE(window->windowIcon().cacheKey(), kelvane::ProgramIcon().cacheKey());
    }

    // The window with its frame stands in the middle of the desktop's free area. The offscreen
    // screen is 800 pixels wide, narrower than this window, and the offscreen platform moves a window
    // that starts left of the screen right by its frame's width; so only the height is checked here
    // (the About window, which fits, is checked both ways in its own test).
    const QRect available = job.results.screen()->availableGeometry();
    const QRect frame = job.results.frameGeometry();
    QVERIFY(frame.contains(job.results.geometry()));
    QVERIFY(frame != job.results.geometry());
    QVERIFY(qAbs(frame.center().y() - available.center().y()) <= 1);

    // Under a window manager the title bar makes the frame much taller above the client area than
    // below it: the frame, not the client area, is what stands in the middle.
    const QMargins titleBar(4, 30, 4, 4);
    const QRect desktop(0, 0, 1920, 1050);
    const QRect client = kelvane::CentredClientArea(QSize(832, 586), titleBar, desktop);
    QCOMPARE(client.size(), QSize(832, 586));
    const QRect framed = client.marginsAdded(titleBar);
    QCOMPARE(framed.center(), desktop.center());
    QCOMPARE(client.top(), (1050 - 620) / 2 + 30);
    QCOMPARE(client.left(), (1920 - 840) / 2 + 4);
}

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
