// Seeded, bounded random keys, clicks and focus moves on the three windows, with their rules checked.
//
// After every step the windows must keep their rules, and every so often a recalculation must agree with
// the evaluation run directly on the same texts. A failure names the seed and the last steps; a crash
// names the seed in the test row.
#include "evaluation/recalculation.h"
#include "seeded_random.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <array>
#include <cstdint>
#include <deque>

using namespace kelvane;
using namespace kelvane::testing;

namespace {

constexpr int kCheckEvery = 50;
constexpr std::size_t kLogLength = 25;
constexpr int kActivationWait = 500; // ms; the offscreen platform activates at once

struct Key
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

constexpr std::array kControlKeys{
    Key{Qt::Key_Tab, Qt::NoModifier, "Tab"},
    Key{Qt::Key_Backtab, Qt::ShiftModifier, "Backtab"},
    Key{Qt::Key_Return, Qt::NoModifier, "Enter"},
    Key{Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
    Key{Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    Key{Qt::Key_Delete, Qt::NoModifier, "Delete"},
    Key{Qt::Key_Up, Qt::NoModifier, "Up"},
    Key{Qt::Key_Down, Qt::NoModifier, "Down"},
    Key{Qt::Key_Left, Qt::NoModifier, "Left"},
    Key{Qt::Key_Right, Qt::NoModifier, "Right"},
    Key{Qt::Key_Escape, Qt::NoModifier, "Escape"},
    Key{Qt::Key_Space, Qt::NoModifier, "Space"},
};

QString Describe(const QWidget* widget)
{
    if (widget == nullptr)
        return QStringLiteral("nothing");
    const QString name = widget->objectName();
    if (!name.isEmpty())
        return name;
    const QWidget* named = widget->parentWidget();
    while (named != nullptr && named->objectName().isEmpty())
        named = named->parentWidget();
    return QStringLiteral("%1 in %2")
        .arg(QLatin1String(widget->metaObject()->className()),
             named != nullptr ? named->objectName() : QStringLiteral("?"));
}

// The 64 result label texts in valve order: installed, deviation, required, after replacement.
QStringList ResultTexts(const Program& program)
{
    QStringList texts;
    for (const ValveNames& valve : kValves) {
        for (const char* label : {valve.installed, valve.deviation, valve.required, valve.after})
            texts.append(program.mainControl<QLabel>(label)->text());
    }
    return texts;
}

} // namespace

class MonkeyTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void run_data();
    void run();
};

// One run: the windows, the random source and what the monkey did lately.
class Monkey final
{
public:
    Monkey(Program& program, std::uint64_t seed) : m_program(program), m_random(seed) {}

    void step();
    QString brokenRule() const;
    QString recalculationDisagrees(bool byEnter);
    QString log() const { return QStringList(m_log.begin(), m_log.end()).join(u'\n'); }

private:
    void note(const QString& what);
    void pressKey(QWidget* target);
    void popupStep(QWidget* popup);
    void clickSomewhere();
    void moveFocus();
    bool activate(QWidget& window);
    void closePopups();
    QList<QWidget*> windows() const;

    Program& m_program;
    SeededRandom m_random;
    std::deque<QString> m_log;
};

void Monkey::note(const QString& what)
{
    m_log.push_back(what);
    if (m_log.size() > kLogLength)
        m_log.pop_front();
}

QList<QWidget*> Monkey::windows() const
{
    QList<QWidget*> shown;
    for (QWidget* window : {static_cast<QWidget*>(&m_program.main), static_cast<QWidget*>(&m_program.about),
                            static_cast<QWidget*>(&m_program.results)}) {
        if (window->isVisible())
            shown.append(window);
    }
    return shown;
}

bool Monkey::activate(QWidget& window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window, kActivationWait);
}

void Monkey::step()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popupStep(popup);
        return;
    }
    const auto roll = m_random.Below(100);
    if (roll < 55) {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr)
            target = QApplication::activeWindow();
        if (target != nullptr) {
            pressKey(target);
            return;
        }
    }
    if (roll < 88) {
        clickSomewhere();
        return;
    }
    moveFocus();
}

