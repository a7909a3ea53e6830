// Accessible names: every input of the main, results and About windows is named in the interface language,
// each valve's fields can be told apart, and a screen reader gets the names through Qt's accessibility.
#include "kit/message_box.h"
#include "window_driver.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QtTest>

#include <memory>

using namespace kelvane;
using namespace kelvane::testing;

namespace {

bool HasCyrillic(const QString& text)
{
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Cyrillic) {
            return true;
        }
    }
    return false;
}

// Every control of the window a user can put the focus in, whatever its state, and the images a user
// clicks; each keyed by object name.
QMap<QString, QWidget*> Inputs(const QWidget& window)
{
    QMap<QString, QWidget*> inputs;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        const bool image = name.startsWith(QLatin1String("Image"));
        if (widget->window() != &window || name.isEmpty() || name.startsWith(QLatin1String("qt_"))) {
            continue;
        }
        if (image || widget->focusPolicy() != Qt::NoFocus) {
            inputs.insert(name, widget);
        }
    }
    return inputs;
}

// What a screen reader is told the control is called, or why it cannot be told.
QString SpokenName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name)
                                 : QStringLiteral("<no accessible interface>");
}

// Each input's accessible name, after checking that it is set and that a screen reader hears it.
QMap<QString, QString> CheckedNames(const QWidget& window)
{
    QMap<QString, QString> names;
    const QMap<QString, QWidget*> inputs = Inputs(window);
    for (auto it = inputs.cbegin(); it != inputs.cend(); ++it) {
        const QString name = it.value()->accessibleName();
        if (name.trimmed().isEmpty()) {
            qWarning("%s has no accessible name", qPrintable(it.key()));
        }
        if (SpokenName(it.value()) != name) {
            qWarning("%s is announced as \"%s\", not \"%s\"", qPrintable(it.key()),
                     qPrintable(SpokenName(it.value())), qPrintable(name));
            names.insert(it.key(), QString());
            continue;
        }
        names.insert(it.key(), name);
    }
    return names;
}

QStringList Unnamed(const QMap<QString, QString>& names)
{
    QStringList unnamed;
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        if (it.value().trimmed().isEmpty()) {
            unnamed.append(it.key());
        }
    }
    return unnamed;
}

QStringList InLanguage(const QMap<QString, QString>& names, bool russian)
{
    QStringList wrong;
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        if (HasCyrillic(it.value()) != russian) {
            wrong.append(it.key() + QStringLiteral(": ") + it.value());
        }
    }
    return wrong;
}

QStringList Repeated(const QMap<QString, QString>& names)
{
    QMap<QString, QStringList> holders;
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        holders[it.value()].append(it.key());
    }
    QStringList repeated;
    for (auto it = holders.cbegin(); it != holders.cend(); ++it) {
        if (it.value().size() > 1) {
            repeated.append(it.key() + QStringLiteral(" <- ") + it.value().join(u' '));
        }
    }
    return repeated;
}

} // namespace

class AccessibilityTest final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshWindowNamesEveryInputInRussian();
    void flagSwitchNamesEveryInputInEnglishAndBack();
    void everyValveFieldHasItsOwnName();
    void shimBoxIsAnnouncedByNameWithItsEntryAsValue();
    void diameterItemsAreNamedByTheBrandsDiameters();
    void resultsWindowIsNamedInTheLanguageOfItsShowing();
    void aboutWindowIsNamedInTheLanguageOfItsShowing();
    void resultValuesSayTheirValveQuantityAndVerdict();
    void gridHeadingsAreColumnHeaders();
    void windowsHaveTheRoleOfAWindow();

private:
    template <typename T = QWidget> T* widget(const char* name) const
    {
        return Control<T>(m_windows->main, QString::fromLatin1(name));
    }
    [[nodiscard]] bool clickFlag(const char* name);
    void closeAndReactivate(QWidget& window);

    std::unique_ptr<Program> m_windows;
};

void AccessibilityTest::init()
{
    MessageBox::setTestMode(true);
    m_windows = std::make_unique<Program>();
    QVERIFY(ShowActive(m_windows->main));
}

void AccessibilityTest::cleanup()
{
    m_windows.reset();
    MessageBox::setTestMode(false);
}

bool AccessibilityTest::clickFlag(const char* name)
{
    QWidget* flag = widget(name);
    if (flag == nullptr || !flag->isVisible()) {
        return false;
    }
    QTest::mouseClick(flag, Qt::LeftButton);
    return !flag->isVisible();
}

void AccessibilityTest::closeAndReactivate(QWidget& window)
{
    window.close();
    QTRY_VERIFY(!window.isVisible());
    m_windows->main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_windows->main));
}

