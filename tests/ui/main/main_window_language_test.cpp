// The interface language: the two flags, the Russian and English texts, and what a switch leaves alone.
#include "kit/message_box.h"
#include "main/tform1.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QMap>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace kelvane;
using namespace kelvane::testing;

namespace {

// Every text a control shows, keyed by control: captions, titles, hints, field contents, states.
QMap<QString, QString> Texts(const QWidget& form)
{
    QMap<QString, QString> texts;
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) {
            continue;
        }
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            text = group->title();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text() + (button->isChecked() ? QStringLiteral(" [x]") : QString());
        } else if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
            text = field->displayText() + (field->isEnabled() ? QString() : QStringLiteral(" [disabled]"));
        } else if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
            text = box->currentText();
        }
        texts.insert(name, text + QStringLiteral(" | ") + widget->toolTip());
    }
    return texts;
}

QStringList Differing(const QMap<QString, QString>& before, const QMap<QString, QString>& after)
{
    QStringList names;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (after.value(it.key()) != it.value()) {
            names.append(it.key());
        }
    }
    return names;
}

} // namespace

class MainWindowLanguageTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void freshWindowIsRussian();
    void unitedKingdomFlagSwitchesToEnglish();
    void russianFlagSwitchesBack();
    void switchChangesNoInputSettingOrResult();
    void switchResetsTheSelectionModeEachTime();
    void qtOwnTextsFollowTheLanguage();

private:
    QWidget* widget(const char* name) const { return Control(*m_form, name); }
    void clickFlag(const char* name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
    QString caption(const char* name) const
    {
        const QWidget* control = widget(name);
        if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
            return group->title();
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            return button->text();
        }
        return Text(*m_form, name);
    }
    QStringList selectionItems() const
    {
        QStringList items;
        for (const QRadioButton* item : widget("RadioGroup1")->findChildren<QRadioButton*>()) {
            items.append(item->text() + (item->isChecked() ? QStringLiteral("*") : QString()));
        }
        return items;
    }

    std::unique_ptr<kelvane::Job> m_job; // outlives the window
    std::unique_ptr<TForm1> m_form;
};

void MainWindowLanguageTest::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    MessageBox::setTestMode(true);
}

void MainWindowLanguageTest::init()
{
    m_job = std::make_unique<kelvane::Job>();
    m_form = std::make_unique<TForm1>(*m_job);
    QVERIFY(ShowActive(*m_form));
}

void MainWindowLanguageTest::cleanup()
{
    m_form.reset();
    QCOMPARE(MessageBox::takeRecorded(), QStringList());
}

void MainWindowLanguageTest::freshWindowIsRussian()
{
    QCOMPARE(m_form->job().language(), Language::Russian);
    QCOMPARE(caption("GroupBox1"), QStringLiteral(" Настройки "));
    QCOMPARE(caption("Label1"), QStringLiteral("Зазор выпуск:"));
    QCOMPARE(caption("Label181"), QStringLiteral("Марка"));
    QCOMPARE(caption("RadioGroup3"), QStringLiteral(" Диаметр шайб мм. "));
    QCOMPARE(caption("RadioGroup2"), QStringLiteral(" Цилиндры "));
    QCOMPARE(caption("GroupBox5"), QStringLiteral(" Цилиндр 3 "));
    QCOMPARE(caption("GroupBox4"), QStringLiteral(" Цилиндр 4 "));
    QCOMPARE(caption("Label113"), QStringLiteral("Выпуск"));
    QCOMPARE(caption("Label168"), QStringLiteral("Установлена шайба №"));
    QCOMPARE(caption("Label172"), QStringLiteral("Нужно установить шабу №:"));
    QCOMPARE(caption("Label178"), QStringLiteral("Отклон. после замены вп.:"));
    QCOMPARE(caption("GroupBox9"), QStringLiteral(" Результаты "));
    QCOMPARE(caption("Button1"), QStringLiteral("Пересчитать"));
    QCOMPARE(caption("Button2"), QStringLiteral("Подобрать шайбы"));
    QCOMPARE(caption("CheckBox1"), QStringLiteral("Все новые"));
    QCOMPARE(selectionItems(), (QStringList{"Только вне допуска*", "Полный подбор"}));
    QCOMPARE(widget("ComboBox16")->toolTip(),
             QStringLiteral("Выберите номер шайбы из списка (если знаете номер) "
                            "либо выберите пустое значение и введите толщину шайбы"));
    QCOMPARE(widget("Button1")->toolTip(),
             QStringLiteral("Нажмите для пересчета введенных данных и получения результатов"));
    QVERIFY(widget("Image6")->isVisible());
    QVERIFY(!widget("Image5")->isVisible());
}

