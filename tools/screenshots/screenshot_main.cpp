// Screenshots for the README: the three windows, driven through a small worn-engine job as a user would.
//
// Usage: kelvane_screenshots <folder>. Writes main_window.png, results_window.png and about_window.png,
// and printed_page.pdf, the results window's printed page, which scripts/screenshots.sh turns into a picture.
// Meant for a real window system (scripts/screenshots.sh runs it under a virtual X server); it is not
// installed with the program.
#include "about/tform2.h"
#include "kit/message_box.h"
#include "main/tform1.h"
#include "results/print_page.h"
#include "results/tform3.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTextStream>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

using namespace kelvane;

// ---- A user's hands, as far as the job below needs them ----

// Runs the event loop for `ms` milliseconds, or until `done` holds; whether it held.
template <typename Done> bool WaitFor(Done done, int ms)
{
    const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents,
                                        int(std::max<qint64>(deadline.remainingTime(), 1)));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(std::clamp<qint64>(deadline.remainingTime(), 0, 10));
    }
    return true;
}

void Wait(int ms)
{
    WaitFor([] { return false; }, ms);
}

void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &release);
}

// A left click at `at` in the widget (its centre by default).
void MouseClick(QWidget* widget, std::optional<QPoint> at = std::nullopt)
{
    const QPointF local = at.value_or(widget->rect().center());
    const QPointF global = widget->mapToGlobal(local);
    // A press gives the focus as the window system's would: to the first control from the widget up
    // that takes the focus by click. Qt does this itself only for events that come from the system.
    for (QWidget* taker = widget; taker != nullptr;
         taker = taker->isWindow() ? nullptr : taker->parentWidget()) {
        if ((taker->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus && taker->isEnabled()) {
            taker->setFocus(Qt::MouseFocusReason);
            break;
        }
    }
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// A click at the left end of a field, so the cursor lands on its first position.
bool ClickInto(QWidget* widget)
{
    MouseClick(widget, QPoint(3, widget->height() / 2));
    return WaitFor([widget] { return widget->hasFocus(); }, 2000);
}

// Selects the field's whole text and types the digits over it.
void TypeOver(QLineEdit* field, const QString& digits)
{
    Key(field, Qt::Key_A, Qt::ControlModifier);
    for (const QChar digit : digits) {
        Key(field, Qt::Key_0 + digit.digitValue(), Qt::NoModifier, QString(digit));
    }
}

// Opens the box's list with a click, walks to the entry with the arrow keys and takes it with Enter.
bool PickFromList(QComboBox* box, const QString& entry)
{
    const int row = box->findText(entry);
    if (row < 0) {
        return false;
    }
    MouseClick(box);
    QAbstractItemView* list = box->view();
    if (!WaitFor([list] { return list->isVisible(); }, 2000)) {
        return false;
    }
    for (int at = list->currentIndex().row(); at != row; at += at < row ? 1 : -1) {
        Key(list, at < row ? Qt::Key_Down : Qt::Key_Up);
    }
    Key(list, Qt::Key_Return);
    return WaitFor([list] { return !list->isVisible(); }, 2000) && box->currentIndex() == row &&
           WaitFor([box] { return box->hasFocus(); }, 2000);
}

// ---- The pictures ----

// A screenshot must never show half a step; every step says whether it worked.
bool Fail(const QString& what)
{
    QTextStream(stderr) << "kelvane_screenshots: " << what << '\n';
    return false;
}

template <typename T = QWidget> T* ControlOf(const QWidget& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

// Shows the window, waits until it is painted on the screen and lets the last layout settle.
bool ShowOnScreen(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
    if (!WaitFor([&window] { return window.windowHandle() != nullptr && window.windowHandle()->isExposed(); },
                 5000)) {
        return false;
    }
    Wait(300);
    return true;
}

// The window as the screen shows it, with the frame the window manager drew, if any; without a window
// manager (as under a bare virtual X server) the frame is the window itself.
bool Save(QWidget& window, const QDir& folder, const QString& file)
{
    QPixmap picture;
    const QRect frame = window.frameGeometry();
    if (QScreen* screen = window.screen(); screen != nullptr && frame != window.geometry()) {
        picture = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    }
    if (picture.isNull()) {
        picture = window.grab();
    }
    const QString path = folder.filePath(file);
    if (picture.isNull() || !picture.save(path, "PNG")) {
        return Fail(QStringLiteral("could not write %1").arg(path));
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

bool Type(const TForm1& main, const char* field, const QString& digits)
{
    auto* edit = ControlOf<QLineEdit>(main, field);
    if (edit == nullptr || !edit->isEnabled() || !ClickInto(edit)) {
        return Fail(QStringLiteral("cannot type into %1").arg(QLatin1String(field)));
    }
    TypeOver(edit, digits);
    return true;
}

bool Pick(const TForm1& main, const char* box, const QString& entry)
{
    auto* combo = ControlOf<QComboBox>(main, box);
    if (combo == nullptr || !PickFromList(combo, entry)) {
        return Fail(QStringLiteral("cannot pick %1 in %2").arg(entry, QLatin1String(box)));
    }
    return true;
}

bool Click(const QWidget& window, const char* name)
{
    QWidget* control = ControlOf(window, name);
    if (control == nullptr || !control->isVisible() || !control->isEnabled()) {
        return Fail(QStringLiteral("cannot click %1").arg(QLatin1String(name)));
    }
    MouseClick(control);
    return true;
}

// A four-cylinder Honda after some use: some valves have closed up and the exhaust valves of cylinder 1
// have opened, so some shims can swap places and the others must be bought; one installed shim is
// typed as measured because its number could not be read.
struct ValveEntry
{
    const char* clearanceField;
    const char* clearance; // digits as typed into the mask
    const char* shimBox;
    const char* shim; // the entry to pick; the blank entry means the thickness is typed
    const char* thicknessField;
    const char* thickness;
};

constexpr ValveEntry kJob[] = {
    {"MaskEdit3", "028", "ComboBox1", "200", nullptr, nullptr},
    {"MaskEdit4", "026", "ComboBox2", "205", nullptr, nullptr},
    {"MaskEdit9", "015", "ComboBox3", "185", nullptr, nullptr},
    {"MaskEdit14", "009", "ComboBox4", "210", nullptr, nullptr},
    {"MaskEdit10", "012", "ComboBox5", "208", nullptr, nullptr},
    {"MaskEdit16", "019", "ComboBox6", "195", nullptr, nullptr},
    {"MaskEdit17", "010", "ComboBox7", "   ", "MaskEdit18", "1975"},
    {"MaskEdit20", "014", "ComboBox8", "190", nullptr, nullptr},
    {"MaskEdit21", "021", "ComboBox9", "200", nullptr, nullptr},
    {"MaskEdit29", "013", "ComboBox13", "215", nullptr, nullptr},
};

bool TypeJob(TForm1& main)
{
    // English, so the README's readers can follow every caption.
    if (!Click(main, "Image6")) {
        return false;
    }
    for (const ValveEntry& valve : kJob) {
        if (!Type(main, valve.clearanceField, QString::fromLatin1(valve.clearance)) ||
            !Pick(main, valve.shimBox, QString::fromLatin1(valve.shim))) {
            return false;
        }
        if (valve.thicknessField != nullptr &&
            !Type(main, valve.thicknessField, QString::fromLatin1(valve.thickness))) {
            return false;
        }
    }
    if (!Click(main, "Button1")) {
        return false;
    }
    if (!MessageBox::takeRecorded().isEmpty()) {
        return Fail(QStringLiteral("the recalculation complained about the job"));
    }
    return true;
}

bool MakeScreenshots(const QDir& folder)
{
    Job job;
    TForm1 main(job);
    TForm2 about(job);
    TForm3 results(job, main);
    main.setAboutWindow(&about);
    main.setResultsWindow(&results);

    if (!ShowOnScreen(main) || !TypeJob(main)) {
        return Fail(QStringLiteral("the main window did not take the job"));
    }
    // The focus goes to the button, so no field shows its text cursor.
    QWidget* recalculate = ControlOf(main, "Button1");
    recalculate->setFocus(Qt::OtherFocusReason);
    if (!ShowOnScreen(main) || !Save(main, folder, QStringLiteral("main_window.png"))) {
        return false;
    }

    if (!Click(main, "Button2") || !results.isVisible()) {
        return Fail(QStringLiteral("the selection did not open the results window"));
    }
    const auto* purchase = ControlOf<QTableWidget>(results, "StringGrid1");
    const auto* interchange = ControlOf<QTableWidget>(results, "StringGrid2");
    if (purchase->item(1, 1)->text().isEmpty() || interchange->item(1, 1)->text().isEmpty()) {
        return Fail(QStringLiteral("one of the two lists came out empty"));
    }
    if (!ShowOnScreen(results) || !Save(results, folder, QStringLiteral("results_window.png"))) {
        return false;
    }
    // The page the printer gets, through the same painting, as a PDF.
    const QString page = folder.filePath(QStringLiteral("printed_page.pdf"));
    if (!WritePrintedPagePdf(page, results.printedPage())) {
        return Fail(QStringLiteral("could not write %1").arg(page));
    }
    QTextStream(stdout) << page << '\n';
    results.close();

    if (!ShowOnScreen(main) || !Click(main, "Image1") || !about.isVisible()) {
        return Fail(QStringLiteral("the logo did not open the About window"));
    }
    return ShowOnScreen(about) && Save(about, folder, QStringLiteral("about_window.png"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    if (argc != 2) {
        std::fputs("usage: kelvane_screenshots <folder>\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "kelvane_screenshots: cannot make %s\n", argv[1]);
        return 1;
    }
    // The recalculation's warnings are recorded, not shown: a box on the screen would only hide the
    // window being pictured.
    MessageBox::setTestMode(true);
    return MakeScreenshots(folder) ? 0 : 1;
}