void Monkey::pressKey(QWidget* target)
{
    const auto roll = m_random.Below(100);
    if (roll < 35) {
        const int digit = int(m_random.Below(10));
        note(QStringLiteral("key %1 into %2").arg(digit).arg(Describe(target)));
        QTest::keyClick(target, Qt::Key(Qt::Key_0 + digit));
    } else if (roll < 45) {
        const int letter = int(m_random.Below(26));
        note(QStringLiteral("key %1 into %2").arg(QChar(u'a' + letter)).arg(Describe(target)));
        QTest::keyClick(target, Qt::Key(Qt::Key_A + letter));
    } else {
        const Key& key = m_random.Pick(kControlKeys);
        note(QStringLiteral("key %1 into %2").arg(QLatin1String(key.name), Describe(target)));
        QTest::keyClick(target, key.key, key.modifiers);
    }
}

// An open list takes the keys, or an entry is clicked.
void Monkey::popupStep(QWidget* popup)
{
    auto* view = popup->findChild<QAbstractItemView*>();
    if (view != nullptr && view->model() != nullptr && view->model()->rowCount() > 0 &&
        m_random.Percent(30)) {
        const int row = int(m_random.Below(std::uint64_t(view->model()->rowCount())));
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index); // as the user scrolls a long list to the entry
        const QRect place = view->visualRect(index);
        if (place.isValid() && view->viewport()->rect().contains(place.center())) {
            note(QStringLiteral("click list entry %1 (%2)").arg(row).arg(index.data().toString()));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
            return;
        }
    }
    QWidget* target = popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
    pressKey(target);
}

// A click on a visible, enabled control of an open window; now and then on anything at all there.
void Monkey::clickSomewhere()
{
    const QList<QWidget*> shown = windows();
    if (shown.isEmpty())
        return;
    QWidget* window = shown[qsizetype(m_random.Below(std::uint64_t(shown.size())))];
    const bool anything = m_random.Percent(15);
    QList<QWidget*> candidates;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled() || widget->window() != window ||
            widget->width() < 3 || widget->height() < 3)
            continue;
        const bool control = widget->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(widget) ||
                             widget->inherits("kelvane::ClickableImage") ||
                             qobject_cast<QAbstractScrollArea*>(widget->parentWidget()) != nullptr;
        if (anything || control)
            candidates.append(widget);
    }
    if (candidates.isEmpty())
        return;
    QWidget* target = candidates[qsizetype(m_random.Below(std::uint64_t(candidates.size())))];
    const QPoint at(int(m_random.Between(1, target->width() - 2)),
                    int(m_random.Between(1, target->height() - 2)));
    // A click into another window brings that window to the front first.
    if (!window->isActiveWindow())
        activate(*window);
    note(QStringLiteral("click %1 at (%2, %3)").arg(Describe(target)).arg(at.x()).arg(at.y()));
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
}

void Monkey::moveFocus()
{
    const auto roll = m_random.Below(3);
    if (roll == 0) {
        note(QStringLiteral("activate the main window"));
        activate(m_program.main);
    } else if (roll == 1 && m_program.results.isVisible()) {
        note(QStringLiteral("activate the results window"));
        activate(m_program.results);
    } else {
        auto* select = m_program.mainControl<QPushButton>("Button2");
        if (select->isEnabled()) {
            activate(m_program.main);
            note(QStringLiteral("click Button2 (shim selection)"));
            QTest::mouseClick(select, Qt::LeftButton);
        } else {
            note(QStringLiteral("activate the main window (no selection to open)"));
            activate(m_program.main);
        }
    }
}

void Monkey::closePopups()
{
    for (int i = 0; i < 5; ++i) {
        QWidget* popup = QApplication::activePopupWidget();
        if (popup == nullptr)
            return;
        note(QStringLiteral("Escape to close a list"));
        QTest::keyClick(popup->focusWidget() != nullptr ? popup->focusWidget() : popup, Qt::Key_Escape);
    }
}