void AccessibilityTest::freshWindowNamesEveryInputInRussian()
{
    const QMap<QString, QString> names = CheckedNames(m_windows->main);
    // The settings fields, seven radio items, the check box, the brand box, 48 valve fields, two
    // buttons and six images: nothing a user can reach is left out of the check.
    QCOMPARE(names.size(), 4 + 8 + 1 + 1 + 48 + 2 + 6);
    QCOMPARE(Unnamed(names), QStringList());
    QCOMPARE(InLanguage(names, true), QStringList());
    QCOMPARE(Repeated(names), QStringList());

    QCOMPARE(names.value("MaskEdit1"), QStringLiteral("Номинальный зазор выпуска, мм"));
    QCOMPARE(names.value("MaskEdit7"), QStringLiteral("Допуск зазора впуска, сотые доли мм"));
    QCOMPARE(names.value("MaskEdit3"), QStringLiteral("Цилиндр 1, выпуск I: зазор фактический, мм"));
    QCOMPARE(names.value("ComboBox16"), QStringLiteral("Цилиндр 4, впуск II: номер установленной шайбы"));
    QCOMPARE(names.value("MaskEdit11"), QStringLiteral("Цилиндр 1, впуск I: толщина шайбы, мм"));
    QCOMPARE(names.value("RadioGroup2Item2"), QStringLiteral("Число цилиндров: 4"));
    QCOMPARE(names.value("RadioGroup3Item0"), QStringLiteral("Диаметр шайб: 7.48 мм"));
    QCOMPARE(names.value("ComboBox17"), QStringLiteral("Марка двигателя"));

    // The groups themselves, which a screen reader announces when the focus enters one of their items.
    QCOMPARE(SpokenName(widget("RadioGroup1")), QStringLiteral("Подбор шайб"));
    QCOMPARE(SpokenName(widget("RadioGroup3")), QStringLiteral("Диаметр шайб, мм"));
}

void AccessibilityTest::flagSwitchNamesEveryInputInEnglishAndBack()
{
    const QMap<QString, QString> russian = CheckedNames(m_windows->main);
    const QString exhaustHint = widget("MaskEdit3")->toolTip();

    QVERIFY(clickFlag("Image6"));
    const QMap<QString, QString> english = CheckedNames(m_windows->main);
    QCOMPARE(english.keys(), russian.keys());
    QCOMPARE(Unnamed(english), QStringList());
    QCOMPARE(InLanguage(english, false), QStringList());
    QCOMPARE(Repeated(english), QStringList());
    QCOMPARE(english.value("MaskEdit3"), QStringLiteral("Cylinder 1, exhaust I: actual clearance, mm"));
    QCOMPARE(english.value("ComboBox6"), QStringLiteral("Cylinder 2, exhaust II: installed shim number"));
    QCOMPARE(english.value("MaskEdit35"), QStringLiteral("Cylinder 4, intake II: shim thickness, mm"));
    QCOMPARE(english.value("MaskEdit2"), QStringLiteral("Nominal intake clearance, mm"));
    QCOMPARE(english.value("RadioGroup1Item0"),
             QStringLiteral("Shim selection: only valves out of tolerance"));
    // The names sit beside the hints, which stay what the language tables say.
    QVERIFY(widget("MaskEdit3")->toolTip() != exhaustHint);
    QCOMPARE(widget("MaskEdit3")->toolTip(),
             QStringLiteral("Input here actual clearances measured with gauge"));

    QVERIFY(clickFlag("Image5"));
    QCOMPARE(CheckedNames(m_windows->main), russian);
}

void AccessibilityTest::everyValveFieldHasItsOwnName()
{
    for (const bool english : {false, true}) {
        if (english) {
            QVERIFY(clickFlag("Image6"));
        }
        QSet<QString> seen;
        for (int n = 1; n <= 16; ++n) {
            const ValveNames& valve = kValves[n - 1];
            const QString cylinder = QString::number((n - 1) / 4 + 1);
            const QString column = n % 2 == 1 ? QStringLiteral("I:") : QStringLiteral("II:");
            for (const char* field : {valve.clearance, valve.shimBox, valve.thickness}) {
                const QString name = widget(field)->accessibleName();
                QVERIFY2(!seen.contains(name), qPrintable(name));
                seen.insert(name);
                // The name says which cylinder, which half and which column the field is in.
                const QStringList words = name.split(u' ');
                QVERIFY2(words.size() > 3, qPrintable(name));
                QCOMPARE(words[1], cylinder + u',');
                QCOMPARE(words[3], column);
                const QString half =
                    english ? (IsExhaust(n - 1) ? QStringLiteral("exhaust") : QStringLiteral("intake"))
                            : (IsExhaust(n - 1) ? QStringLiteral("выпуск") : QStringLiteral("впуск"));
                QCOMPARE(words[2], half);
            }
        }
        QCOMPARE(seen.size(), 48);
    }
}

