// The printed shim plan: one page with the placement diagram and both lists, painted for a printer or a PDF.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class QPagedPaintDevice;

namespace kelvane {

// One valve of the diagram: the shim it must end up with, in its marker colour.
struct PrintedValve
{
    int valve = 1; // 1..16
    QString targetNumber;
    QColor marker;
    bool changes = false; // its shim is replaced, so it also has a row in one of the lists
};

// One list row: the four texts of the window's grid row and the colour of the receiving valve.
struct PrintedRow
{
    std::array<QString, 4> cells;
    QColor color;
};

struct PrintedList
{
    QString title;
    std::array<QString, 4> headers;
    std::vector<PrintedRow> rows;
};

// Everything the page shows, already in the interface language.
struct PrintedPage
{
    QString title;
    QString date;
    QStringList settings; // brand, shim diameter and cylinders, one text each
    QString exhaust;      // the diagram's row labels
    QString intake;
    QStringList cylinderTitles;         // one per cylinder the engine has
    std::vector<PrintedValve> valves;   // four per cylinder, in valve order
    std::array<QString, 2> keepsShim;   // legend of a valve that keeps its shim, two lines
    std::array<QString, 2> changesShim; // legend of any other colour
    QColor keepColor;
    std::array<QColor, 3> changeStrip;
    PrintedList purchase;
    PrintedList interchange;
};

// Paints the page on the device's page, scaled down where the paper is smaller than A4 less its margins.
// False when the device cannot be painted on or reports a failure when the page is finished.
bool PaintPrintedPage(QPagedPaintDevice& device, const PrintedPage& page);

// The same page as a one-page A4 PDF file.
bool WritePrintedPagePdf(const QString& path, const PrintedPage& page);

} // namespace kelvane
