// The About window as the user opens it from a brand logo, in both languages.
#include "about/tform2.h"
#include "kit/message_box.h"
#include "kit/window_icon.h"
#include "main/tform1.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>

using kelvane::TForm1;
using kelvane::TForm2;

namespace {

QStringList Lines(const TForm2& about)
{
    return about.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText().split(u'\n');
}

// The logo of the brand in force; Honda at start.
QWidget* VisibleLogo(const TForm1& main)
{
    for (const char* name : {"Image1", "Image2", "Image3", "Image4"}) {
        auto* logo = main.findChild<QWidget*>(QString::fromLatin1(name));
        if (logo != nullptr && logo->isVisible())
            return logo;
    }
    return nullptr;
}

// The last screen lines of the lines that the window shows on more than one line.
QStringList LastWrappedLines(const QPlainTextEdit& memo)
{
    QStringList last;
    QAbstractTextDocumentLayout* layout = memo.document()->documentLayout();
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        layout->blockBoundingRect(block); // lays the block out
        const QTextLayout* lines = block.layout();
        if (lines->lineCount() > 1)
            last.append(block.text().mid(lines->lineAt(lines->lineCount() - 1).textStart()));
    }
    return last;
}

// Whether every screen line of the text fits the memo's width.
bool FitsTheWidth(const QPlainTextEdit& memo)
{
    QAbstractTextDocumentLayout* layout = memo.document()->documentLayout();
    const qreal width = memo.viewport()->width() - 2 * memo.document()->documentMargin();
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        layout->blockBoundingRect(block);
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            if (block.layout()->lineAt(i).naturalTextWidth() > width)
                return false;
        }
    }
    return true;
}

} // namespace

class AboutWindowTest final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void frame();
    void russianText();
    void englishText();
    void raisedNotRefilledWhileOpen();
    void closingLeavesTheMainWindow();
    void closedByKeyboard();
    void wrapsWithoutLoneWords();
    void contactParagraph();
    void iconAndPlacement();

private:
    bool clickLogo() const;
    bool clickFlag(const char* name) const;

    std::unique_ptr<kelvane::Job> m_job; // outlives the windows
    std::unique_ptr<TForm1> m_main;
    std::unique_ptr<TForm2> m_about;
};

void AboutWindowTest::init()
{
    kelvane::MessageBox::setTestMode(true);
    m_job = std::make_unique<kelvane::Job>();
    m_main = std::make_unique<TForm1>(*m_job);
    m_about = std::make_unique<TForm2>(*m_job);
    m_main->setAboutWindow(m_about.get());
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void AboutWindowTest::cleanup()
{
    m_about.reset();
    m_main.reset();
    kelvane::MessageBox::setTestMode(false);
}

bool AboutWindowTest::clickLogo() const
{
    QWidget* logo = VisibleLogo(*m_main);
    if (logo == nullptr)
        return false;
    m_main->activateWindow();
    if (!QTest::qWaitForWindowActive(m_main.get()))
        return false;
    QTest::mouseClick(logo, Qt::LeftButton);
    return m_about->isVisible();
}

bool AboutWindowTest::clickFlag(const char* name) const
{
    auto* flag = m_main->findChild<QWidget*>(QString::fromLatin1(name));
    if (flag == nullptr || !flag->isVisible())
        return false;
    m_main->activateWindow();
    if (!QTest::qWaitForWindowActive(m_main.get()))
        return false;
    QTest::mouseClick(flag, Qt::LeftButton);
    return true;
}

void AboutWindowTest::frame()
{
    QVERIFY(!m_about->isVisible());
    QVERIFY(clickLogo());
    QCOMPARE(m_about->size(), QSize(641, 330));
    QCOMPARE(m_about->minimumSize(), m_about->maximumSize());
    const Qt::WindowFlags flags = m_about->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    auto* memo = m_about->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    QVERIFY(memo != nullptr);
    QVERIFY(memo->isVisible()); // made when the window first opened, and shown with it
    QCOMPARE(memo->geometry(), QRect(8, 8, 625, 273));
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->frameShape(), QFrame::NoFrame);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(memo->palette().color(QPalette::Base), m_about->palette().color(QPalette::Button));

    auto* ok = m_about->findChild<QPushButton*>(QStringLiteral("Button1"));
    QVERIFY(ok != nullptr);
    QVERIFY(ok->isVisible());
    QCOMPARE(ok->geometry(), QRect(264, 296, 75, 25));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->font().bold());
    // Tab order: the text first, then the button.
    QVERIFY(QTest::qWaitForWindowActive(m_about.get()));
    QTRY_COMPARE(QApplication::focusWidget(), memo);
    QTest::keyClick(memo, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), ok);
}

