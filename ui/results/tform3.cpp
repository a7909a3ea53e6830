// The results window: built once at start-up, filled anew each time it is shown.
#include "results/tform3.h"

#include "kit/accessible_names.h"
#include "kit/document_opener.h"
#include "kit/message_box.h"
#include "kit/window_font.h"
#include "kit/window_icon.h"
#include "report/report_text.h"
#include "results/color_value.h"
#include "results/report_copy.h"
#include "results/report_file.h"
#include "results/shape_widget.h"

#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <numeric>
#include <span>
#include <string_view>
#include <utility>

namespace kelvane {

namespace {

TForm3::DocumentOpener& DocumentOpenerSlot()
{
    static TForm3::DocumentOpener opener;
    return opener;
}

TForm3::Clock& ClockSlot()
{
    static TForm3::Clock clock;
    return clock;
}

QDateTime Now()
{
    return ClockSlot() ? ClockSlot()() : QDateTime::currentDateTime();
}

TForm3::PrintDialogRunner& PrintDialogRunnerSlot()
{
    static TForm3::PrintDialogRunner runner;
    return runner;
}

bool RunPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    // The page is one whole page: there is no range or selection to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont SansSerif(bool bold)
{
    return WindowFont("MS Sans Serif", bold);
}
QFont Tahoma(bool bold)
{
    return WindowFont("Tahoma", bold);
}

// Both languages of one fixed text; objectName "" is the window caption.
struct FixedText
{
    const char* objectName;
    Bilingual<const char*> text;
};

constexpr FixedText kFixedTexts[] = {
    {"", "Расположение и замена шайб", "Shim interchange and placement"},
    {"GroupBox1", " Результаты ", " Results "},
    {"GroupBox2", " Цилиндр 1 ", " Cylinder 1 "},
    {"GroupBox3", " Цилиндр 2 ", " Cylinder 2 "},
    {"GroupBox4", " Цилиндр 3 ", " Cylinder 3 "},
    {"GroupBox5", " Цилиндр 4 ", " Cylinder 4 "},
    {"Label36", "Выпуск", "Exhaust"},
    {"Label37", "Впуск", "Intake"},
    {"Label38", "Новые шайбы", "New shims"},
    {"Label39", "Возможные замены снятыми шайбами", "Possible interchange with replaced"},
    {"Label40", "Без замены", "Stay in place"},
    {"Label43", "(можно не менять)", "(not for replace)"},
    {"Label41", "Замена на новую", "Replace with new"},
    {"Label42", "либо перестановка", "or interchange"},
    {"Button2", "Вывести результаты в файл", "Save results to file"},
    {"Print1", "Печать…", "Print…"},
};

QString FixedTextOf(const char* objectName, Language language)
{
    for (const FixedText& fixed : kFixedTexts) {
        if (std::string_view(fixed.objectName) == objectName)
            return QString::fromUtf8(fixed.text.in(language));
    }
    return QString();
}

// The error box of a print that failed, by interface language.
constexpr Bilingual<const char*> kPrintFailure{
    .russian = "Не удалось напечатать страницу: принтер сообщил об ошибке.",
    .english = "The page could not be printed: the printer reported an error."};

constexpr const char* kWarningRussian[] = {
    "                        Внимание !!!", " ",
    "Part numbers новых шайб приводится ",  "как рекомендуемая замена.          ",
    " Возможно использование шайб других",  "производителей и другой маркировки.",
    " Перед тем как использовать        ",  "приведенные данные, убедитесь, что ",
    "указанные номера подходят для ваше-",  "го двигателя.                      ",
    " Для использования афтермаркет     ",  "шайб, можно использовать толщины   ",
    "шайб приведенные в таблицах и в    ",  "файле отчета.",
};

constexpr const char* kWarningEnglish[] = {
    "                        Warning!!!",      " ",
    "   Part numbers of new shims should be",  "treated as recommended replacement.",
    "   It is possible to use shims of",       "other brands and with other marking.",
    "   Before use of any part number shown,", "check if it fits to your engine.",
    "   It is also possible to use any after", "market parts, so, feel free to use",
    "shown in report file thickness of new",   "shims as starting point.",
};

constexpr Bilingual<std::span<const char* const>> kWarning{.russian = kWarningRussian,
                                                           .english = kWarningEnglish};

// Told when the report was saved but the desktop could not show it; %1 is the saved file's path.
constexpr Bilingual<const char*> kNotOpened{
    .russian = "Отчет сохранен в файл\n%1\n(кодировка Windows-1251), но открыть его не удалось: не нашлось "
               "программы для просмотра текстовых файлов.",
    .english = "The report was saved to\n%1\n(Windows-1251 text), but it could not be opened: no program to "
               "view text files was found.",
};

// Header row texts of columns 1 to 4.
struct HeaderTexts
{
    std::array<const char*, 4> purchase;
    std::array<const char*, 4> interchange;
};

constexpr Bilingual<HeaderTexts> kHeaders{
    .russian = {{"Part number", "Номер шайбы", "Толщина", "Куда ставить"},
                {"Откуда", "Номер шайбы", "Толщина", "Куда ставить"}},
    .english = {{"Part number", "Shim number", "Thickness", "    Install to"},
                {"From", "Shim number", "Thickness", "    Install to"}},
};

// Row 0 shows the headings. The view's own headers, hidden, carry them too, because they are what a
// screen reader announces as a column's heading; the row headers carry the list rows' numbers.
void SetHeadings(QTableWidget& grid, const std::array<const char*, 4>& headings)
{
    QStringList columns{QString()};
    for (int column = 1; column < grid.columnCount(); ++column) {
        const QString text = QString::fromUtf8(headings[std::size_t(column - 1)]);
        grid.item(0, column)->setText(text);
        columns.append(text.trimmed());
    }
    grid.setHorizontalHeaderLabels(columns);
    QStringList rows{QString()};
    for (int row = 1; row < grid.rowCount(); ++row)
        rows.append(QString::number(row));
    grid.setVerticalHeaderLabels(rows);
}

// The legend's strip of three colours that stands for every colour of a replaced shim.
struct LegendStripPart
{
    const char* name;
    int x;
    ColorValue color;
};

constexpr LegendStripPart kLegendStrip[] = {
    {"Shape18", 485, kClRed}, {"Shape19", 493, kClLime}, {"Shape20", 501, kClBlue}};

// A cylinder box of the diagram, in window coordinates, with the x of its two circle columns and
// the y of the intake column heads.
struct CylinderBox
{
    const char* name;
    QRect geometry;
    int circleXI;
    int circleXII;
    int intakeHeadY;
};

constexpr CylinderBox kCylinderBoxes[] = {
    {"GroupBox2", {61, 11, 105, 185}, 8, 56, 110},
    {"GroupBox3", {168, 11, 103, 185}, 7, 55, 110},
    {"GroupBox4", {273, 11, 102, 185}, 7, 55, 110},
    {"GroupBox5", {377, 11, 102, 185}, 6, 54, 112},
};

constexpr int kExhaustCircleY = 42;
constexpr int kIntakeCircleY = 130;
constexpr int kExhaustHeadY = 24;
constexpr int kHeadXI = 25;
constexpr int kHeadXII = 71;
constexpr int kCircleSize = 41;
constexpr QPoint kNumberLabelOffset{8, 15};

// Panel1's top-left corner: the diagram's controls are given in window coordinates.
constexpr QPoint kPanel1Origin{5, 3};
constexpr QPoint kGroupBox1Origin{5, 209};

// Splits `total` pixels into parts in proportion to `weights`, each part ending where its share of the
// whole rounds to, so the parts add up to the total exactly.
template <std::size_t N> std::array<int, N> Apportion(int total, const std::array<int, N>& weights)
{
    const int sum = std::accumulate(weights.begin(), weights.end(), 0);
    std::array<int, N> parts{};
    int reached = 0;
    int end = 0;
    for (std::size_t i = 0; i < N; ++i) {
        reached += weights[i];
        const int next = (2 * total * reached + sum) / (2 * sum);
        parts[i] = next - end;
        end = next;
    }
    return parts;
}

QString NumberLabelName(int valve)
{
    return valve == 1 ? QStringLiteral("Label133") : QStringLiteral("Label%1").arg(valve - 1);
}

QLabel* MakeLabel(QWidget* parent, const char* name, QPoint windowPosition, QPoint parentOrigin,
                  const QFont& font)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->move(windowPosition - parentOrigin);
    return label;
}

void SetBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Paints every cell through the window's drawing handler, so a selected or focused cell looks like
// any other.
class CellDelegate final : public QStyledItemDelegate
{
public:
    using Draw = std::function<void(QPainter*, int, int, const QRect&, QStyle::State)>;

