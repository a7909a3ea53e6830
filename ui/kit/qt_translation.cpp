// Switching Qt's own translation with the interface language.
#include "kit/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <optional>

namespace kelvane {

void UseQtTranslation(Language language)
{
    static std::unique_ptr<QTranslator> installed;
    static std::optional<Language> installedFor;
    if (installedFor == language)
        return;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    installedFor = language;
    if (language != Language::Russian)
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator.get()))
        installed = std::move(translator);
}

} // namespace kelvane