void AboutWindowTest::russianText()
{
    QVERIFY(clickLogo());
    QCOMPARE(m_about->windowTitle(), QStringLiteral("О программе :)"));
    const QStringList lines = Lines(*m_about);

    QCOMPARE(lines.value(0),
             QStringLiteral("       Данная программа предназначена для подбора регулировочних шайб, "
                            "которые нужны при регулировке зазоров в"));
    QCOMPARE(lines.value(2), QStringLiteral("шайбами регулируются:"));
    QCOMPARE(lines.value(3), QString(24, u' '));
    QCOMPARE(lines.value(4), QStringLiteral("На данный момент поддерживаются следующие модели двигателей:"));
    QCOMPARE(lines.value(5), QString(51, u' ') + QStringLiteral("Honda"));
    QCOMPARE(lines.value(6), QStringLiteral("7.48mm шайбы:"));
    QCOMPARE(lines.value(9), QStringLiteral("9.48mm шайбы:"));
    QCOMPARE(lines.value(11), QStringLiteral("25mm шайбы")); // the one diameter line without a colon
    QCOMPARE(lines.value(12), QStringLiteral("CB750C/F/K/SC, CB900C, CB1000C, CB1100F, CBX"));
    QCOMPARE(lines.value(13), QString());
    QCOMPARE(lines.value(14), QString(50, u' ') + QStringLiteral("Yamaha"));
    QCOMPARE(lines.value(20), QStringLiteral("25mm шайбы:"));
    QCOMPARE(lines.value(22), QString());
    QCOMPARE(lines.value(23), QString(49, u' ') + QStringLiteral("Kawasaki"));
    QCOMPARE(lines.value(29), QStringLiteral("13mm шайбы:"));
    QCOMPARE(lines.value(32), QString(49, u' ') + QStringLiteral("Suzuki"));
    QCOMPARE(lines.value(38), QStringLiteral("29.5mm шайбы:"));
    QCOMPARE(lines.value(39),
             QStringLiteral(
                 "GS400, GS425, GS450, GS550, GS650, GS750, GS850, GS1000, GS1100, XN85, GS500, GR650"));
    // No empty line after the last brand: the closing remark follows at once.
    QCOMPARE(lines.value(40), QStringLiteral("это далеко не полный список :)"));
    QCOMPARE(lines.value(41), QString());
    QCOMPARE(lines.value(42),
             QStringLiteral("   Для работы с программой нужно замерить зазоры всех клапанов, а также "
                            "выяснить номера шайб (либо измерить"));
    QCOMPARE(lines.value(45),
             QStringLiteral("Honda, Yamaha, Kawasaki и Suzuki.Также программа проводит расчет "
                            "погрешности ПОСЛЕ замены шайб.   "));
    QCOMPARE(lines.value(46),
             QStringLiteral("Полезной функцией является алгоритм \"перестановки\" шайб с одних "
                            "клапанов на другие, если они подходят по"));
    QCOMPARE(lines.value(47),
             QStringLiteral("размеру, чтобы уменьшить затраты на покупку необходимых шайб."));
    QCOMPARE(lines.value(48), QString());
    // The maker's contact paragraph ends the text.
    QVERIFY(lines.size() > 49);
    for (int i = 49; i < lines.size(); ++i)
        QVERIFY2(!lines[i].trimmed().isEmpty(), "the contact paragraph has no empty line");
}

