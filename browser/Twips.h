#pragma once

namespace volmira::browser {

// A length in twips (1/1440 inch), the unit in which the window's layout is kept.
struct Twips {
    int value = 0;
};

}  // namespace volmira::browser