    CellDelegate(Draw draw, QObject* parent) : QStyledItemDelegate(parent), m_draw(std::move(draw)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        m_draw(painter, index.column(), index.row(), option.rect, option.state);
    }

private:
    Draw m_draw;
};

} // namespace

TForm3::TForm3(Job& job, const ReportControls& controls, QWidget* parent)
    : LazyWindow(QSize(832, 586), SansSerif(false), {}, parent), m_job(job), m_controls(controls)
{
    SetProgramIcon(*this);
    m_purchaseColors.fill(kWhite);
    m_interchangeColors.fill(kWhite);
}

// Its two tables are what would most delay the main window's first appearance.
void TForm3::buildControls()
{
    buildDiagram();
    buildLegend();
    buildWarning();
    buildLists();

    m_button2 = new QPushButton(this);
    m_button2->setObjectName(QStringLiteral("Button2"));
    m_button2->setFont(Tahoma(true));
    m_button2->setGeometry(309, 555, 204, 25);
    connect(m_button2, &QPushButton::clicked, this, &TForm3::Button2Click);

    // Ctrl+P and the window's context menu; the grids pass their right clicks on to the window.
    auto* print1 = new QAction(this);
    print1->setObjectName(QStringLiteral("Print1"));
    print1->setShortcut(QKeySequence::Print);
    connect(print1, &QAction::triggered, this, &TForm3::Print1Click);
    addAction(print1);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    applyAccessibleNames();
}

