// The About window, whose text and caption follow the interface language each time it opens.
#include "about/tform2.h"

#include "evaluation/language.h"
#include "job/job.h"
#include "kit/accessible_names.h"
#include "kit/window_font.h"
#include "kit/window_icon.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

#include <array>
#include <string_view>

namespace kelvane {

namespace {

struct Texts
{
    const char* caption;
    std::array<const char*, 3> introduction; // the third line is absent in English
    const char* listHeading;
    const char* shims; // "7.48mm" is put in front
    const char* closingRemark;
    std::array<const char*, 7> usageNotes; // the seventh line is absent in Russian
    std::array<const char*, 3> contact;
};

constexpr Bilingual<Texts> kTexts{
    .russian =
        {
            "О программе :)",
            {"       Данная программа предназначена для подбора регулировочних шайб, которые нужны при "
             "регулировке зазоров в",
             "клапанах рядных четырехцилиндровых двигателей Honda, Yamaha, Kawasaki, Suzuki в которых эти "
             "самые "
             "зазоры",
             "шайбами регулируются:"},
            "На данный момент поддерживаются следующие модели двигателей:",
            "шайбы",
            "это далеко не полный список :)",
            {"   Для работы с программой нужно замерить зазоры всех клапанов, а также выяснить номера шайб "
             "(либо "
             "измерить",
             "их толщину), если вашей модели нет в списке, нужно замерить еще и диаметр шайб.",
             "   Результатом работы программы является список необходимых шайб, с партнамберами для заказа у "
             "диллера",
             "Honda, Yamaha, Kawasaki и Suzuki.Также программа проводит расчет погрешности ПОСЛЕ замены "
             "шайб.   ",
             "Полезной функцией является алгоритм \"перестановки\" шайб с одних клапанов на другие, если они "
             "подходят по",
             "размеру, чтобы уменьшить затраты на покупку необходимых шайб.", nullptr},
            {"Замечания, ошибки и модели двигателей, которых нет в списке, передавайте тому, от кого вы "
             "получили "
             "программу.",
             "План установки шайб можно напечатать или сохранить в PDF из окна результатов: Ctrl+P или пункт "
             "\"Печать…\" его контекстного меню.",
             "Спасибо, что пользуетесь программой!"},
        },
    .english =
        {
            "About program :)",
            {"       This program is for making selection of shims for clearamce corrections in valves of "
             "engines",
             "from Honda, Yamaha, Kawasaki, Suzuki where clearances can be corrected with shims :)", nullptr},
            "Here is list of currently supported motorcycles:",
            "shims",
            "and this is far not full list of supporten models :)",
            {"   For succesfull work with this program you need to measure clearances in each valve and "
             "figure out",
             "shim numbers ( or measure thicknesses) and measure shim diameter",
             "   As a result, you'll have list of new shims with partnumbers for purchasing from",
             "Honda, Yamaha, Kawasaki and Suzuki part supplyer. Program also calculate deviation in "
             "clearances after",
             "installing new shims (just for check)",
             "Also very usefull feature of the program is \"interchange \" algorythm, which uses removed "
             "shims to ",
             "install where they fits, so it is not necessary to buy all new shims, we can use old ones ;)"},
            {"Remarks, errors and engines missing from the list: please pass them on to whoever gave you the "
             "program.",
             "The shim plan can be printed or saved as PDF from the results window: Ctrl+P, or \"Print…\" in "
             "its "
             "context menu.",
             "Thank you for using the program!"},
        },
};

// The engines the catalogues cover, the same in both languages.
struct DiameterModels
{
    const char* diameter; // "7.48mm"
    bool colon;           // the Honda 25 mm line goes without one
    std::array<const char*, 2> models;
};

struct BrandModels
{
    int leadingBlanks;
    const char* brand;
    std::array<DiameterModels, 3> diameters;
};

constexpr BrandModels kModels[] = {
    {51,
     "Honda",
     {{{"7.48mm",
        true,
        {"CRF150R, CRF250R/X, NX250, CB1 400, CBR600F2/F3/F4, CBR600RR, RC30, RC45, 750 Magna 94-03, VFR750, "
         "VFR800,",
         "CBR900/929/954, CB919, CBR1000RR, CBR1100XX, ST1100, ST1300, GL1800, NP50 Ruckus, ARX1200 "
         "Aquatrax"}},
       {"9.48mm", true, {"CRF450R/X, TRX450R, RC51, VTR1000", nullptr}},
       {"25mm", false, {"CB750C/F/K/SC, CB900C, CB1000C, CB1100F, CBX", nullptr}}}}},
    {50,
     "Yamaha",
     {{{"7.48mm",
        true,
        {"YZ250F, WR250F, FZR400, FZR600, YZF600, YZF-R6, YZF750, FZ1, FZR1000 (89 & later), GTS1000, "
         "YZF1000, "
         "YZF-R1,",
         "Watercraft - FX1000, VX110 0925-0010"}},
       {"9.48mm",
        true,
        {"TT250 99, WR400, YZ400, YZ426, WR426, WR450, YZ450, YFZ450, TDM850, FJR1300", nullptr}},
       {"25mm",
        true,
        {"SRX250, XT250, TT350, XT350, XJ600, XVZ12, XVZ13, V-MAX, FJ1100, FJ1200, XVZ1300", nullptr}}}}},
    {49,
     "Kawasaki",
     {{{"7.48mm",
        true,
        {"KXF250, ZX600, ZX-6R, EX250, KL250, KLX250, KLX300, ZX750 91-03, ZX-9R, W650, Z750, Z1000, ZX-10R",
         nullptr}},
       {"9.48mm",
        true,
        {"KLX400, ZX750H, ZX-7 89-90, VN800 & VN900 VULCAN, ZX-10 88-90, ZX-11, GPZ1100 95-97, ZRX1100, "
         "ZRX1200,",
         "ZX1200, ZX-12, Watercraft - JT1200 STX12F, JT1500 STX15F"}},
       {"13mm",
        true,
        {"KZ650, KZ550, ZX550, ZR550, KZ700, ZN700, KZ750, ZR7, ZR750, ZR1100, ZX750, ZX1100, ZZR1200",
         nullptr}}}}},
    {49,
     "Suzuki",
     {{{"7.48mm",
        true,
        {"RMZ250, DRZ250, GSXR600, GSXR750 93-02, SV650, DL650, RF900, GSXR1000, GSXR1100 93-98, Bandit "
         "1250,",
         "GSX1400"}},
       {"9.48mm",
        true,
        {"DRZ400, LTZ400, 600 KATANA 92-97, GSXR750 91-92, GSXR1100 91-92, TL1000, SV1000, DL1000, Hayabusa",
         nullptr}},
       {"29.5mm",
        true,
        {"GS400, GS425, GS450, GS550, GS650, GS750, GS850, GS1000, GS1100, XN85, GS500, GR650", nullptr}}}}},
};

template <std::size_t N> void AppendLines(QStringList& lines, const std::array<const char*, N>& source)
{
    for (const char* line : source) {
        if (line != nullptr)
            lines.append(QString::fromUtf8(line));
    }
}

QStringList AboutLines(const Texts& texts)
{
    QStringList lines;
    AppendLines(lines, texts.introduction);
    lines.append(QString(24, u' '));
    lines.append(QString::fromUtf8(texts.listHeading));

    const QString shims = QString::fromUtf8(texts.shims);
    for (const BrandModels& brand : kModels) {
        lines.append(QString(brand.leadingBlanks, u' ') + QString::fromLatin1(brand.brand));
        for (const DiameterModels& diameter : brand.diameters) {
            lines.append(QString::fromLatin1(diameter.diameter) + u' ' + shims +
                         (diameter.colon ? QStringLiteral(":") : QString()));
            AppendLines(lines, diameter.models);
        }
        if (&brand != &std::end(kModels)[-1])
            lines.append(QString());
    }

    lines.append(QString::fromUtf8(texts.closingRemark));
    lines.append(QString());
    AppendLines(lines, texts.usageNotes);
    lines.append(QString());
    AppendLines(lines, texts.contact);
    return lines;
}

// A line that wraps keeps at least two words on its last line: where one word would stand alone below the
// rest, the blank before it becomes a no-break space, which the memo shows, copies and returns as a blank.
QString KeepLastWordsTogether(QString line, const QFont& font, const QTextOption& option, qreal width)
{
    // Each round joins one more blank; a line with few blanks runs out of them first.
    for (int round = 0; round < 8; ++round) {
        QTextLayout layout(line, font);
        layout.setTextOption(option);
        layout.beginLayout();
        int lineCount = 0;
        int lastStart = 0;
        for (QTextLine shown = layout.createLine(); shown.isValid(); shown = layout.createLine()) {
            shown.setLineWidth(width);
            lastStart = shown.textStart();
            ++lineCount;
        }
        layout.endLayout();
        const QString last = line.mid(lastStart).trimmed();
        if (lineCount < 2 || last.contains(u' ') || last.contains(QChar::Nbsp))
            return line;
        qsizetype blank = lastStart - 1;
        while (blank > 0 && line.at(blank) != u' ')
            --blank;
        if (blank <= 0)
            return line;
        line[blank] = QChar::Nbsp;
    }
    return line;
}

QFont SansSerif(bool bold)
{
    return WindowFont("MS Sans Serif", bold);
}

} // namespace

TForm2::TForm2(const Job& job, QWidget* parent)
    : LazyWindow(QSize(641, 330), SansSerif(false), Qt::WindowStaysOnTopHint, parent), m_job(job)
{
    setWindowTitle(QString::fromUtf8(kTexts.russian.caption));
    SetProgramIcon(*this);
}

void TForm2::buildControls()
{
    m_memo1 = new QPlainTextEdit(this);
    m_memo1->setObjectName(QStringLiteral("Memo1"));
    m_memo1->setGeometry(8, 8, 625, 273);
    m_memo1->setReadOnly(true);
    m_memo1->setFrameShape(QFrame::NoFrame);
    m_memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Lines longer than the memo wrap at its width, so that nothing is cut off or needs scrolling
    // sideways; FormShow keeps a wrapped line from leaving a word alone below it.
    m_memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette memoPalette = m_memo1->palette();
    memoPalette.setColor(QPalette::Base, memoPalette.color(QPalette::Button));
    m_memo1->setPalette(memoPalette);

    m_button1 = new QPushButton(QStringLiteral("OK"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setGeometry(264, 296, 75, 25);
    m_button1->setFont(SansSerif(true));
    connect(m_button1, &QPushButton::clicked, this, &TForm2::Button1Click);

    setTabOrder(m_memo1, m_button1);
}

TForm2::~TForm2() = default;

// Esc, Enter and Return close the window as "OK" does, wherever the focus is in it.
void TForm2::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        Button1Click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TForm2::FormShow()
{
    const Texts& texts = kTexts.in(m_job.language());
    // The width the memo lays its lines out in: the inside of the frame less the vertical scroll bar,
    // which is always there, and the document's margins (the memo may not have been laid out yet).
    const qreal lineWidth = m_memo1->width() - 2 * m_memo1->frameWidth() -
                            m_memo1->verticalScrollBar()->sizeHint().width() -
                            2 * m_memo1->document()->documentMargin();
    QStringList lines = AboutLines(texts);
    for (QString& line : lines)
        line =
            KeepLastWordsTogether(line, m_memo1->font(), m_memo1->document()->defaultTextOption(), lineWidth);
    m_memo1->setPlainText(lines.join(u'\n'));
    setWindowTitle(QString::fromUtf8(texts.caption));
    applyAccessibleNames();
}

void TForm2::applyAccessibleNames()
{
    const AccessibleNameTexts& names = AccessibleNames(m_job.language());
    SetAccessibleNames({{m_memo1, names.aboutText}, {m_button1, names.closeAbout}});
}

void TForm2::Button1Click()
{
    close();
}

} // namespace kelvane
