// Qt's own texts (its dialogs, context menus and standard buttons) in the interface language.
#pragma once

#include "evaluation/language.h"

namespace kelvane {

// Puts Qt's own translation for the language in force, from Qt's translations folder, and takes the
// one before away. English is Qt's own language and needs none. Without the translation files Qt's
// texts stay English.
void UseQtTranslation(Language language);

} // namespace kelvane