// The rules that hold between any two user actions; an empty text when they all do.
QString Monkey::brokenRule() const
{
    const int brand = static_cast<int>(m_program.job.settings().catalogue.brand);
    if (brand < 0 || brand > 3)
        return QStringLiteral("Brand is %1").arg(brand);
    const int diameter = static_cast<int>(m_program.job.settings().catalogue.diameter);
    if (diameter < 0 || diameter > 2)
        return QStringLiteral("ShimDiameter is %1").arg(diameter);
    for (int n = 1; n <= 16; ++n) {
        const ValveNames& names = kValves[n - 1];
        const auto* box = m_program.mainControl<QComboBox>(names.shimBox);
        const auto* thickness = m_program.mainControl<QLineEdit>(names.thickness);
        // The field's own state: a hidden cylinder's group disables its children as well.
        const bool enabled = thickness->isEnabledTo(thickness->parentWidget());
        const bool blank = box->currentText() == QStringLiteral("   ");
        if (enabled != blank) {
            return QStringLiteral("valve %1: %2 shows '%3' (index %4) but %5 is %6")
                .arg(n)
                .arg(QLatin1String(names.shimBox), box->currentText())
                .arg(box->currentIndex())
                .arg(QLatin1String(names.thickness),
                     enabled ? QStringLiteral("enabled") : QStringLiteral("disabled"));
        }
        if (box->currentIndex() < 0)
            return QStringLiteral("valve %1: %2 shows no entry of its list ('%3')")
                .arg(n)
                .arg(QLatin1String(names.shimBox), box->currentText());
    }
    return {};
}

// Recalculates, by a click on "Пересчитать" or by Enter where the focus is, and runs the evaluation on
// the texts the fields hold afterwards (a recalculation changes no input; a click normalises the field
// it leaves first, Enter does not); labels, colours and message boxes must be those the evaluation gives.
QString Monkey::recalculationDisagrees(bool byEnter)
{
    closePopups();
    if (!activate(m_program.main))
        return QStringLiteral("the main window could not be activated");
    MessageBox::takeRecorded();
    const QStringList before = ResultTexts(m_program);
    QWidget* focused = QApplication::focusWidget();
    // A focused push button takes Enter itself.
    if (byEnter && focused != nullptr && focused->window() == &m_program.main &&
        qobject_cast<QPushButton*>(focused) == nullptr) {
        note(QStringLiteral("Enter into %1 (recalculate) and compare").arg(Describe(focused)));
        QTest::keyClick(focused, Qt::Key_Return);
    } else {
        note(QStringLiteral("click Button1 (recalculate) and compare"));
        QTest::mouseClick(m_program.mainControl("Button1"), Qt::LeftButton);
    }
    const QStringList recorded = MessageBox::takeRecorded();

    PerValve<ValveReading> readings;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const ValveNames& names = kValves[i];
        readings[i] = {m_program.mainControl<QLineEdit>(names.clearance)->displayText().toStdString(),
                       m_program.mainControl<QComboBox>(names.shimBox)->currentText().toStdString(),
                       m_program.mainControl<QLineEdit>(names.thickness)->displayText().toStdString()};
    }
    EngineSettings settings;
    settings.nominalExhaustText = m_program.mainControl<QLineEdit>("MaskEdit1")->displayText().toStdString();
    settings.nominalIntakeText = m_program.mainControl<QLineEdit>("MaskEdit2")->displayText().toStdString();
    settings.exhaustToleranceText =
        m_program.mainControl<QLineEdit>("MaskEdit5")->displayText().toStdString();
    settings.intakeToleranceText = m_program.mainControl<QLineEdit>("MaskEdit7")->displayText().toStdString();
    settings.catalogue = m_program.job.settings().catalogue;
    settings.minThickness = CatalogueFor(settings.catalogue).minThickness;
    settings.maxThickness = CatalogueFor(settings.catalogue).maxThickness;
    const RecalculationOutcome outcome = Recalculate(readings, settings);

    const QStringList after = ResultTexts(m_program);
    if (!outcome.recalculation) {
        const QString message =
            QString::fromStdString(outcome.error ? outcome.error->message : std::string());
        if (after != before)
            return QStringLiteral("the labels changed although the texts are invalid (%1)").arg(message);
        if (recorded != QStringList{QStringLiteral("Kelvane|") + message})
            return QStringLiteral("message boxes %1, expected the error '%2'")
                .arg(recorded.join(u';'), message);
        return {};
    }

    const Recalculation& expected = *outcome.recalculation;
    QStringList expectedTexts;
    for (const ValveLabels& labels : expected.labels) {
        for (const std::string& text :
             {labels.installedNumber, labels.deviation, labels.requiredNumber, labels.deviationAfter})
            expectedTexts.append(QString::fromStdString(text));
    }
    for (qsizetype i = 0; i < expectedTexts.size(); ++i) {
        if (after[i] != expectedTexts[i]) {
            const ValveNames& names = kValves[i / 4];
            const char* label =
                std::array{names.installed, names.deviation, names.required, names.after}[i % 4];
            return QStringLiteral("valve %1, %2 shows '%3', the evaluation gives '%4'")
                .arg(i / 4 + 1)
                .arg(QLatin1String(label), after[i], expectedTexts[i]);
        }
    }
    for (std::size_t i = 0; i < expected.inTolerance.size(); ++i) {
        const auto* deviation = m_program.mainControl<QLabel>(kValves[i].deviation);
        const QColor shown = deviation->palette().color(QPalette::Window);
        const QColor wanted = expected.inTolerance[i] ? QColor(0, 255, 0) : QColor(255, 0, 0);
        if (!deviation->autoFillBackground() || shown != wanted)
            return QStringLiteral("valve %1: deviation label colour %2, expected %3")
                .arg(i + 1)
                .arg(shown.name(), wanted.name());
    }
    QStringList warnings;
    for (const int valve : expected.lowThicknessValves) {
        warnings.append(QString::fromUtf8(kLowThicknessWarningCaption.data(),
                                          qsizetype(kLowThicknessWarningCaption.size())) +
                        u'|' + QString::fromStdString(LowThicknessWarningText(valve)));
    }
    if (recorded != warnings)
        return QStringLiteral("message boxes [%1], expected [%2]")
            .arg(recorded.join(u';'), warnings.join(u';'));
    if (!m_program.mainControl("Button2")->isEnabled())
        return QStringLiteral("Button2 is not enabled after a recalculation");
    if (m_program.results.isVisible())
        return QStringLiteral("the results window stayed open after a recalculation");
    return {};
}

