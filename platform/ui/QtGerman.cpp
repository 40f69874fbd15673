#include "platform/ui/QtGerman.h"

#include <QLibraryInfo>

namespace volmira::platform {

std::unique_ptr<QTranslator> qtGerman() {
    auto catalogue = std::make_unique<QTranslator>();
    if (!catalogue->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return catalogue;
}

}  // namespace volmira::platform
