// The main window: its controls, the Enter key and focus-exit wiring, the recalculation and the selection.
#include "main/tform1.h"

#include "kit/accessible_combo_box.h"
#include "kit/accessible_window.h"
#include "kit/clickable_image.h"
#include "kit/group_box_style.h"
#include "kit/label_fit.h"
#include "kit/message_box.h"
#include "kit/radio_group.h"
#include "kit/window_font.h"
#include "kit/window_icon.h"
#include "kit/window_placement.h"
#include "main/control_map.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include <clocale>

namespace kelvane {

namespace {

constexpr int kClientWidth = 887;
constexpr int kClientHeight = 705;

// Masks of the three field formats: '0' is a digit that may be left out, so a half-typed field keeps
// what was typed until its exit rule fills the gaps; the blank is shown as a space.
const QString kClearanceMask = QStringLiteral("0.00; ");
const QString kThicknessMask = QStringLiteral("0.000; ");
const QString kToleranceMask = QStringLiteral("0; ");

// Captions use Tahoma, field texts MS Sans Serif, both bold.
QFont CaptionFont()
{
    return WindowFont("Tahoma", true);
}

QFont FieldFont()
{
    return WindowFont("MS Sans Serif", true);
}

// Rows of a cylinder input group, [0] exhaust half, [1] intake half.
struct HalfRows
{
    int heading;
    int clearanceCaption;
    int clearance;
    int shimCaption;
    int shim;
    int thicknessCaption;
    int thickness;
};
constexpr std::array<HalfRows, 2> kInputRows{
    {{14, 32, 47, 71, 86, 111, 126}, {155, 173, 188, 213, 228, 252, 267}}};
constexpr std::array<int, 2> kColumnX{24, 119}; // valve I, valve II
constexpr int kHeadingX = 60;
constexpr int kFieldHeight = 21;

// Rows of a result group: caption y and value y, [0] exhaust half, [1] intake half.
struct ResultRows
{
    int deviationCaption, deviation;
    int installedCaption, installed;
    int requiredCaption, required;
    int afterCaption, after;
};
constexpr std::array<ResultRows, 2> kResultRows{
    {{21, 34, 51, 65, 79, 94, 109, 122}, {154, 170, 190, 206, 222, 238, 253, 266}}};
constexpr std::array<int, 2> kValueX{32, 120};

constexpr const char* kLogoNames[] = {"Image1", "Image2", "Image3", "Image4"};
constexpr const char* kLogoFiles[] = {":/kelvane/images/honda.png", ":/kelvane/images/yamaha.png",
                                      ":/kelvane/images/suzuki.png", ":/kelvane/images/kawasaki.png"};
constexpr QSize kLogoSizes[] = {{217, 40}, {217, 49}, {114, 75}, {122, 74}};

std::string ToStd(const QString& text)
{
    return text.toStdString();
}

QString FromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Swallows the font-change event of a combo box that was just made: on that event the box builds its
// drop-down list at once, only to hand it the font; a list built later, when it first opens, takes the
// box's font anyway. A new box has no size hint or line edit yet that the event would have to update.
class FontChangeMute final : public QObject
{
public:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        return event->type() == QEvent::FontChange;
    }
};

void SetFontOnNewComboBox(QComboBox& box, const QFont& font)
{
    FontChangeMute mute;
    box.installEventFilter(&mute);
    box.setFont(font);
    box.removeEventFilter(&mute);
}

// The entries of a shim-number box at start-up: the blank entry and the numbers of the Honda 7.48 mm
// catalogue, which is in force then.
const QStringList& StartUpShimEntries()
{
    static const QStringList entries = [] {
        QStringList list{FromStd(kBlankShimEntry)};
        for (const ShimNumber number : CatalogueFor({Brand::Honda, ShimDiameter::D748}).selectableNumbers) {
            list.append(QString::number(number));
        }
        return list;
    }();
    return entries;
}

} // namespace

