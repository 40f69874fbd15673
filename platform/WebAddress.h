#pragma once

namespace volmira::platform {

// The publisher's web address as the program shows it: in the page header of
// the printed airport list and in the About window.
inline constexpr char kWebAddress[] = "www.volmira.example";

}  // namespace volmira::platform