TForm3::~TForm3() = default;

void TForm3::setDocumentOpener(DocumentOpener opener)
{
    DocumentOpenerSlot() = std::move(opener);
}

void TForm3::setClock(Clock clock)
{
    ClockSlot() = std::move(clock);
}

void TForm3::setPrintDialogRunner(PrintDialogRunner runner)
{
    PrintDialogRunnerSlot() = std::move(runner);
}

void TForm3::buildDiagram()
{
    auto* panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1->setGeometry(QRect(kPanel1Origin, QSize(588, 201)));

    MakeLabel(panel1, "Label36", {13, 61}, kPanel1Origin, Tahoma(true));
    MakeLabel(panel1, "Label37", {13, 157}, kPanel1Origin, Tahoma(true));

    for (std::size_t box = 0; box < m_cylinderBoxes.size(); ++box) {
        const CylinderBox& layout = kCylinderBoxes[box];
        // The second cylinder's box belongs to the window itself and lies over the panel.
        QWidget* owner = box == 1 ? static_cast<QWidget*>(this) : panel1;
        const QPoint origin = box == 1 ? QPoint(0, 0) : kPanel1Origin;
        auto* groupBox = new QGroupBox(owner);
        groupBox->setObjectName(QString::fromLatin1(layout.name));
        groupBox->setFont(Tahoma(true));
        groupBox->setGeometry(layout.geometry.translated(-origin));
        m_cylinderBoxes[box] = groupBox;

        for (const int headY : {kExhaustHeadY, layout.intakeHeadY}) {
            for (const auto& [x, text] : {std::pair{kHeadXI, "I"}, std::pair{kHeadXII, "II"}}) {
                auto* head = new QLabel(QString::fromLatin1(text), groupBox);
                head->setFont(SansSerif(true));
                head->move(x, headY);
            }
        }

        for (int k = 0; k < 4; ++k) {
            const int valve = int(box) * 4 + k + 1;
            const QPoint circleAt((k % 2 == 0) ? layout.circleXI : layout.circleXII,
                                  k < 2 ? kExhaustCircleY : kIntakeCircleY);
            auto* circle = new ShapeWidget(ShapeWidget::Form::Circle, groupBox);
            circle->setObjectName(QStringLiteral("Shape%1").arg(valve));
            circle->setGeometry(QRect(circleAt, QSize(kCircleSize, kCircleSize)));
            m_circles[std::size_t(valve - 1)] = circle;

            auto* number = new QLabel(groupBox);
            number->setObjectName(NumberLabelName(valve));
            number->setFont(SansSerif(true));
            number->move(circleAt + kNumberLabelOffset);
            m_numberLabels[std::size_t(valve - 1)] = number;
        }
    }
}