TForm1::TForm1(Job& job, QWidget* parent) : QWidget(parent), m_job(job)
{
    // Before any box exists, so every shim-number box is read out by its name.
    InstallComboBoxAccessibility();
    InstallWindowAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kelvane v1.3"));
    SetProgramIcon(*this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(CaptionFont());
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    buildSettingsStrip();
    for (int cylinder = 1; cylinder <= kCylinderTotal; ++cylinder) {
        buildCylinder(cylinder);
    }
    buildButtons();
    chainTabOrder();
    bindControls();
    addShortcuts();
    auto* groupStyle = new GroupBoxStyle(this);
    for (QGroupBox* group : findChildren<QGroupBox*>()) {
        group->setStyle(groupStyle);
    }
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::setAboutWindow(QWidget* about)
{
    m_about = about;
}

void TForm1::setResultsWindow(QWidget* results)
{
    m_results = results;
}

SettingTexts TForm1::settingTexts() const
{
    return {ToStd(m_nominalExhaust->displayText()), ToStd(m_nominalIntake->displayText()),
            ToStd(m_exhaustTolerance->displayText()), ToStd(m_intakeTolerance->displayText())};
}

ValveControlTexts TForm1::valveTexts(int valve) const
{
    const ValveWidgets& widgets = m_valves.at(static_cast<std::size_t>(valve - 1));
    return {ToStd(widgets.clearance->displayText()), ToStd(widgets.installed->text()),
            ToStd(widgets.required->text()), ToStd(widgets.after->text())};
}

// The selectors as they show now; an empty brand box names no catalogue. The diameter group always
// holds a selection, so its fallback (the diameter in force) is never taken.
std::optional<Brand> TForm1::shownBrand() const
{
    return BrandFromIndex(m_brandBox->currentIndex());
}

ShimDiameter TForm1::shownDiameter() const
{
    return ShimDiameterFromIndex(m_diameters->itemIndex()).value_or(m_job.settings().catalogue.diameter);
}

// ---------------------------------------------------------------------------------------------------------
// Building the window

void TForm1::registerControl(QWidget* widget)
{
    m_controls.insert(widget->objectName(), widget);
}

QLabel* TForm1::addLabel(QWidget* parent, const char* name, int x, int y, const QString& text, bool fieldFont)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    if (fieldFont) {
        label->setFont(FieldFont());
    }
    label->move(x, y);
    FitLabelToText(*label);
    registerControl(label);
    return label;
}

QLineEdit* TForm1::addMaskedEdit(QWidget* parent, const char* name, const QRect& geometry,
                                 const QString& mask, const QString& text)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(FieldFont());
    edit->setInputMask(mask);
    edit->setText(text);
    edit->setGeometry(geometry);
    registerControl(edit);
    return edit;
}

QComboBox* TForm1::addShimBox(QWidget* parent, const char* name, const QRect& geometry)
{
    // Pick-only: a typed text could stand for no shim of the list, and the exit rule would only throw it
    // away again.
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    SetFontOnNewComboBox(*box, FieldFont());
    box->setEditable(false);
    box->setMaxVisibleItems(16);
    box->addItems(StartUpShimEntries());
    box->setCurrentIndex(1);
    box->setGeometry(geometry);
    registerControl(box);
    return box;
}

