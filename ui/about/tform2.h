// The About window: what the program is for, the engines it covers and how to use it.
#pragma once

#include "kit/lazy_window.h"

class QPlainTextEdit;
class QPushButton;

namespace kelvane {

class Job;

class TForm2 final : public LazyWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm2)

public:
    // The window speaks the job's interface language.
    explicit TForm2(const Job& job, QWidget* parent = nullptr);
    ~TForm2() override;

protected:
    void buildControls() override;
    void FormShow() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyAccessibleNames();
    void Button1Click();

    const Job& m_job;
    QPlainTextEdit* m_memo1 = nullptr;
    QPushButton* m_button1 = nullptr;
};

} // namespace kelvane
