// The About window: what the program is for, the engines it covers and how to use it.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace kelvane {

class Job;

class TForm2 final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm2)

public:
    // The window speaks the job's interface language.
    explicit TForm2(const Job& job, QWidget* parent = nullptr);
    ~TForm2() override;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControlsOnce();
    void FormShow();
    void applyAccessibleNames();
    void Button1Click();

    const Job& m_job;
    QPlainTextEdit* m_memo1 = nullptr;
    QPushButton* m_button1 = nullptr;
    bool m_placed = false;
};

} // namespace kelvane
