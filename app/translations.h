#pragma once
// The standard dialogs (print, open, save) speak the program's language:
// Qt's own Japanese translations, from the system's translation folder.

namespace zel::app {

// Installs Qt's Japanese translations on the running application; false
// when the system has none (the dialogs then stay in English).
bool InstallJapaneseTranslations();

} // namespace zel::app