void AboutWindowTest::englishText()
{
    QVERIFY(clickFlag("Image6"));
    QVERIFY(clickLogo());
    QCOMPARE(m_about->windowTitle(), QStringLiteral("About program :)"));
    const QStringList lines = Lines(*m_about);

    QCOMPARE(lines.value(0),
             QStringLiteral("       This program is for making selection of shims for clearamce "
                            "corrections in valves of engines"));
    QCOMPARE(lines.value(2), QString(24, u' '));
    QCOMPARE(lines.value(3), QStringLiteral("Here is list of currently supported motorcycles:"));
    QCOMPARE(lines.value(4), QString(51, u' ') + QStringLiteral("Honda"));
    QCOMPARE(lines.value(5), QStringLiteral("7.48mm shims:"));
    QCOMPARE(lines.value(10), QStringLiteral("25mm shims"));
    QCOMPARE(lines.value(19), QStringLiteral("25mm shims:"));
    QCOMPARE(lines.value(39), QStringLiteral("and this is far not full list of supporten models :)"));
    QCOMPARE(lines.value(40), QString());
    QCOMPARE(lines.value(41), QStringLiteral("   For succesfull work with this program you need to measure "
                                             "clearances in each valve and figure out"));
    QCOMPARE(lines.value(42),
             QStringLiteral("shim numbers ( or measure thicknesses) and measure shim diameter"));
    QCOMPARE(lines.value(46), QStringLiteral("Also very usefull feature of the program is \"interchange \" "
                                             "algorythm, which uses removed shims to "));
    QCOMPARE(lines.value(47), QStringLiteral("install where they fits, so it is not necessary to buy all new "
                                             "shims, we can use old ones ;)"));
    QCOMPARE(lines.value(48), QString());
    QVERIFY(lines.size() > 49);
    for (int i = 49; i < lines.size(); ++i)
        QVERIFY2(!lines[i].trimmed().isEmpty(), "the contact paragraph has no empty line");

    // Back in Russian, the next opening is Russian again.
    QTest::mouseClick(m_about->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(!m_about->isVisible());
    QVERIFY(clickFlag("Image5"));
    QVERIFY(clickLogo());
    QCOMPARE(m_about->windowTitle(), QStringLiteral("О программе :)"));
    QCOMPARE(Lines(*m_about).value(4),
             QStringLiteral("На данный момент поддерживаются следующие модели двигателей:"));
}

void AboutWindowTest::raisedNotRefilledWhileOpen()
{
    QVERIFY(clickLogo());
    const QStringList russian = Lines(*m_about);
    QVERIFY(QTest::qWaitForWindowActive(m_about.get()));

    // The language changes while the window is open; a second logo click brings it to the front
    // with its text as it was.
    QVERIFY(clickFlag("Image6"));
    QVERIFY(!m_about->isActiveWindow());
    QVERIFY(clickLogo());
    QVERIFY(QTest::qWaitForWindowActive(m_about.get()));
    QCOMPARE(m_about->windowTitle(), QStringLiteral("О программе :)"));
    QCOMPARE(Lines(*m_about), russian);

    // Closed and opened again, it follows the language.
    QVERIFY(m_about->close());
    QVERIFY(clickLogo());
    QCOMPARE(m_about->windowTitle(), QStringLiteral("About program :)"));
}

void AboutWindowTest::closingLeavesTheMainWindow()
{
    QVERIFY(clickLogo());
    QVERIFY(QTest::qWaitForWindowActive(m_about.get()));
    QTest::mouseClick(m_about->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(!m_about->isVisible());
    QVERIFY(m_main->isVisible());

    QVERIFY(clickLogo());
    QVERIFY(m_about->close());
    QVERIFY(!m_about->isVisible());
    QVERIFY(m_main->isVisible());
}

// Esc, Enter and Return close the window as "OK" does, from the text and from the button.
void AboutWindowTest::closedByKeyboard()
{
    const struct
    {
        const char* focus;
        Qt::Key key;
    } presses[] = {{"Memo1", Qt::Key_Escape},   {"Memo1", Qt::Key_Return},   {"Memo1", Qt::Key_Enter},
                   {"Button1", Qt::Key_Escape}, {"Button1", Qt::Key_Return}, {"Button1", Qt::Key_Enter}};
    for (const auto& press : presses) {
        const QString what =
            QStringLiteral("%1, key %2").arg(QLatin1String(press.focus)).arg(press.key, 0, 16);
        QVERIFY2(clickLogo(), qPrintable(what));
        QVERIFY(QTest::qWaitForWindowActive(m_about.get()));
        auto* control = m_about->findChild<QWidget*>(QString::fromLatin1(press.focus));
        if (QApplication::focusWidget() != control)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), control);
        QTest::keyClick(control, press.key, press.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QVERIFY2(!m_about->isVisible(), qPrintable(what));
        QVERIFY(m_main->isVisible());
    }

    // Other keys leave it open: the text still scrolls by keyboard.
    QVERIFY(clickLogo());
    QVERIFY(QTest::qWaitForWindowActive(m_about.get()));
    auto* memo = m_about->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    if (QApplication::focusWidget() != memo)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), memo);
    QTest::keyClick(memo, Qt::Key_PageDown);
    QVERIFY(m_about->isVisible());
    QVERIFY(memo->verticalScrollBar()->value() > 0);
}

