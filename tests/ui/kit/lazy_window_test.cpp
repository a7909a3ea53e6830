// The secondary windows' shared behaviour: controls made on the first showing only, filled on every
// showing by the program, centred once, closed by hiding.
#include "kit/lazy_window.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

namespace {

class Probe final : public kelvane::LazyWindow
{
public:
    Probe() : LazyWindow(QSize(300, 200), QFont(), Qt::WindowStaysOnTopHint, nullptr) {}

    int built = 0;
    int filled = 0;
    bool labelVisibleWhenFilled = false;

protected:
    void buildControls() override
    {
        ++built;
        m_label = new QLabel(QStringLiteral("made late"), this);
        m_label->setObjectName(QStringLiteral("Label1"));
    }
    void FormShow() override
    {
        ++filled;
        labelVisibleWhenFilled = m_label != nullptr && m_label->isVisibleTo(this);
    }

private:
    QLabel* m_label = nullptr;
};

} // namespace

class LazyWindowTest final : public QObject
{
    Q_OBJECT

private slots:
    void controlsWaitForTheFirstShowing();
    void everyShowingByTheProgramFills();
    void centredOnceOnly();
};

void LazyWindowTest::controlsWaitForTheFirstShowing()
{
    Probe probe;
    QCOMPARE(probe.built, 0);
    QVERIFY(probe.findChild<QLabel*>(QStringLiteral("Label1")) == nullptr);
    QVERIFY(!probe.testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(probe.minimumSize(), QSize(300, 200));
    QCOMPARE(probe.maximumSize(), QSize(300, 200));
    QVERIFY(probe.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(probe.windowFlags().testFlag(Qt::WindowCloseButtonHint));

    probe.show();
    QCOMPARE(probe.built, 1);
    // Made before Qt shows the window's children, so the control is on show when the window is filled.
    QVERIFY(probe.labelVisibleWhenFilled);
    probe.close();
    QVERIFY(!probe.isVisible());
    probe.show();
    QCOMPARE(probe.built, 1);
}

void LazyWindowTest::everyShowingByTheProgramFills()
{
    Probe probe;
    probe.show();
    QCOMPARE(probe.filled, 1);
    probe.show(); // already visible: no show event, nothing refilled
    QCOMPARE(probe.filled, 1);
    probe.hide();
    probe.show();
    QCOMPARE(probe.filled, 2);
}

void LazyWindowTest::centredOnceOnly()
{
    Probe probe;
    probe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));
    const QRect available = probe.screen()->availableGeometry();
    const QPoint off = probe.frameGeometry().center() - available.center();
    QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1, "not in the middle of the free area");
    // Moved by the user and shown again, it stays where it was put.
    probe.hide();
    probe.move(available.topLeft());
    probe.show();
    QCOMPARE(probe.pos(), available.topLeft());
}

QTEST_MAIN(LazyWindowTest)
#include "lazy_window_test.moc"
