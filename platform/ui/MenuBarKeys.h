#pragma once

class QMenuBar;

namespace volmira::platform {

// F10 puts the menu bar under the keyboard, whatever the style: its first
// entry is marked, Left and Right move along the entries, Enter or Space
// chooses the marked one, Escape goes back to where the focus was.
void useMenuBarKeys(QMenuBar *bar);

}  // namespace volmira::platform