void TForm1::buildSettingsStrip()
{
    m_settingsGroup = new QGroupBox(this);
    m_settingsGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_settingsGroup->setGeometry(9, 8, 870, 81);
    registerControl(m_settingsGroup);
    QGroupBox* strip = m_settingsGroup;

    addLabel(strip, "Label1", 8, 22, QString(), false);
    m_nominalExhaust = addMaskedEdit(strip, "MaskEdit1", {97, 18, 34, kFieldHeight}, kClearanceMask, "0.20");
    addLabel(strip, "Label47", 134, 22, QStringLiteral("±0.0"), false);
    m_exhaustTolerance = addMaskedEdit(strip, "MaskEdit5", {165, 18, 16, kFieldHeight}, kToleranceMask, "3");
    addLabel(strip, "Label2", 8, 46, QString(), false);
    m_nominalIntake = addMaskedEdit(strip, "MaskEdit2", {97, 42, 34, kFieldHeight}, kClearanceMask, "0.15");
    addLabel(strip, "Label48", 134, 46, QStringLiteral("±0.0"), false);
    m_intakeTolerance = addMaskedEdit(strip, "MaskEdit7", {165, 42, 16, kFieldHeight}, kToleranceMask, "3");

    m_selectionMode = new RadioGroup(QStringLiteral("RadioGroup1"), 1, {QString(), QString()}, strip);
    m_selectionMode->setGeometry(191, 9, 153, 66);
    m_selectionMode->setItemIndex(0);
    registerControl(m_selectionMode);

    m_allNew = new QCheckBox(strip);
    m_allNew->setObjectName(QStringLiteral("CheckBox1"));
    m_allNew->setGeometry(347, 13, 122, 17);
    registerControl(m_allNew);

    m_cylinders = new RadioGroup(QStringLiteral("RadioGroup2"), 3,
                                 {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")}, strip);
    m_cylinders->setGeometry(347, 34, 115, 41);
    m_cylinders->setItemIndex(2);
    registerControl(m_cylinders);

    addLabel(strip, "Label181", 474, 12, QString(), false);
    m_brandBox = new QComboBox(strip);
    m_brandBox->setObjectName(QStringLiteral("ComboBox17"));
    SetFontOnNewComboBox(*m_brandBox, FieldFont());
    m_brandBox->setEditable(false); // pick-only: the brand in force never leaves the four brands
    QStringList brandNames;
    for (const Brand brand : kAllBrands) {
        brandNames.append(FromStd(BrandName(brand)));
    }
    m_brandBox->addItems(brandNames);
    m_brandBox->setCurrentIndex(0);
    m_brandBox->setGeometry(518, 9, 132, kFieldHeight);
    registerControl(m_brandBox);

    // Until a brand is picked, the two fixed sizes are shown with a blank after them.
    QStringList diameterItems;
    for (const ShimDiameter size : {ShimDiameter::D748, ShimDiameter::D948, ShimDiameter::Third}) {
        diameterItems.append(FromStd(ShimDiameterText(Brand::Honda, size)) +
                             (size == ShimDiameter::Third ? QString() : QStringLiteral(" ")));
    }
    m_diameters = new RadioGroup(QStringLiteral("RadioGroup3"), 4, diameterItems, strip);
    m_diameters->setGeometry(465, 34, 184, 41);
    m_diameters->setItemIndex(0);
    registerControl(m_diameters);

    for (std::size_t i = 0; i < m_logos.size(); ++i) {
        auto* logo = new ClickableImage(QString::fromLatin1(kLogoFiles[i]), Qt::WhatsThisCursor, strip);
        logo->setObjectName(QString::fromLatin1(kLogoNames[i]));
        logo->setGeometry(QRect(QPoint(653, 6), kLogoSizes[i]));
        logo->setVisible(i == 0);
        registerControl(logo);
        m_logos[i] = logo;
    }
    m_russianFlag =
        new ClickableImage(QStringLiteral(":/kelvane/images/flag_ru.png"), Qt::PointingHandCursor, strip);
    m_russianFlag->setObjectName(QStringLiteral("Image5"));
    m_russianFlag->setGeometry(835, 60, 34, 19);
    m_russianFlag->hide();
    registerControl(m_russianFlag);
    m_englishFlag =
        new ClickableImage(QStringLiteral(":/kelvane/images/flag_uk.png"), Qt::PointingHandCursor, strip);
    m_englishFlag->setObjectName(QStringLiteral("Image6"));
    m_englishFlag->setGeometry(835, 60, 35, 20);
    registerControl(m_englishFlag);
}

void TForm1::buildCylinder(int cylinder)
{
    const CylinderControlNames& names = kCylinderControls[static_cast<std::size_t>(cylinder - 1)];

    auto* input = new QGroupBox(this);
    input->setObjectName(QString::fromLatin1(names.inputGroup));
    input->setGeometry(names.x, 88, 213, 297);
    registerControl(input);
    m_inputGroups[static_cast<std::size_t>(cylinder - 1)] = input;

    auto* result = new QGroupBox(this);
    result->setObjectName(QString::fromLatin1(names.resultGroup));
    result->setGeometry(names.x, 385, names.resultWidth, 289);
    registerControl(result);
    m_resultGroups[static_cast<std::size_t>(cylinder - 1)] = result;

    const QString mm = QStringLiteral("mm");
    for (std::size_t half = 0; half < 2; ++half) {
        const HalfRows& rows = kInputRows[half];
        addLabel(input, names.heading[half], kHeadingX, rows.heading, QString(), false);
        addLabel(input, names.clearanceCaption[half], kColumnX[0], rows.clearanceCaption, QString(), false);
        addLabel(input, names.shimCaption[half], kColumnX[0], rows.shimCaption, QString(), false);
        addLabel(input, names.thicknessCaption[half], kColumnX[0], rows.thicknessCaption, QString(), false);
        for (std::size_t column = 0; column < 2; ++column) {
            const int x = kColumnX[column];
            addLabel(input, names.columnHeading[half][column], x, rows.heading,
                     column == 0 ? QStringLiteral("I") : QStringLiteral("II"), true);
            addLabel(input, names.clearanceUnit[half][column], x + 38, rows.clearance + 4, mm, false);
            addLabel(input, names.thicknessUnit[half][column], x + 43, rows.thickness + 4, mm, false);
        }

        const ResultRows& results = kResultRows[half];
        addLabel(result, names.deviationCaption[half], 8, results.deviationCaption, QString(), false);
        addLabel(result, names.installedCaption[half], 8, results.installedCaption, QString(), false);
        addLabel(result, names.requiredCaption[half], 8, results.requiredCaption, QString(), false);
        addLabel(result, names.afterCaption[half], 8, results.afterCaption, QString(), false);
    }

    // The four valves of this cylinder: exhaust I, exhaust II, intake I, intake II.
    for (int k = 1; k <= 4; ++k) {
        const int n = 4 * (cylinder - 1) + k;
        const ValveControlNames& controls = kValveControls[static_cast<std::size_t>(n - 1)];
        const std::size_t half = KindOf(n) == ValveKind::Exhaust ? 0 : 1;
        const std::size_t column = IsValveI(n) ? 0 : 1;
        const HalfRows& rows = kInputRows[half];
        const int x = kColumnX[column];
        const bool exhaust = half == 0;

        ValveWidgets& widgets = valve(n);
        widgets.clearance = addMaskedEdit(input, controls.clearance, {x, rows.clearance, 34, kFieldHeight},
                                          kClearanceMask, exhaust ? "0.20" : "0.15");
        widgets.shimBox = addShimBox(input, controls.shimBox, {x, rows.shim, 49, kFieldHeight});
        widgets.thickness = addMaskedEdit(input, controls.thickness, {x, rows.thickness, 39, kFieldHeight},
                                          kThicknessMask, "1.200");
        // Reached with the mouse, or with Tab from its box, and only while the box holds the blank entry.
        widgets.thickness->setFocusPolicy(Qt::ClickFocus);
        widgets.thickness->setEnabled(false);

        const ResultRows& results = kResultRows[half];
        const int valueX = kValueX[column];
        widgets.deviation = addLabel(result, controls.deviation, valueX, results.deviation, "-.--", true);
        widgets.installed = addLabel(result, controls.installed, valueX, results.installed, "---", true);
        widgets.required = addLabel(result, controls.required, valueX, results.required, "---", true);
        widgets.after = addLabel(result, controls.after, valueX, results.after, "-.--", true);
    }
}

void TForm1::buildButtons()
{
    m_recalculateButton = new QPushButton(this);
    m_recalculateButton->setObjectName(QStringLiteral("Button1"));
    m_recalculateButton->setGeometry(390, 680, 89, 21);
    m_recalculateButton->setDefault(true); // the look; Enter itself is mapped in eventFilter
    registerControl(m_recalculateButton);

    m_selectButton = new QPushButton(this);
    m_selectButton->setObjectName(QStringLiteral("Button2"));
    m_selectButton->setGeometry(489, 680, 129, 21);
    m_selectButton->setEnabled(false);
    registerControl(m_selectButton);
}

// Keys for what is otherwise reached with the mouse alone: the flag in view (Ctrl+L) and the About window
// behind the logos (F1). The hints of the flags and logos name them.
void TForm1::addShortcuts()
{
    auto* language = new QAction(this);
    language->setObjectName(QStringLiteral("LanguageShortcut"));
    language->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(language, &QAction::triggered, this, [this] {
        if (m_job.language() == Language::Russian) {
            Image6Click();
        } else {
            Image5Click();
        }
    });
    addAction(language);

    auto* about = new QAction(this);
    about->setObjectName(QStringLiteral("AboutShortcut"));
    about->setShortcut(QKeySequence(Qt::Key_F1));
    connect(about, &QAction::triggered, this, [this] { Image1Click(); });
    addAction(about);
}

// Settings strip, cylinder 1, cylinder 2, cylinder 3, cylinder 4, the two buttons; the result groups hold
// nothing that takes the focus. In a radio group the Tab key stops at the selected item only. Tab passes
// over controls in the chain that only the mouse may focus.
void TForm1::chainTabOrder()
{
    QList<QWidget*> chain{m_nominalExhaust, m_exhaustTolerance, m_nominalIntake, m_intakeTolerance};
    for (const RadioGroup* group : {m_selectionMode}) {
        for (int i = 0; i < group->count(); ++i) {
            chain.append(group->button(i));
        }
    }
    chain.append(m_allNew);
    for (int i = 0; i < m_cylinders->count(); ++i) {
        chain.append(m_cylinders->button(i));
    }
    chain.append(m_brandBox);
    for (int i = 0; i < m_diameters->count(); ++i) {
        chain.append(m_diameters->button(i));
    }
    for (int cylinder = 1; cylinder <= kCylinderTotal; ++cylinder) {
        const int first = 4 * (cylinder - 1) + 1;
        for (const int pair : {first, first + 2}) { // exhaust half, then intake half
            chain.append(valve(pair).clearance);
            chain.append(valve(pair + 1).clearance);
            // A thickness field is no Tab stop, but it stands in the focus chain right after its box,
            // so Tab from it goes on as from the box and Shift+Tab goes back to the box.
            for (const int n : {pair, pair + 1}) {
                chain.append(valve(n).shimBox);
                chain.append(valve(n).thickness);
            }
        }
    }
    chain.append(m_recalculateButton);
    chain.append(m_selectButton);
    for (qsizetype i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

void TForm1::bindExit(QWidget* control, QWidget* scope, std::function<void()> handler)
{
    m_exitBindings.insert(control, ExitBinding{scope, std::move(handler)});
}

void TForm1::bindControls()
{
    bindExit(m_nominalExhaust, m_nominalExhaust, [this] { MaskEdit1Exit(); });
    bindExit(m_nominalIntake, m_nominalIntake, [this] { MaskEdit2Exit(); });
    bindExit(m_exhaustTolerance, m_exhaustTolerance, [this] { MaskEdit5Exit(); });
    bindExit(m_intakeTolerance, m_intakeTolerance, [this] { MaskEdit7Exit(); });
    for (int n = 1; n <= kValveTotal; ++n) {
        const ValveWidgets& widgets = valve(n);
        bindExit(widgets.clearance, widgets.clearance, [this, n] { ClearanceExit(n); });
        bindExit(widgets.thickness, widgets.thickness, [this, n] { ThicknessExit(n); });
        bindExit(widgets.shimBox, widgets.shimBox, [this, n] { ShimNumberExit(n); });
        connect(widgets.shimBox, &QComboBox::activated, this, [this, n] { ShimNumberChange(n); });
    }

    // A pick in the brand box shows the brand at once; the brand in force changes when the box is left.
    connect(m_brandBox, &QComboBox::activated, this, [this] {
        ComboBox17Click();
        RadioGroup3Exit();
    });
    bindExit(m_brandBox, m_brandBox, [this] { ComboBox17Change(); });
    // The diameter takes effect when the focus leaves the group, not when it moves between its items.
    for (int i = 0; i < m_diameters->count(); ++i) {
        bindExit(m_diameters->button(i), m_diameters, [this] { RadioGroup3Exit(); });
    }
    connect(m_cylinders, &RadioGroup::itemClicked, this, [this] { RadioGroup2Click(); });
    // The groups keep their buttons through a change of texts, so these connections last.
    for (const RadioGroup* group : {m_selectionMode, m_cylinders}) {
        for (int i = 0; i < group->count(); ++i) {
            connect(group->button(i), &QRadioButton::toggled, this, [this] { takeChoices(); });
        }
    }
    connect(m_allNew, &QCheckBox::toggled, this, [this] { takeChoices(); });

    for (ClickableImage* logo : m_logos) {
        connect(logo, &ClickableImage::clicked, this, [this] { Image1Click(); });
    }
    connect(m_russianFlag, &ClickableImage::clicked, this, [this] { Image5Click(); });
    connect(m_englishFlag, &ClickableImage::clicked, this, [this] { Image6Click(); });
    connect(m_recalculateButton, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(m_selectButton, &QPushButton::clicked, this, [this] { Button2Click(); });

    // Every control that can hold the focus gets Enter mapped and its exit watched.
    const QList<QWidget*> children = findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->focusPolicy() != Qt::NoFocus && child->window() == this) {
            child->installEventFilter(this);
        }
    }
}

// ---------------------------------------------------------------------------------------------------------
// Events

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && handleEnter(watched, key)) {
            return true;
        }
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier && tabToThickness(watched)) {
            return true;
        }
        if (auto* box = qobject_cast<QComboBox*>(watched); box != nullptr && handleTypeAhead(box, key)) {
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const auto binding = m_exitBindings.constFind(watched);
        if (binding != m_exitBindings.constEnd()) {
            // Only a move to another control of this window is an exit: switching to another window,
            // a message box or a list's pop-up leaves the field as it is.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            QWidget* now = QApplication::focusWidget();
            const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                              now != nullptr && now->window() == this && now != binding->scope &&
                              !binding->scope->isAncestorOf(now);
            if (left) {
                binding->handler();
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Button1 is the window's default button: Enter in any control presses it, and the focus stays where it
// is, so the field being edited is read as typed. A focused push button takes Enter itself.
bool TForm1::handleEnter(QObject* watched, QKeyEvent* key)
{
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    if (const auto* box = qobject_cast<QComboBox*>(watched); box != nullptr && box->view()->isVisible()) {
        return false;
    }
    if (auto* button = qobject_cast<QPushButton*>(watched)) {
        if (button->isEnabled()) {
            button->click();
        }
        return true;
    }
    m_recalculateButton->click();
    return true;
}

// A thickness field is no Tab stop, so that Tab passes it by while its box names the shim. A box showing
// the blank entry asks for the thickness, and Tab from it goes to the field; the box's exit rule runs as
// for any move to another control.
bool TForm1::tabToThickness(QObject* watched)
{
    for (const ValveWidgets& widgets : m_valves) {
        if (widgets.shimBox == watched) {
            if (widgets.shimBox->currentIndex() != 0 || !widgets.thickness->isEnabled()) {
                return false;
            }
            widgets.thickness->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

// The boxes are pick-only: typed keys pick the entry that begins with them and never stand as text of
// their own, so a shim-number box never shows a number its list lacks. The pick runs the same handlers
// as a pick with the mouse or the arrow keys (Qt's own search in a box does the same). Space is left to
// open the list, and keys with Ctrl, Alt or Meta to the shortcuts.
bool TForm1::handleTypeAhead(QComboBox* box, const QKeyEvent* key)
{
    const QString typed = key->text();
    if (key->key() == Qt::Key_Space || typed.isEmpty() || !typed.at(0).isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    const int entry = m_typeAhead.entryFor(*box, typed);
    if (entry >= 0 && entry != box->currentIndex()) {
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    }
    return true;
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        CentreOnScreen(*this);
    }
}

// Closing the main window ends the program, even while the About or results window is open.
void TForm1::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted()) {
        QCoreApplication::quit();
    }
}

// ---------------------------------------------------------------------------------------------------------
// Handlers

void TForm1::FormCreate()
{
    m_job.applyCatalogue({Brand::Honda, ShimDiameter::D748});
    m_job.setLanguage(Language::Russian);
    takeChoices();
    // The program reads and writes numbers with its own locale-free routines; the C library is kept on
    // the point as well, so nothing linked in can bring a decimal comma into a field.
    std::setlocale(LC_NUMERIC, "C");
    ApplyLanguage();
}

void TForm1::Button1Click()
{
    PerValve<ValveReading> readings;
    for (int n = 1; n <= kValveTotal; ++n) {
        const ValveWidgets& widgets = valve(n);
        readings[static_cast<std::size_t>(n - 1)] = {ToStd(widgets.clearance->displayText()),
                                                     ToStd(widgets.shimBox->currentText()),
                                                     ToStd(widgets.thickness->displayText())};
    }
    const RecalculationOutcome outcome = m_job.recalculate(readings, settingTexts());
    if (!outcome.recalculation) {
        // A text that is not a number: nothing is written, so labels and snapshot stay consistent.
        MessageBox::error(this, FromStd(outcome.error ? outcome.error->message : std::string()));
        return;
    }
    const Recalculation& result = *outcome.recalculation;
    for (const int n : result.lowThicknessValves) {
        MessageBox::warning(this, FromStd(kLowThicknessWarningCaption), FromStd(LowThicknessWarningText(n)));
    }
    for (int n = 1; n <= kValveTotal; ++n) {
        const ValveWidgets& widgets = valve(n);
        const ValveLabels& labels = result.labels[static_cast<std::size_t>(n - 1)];
        widgets.installed->setText(FromStd(labels.installedNumber));
        widgets.deviation->setText(FromStd(labels.deviation));
        widgets.required->setText(FromStd(labels.requiredNumber));
        widgets.after->setText(FromStd(labels.deviationAfter));
        QPalette verdict = widgets.deviation->palette();
        verdict.setColor(QPalette::Window, result.inTolerance[static_cast<std::size_t>(n - 1)]
                                               ? QColor(0, 255, 0)
                                               : QColor(255, 0, 0));
        widgets.deviation->setPalette(verdict);
        widgets.deviation->setAutoFillBackground(true);
        for (QLabel* label : {widgets.installed, widgets.deviation, widgets.required, widgets.after}) {
            FitLabelToText(*label);
        }
    }
    nameResultValues();
    m_selectButton->setEnabled(true);
    // The results window never shows a plan of an older recalculation next to these results.
    if (m_results != nullptr) {
        m_results->hide();
    }
}

void TForm1::Button2Click()
{
    if (!m_job.planShims()) {
        return;
    }
    if (m_results != nullptr) {
        m_results->show();
        m_results->raise();
        m_results->activateWindow();
    }
    // Once per recalculation: the lists use up the removed shims of this plan.
    m_selectButton->setEnabled(false);
}

void TForm1::Image1Click()
{
    if (m_about == nullptr) {
        return;
    }
    if (!m_about->isVisible()) {
        m_about->show();
    }
    m_about->raise();
    m_about->activateWindow();
}

} // namespace kelvane