void TForm3::buildLegend()
{
    auto* panel1 = findChild<QFrame*>(QStringLiteral("Panel1"));

    auto* keeps = new ShapeWidget(ShapeWidget::Form::Rectangle, panel1);
    keeps->setObjectName(QStringLiteral("Shape17"));
    keeps->setGeometry(QRect(QPoint(485, 35) - kPanel1Origin, QSize(25, 17)));
    keeps->setColor(ToQColor(kClBtnFace, palette()));

    for (const LegendStripPart& part : kLegendStrip) {
        auto* shape = new ShapeWidget(ShapeWidget::Form::Rectangle, panel1);
        shape->setObjectName(QString::fromLatin1(part.name));
        shape->setGeometry(QRect(QPoint(part.x, 91) - kPanel1Origin, QSize(9, 17)));
        shape->setColor(ToQColor(part.color, palette()));
    }

    MakeLabel(panel1, "Label40", {485, 54}, kPanel1Origin, Tahoma(false));
    MakeLabel(panel1, "Label43", {485, 67}, kPanel1Origin, Tahoma(false));
    MakeLabel(panel1, "Label41", {485, 110}, kPanel1Origin, Tahoma(false));
    MakeLabel(panel1, "Label42", {485, 123}, kPanel1Origin, Tahoma(false));
}

void TForm3::buildWarning()
{
    constexpr QPoint kPanel2Origin{600, 4};
    auto* panel2 = new QFrame(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel2->setGeometry(QRect(kPanel2Origin, QSize(227, 200)));

    m_memo1 = new QPlainTextEdit(panel2);
    m_memo1->setObjectName(QStringLiteral("Memo1"));
    m_memo1->setGeometry(QRect(QPoint(603, 9) - kPanel2Origin, QSize(221, 193)));
    m_memo1->setReadOnly(true);
    m_memo1->setFrameShape(QFrame::NoFrame);
    m_memo1->setFont(SansSerif(false));
    QPalette memoPalette = m_memo1->palette();
    memoPalette.setColor(QPalette::Base, memoPalette.color(QPalette::Button));
    m_memo1->setPalette(memoPalette);
}

QTableWidget* TForm3::makeGrid(const char* name, const std::array<int, kColumns>& widths, int x)
{
    auto* grid = new QTableWidget(kRows, kColumns, m_groupBox1);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setGeometry(QRect(QPoint(x, 246) - kGroupBox1Origin, QSize(403, 292)));
    // Row 0 and column 0 play the fixed header row and number column, so the view's own headers
    // are not used.
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The rows and columns fill the grid's inside, as in a grid whose cell sizes leave out the lines
    // between them: the 17 rows share the height equally, the columns the width in the proportions of
    // their nominal widths.
    const int frame = 2 * grid->frameWidth();
    const QSize inside = grid->size() - QSize(frame, frame);
    std::array<int, kRows> rowWeights{};
    rowWeights.fill(1);
    const std::array<int, kRows> heights = Apportion(inside.height(), rowWeights);
    for (int row = 0; row < kRows; ++row)
        grid->setRowHeight(row, heights[std::size_t(row)]);
    const std::array<int, kColumns> fitted = Apportion(inside.width(), widths);
    for (int column = 0; column < kColumns; ++column)
        grid->setColumnWidth(column, fitted[std::size_t(column)]);
    // Tab leaves the grid for the next control, as in any other control of the window; the arrow
    // keys move between the cells.
    grid->setTabKeyNavigation(false);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setWordWrap(false);

    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem;
            const bool fixed = row == 0 || column == 0;
            item->setFlags(fixed ? Qt::ItemIsEnabled : (Qt::ItemIsEnabled | Qt::ItemIsSelectable));
            grid->setItem(row, column, item);
        }
    }
    return grid;
}

