// The results window: the placement diagram, the purchase and interchange lists, and saving the report.
#pragma once

#include "job/job.h"
#include "job/report_controls.h"
#include "kit/lazy_window.h"
#include "results/print_page.h"

#include <QDateTime>
#include <QStyle>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QPainter;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace kelvane {

class ShapeWidget;

class TForm3 final : public LazyWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm3)

public:
    // The plan and lists come from the job; the report also prints what `controls` show when it is saved.
    TForm3(Job& job, const ReportControls& controls, QWidget* parent = nullptr);
    ~TForm3() override;

    // What opens a written report; by default the desktop's viewer for text files. It returns whether
    // the desktop took the file. Tests put their own here so that no viewer starts. An empty function
    // restores the default.
    using DocumentOpener = std::function<bool(const QString& absolutePath)>;
    static void setDocumentOpener(DocumentOpener opener);

    // The moment a report is stamped with; by default the current local time. Tests fix it.
    using Clock = std::function<QDateTime()>;
    static void setClock(Clock clock);

    // What asks the user where and how to print; by default the desktop's print dialog. It sets up the
    // printer and returns false when the user cancels. Tests put their own here so that no dialog waits
    // for a person. An empty function restores the default.
    using PrintDialogRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;
    static void setPrintDialogRunner(PrintDialogRunner runner);

    // The printed page of what the window shows since it was last shown, dated now.
    PrintedPage printedPage() const;

    // Row colours of the two lists, rows 1 to 16, as the cell drawing reads them.
    ColorValue purchaseRowColor(int row) const { return m_purchaseColors.at(std::size_t(row - 1)); }
    ColorValue interchangeRowColor(int row) const { return m_interchangeColors.at(std::size_t(row - 1)); }

protected:
    void buildControls() override;
    void FormShow() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int kRows = 17; // the header row and 16 list rows
    static constexpr int kColumns = 5;

    void buildDiagram();
    void buildLegend();
    void buildWarning();
    void buildLists();
    QTableWidget* makeGrid(const char* name, const std::array<int, kColumns>& widths, int x);
    void showReport(const QString& copyFolder, const QString& savedPath, const QByteArray& savedBytes);

    void ApplyLanguage();
    void applyAccessibleNames();
    void Button2Click();
    void Print1Click();
    PrintedPage composePage(const ShimLists& lists, int valveCount) const;
    void StringGrid1DrawCell(QPainter* painter, int column, int row, const QRect& rect, QStyle::State state);
    void StringGrid2DrawCell(QPainter* painter, int column, int row, const QRect& rect, QStyle::State state);
    void drawCell(const QTableWidget* grid, const std::array<ColorValue, 16>& rowColors, QPainter* painter,
                  int column, int row, const QRect& rect);

    Job& m_job;
    const ReportControls& m_controls;

    QGroupBox* m_groupBox1 = nullptr;
    std::array<QGroupBox*, 4> m_cylinderBoxes{}; // GroupBox2 … GroupBox5, cylinders 1 to 4
    std::array<ShapeWidget*, 16> m_circles{};    // Shape1 … Shape16 by valve
    std::array<QLabel*, 16> m_numberLabels{};    // Label133, Label1 … Label15 by valve
    QPlainTextEdit* m_memo1 = nullptr;
    QTableWidget* m_stringGrid1 = nullptr;
    QTableWidget* m_stringGrid2 = nullptr;
    QPushButton* m_button2 = nullptr;

    std::array<ColorValue, 16> m_purchaseColors{};
    std::array<ColorValue, 16> m_interchangeColors{};

    // The page of the last showing, and the language the window was shown in.
    PrintedPage m_page;
    Language m_shownLanguage = Language::Russian;
};

} // namespace kelvane
