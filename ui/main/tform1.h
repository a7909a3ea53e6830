// The main window: engine settings, the sixteen valves' inputs and the results of the last recalculation.
#pragma once

#include "job/job.h"
#include "job/report_controls.h"
#include "kit/type_ahead.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvane {

class ClickableImage;
class RadioGroup;

// Keeps the job's settings, language, recalculation and plan, and tells the report what its controls show.
class TForm1 final : public QWidget, public ReportControls
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    explicit TForm1(Job& job, QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows this one opens; they are created after it (see main()).
    void setAboutWindow(QWidget* about);
    void setResultsWindow(QWidget* results);

    const Job& job() const { return m_job; }

    // What the controls show now, for the report.
    SettingTexts settingTexts() const override;
    ValveControlTexts valveTexts(int valve) const override;
    std::optional<Brand> shownBrand() const override;
    ShimDiameter shownDiameter() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One valve's controls, found through the valve-to-control map.
    struct ValveWidgets
    {
        QLineEdit* clearance = nullptr;
        QComboBox* shimBox = nullptr;
        QLineEdit* thickness = nullptr;
        QLabel* deviation = nullptr;
        QLabel* installed = nullptr;
        QLabel* required = nullptr;
        QLabel* after = nullptr;
    };

    // What runs when the focus leaves `scope` for another control of this window.
    struct ExitBinding
    {
        QWidget* scope = nullptr;
        std::function<void()> handler;
    };

    // Building the window (tform1.cpp).
    void buildSettingsStrip();
    void buildCylinder(int cylinder);
    void buildButtons();
    void chainTabOrder();
    void bindControls();
    QLabel* addLabel(QWidget* parent, const char* name, int x, int y, const QString& text, bool fieldFont);
    QLineEdit* addMaskedEdit(QWidget* parent, const char* name, const QRect& geometry, const QString& mask,
                             const QString& text);
    QComboBox* addShimBox(QWidget* parent, const char* name, const QRect& geometry);
    void registerControl(QWidget* widget);
    void bindExit(QWidget* control, QWidget* scope, std::function<void()> handler);
    bool handleEnter(QObject* watched, QKeyEvent* key);
    bool handleTypeAhead(QComboBox* box, const QKeyEvent* key);
    bool tabToThickness(QObject* watched);
    void addShortcuts();
    ValveWidgets& valve(int n) { return m_valves[static_cast<std::size_t>(n - 1)]; }

    // Creation, recalculation, selection, About window (tform1.cpp).
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Image1Click();

    // Interface language (tform1_language.cpp).
    void Image5Click();
    void Image6Click();
    void ApplyLanguage();
    void applyAccessibleNames(); // tform1_accessibility.cpp
    void nameResultValues();

    // Input normalisation (tform1_inputs.cpp). The per-valve families take the valve number.
    void MaskEdit1Exit();
    void MaskEdit2Exit();
    void MaskEdit5Exit();
    void MaskEdit7Exit();
    void ClearanceExit(int valve);
    void ThicknessExit(int valve);
    void ShimNumberChange(int valve);
    void ShimNumberExit(int valve);
    void followShimBox(int valve); // the thickness field in step with its box
    void RevalidateShimInputs();

    // Engine settings (tform1_settings.cpp).
    void ComboBox17Click();
    void RadioGroup3Exit();
    void ComboBox17Change();
    void RadioGroup2Click();
    void takeChoices(); // selection mode, all new and cylinders into the job as soon as they change
    void refillShimBoxes();

    // Controls by object name, for the language tables.
    QHash<QString, QWidget*> m_controls;
    PerValve<ValveWidgets> m_valves{};
    QHash<const QObject*, ExitBinding> m_exitBindings;
    TypeAhead m_typeAhead; // the shim-number and brand boxes

    QGroupBox* m_settingsGroup = nullptr;
    QLineEdit* m_nominalExhaust = nullptr;      // MaskEdit1
    QLineEdit* m_nominalIntake = nullptr;       // MaskEdit2
    QLineEdit* m_exhaustTolerance = nullptr;    // MaskEdit5
    QLineEdit* m_intakeTolerance = nullptr;     // MaskEdit7
    RadioGroup* m_selectionMode = nullptr;      // RadioGroup1
    QCheckBox* m_allNew = nullptr;              // CheckBox1
    RadioGroup* m_cylinders = nullptr;          // RadioGroup2
    QComboBox* m_brandBox = nullptr;            // ComboBox17
    RadioGroup* m_diameters = nullptr;          // RadioGroup3
    std::array<ClickableImage*, 4> m_logos{};   // Image1 Honda, Image2 Yamaha, Image3 Suzuki, Image4 Kawasaki
    ClickableImage* m_russianFlag = nullptr;    // Image5
    ClickableImage* m_englishFlag = nullptr;    // Image6
    std::array<QGroupBox*, 4> m_inputGroups{};  // by cylinder
    std::array<QGroupBox*, 4> m_resultGroups{}; // by cylinder
    QPushButton* m_recalculateButton = nullptr; // Button1
    QPushButton* m_selectButton = nullptr;      // Button2

    QWidget* m_about = nullptr;
    QWidget* m_results = nullptr;

    // The settings in force, taken at the moments the settings handlers say, and what was worked out.
    Job& m_job;
    bool m_centred = false;
};

} // namespace kelvane
