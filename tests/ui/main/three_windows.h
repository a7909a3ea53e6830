// The main, About and results windows made and wired as at start-up, for tests that open all three.
#pragma once

#include "about/tform2.h"
#include "main/tform1.h"
#include "main_window_driver.h"
#include "results/tform3.h"

#include <QPushButton>

#include <memory>

namespace kelvane::testing {

// Made in the order of start-up; the other two refer to the main window, and are destroyed before it.
struct ThreeWindows final
{
    std::unique_ptr<kelvane::Job> job = std::make_unique<kelvane::Job>();
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>(*job);
    std::unique_ptr<TForm2> about = std::make_unique<TForm2>(*job);
    std::unique_ptr<TForm3> results = std::make_unique<TForm3>(*job, *form);

    ThreeWindows()
    {
        form->setAboutWindow(about.get());
        form->setResultsWindow(results.get());
    }
};

// Two exhaust clearances out of tolerance, a recalculation and the selection, all by mouse and keys;
// whether the results window came up.
[[nodiscard]] inline bool SelectShims(const ThreeWindows& windows)
{
    TForm1& form = *windows.form;
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        return false;
    }
    for (const char* name : {"MaskEdit3", "MaskEdit4"}) {
        auto* field = Control<QLineEdit>(form, QString::fromLatin1(name));
        if (!ClickInto(field)) {
            return false;
        }
        TypeOver(field, QStringLiteral("035"));
    }
    QTest::mouseClick(Control(form, QStringLiteral("Button1")), Qt::LeftButton);
    auto* select = Control<QPushButton>(form, QStringLiteral("Button2"));
    if (!select->isEnabled()) {
        return false;
    }
    QTest::mouseClick(select, Qt::LeftButton);
    return windows.results->isVisible();
}

} // namespace kelvane::testing