void AccessibilityTest::shimBoxIsAnnouncedByNameWithItsEntryAsValue()
{
    auto* box = widget<QComboBox>("ComboBox5");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), QAccessible::ComboBox);
    QCOMPARE(accessible->text(QAccessible::Name),
             QStringLiteral("Цилиндр 2, выпуск I: номер установленной шайбы"));
    QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("120"));

    // Picking another entry changes what is read as the value, not the name.
    QVERIFY(PickFromList(box, QStringLiteral("125")));
    QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("125"));
    QCOMPARE(accessible->text(QAccessible::Name), box->accessibleName());

    // The list is the box's accessible child, and a screen reader's "show menu" opens and closes it.
    QCOMPARE(accessible->childCount(), 1);
    QCOMPARE(accessible->child(0)->object(), box->view());
    QCOMPARE(accessible->indexOfChild(accessible->child(0)), 0);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    QVERIFY(actions != nullptr);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(box->view()->isVisible());
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(!box->view()->isVisible());
    QCOMPARE(box->currentText(), QStringLiteral("125"));

    // A box nobody named is still read by its entry rather than by nothing.
    QComboBox unnamed;
    unnamed.addItems({QStringLiteral("Honda"), QStringLiteral("Yamaha")});
    unnamed.setCurrentIndex(1);
    QCOMPARE(SpokenName(&unnamed), QStringLiteral("Yamaha"));
}

void AccessibilityTest::diameterItemsAreNamedByTheBrandsDiameters()
{
    auto* brand = widget<QComboBox>("ComboBox17");
    QVERIFY(PickFromList(brand, QStringLiteral("Suzuki")));
    QCOMPARE(widget<QRadioButton>("RadioGroup3Item2")->text(), QStringLiteral("29.5"));
    QCOMPARE(SpokenName(widget("RadioGroup3Item2")), QStringLiteral("Диаметр шайб: 29.5 мм"));
    QCOMPARE(SpokenName(widget("RadioGroup3Item1")), QStringLiteral("Диаметр шайб: 9.48 мм"));
    QVERIFY(clickFlag("Image6"));
    QCOMPARE(SpokenName(widget("RadioGroup3Item2")), QStringLiteral("Shim diameter: 29.5 mm"));
    QVERIFY(PickFromList(brand, QStringLiteral("Kawasaki")));
    QCOMPARE(SpokenName(widget("RadioGroup3Item2")), QStringLiteral("Shim diameter: 13 mm"));
    // The logo shown for the brand is named after it.
    QCOMPARE(SpokenName(widget("Image4")), QStringLiteral("Kawasaki logo: about the program"));
}

void AccessibilityTest::resultsWindowIsNamedInTheLanguageOfItsShowing()
{
    QVERIFY(SelectShims(*m_windows));
    QMap<QString, QString> names = CheckedNames(m_windows->results);
    QCOMPARE(QStringList(names.keys()), QStringList({"Button2", "Memo1", "StringGrid1", "StringGrid2"}));
    QCOMPARE(Unnamed(names), QStringList());
    QCOMPARE(InLanguage(names, true), QStringList());
    QCOMPARE(Repeated(names), QStringList());
    QCOMPARE(names.value("StringGrid1"), QStringLiteral("Новые шайбы: список для покупки"));

    closeAndReactivate(m_windows->results);
    QVERIFY(clickFlag("Image6"));
    QVERIFY(SelectShims(*m_windows));
    names = CheckedNames(m_windows->results);
    QCOMPARE(Unnamed(names), QStringList());
    QCOMPARE(InLanguage(names, false), QStringList());
    QCOMPARE(names.value("Button2"), QStringLiteral("Save results to a report file"));
    // The button still shows its caption; the name only adds what it does.
    QCOMPARE(m_windows->results.findChild<QPushButton*>(QStringLiteral("Button2"))->text(),
             QStringLiteral("Save results to file"));
}

void AccessibilityTest::aboutWindowIsNamedInTheLanguageOfItsShowing()
{
    QTest::mouseClick(widget("Image1"), Qt::LeftButton);
    QVERIFY(m_windows->about.isVisible());
    QMap<QString, QString> names = CheckedNames(m_windows->about);
    QCOMPARE(QStringList(names.keys()), QStringList({"Button1", "Memo1"}));
    QCOMPARE(Unnamed(names), QStringList());
    QCOMPARE(InLanguage(names, true), QStringList());
    QCOMPARE(names.value("Button1"), QStringLiteral("Закрыть окно «О программе»"));

    closeAndReactivate(m_windows->about);
    QVERIFY(clickFlag("Image6"));
    QTest::mouseClick(widget("Image1"), Qt::LeftButton);
    QVERIFY(m_windows->about.isVisible());
    names = CheckedNames(m_windows->about);
    QCOMPARE(Unnamed(names), QStringList());
    QCOMPARE(InLanguage(names, false), QStringList());
    QCOMPARE(names.value("Button1"), QStringLiteral("Close the About window"));
    QCOMPARE(m_windows->about.findChild<QPushButton*>(QStringLiteral("Button1"))->text(),
             QStringLiteral("OK"));
}

