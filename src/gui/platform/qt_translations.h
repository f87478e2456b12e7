#pragma once

#include "core/data/language.h"

namespace kr::gui {

// Qt's own texts — the buttons of message boxes (Yes, No, Retry, Cancel)
// and of the file and folder dialogs — in the language the program speaks.
// The language file names Qt's code for its language ("da", "de"); a file
// without one, or a code Qt has no translation for, leaves Qt's English.
// Replaces the translation of the language before.
void UseQtTranslations(const LanguageTable& texts);

}  // namespace kr::gui