void MainWindowLanguageTest::unitedKingdomFlagSwitchesToEnglish()
{
    clickFlag("Image6");
    QCOMPARE(m_form->job().language(), Language::English);
    QVERIFY(widget("Image5")->isVisible());
    QVERIFY(!widget("Image6")->isVisible());

    // The first two letters are the Cyrillic Е and х, as the program has always shown them.
    const QString exhaust = caption("Label1");
    QCOMPARE(exhaust, QStringLiteral("Ех.clearance:"));
    QCOMPARE(exhaust.at(0).unicode(), char16_t(0x0415));
    QCOMPARE(exhaust.at(1).unicode(), char16_t(0x0445));
    QCOMPARE(caption("Label2"), QStringLiteral("In.clearamce:"));
    QCOMPARE(caption("GroupBox1"), QStringLiteral(" Settings "));
    QCOMPARE(caption("RadioGroup1"), QStringLiteral(" Shim selection "));
    QCOMPARE(caption("RadioGroup2"), QStringLiteral(" Num of cyl."));
    QCOMPARE(caption("RadioGroup3"), QStringLiteral(" Shim diameter mm. "));
    QCOMPARE(caption("Label181"), QStringLiteral("Brand"));
    QCOMPARE(caption("GroupBox2"), QStringLiteral(" Cylinder 1 "));
    QCOMPARE(caption("Label59"), QStringLiteral("Intake"));
    QCOMPARE(caption("Label94"), QStringLiteral("Actual clearance"));
    QCOMPARE(caption("Label32"), QStringLiteral("Installed shim number"));
    QCOMPARE(caption("Label126"), QStringLiteral("or shim thickness"));
    QCOMPARE(caption("GroupBox7"), QStringLiteral(" Calculation results "));
    QCOMPARE(caption("Label158"), QStringLiteral("Exhaust clearance deviation:"));
    QCOMPARE(caption("Label73"), QStringLiteral("Intake clearance deviation:"));
    QCOMPARE(caption("Label84"), QStringLiteral("Shim number will be installed:"));
    QCOMPARE(caption("Label44"), QStringLiteral("Deviation after installing new:"));
    QCOMPARE(caption("Label154"), QStringLiteral("Deviation after installing new:"));
    QCOMPARE(caption("Button1"), QStringLiteral("Recalculate"));
    QCOMPARE(caption("Button2"), QStringLiteral("Make shim selection"));
    QCOMPARE(caption("CheckBox1"), QStringLiteral("All new"));
    QCOMPARE(selectionItems(), (QStringList{"Beyound limits only*", "Full selection"}));

    QCOMPARE(
        widget("MaskEdit2")->toolTip(),
        QStringLiteral("Input here nominal clearance for intake valve (see service manual for your bike)"));
    QCOMPARE(widget("RadioGroup3")->toolTip(),
             QStringLiteral("Select shim diameter installed in your engine(can be measured)"));
    QCOMPARE(widget("Label137")->toolTip(), QStringLiteral("Calculated clearance deviation of intake valve"));
    QCOMPARE(widget("Label134")->toolTip(),
             QStringLiteral("Calculated clearance deviation of exhaust valve"));
    QCOMPARE(widget("Label50")->toolTip(),
             QStringLiteral("Calculated clearance deviation after recommended shim will be installed"));
    QCOMPARE(widget("MaskEdit36")->toolTip(),
             QStringLiteral("Input here actual clearances measured with gauge"));
    QCOMPARE(widget("Button1")->toolTip(), QStringLiteral("Click it to make recalculation."));

    // The texts that belong to no language stay.
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Kelvane v1.3"));
    QCOMPARE(caption("Label47"), QStringLiteral("±0.0"));
    QCOMPARE(caption("Label23"), QStringLiteral("I"));
    QCOMPARE(caption("Label130"), QStringLiteral("II"));
    QCOMPARE(caption("Label25"), QStringLiteral("mm"));
    QCOMPARE(Control<QComboBox>(*m_form, "ComboBox17")->itemText(2), QStringLiteral("Kawasaki"));
}

void MainWindowLanguageTest::russianFlagSwitchesBack()
{
    const QMap<QString, QString> russian = Texts(*m_form);
    clickFlag("Image6");
    const QMap<QString, QString> english = Texts(*m_form);
    // Every caption and hint of the tables changed; nothing else did.
    const QStringList changed = Differing(russian, english);
    QVERIFY(changed.contains(QStringLiteral("Label181")));
    QVERIFY(changed.contains(QStringLiteral("RadioGroup1Item1")));
    // 84 captions (the selection items among them), the hints of 50 inputs, whose contents stay, and of
    // the four logos and two flags.
    QCOMPARE(changed.size(), 140);
    for (const QString& name : changed) {
        if (name.startsWith(QLatin1String("MaskEdit")) || name.startsWith(QLatin1String("ComboBox"))) {
            QCOMPARE(english.value(name).section(QStringLiteral(" | "), 0, 0),
                     russian.value(name).section(QStringLiteral(" | "), 0, 0));
        }
    }

    clickFlag("Image5");
    QCOMPARE(m_form->job().language(), Language::Russian);
    QVERIFY(widget("Image6")->isVisible());
    QVERIFY(!widget("Image5")->isVisible());
    QCOMPARE(Differing(russian, Texts(*m_form)), QStringList());
}