// In both languages the long lines wrap inside the memo: nothing is cut off or scrolls sideways, no
// wrapped line leaves a single word alone on its last screen line, and the text reads as written.
void AboutWindowTest::wrapsWithoutLoneWords()
{
    for (const bool english : {false, true}) {
        if (english) {
            QVERIFY(m_about->close());
            QVERIFY(clickFlag("Image6"));
        }
        QVERIFY(clickLogo());
        auto* memo = m_about->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        QVERIFY(memo->document()->blockCount() > 49);
        QCOMPARE(memo->horizontalScrollBar()->maximum(), 0);
        QVERIFY(FitsTheWidth(*memo));
        const QStringList last = LastWrappedLines(*memo);
        QVERIFY(!last.isEmpty());
        for (const QString& line : last)
            QVERIFY2(line.trimmed().split(QRegularExpression(QStringLiteral("[ \\x{a0}]+"))).size() > 1,
                     qPrintable(line));
        QVERIFY(!memo->toPlainText().contains(QChar::Nbsp));
    }
}

// The text ends with how to reach the maker and how to print the shim plan, with no placeholder
// left in either language.
void AboutWindowTest::contactParagraph()
{
    QVERIFY(clickLogo());
    const QStringList russian = Lines(*m_about).mid(49);
    QVERIFY(m_about->close());
    QVERIFY(clickFlag("Image6"));
    QVERIFY(clickLogo());
    const QStringList english = Lines(*m_about).mid(49);

    for (const QStringList& paragraph : {russian, english}) {
        QCOMPARE(paragraph.size(), 3);
        const QString text = paragraph.join(u'\n');
        QVERIFY2(!text.contains(u'<') && !text.contains(u'>'), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("http")) && !text.contains(u'@'), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("Ctrl+P")), qPrintable(text));
    }
    QVERIFY(russian.join(u' ').contains(QStringLiteral("\"Печать…\"")));
    QVERIFY(russian.join(u' ').contains(QStringLiteral("PDF")));
    QVERIFY(english.join(u' ').contains(QStringLiteral("\"Print…\"")));
    QVERIFY(english.join(u' ').contains(QStringLiteral("PDF")));
}

void AboutWindowTest::iconAndPlacement()
{
    QVERIFY(!m_about->windowIcon().isNull());
    QCOMPARE(m_about->windowIcon().cacheKey(), kelvane::ProgramIcon().cacheKey());
    QCOMPARE(kelvane::ProgramIcon().availableSizes(), (QList<QSize>{{48, 48}, {256, 256}}));

    // The window, frame included, stands in the middle of the desktop's free area.
    QVERIFY(clickLogo());
    QVERIFY(QTest::qWaitForWindowExposed(m_about.get()));
    const QRect available = m_about->screen()->availableGeometry();
    const QRect frame = m_about->frameGeometry();
    QVERIFY(frame != m_about->geometry());
    QVERIFY(frame.contains(m_about->geometry()));
    QVERIFY2(qAbs(frame.center().x() - available.center().x()) <= 1, qPrintable(QString::number(frame.x())));
    QVERIFY2(qAbs(frame.center().y() - available.center().y()) <= 1, qPrintable(QString::number(frame.y())));
}

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
