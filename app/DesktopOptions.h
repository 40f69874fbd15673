#pragma once

#include "platform/CommandLine.h"

namespace volmira::app {

// The options of the desktop program, started without a command.
inline constexpr platform::OptionDecl kDesktopOptions[] = {
    {.name = "screenshot", .value = "DATEI"}, {.name = "show", .value = "CODE"},
    {.name = "edit"},                         {.name = "notes", .value = "KATEGORIE"},
    {.name = "dialog", .value = "NAME"},      {.name = "window", .value = "Datenbank"},
    {.name = "about"},                        {.name = "splash"},
    {.name = "map", .value = "N"},            {.name = "preview"},
    {.name = "quickfind", .value = "TEXT"},   {.name = "data-dir", .value = "ORDNER"},
    {.name = "search-notes", .value = "TEXT"},
};

}  // namespace volmira::app