void TForm3::buildLists()
{
    m_groupBox1 = new QGroupBox(this);
    m_groupBox1->setObjectName(QStringLiteral("GroupBox1"));
    m_groupBox1->setFont(Tahoma(true));
    m_groupBox1->setGeometry(QRect(kGroupBox1Origin, QSize(823, 337)));

    MakeLabel(m_groupBox1, "Label38", {13, 229}, kGroupBox1Origin, Tahoma(true));
    MakeLabel(m_groupBox1, "Label39", {421, 229}, kGroupBox1Origin, Tahoma(true));

    m_stringGrid1 = makeGrid("StringGrid1", {20, 106, 92, 63, 113}, 13);
    m_stringGrid2 = makeGrid("StringGrid2", {20, 108, 90, 66, 110}, 420);
    m_stringGrid1->setItemDelegate(new CellDelegate(
        [this](QPainter* painter, int column, int row, const QRect& rect, QStyle::State state) {
            StringGrid1DrawCell(painter, column, row, rect, state);
        },
        m_stringGrid1));
    m_stringGrid2->setItemDelegate(new CellDelegate(
        [this](QPainter* painter, int column, int row, const QRect& rect, QStyle::State state) {
            StringGrid2DrawCell(painter, column, row, rect, state);
        },
        m_stringGrid2));
}

