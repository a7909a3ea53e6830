// The printed shim plan, laid out in tenths of a millimetre on a page of A4 less its margins.
#include "results/print_page.h"

#include "kit/window_font.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace kelvane {

namespace {

// The page is designed on 180 x 267 mm, A4 with 15 mm margins, in tenths of a millimetre.
constexpr qreal kDesignWidth = 1800;
constexpr qreal kDesignHeight = 2670;
constexpr qreal kUnitsPerInch = 254;
constexpr qreal kPdfMarginMm = 15;

// Outlines and grid lines are dark rather than black, so that the text stays the darkest thing.
const QColor kOutline(0x30, 0x30, 0x30);
const QColor kRule(0x80, 0x80, 0x80);

// Diagram: a box per cylinder as in the window, two circles a row, exhaust above intake.
constexpr qreal kDiagramTop = 200;
constexpr qreal kBoxWidth = 360;
constexpr qreal kBoxHeight = 500;
constexpr qreal kBoxGap = 20;
constexpr qreal kCircle = 150;
constexpr qreal kCircleInset = 20; // from the box's side to the nearer circle
constexpr qreal kHeadTops[2] = {60, 275};
constexpr qreal kCircleTops[2] = {105, 320};
constexpr qreal kBadgeRadius = 28;  // the valve number's disc on the circle's upper left
constexpr qreal kChangeOutline = 9; // a replaced shim's circle has a heavy ring, so it shows in grey too
constexpr qreal kKeepOutline = 3;

// Lists: full width, only the rows in use.
constexpr qreal kRowHeight = 58;
constexpr qreal kColumnWidths[5] = {90, 470, 300, 250, 690};
constexpr qreal kCellPadding = 14;
constexpr qreal kDot = 34; // the receiving valve's colour before its name

QFont PageFont(int size, bool bold)
{
    QFont font = WindowFont("Tahoma", bold);
    font.setPixelSize(size);
    return font;
}

void DrawText(QPainter& painter, const QRectF& rect, int flags, const QString& text, const QFont& font)
{
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(rect, flags | Qt::TextSingleLine, text);
}

qreal TextWidth(const QPainter& painter, const QFont& font, const QString& text)
{
    return QFontMetricsF(font, painter.device()).horizontalAdvance(text);
}

void DrawDisc(QPainter& painter, const QPointF& centre, qreal radius, const QColor& fill, qreal outline)
{
    painter.setPen(QPen(kOutline, outline));
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);
}

void DrawHeader(QPainter& painter, const PrintedPage& page)
{
    DrawText(painter, {0, 0, kDesignWidth, 70}, Qt::AlignLeft | Qt::AlignVCenter, page.title,
             PageFont(55, true));
    DrawText(painter, {0, 0, kDesignWidth, 70}, Qt::AlignRight | Qt::AlignVCenter, page.date,
             PageFont(35, false));
    DrawText(painter, {0, 90, kDesignWidth, 50}, Qt::AlignLeft | Qt::AlignVCenter,
             page.settings.join(QStringLiteral("     ")), PageFont(35, false));
    painter.setPen(QPen(kOutline, 4));
    painter.drawLine(QPointF(0, 160), QPointF(kDesignWidth, 160));
}

// The valve's circle in its marker colour; the shim number sits on a white plate and the valve number
// on a white disc, so both read the same on any colour and in black and white.
void DrawValve(QPainter& painter, const QPointF& centre, const PrintedValve& valve)
{
    DrawDisc(painter, centre, kCircle / 2, valve.marker, valve.changes ? kChangeOutline : kKeepOutline);

    const QFont numberFont = PageFont(48, true);
    const qreal plateWidth = TextWidth(painter, numberFont, valve.targetNumber) + 24;
    const QRectF plate(centre.x() - plateWidth / 2, centre.y() - 30, plateWidth, 60);
    painter.setPen(QPen(kOutline, 3));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(plate, 10, 10);
    DrawText(painter, plate, Qt::AlignCenter, valve.targetNumber, numberFont);

    const qreal offset = kCircle / 2 * 0.707;
    const QPointF badge(centre.x() - offset, centre.y() - offset);
    DrawDisc(painter, badge, kBadgeRadius, Qt::white, 3);
    DrawText(painter,
             QRectF(badge.x() - kBadgeRadius, badge.y() - kBadgeRadius, 2 * kBadgeRadius, 2 * kBadgeRadius),
             Qt::AlignCenter, QString::number(valve.valve), PageFont(28, true));
}