void MonkeyTest::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    MessageBox::setTestMode(true);
}

void MonkeyTest::run_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("steps");
    for (const quint64 seed : {0x4B454C56ull, 0x1F2E3D4Cull, 0xC0FFEE01ull})
        QTest::newRow(qPrintable(QStringLiteral("seed 0x%1").arg(seed, 0, 16))) << seed << 1500;
}

void MonkeyTest::run()
{
    QFETCH(quint64, seed);
    QFETCH(int, steps);

    SavingPlace place; // a report saved by chance lands in a scratch directory, and no viewer opens
    QVERIFY(place.ok());
    Program program;
    QVERIFY(ShowActive(program.main));
    Monkey monkey(program, seed);

    // The seed and the steps that led there, so the run can be replayed.
    const auto failure = [&](int step, const QString& what) {
        return QStringLiteral("seed 0x%1, step %2 of %3: %4\nlast steps:\n%5")
            .arg(seed, 0, 16)
            .arg(step)
            .arg(steps)
            .arg(what, monkey.log())
            .toLocal8Bit();
    };

    for (int step = 1; step <= steps; ++step) {
        monkey.step();
        QApplication::processEvents();
        const QString broken = monkey.brokenRule();
        QVERIFY2(broken.isEmpty(), failure(step, broken).constData());
        if (step % kCheckEvery == 0 || step == steps) {
            const QString disagreement = monkey.recalculationDisagrees(step / kCheckEvery % 2 == 1);
            QVERIFY2(disagreement.isEmpty(), failure(step, disagreement).constData());
            const QString afterwards = monkey.brokenRule();
            QVERIFY2(afterwards.isEmpty(), failure(step, afterwards).constData());
        }
    }
    MessageBox::takeRecorded();
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