// Inputs, settings, results and the focus survive a switch both ways; only the selection mode goes back to
// its first item.
void MainWindowLanguageTest::switchChangesNoInputSettingOrResult()
{
    auto* clearance = Control<QLineEdit>(*m_form, "MaskEdit10");
    QVERIFY(ClickInto(clearance));
    TypeOver(clearance, QStringLiteral("0.27"));
    QTest::mouseClick(widget("Button1"), Qt::LeftButton);
    QVERIFY(PickFromList(Control<QComboBox>(*m_form, "ComboBox6"), QStringLiteral("   ")));
    QTest::mouseClick(widget("CheckBox1"), Qt::LeftButton);
    QTest::mouseClick(widget("RadioGroup3Item1"), Qt::LeftButton);
    auto* nominal = Control<QLineEdit>(*m_form, "MaskEdit2");
    QVERIFY(ClickInto(nominal));
    TypeOver(nominal, QStringLiteral("0.7")); // out of range, and not yet left

    const QMap<QString, QString> before = Texts(*m_form);
    QCOMPARE(m_form->job().settings().catalogue,
             (CatalogueKey{Brand::Honda, ShimDiameter::D948})); // group was left
    clickFlag("Image6");
    QVERIFY(nominal->hasFocus());
    QCOMPARE(nominal->displayText(), QStringLiteral("0.7 "));
    const QMap<QString, QString> english = Texts(*m_form);
    for (const char* unchanged :
         {"MaskEdit10", "Label71", "Label76", "Label82", "Label88", "ComboBox6", "MaskEdit15",
          "RadioGroup3Item1", "RadioGroup2Item2", "ComboBox17", "MaskEdit5"}) {
        QCOMPARE(english.value(unchanged).section(QStringLiteral(" | "), 0, 0),
                 before.value(unchanged).section(QStringLiteral(" | "), 0, 0));
    }
    QCOMPARE(english.value("CheckBox1").contains(QStringLiteral("[x]")), true);
    QCOMPARE(Text(*m_form, "Label71"), QStringLiteral("0.07 мм"));
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Honda, ShimDiameter::D948}));
    QVERIFY(widget("Button2")->isEnabled());

    clickFlag("Image5");
    QCOMPARE(Differing(before, Texts(*m_form)), QStringList());
}

void MainWindowLanguageTest::switchResetsTheSelectionModeEachTime()
{
    QTest::mouseClick(widget("RadioGroup1Item1"), Qt::LeftButton);
    QCOMPARE(selectionItems(), (QStringList{"Только вне допуска", "Полный подбор*"}));
    clickFlag("Image6");
    QCOMPARE(selectionItems(), (QStringList{"Beyound limits only*", "Full selection"}));
    QTest::mouseClick(widget("RadioGroup1Item1"), Qt::LeftButton);
    QCOMPARE(selectionItems(), (QStringList{"Beyound limits only", "Full selection*"}));
    clickFlag("Image5");
    QCOMPARE(selectionItems(), (QStringList{"Только вне допуска*", "Полный подбор"}));
    // The items still work, and Tab stops at the selected one.
    QTest::mouseClick(widget("RadioGroup1Item1"), Qt::LeftButton);
    QVERIFY(WaitForFocus(widget("RadioGroup1Item1")));
    QTest::keyClick(Focused(), Qt::Key_Backtab);
    QCOMPARE(Focused()->objectName(), QStringLiteral("MaskEdit7"));
    PressTab();
    QCOMPARE(Focused()->objectName(), QStringLiteral("RadioGroup1Item1"));
}

// Qt's own dialogs speak the interface language, switched with it; the program's message boxes keep
// their own texts, their "OK" included.
void MainWindowLanguageTest::qtOwnTextsFollowTheLanguage()
{
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_ru.qm")))
        QSKIP("Qt's Russian translation is not installed (qt6-translations-l10n)");
    const auto printDialogTitle = [] {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer);
        return dialog.windowTitle();
    };
    QCOMPARE(printDialogTitle(), QStringLiteral("Печать"));

    // A box of the program's own, shown for real and answered by the test.
    QString okText;
    MessageBox::setTestMode(false);
    QTimer::singleShot(0, this, [&okText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) {
            okText = box->button(QMessageBox::Ok)->text();
            box->accept();
        }
    });
    MessageBox::error(m_form.get(), QStringLiteral("File access denied"));
    MessageBox::setTestMode(true);
    QCOMPARE(okText, QStringLiteral("OK"));
    QVERIFY(ShowActive(*m_form)); // the window system hands the keyboard back after the box

    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::Key_L));
    QCOMPARE(m_form->job().language(), Language::English);
    QCOMPARE(printDialogTitle(), QStringLiteral("Print"));
    clickFlag("Image5");
    QCOMPARE(printDialogTitle(), QStringLiteral("Печать"));
}

QTEST_MAIN(MainWindowLanguageTest)
#include "main_window_language_test.moc"
