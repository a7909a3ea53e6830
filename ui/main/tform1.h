// The main window: engine settings, the sixteen valves' inputs and the results of the last recalculation.
#pragma once

#include "recalculation.h"
#include "report_text.h"
#include "shim_plan.h"

#include <QWidget>

#include <optional>

namespace kelvane {

class TForm1 final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows this one opens; they are created after it (see main()).
    void setAboutWindow(QWidget* about);
    void setResultsWindow(QWidget* results);

    // Read by the results window and the report when they fill themselves.
    Language uiLanguage() const;
    CatalogueKey currentCatalogue() const; // Brand and ShimDiameter in force
    int cylinderIndex() const;             // the cylinder selector's item: 0 "1", 1 "2", 2 "4"
    ValvePlan& valvePlan();
    const std::optional<RecalculationSnapshot>& snapshot() const;

    // Everything the report takes from this window at the moment of saving; date, time and the
    // two lists are left for the caller.
    void fillReportInput(ReportInput& input) const;

    // (private members, handlers and helpers follow)
};

} // namespace kelvane
