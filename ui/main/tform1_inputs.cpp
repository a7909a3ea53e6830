// The main window's input fields cleaning themselves up when the focus leaves them.
#include "main/tform1.h"

#include "catalogue/shim_conversion.h"
#include "numbers/number_fields.h"
#include "numbers/number_parsing.h"

#include <QComboBox>
#include <QLineEdit>

namespace kelvane {

namespace {

const QString kDefaultNominalExhaust = QStringLiteral("0.20");
const QString kDefaultNominalIntake = QStringLiteral("0.15");
const QString kDefaultTolerance = QStringLiteral("3");
const QString kLowestTolerance = QStringLiteral("1");
const QString kHighestClearance = QStringLiteral("0.90");
constexpr Millimetres kNominalLimit = 0.6L;
constexpr Millimetres kClearanceLimit = 0.9L;

// Unfilled digit positions become zeros, so "0. 5" reads 0.05 and an emptied field 0.00.
void FillBlanks(QLineEdit* field)
{
    QString text = field->displayText();
    if (text.contains(QLatin1Char(' '))) {
        text.replace(QLatin1Char(' '), QLatin1Char('0'));
        field->setText(text);
    }
}

std::optional<Millimetres> ReadMillimetres(const QLineEdit* field)
{
    return ParseDecimal(field->displayText().toStdString());
}

QString ShortestText(Millimetres value)
{
    return QString::fromStdString(ShortestDecimalText(value));
}

// A zero or a value above 0.6 mm is no nominal clearance; the field's default takes its place.
void NominalExit(QLineEdit* field, const QString& fallback)
{
    FillBlanks(field);
    const std::optional<Millimetres> value = ReadMillimetres(field);
    if (value && (*value == 0 || *value > kNominalLimit)) {
        field->setText(fallback);
    }
}

void ToleranceExit(QLineEdit* field)
{
    const QString text = field->displayText();
    if (text == QStringLiteral(" ")) {
        field->setText(kDefaultTolerance);
    } else if (text == QStringLiteral("0")) {
        field->setText(kLowestTolerance);
    }
}

} // namespace

void TForm1::MaskEdit1Exit()
{
    NominalExit(m_nominalExhaust, kDefaultNominalExhaust);
}

void TForm1::MaskEdit2Exit()
{
    NominalExit(m_nominalIntake, kDefaultNominalIntake);
}

void TForm1::MaskEdit5Exit()
{
    ToleranceExit(m_exhaustTolerance);
}

void TForm1::MaskEdit7Exit()
{
    ToleranceExit(m_intakeTolerance);
}

// No lower limit: a valve may have no clearance at all.
void TForm1::ClearanceExit(int n)
{
    QLineEdit* field = valve(n).clearance;
    FillBlanks(field);
    const std::optional<Millimetres> value = ReadMillimetres(field);
    if (value && *value > kClearanceLimit) {
        field->setText(kHighestClearance);
    }
}

// A bound is written in its shortest form ("2.9"), which leaves the last positions blank until the
// field's next exit fills them.
void TForm1::ThicknessExit(int n)
{
    QLineEdit* field = valve(n).thickness;
    FillBlanks(field);
    if (const std::optional<Millimetres> value = ReadMillimetres(field);
        value && *value > m_job.settings().maxThickness) {
        field->setText(ShortestText(m_job.settings().maxThickness));
    }
    if (const std::optional<Millimetres> value = ReadMillimetres(field);
        value && *value < m_job.settings().minThickness) {
        field->setText(ShortestText(m_job.settings().minThickness));
    }
}

void TForm1::ShimNumberChange(int n)
{
    QComboBox* box = valve(n).shimBox;
    if (box->currentIndex() < 0) {
        box->setCurrentIndex(0);
    }
    followShimBox(n);
}

// The blank entry lets the user type the thickness; a number shows its own thickness, not to be edited.
void TForm1::followShimBox(int n)
{
    const ValveWidgets& widgets = valve(n);
    const QString text = widgets.shimBox->currentText();
    if (text.toStdString() == kBlankShimEntry) {
        widgets.thickness->setEnabled(true);
        return;
    }
    widgets.thickness->setEnabled(false);
    if (const std::optional<int> number = ParseInteger(text.toStdString())) {
        widgets.thickness->setText(
            ShortestText(ShimNumberToThickness(m_job.settings().catalogue.brand, *number)));
    }
}

// A number that the list no longer offers (after a catalogue change) falls back to the list's first
// number; the thickness field follows, so a disabled field never shows another shim than its box.
void TForm1::ShimNumberExit(int n)
{
    QComboBox* box = valve(n).shimBox;
    if (box->currentIndex() >= 0 && box->findText(box->currentText()) >= 0) {
        return;
    }
    if (box->count() > 1) {
        box->setCurrentIndex(1);
        followShimBox(n);
    }
}

void TForm1::RevalidateShimInputs()
{
    for (int n = 1; n <= kValveTotal; ++n) {
        ThicknessExit(n);
    }
    for (int n = 1; n <= kValveTotal; ++n) {
        ShimNumberExit(n);
    }
}

} // namespace kelvane