// The 64 result values are read with their valve and quantity, a deviation also with its verdict,
// which the eye takes from the colour; the label itself still shows the bare value.
void AccessibilityTest::resultValuesSayTheirValveQuantityAndVerdict()
{
    QCOMPARE(SpokenName(widget("Label20")), QStringLiteral("Цилиндр 1, выпуск I: отклонение зазора = -.--"));
    QVERIFY(SelectShims(*m_windows)); // valves 1 and 2 out of tolerance
    const auto spoken = [&](const char* label) { return SpokenName(widget(label)); };
    const auto shown = [&](const char* label) { return widget<QLabel>(label)->text(); };
    QCOMPARE(
        spoken("Label20"),
        QStringLiteral("Цилиндр 1, выпуск I: отклонение зазора = %1, вне допуска").arg(shown("Label20")));
    QCOMPARE(spoken("Label28"),
             QStringLiteral("Цилиндр 1, впуск I: отклонение зазора = %1, в допуске").arg(shown("Label28")));
    QCOMPARE(spoken("Label33"), QStringLiteral("Цилиндр 1, выпуск I: установленная шайба = 120"));
    QCOMPARE(spoken("Label39"),
             QStringLiteral("Цилиндр 1, выпуск I: шайба к установке = %1").arg(shown("Label39")));
    QVERIFY(!shown("Label20").contains(QStringLiteral("допуск")));

    QSet<QString> names;
    for (const ValveNames& valve : kValves) {
        for (const char* label : {valve.deviation, valve.installed, valve.required, valve.after})
            names.insert(spoken(label));
        QVERIFY(spoken(valve.after).contains(QStringLiteral("отклонение после замены = ")));
    }
    QCOMPARE(names.size(), 64);

    closeAndReactivate(m_windows->results);
    QVERIFY(clickFlag("Image6"));
    QCOMPARE(spoken("Label77"), QStringLiteral("Cylinder 2, exhaust II: installed shim = 120"));
    QCOMPARE(spoken("Label20"),
             QStringLiteral("Cylinder 1, exhaust I: clearance deviation = %1, out of tolerance")
                 .arg(shown("Label20")));
}

// A screen reader announces each list's headings as its column headers.
void AccessibilityTest::gridHeadingsAreColumnHeaders()
{
    const auto headers = [](QWidget* grid) {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
        QStringList names;
        for (int i = 0; table != nullptr && i < table->childCount(); ++i) {
            if (QAccessibleInterface* child = table->child(i); child->role() == QAccessible::ColumnHeader)
                names.append(child->text(QAccessible::Name));
        }
        return names;
    };
    QVERIFY(SelectShims(*m_windows));
    QCOMPARE(headers(m_windows->results.findChild<QWidget*>(QStringLiteral("StringGrid1"))),
             (QStringList{QString(), "Part number", "Номер шайбы", "Толщина", "Куда ставить"}));
    QCOMPARE(headers(m_windows->results.findChild<QWidget*>(QStringLiteral("StringGrid2"))),
             (QStringList{QString(), "Откуда", "Номер шайбы", "Толщина", "Куда ставить"}));

    closeAndReactivate(m_windows->results);
    QVERIFY(clickFlag("Image6"));
    QVERIFY(SelectShims(*m_windows));
    auto* purchase = m_windows->results.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    QCOMPARE(headers(purchase),
             (QStringList{QString(), "Part number", "Shim number", "Thickness", "Install to"}));
    // The grid shows its headings in its first row as before.
    QCOMPARE(purchase->item(0, 4)->text(), QStringLiteral("    Install to"));
    QVERIFY(purchase->horizontalHeader()->isHidden());
}

void AccessibilityTest::windowsHaveTheRoleOfAWindow()
{
    QVERIFY(SelectShims(*m_windows));
    QTest::mouseClick(widget("Image1"), Qt::LeftButton);
    for (QWidget* window :
         std::initializer_list<QWidget*>{&m_windows->main, &m_windows->results, &m_windows->about}) {
        QVERIFY(window->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    }
    // Qt's own widgets keep their roles.
    QCOMPARE(QAccessible::queryAccessibleInterface(widget("ComboBox1"))->role(), QAccessible::ComboBox);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