qreal DrawDiagram(QPainter& painter, const PrintedPage& page)
{
    const QFont rowFont = PageFont(35, true);
    const qreal labelWidth =
        std::max(TextWidth(painter, rowFont, page.exhaust), TextWidth(painter, rowFont, page.intake)) + 40;
    for (int row = 0; row < 2; ++row) {
        const QRectF at(0, kDiagramTop + kCircleTops[row], labelWidth, kCircle);
        DrawText(painter, at, Qt::AlignLeft | Qt::AlignVCenter, row == 0 ? page.exhaust : page.intake,
                 rowFont);
    }

    const QFont titleFont = PageFont(35, true);
    const QFont headFont = PageFont(32, true);
    const qreal circleX[2] = {kCircleInset + kCircle / 2, kBoxWidth - kCircleInset - kCircle / 2};
    for (qsizetype cylinder = 0; cylinder < page.cylinderTitles.size(); ++cylinder) {
        const QPointF box(labelWidth + qreal(cylinder) * (kBoxWidth + kBoxGap), kDiagramTop);
        painter.setPen(QPen(kRule, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(box, QSizeF(kBoxWidth, kBoxHeight)), 12, 12);
        DrawText(painter, QRectF(box + QPointF(20, 5), QSizeF(kBoxWidth - 40, 50)),
                 Qt::AlignLeft | Qt::AlignVCenter, page.cylinderTitles[cylinder], titleFont);

        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 2; ++column) {
                const QString head = column == 0 ? QStringLiteral("I") : QStringLiteral("II");
                DrawText(painter, QRectF(box.x() + circleX[column] - 50, box.y() + kHeadTops[row], 100, 40),
                         Qt::AlignCenter, head, headFont);
                const std::size_t valve = std::size_t(cylinder * 4 + row * 2 + column);
                if (valve < page.valves.size()) {
                    DrawValve(painter, box + QPointF(circleX[column], kCircleTops[row] + kCircle / 2),
                              page.valves[valve]);
                }
            }
        }
    }
    return kDiagramTop + kBoxHeight;
}

// The window's legend in one line: the button-face swatch, then the strip of three colours.
qreal DrawLegend(QPainter& painter, const PrintedPage& page, qreal top)
{
    const QFont font = PageFont(30, false);
    qreal x = 0;
    painter.setPen(QPen(kOutline, kKeepOutline));
    painter.setBrush(page.keepColor);
    painter.drawRect(QRectF(x, top, 80, 45));
    x += 100;
    const QString keeps = page.keepsShim[0] + u' ' + page.keepsShim[1];
    DrawText(painter, {x, top, 800, 45}, Qt::AlignLeft | Qt::AlignVCenter, keeps, font);
    x += TextWidth(painter, font, keeps) + 90;

    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < page.changeStrip.size(); ++i) {
        painter.setBrush(page.changeStrip[i]);
        painter.drawRect(QRectF(x + qreal(i) * 27, top, 27, 45));
    }
    painter.setPen(QPen(kOutline, kChangeOutline));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(x, top, 81, 45));
    x += 100;
    DrawText(painter, {x, top, kDesignWidth - x, 45}, Qt::AlignLeft | Qt::AlignVCenter,
             page.changesShim[0] + u' ' + page.changesShim[1], font);
    return top + 45;
}

