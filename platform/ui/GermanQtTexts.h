#pragma once

// Qt's own texts (the text boxes' context menus, standard buttons, the date
// picker's calendar) in German, from Qt's translation of the system
// (Debian package qt6-translations-l10n); without it they stay English.
namespace volmira::platform {

// Call once, after the application object exists.
void installGermanQtTexts();

}  // namespace volmira::platform
