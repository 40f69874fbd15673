#pragma once

class QLineEdit;
class QMenu;

// Qt's own context menus of text boxes are English where no translation is
// installed; these give them German texts.
namespace volmira::platform {

// German texts for the standard actions of a text box's context menu.
void germanEditMenu(QMenu *menu);

// The box shows its standard context menu with German texts.
void useGermanContextMenu(QLineEdit *box);

}  // namespace volmira::platform
