#pragma once

// A length such as a field elevation or a runway's length and width. Feet and
// metres convert here only, with the international foot; a length keeps the
// unit it was given in, so reading it back in that unit is exact.
namespace volmira::store {

class Length {
public:
    static constexpr double kMetresPerFoot = 0.3048;

    [[nodiscard]] static constexpr Length feet(double value) { return {value, Unit::Feet}; }
    [[nodiscard]] static constexpr Length metres(double value) { return {value, Unit::Metres}; }

    [[nodiscard]] constexpr double inFeet() const { return unit_ == Unit::Feet ? value_ : value_ / kMetresPerFoot; }
    [[nodiscard]] constexpr double inMetres() const {
        return unit_ == Unit::Metres ? value_ : value_ * kMetresPerFoot;
    }

private:
    enum class Unit { Feet, Metres };
    constexpr Length(double value, Unit unit) : value_(value), unit_(unit) {}

    double value_;
    Unit unit_;
};

}  // namespace volmira::store