// Ctrl+Tab and Ctrl+Shift+Tab move on from any control, the grids included, as Tab and Shift+Tab do;
// Qt leaves them to the control, and the grids use them for nothing.
void TForm3::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    if (control && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        const bool back = event->key() == Qt::Key_Backtab || event->modifiers().testFlag(Qt::ShiftModifier);
        focusNextPrevChild(!back);
        return;
    }
    // A push button outside a dialog leaves Enter to its window; here it presses the focused button, as
    // Space does. Esc closes the window, as it closes the About window.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button != nullptr && button->isEnabled()) {
            button->click();
            return;
        }
    }
    if (plain && event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm3::FormShow()
{
    ApplyLanguage();

    const int valveCount = m_job.valveCount();

    const HeaderTexts& headers = kHeaders.in(m_job.language());
    SetHeadings(*m_stringGrid1, headers.purchase);
    SetHeadings(*m_stringGrid2, headers.interchange);

    m_stringGrid1->setCurrentCell(16, 4);
    m_stringGrid2->setCurrentCell(16, 4);

    for (int row = 1; row < kRows; ++row) {
        m_stringGrid1->item(row, 0)->setText(QString::number(row));
        m_stringGrid2->item(row, 0)->setText(QString::number(row));
    }
    m_purchaseColors.fill(kWhite);
    m_interchangeColors.fill(kWhite);

    // The first cylinder's box always stays; the others follow the engine's cylinder count.
    for (std::size_t box = 1; box < m_cylinderBoxes.size(); ++box) {
        const bool present = int(box) * 4 < valveCount;
        m_cylinderBoxes[box]->setVisible(present);
        m_cylinderBoxes[box]->setEnabled(present);
    }

    const ValvePlan& plan = m_job.valvePlan();
    for (std::size_t valve = 0; valve < m_circles.size(); ++valve) {
        const QColor marker = ToQColor(plan.markerColor[valve], palette());
        m_circles[valve]->setColor(marker);
        QLabel* number = m_numberLabels[valve];
        SetBackground(number, marker);
        number->setText(QString::number(plan.targetNumber[valve]));
        number->adjustSize();
    }

    for (int row = 1; row < kRows; ++row) {
        for (int column = 1; column < kColumns; ++column) {
            m_stringGrid1->item(row, column)->setText(QString());
            m_stringGrid2->item(row, column)->setText(QString());
        }
    }

    const ShimLists& lists = m_job.buildShimLists();
    const auto fill = [](QTableWidget* grid, std::array<ColorValue, 16>& colors,
                         const std::vector<ShimListRow>& rows) {
        for (std::size_t i = 0; i < rows.size() && i < colors.size(); ++i) {
            const int row = int(i) + 1;
            const ShimListRow& entry = rows[i];
            grid->item(row, 1)->setText(QString::fromStdString(entry.first));
            grid->item(row, 2)->setText(QString::fromStdString(entry.shimNumber));
            grid->item(row, 3)->setText(QString::fromStdString(entry.thickness));
            grid->item(row, 4)->setText(QString::fromStdString(entry.destination));
            colors[i] = entry.color;
        }
        grid->viewport()->update();
    };
    fill(m_stringGrid1, m_purchaseColors, lists.purchase);
    fill(m_stringGrid2, m_interchangeColors, lists.interchange);

    m_page = composePage(lists, valveCount);
    m_shownLanguage = m_job.language();
}

void TForm3::ApplyLanguage()
{
    const Language language = m_job.language();
    for (const FixedText& fixed : kFixedTexts) {
        const QString value = QString::fromUtf8(fixed.text.in(language));
        const QString name = QString::fromLatin1(fixed.objectName);
        if (name.isEmpty()) {
            setWindowTitle(value);
        } else if (auto* box = findChild<QGroupBox*>(name)) {
            box->setTitle(value);
        } else if (auto* label = findChild<QLabel*>(name)) {
            label->setText(value);
            label->adjustSize();
        } else if (auto* button = findChild<QPushButton*>(name)) {
            button->setText(value);
        } else if (auto* action = findChild<QAction*>(name)) {
            action->setText(value);
        }
    }

    QStringList lines;
    for (const char* line : kWarning.in(language))
        lines.append(QString::fromUtf8(line));
    m_memo1->setPlainText(lines.join(u'\n'));
    applyAccessibleNames();
}

// What a screen reader calls the lists, the warning and the button; the grids' cells speak for themselves.
void TForm3::applyAccessibleNames()
{
    const AccessibleNameTexts& names = AccessibleNames(m_job.language());
    SetAccessibleNames({{m_stringGrid1, names.purchaseList},
                        {m_stringGrid2, names.interchangeList},
                        {m_memo1, names.partNumberNote},
                        {m_button2, names.saveReport}});
}

void TForm3::StringGrid1DrawCell(QPainter* painter, int column, int row, const QRect& rect,
                                 QStyle::State /*state*/)
{
    drawCell(m_stringGrid1, m_purchaseColors, painter, column, row, rect);
}

void TForm3::StringGrid2DrawCell(QPainter* painter, int column, int row, const QRect& rect,
                                 QStyle::State /*state*/)
{
    drawCell(m_stringGrid2, m_interchangeColors, painter, column, row, rect);
}

void TForm3::drawCell(const QTableWidget* grid, const std::array<ColorValue, 16>& rowColors,
                      QPainter* painter, int column, int row, const QRect& rect)
{
    const QPalette& colors = grid->palette();
    QColor background =
        (row == 0 || column == 0) ? colors.color(QPalette::Button) : colors.color(QPalette::Base);
    if (column == 4 && row >= 1 && row < kRows)
        background = ToQColor(rowColors[std::size_t(row - 1)], colors);

    painter->save();
    painter->fillRect(rect, background);
    painter->setFont(grid->font());
    painter->setPen(colors.color(QPalette::WindowText));
    const QTableWidgetItem* item = grid->item(row, column);
    if (item != nullptr) {
        painter->drawText(QRect(rect.topLeft() + QPoint(2, 2), QSize(1000, rect.height())),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, item->text());
    }
    painter->restore();
}

void TForm3::Button2Click()
{
    ReportInput input = m_job.reportInput(m_controls);

    const QDateTime now = Now();
    const QLocale user = QLocale::system();
    input.dateText = ReportDateText(user, now.date()).toStdString();
    input.timeText = ReportTimeText(user, now.time()).toStdString();

    const QString fileName = QString::fromStdString(ReportFileName(input.dateText, input.language));
    const QByteArray bytes = EncodeReport(ComposeReport(input));
    const QString copyFolder = ReportCopyFolder();
    ReleaseReportCopy(copyFolder, QFileInfo(fileName).absoluteFilePath());
    if (const std::optional<QString> failure = WriteReportFile(fileName, bytes)) {
        MessageBox::error(this, *failure);
        return;
    }
    showReport(copyFolder, QFileInfo(fileName).absoluteFilePath(), bytes);
}

// The report is saved; what follows only shows it. The desktop gets the UTF-8 copy, or the saved file
// itself when no copy can be written; if the desktop cannot open what it gets, the user learns where
// the report is.
void TForm3::showReport(const QString& copyFolder, const QString& savedPath, const QByteArray& savedBytes)
{
    const QString shown =
        WriteReportCopy(copyFolder, savedPath, ReportCopyBytes(savedBytes)).value_or(savedPath);
    const Language language = m_job.language();
    const auto told = [this, savedPath, language](bool opened) {
        if (!opened)
            MessageBox::information(this, QString::fromUtf8(kNotOpened.in(language)).arg(savedPath));
    };
    if (DocumentOpenerSlot())
        told(DocumentOpenerSlot()(shown));
    else
        OpenDocument(shown, this, told);
}

// The page is filled from the same texts and lists as the window, when the window is filled.
PrintedPage TForm3::composePage(const ShimLists& lists, int valveCount) const
{
    const Language language = m_job.language();
    const QPalette& colors = palette();

    PrintedPage page;
    page.title = FixedTextOf("", language);
    page.exhaust = FixedTextOf("Label36", language);
    page.intake = FixedTextOf("Label37", language);
    page.keepsShim = {FixedTextOf("Label40", language), FixedTextOf("Label43", language)};
    page.changesShim = {FixedTextOf("Label41", language), FixedTextOf("Label42", language)};
    page.keepColor = ToQColor(kClBtnFace, colors);
    for (std::size_t i = 0; i < page.changeStrip.size(); ++i)
        page.changeStrip[i] = ToQColor(kLegendStrip[i].color, colors);

    // The engine as the settings in force name it, worded as a screen reader names those settings.
    const AccessibleNameTexts& names = AccessibleNames(language);
    const JobSettings& settings = m_job.settings();
    page.settings.append(QString::fromUtf8(names.brand) + QStringLiteral(": ") +
                         FromUtf8(BrandName(settings.catalogue.brand)));
    page.settings.append(
        QString::fromUtf8(names.shimDiameterItem)
            .arg(FromUtf8(ShimDiameterText(settings.catalogue.brand, settings.catalogue.diameter))));
    page.settings.append(QString::fromUtf8(names.cylinderCountItem).arg(valveCount / 4));

    const ValvePlan& plan = m_job.valvePlan();
    for (int cylinder = 0; cylinder * 4 < valveCount; ++cylinder)
        page.cylinderTitles.append(FixedTextOf(kCylinderBoxes[cylinder].name, language).trimmed());
    for (int valve = 1; valve <= valveCount; ++valve) {
        const std::size_t i = std::size_t(valve - 1);
        page.valves.push_back({valve, QString::number(plan.targetNumber[i]),
                               ToQColor(plan.markerColor[i], colors),
                               plan.targetNumber[i] != plan.installedNumber[i]});
    }

    const HeaderTexts& headers = kHeaders.in(language);
    const auto list = [&colors](const QString& title, const std::array<const char*, 4>& heads,
                                const std::vector<ShimListRow>& rows) {
        PrintedList printed{title, {}, {}};
        for (std::size_t column = 0; column < heads.size(); ++column)
            printed.headers[column] = QString::fromUtf8(heads[column]).trimmed();
        for (const ShimListRow& row : rows) {
            printed.rows.push_back(
                {{QString::fromStdString(row.first), QString::fromStdString(row.shimNumber),
                  QString::fromStdString(row.thickness), QString::fromStdString(row.destination)},
                 ToQColor(row.color, colors)});
        }
        return printed;
    };
    page.purchase = list(FixedTextOf("Label38", language), headers.purchase, lists.purchase);
    page.interchange = list(FixedTextOf("Label39", language), headers.interchange, lists.interchange);
    return page;
}

PrintedPage TForm3::printedPage() const
{
    PrintedPage page = m_page;
    page.date = ReportDateText(QLocale::system(), Now().date());
    return page;
}

// A cancelled dialog prints nothing and says nothing; a printer that fails says so once.
void TForm3::Print1Click()
{
    const PrintedPage page = printedPage();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(page.title);
    printer.setCreator(QStringLiteral("Kelvane"));
    const bool accepted =
        PrintDialogRunnerSlot() ? PrintDialogRunnerSlot()(printer, this) : RunPrintDialog(printer, this);
    if (!accepted)
        return;
    if (!PaintPrintedPage(printer, page) || printer.printerState() == QPrinter::Error) {
        MessageBox::error(this, QString::fromUtf8(kPrintFailure.in(m_shownLanguage)));
    }
}

} // namespace kelvane
