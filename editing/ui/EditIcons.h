#pragma once

#include <QIcon>

// The pictures of the edit mode's buttons, drawn here so that they look alike
// on every style: a plus to add, a pencil to change, a cross to delete, and
// the pencil on the airport block's yellow for the airport's own data.
namespace volmira::editing {

[[nodiscard]] QIcon addIcon();
[[nodiscard]] QIcon changeIcon();
[[nodiscard]] QIcon deleteIcon();
[[nodiscard]] QIcon airportIcon();

}  // namespace volmira::editing