// One row of a list; column 0 holds the row number, and the receiving valve's name follows a dot of
// its colour.
void DrawRow(QPainter& painter, qreal top, const QString& number, const std::array<QString, 4>& cells,
             const QColor* color, const QFont& font)
{
    qreal x = 0;
    for (int column = 0; column < 5; ++column) {
        const qreal width = kColumnWidths[column];
        qreal textX = x + kCellPadding;
        if (column == 4 && color != nullptr) {
            DrawDisc(painter, QPointF(x + kCellPadding + kDot / 2, top + kRowHeight / 2), kDot / 2, *color,
                     3);
            textX += kDot + 16;
        }
        const QString text = column == 0 ? number : cells[std::size_t(column - 1)].trimmed();
        DrawText(painter, {textX, top, x + width - textX, kRowHeight}, Qt::AlignLeft | Qt::AlignVCenter, text,
                 font);
        x += width;
    }
    painter.setPen(QPen(kRule, 2));
    painter.drawLine(QPointF(0, top + kRowHeight), QPointF(kDesignWidth, top + kRowHeight));
}

qreal DrawList(QPainter& painter, const PrintedList& list, qreal top)
{
    DrawText(painter, {0, top, kDesignWidth, 60}, Qt::AlignLeft | Qt::AlignVCenter, list.title,
             PageFont(40, true));
    top += 70;
    const qreal tableTop = top;

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE8, 0xE8, 0xE8));
    painter.drawRect(QRectF(0, top, kDesignWidth, kRowHeight));
    DrawRow(painter, top, QString(), list.headers, nullptr, PageFont(32, true));
    top += kRowHeight;

    const QFont font = PageFont(32, false);
    if (list.rows.empty()) {
        // An empty list still shows that it was looked at.
        DrawRow(painter, top, QString(), {QStringLiteral("—")}, nullptr, font);
        top += kRowHeight;
    }
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        DrawRow(painter, top, QString::number(i + 1), list.rows[i].cells, &list.rows[i].color, font);
        top += kRowHeight;
    }

    painter.setPen(QPen(kRule, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0, tableTop, kDesignWidth, top - tableTop));
    qreal x = 0;
    for (int column = 0; column < 4; ++column) {
        x += kColumnWidths[column];
        painter.drawLine(QPointF(x, tableTop), QPointF(x, top));
    }
    return top;
}

} // namespace

bool PaintPrintedPage(QPagedPaintDevice& device, const PrintedPage& page)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const qreal pixelsPerUnitX = device.logicalDpiX() / kUnitsPerInch;
    const qreal pixelsPerUnitY = device.logicalDpiY() / kUnitsPerInch;
    const qreal areaWidth = device.width() / pixelsPerUnitX;
    const qreal areaHeight = device.height() / pixelsPerUnitY;
    // Letter paper is shorter than A4: the whole page shrinks a little rather than spill onto a second.
    const qreal scale = std::min({1.0, areaWidth / kDesignWidth, areaHeight / kDesignHeight});
    painter.translate((areaWidth - kDesignWidth * scale) / 2 * pixelsPerUnitX, 0);
    painter.scale(pixelsPerUnitX * scale, pixelsPerUnitY * scale);
    painter.setRenderHint(QPainter::Antialiasing);

    DrawHeader(painter, page);
    const qreal diagramBottom = DrawDiagram(painter, page);
    const qreal legendBottom = DrawLegend(painter, page, diagramBottom + 40);
    const qreal purchaseBottom = DrawList(painter, page.purchase, legendBottom + 80);
    DrawList(painter, page.interchange, purchaseBottom + 70);
    return painter.end();
}

bool WritePrintedPagePdf(const QString& path, const PrintedPage& page)
{
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                     QPageLayout::Millimeter));
    writer.setTitle(page.title);
    writer.setCreator(QStringLiteral("Kelvane"));
    return PaintPrintedPage(writer, page);
}

} // namespace kelvane
