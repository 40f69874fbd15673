#pragma once

// The filter of the database manager's airport list, as typed outcomes: the
// window maps its check boxes and the length box onto it, the command line its
// options; the store turns it into the conditions of one bound statement.
namespace volmira::store {

// Which runway an airport must have, longer than the minimum length.
enum class SurfaceFilter {
    Hard,   // an asphalt runway: RwyALen > L
    Grass,  // a grass runway: RwyGLen > L
    Any,    // either: RwyALen > L or RwyGLen > L
    None,   // neither length recorded: RwyALen < 0 and RwyGLen < 0
    Off,    // no runway condition at all (a grey box)
};

// Which airfield type an airport must have, compared without regard to case.
enum class TypeFilter {
    VLP,   // Type "VLP" (Verkehrslandeplatz)
    SLP,   // Type "SLP" (Sonderlandeplatz)
    Any,   // no type condition
    None,  // no airport passes
};

struct AirportFilter {
    SurfaceFilter surface = SurfaceFilter::Any;
    TypeFilter type = TypeFilter::Any;
    int minLength = 0;  // L, whole metres; an airport's runway must be longer

    friend bool operator==(const AirportFilter &, const AirportFilter &) = default;
};

}  // namespace volmira::store
