// The main window's interface language: the two flags and the writing of the language tables.
#include "main/tform1.h"

#include "kit/clickable_image.h"
#include "kit/label_fit.h"
#include "kit/qt_translation.h"
#include "kit/radio_group.h"
#include "main/language_tables.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace kelvane {

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetCaption(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
        FitLabelToText(*label);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    }
}

} // namespace

void TForm1::Image6Click()
{
    m_englishFlag->hide();
    m_russianFlag->show();
    m_job.setLanguage(Language::English);
    ApplyLanguage();
}

void TForm1::Image5Click()
{
    m_russianFlag->hide();
    m_englishFlag->show();
    m_job.setLanguage(Language::Russian);
    ApplyLanguage();
}

void TForm1::ApplyLanguage()
{
    if (m_job.language() != Language::Russian && m_job.language() != Language::English) {
        return;
    }
    UseQtTranslation(m_job.language());
    for (const LanguageText& entry : LanguageTexts()) {
        const QString text = FromUtf8(entry.text.in(m_job.language()));
        const QStringList names = FromUtf8(entry.controls).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& name : names) {
            QWidget* control = m_controls.value(name);
            Q_ASSERT_X(control != nullptr, "ApplyLanguage", qPrintable(name));
            if (control == nullptr) {
                continue;
            }
            if (entry.role == TextRole::Hint) {
                control->setToolTip(text);
            } else {
                SetCaption(control, text);
            }
        }
    }
    // Refilling the selection-mode items leaves none selected; the first one is selected again, so a
    // language switch always returns to "only valves out of tolerance".
    const auto items = SelectionModeItems(m_job.language());
    m_selectionMode->setItems({FromUtf8(items[0]), FromUtf8(items[1])});
    m_selectionMode->setItemIndex(0);
    applyAccessibleNames();
}

} // namespace kelvane
