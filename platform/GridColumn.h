#pragma once

#include "platform/Twips.h"

#include <QStringView>

namespace volmira::platform {

// A column of a list grid: its header text (leading blanks place it by eye and
// are part of the text) and the width the window gives it.
struct GridColumn {
    QStringView header;
    Twips width;
};

}  // namespace volmira::platform
