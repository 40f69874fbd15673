#pragma once

#include <QTranslator>

#include <memory>

namespace volmira::platform {

// Qt's own texts (the print preview's toolbar and page set-up, the text boxes'
// context menus, ...) in German: the catalogue qtbase_de.qm that Debian ships
// in qt6-translations-l10n, from Qt's translations folder. Nothing when it is
// missing; Qt's texts stay English then.
[[nodiscard]] std::unique_ptr<QTranslator> qtGerman();

}  // namespace volmira::platform
