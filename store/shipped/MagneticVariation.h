#pragma once

#include "platform/Result.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

namespace GeographicLib {
class MagneticModel;
}

namespace volmira::store::shipped {

// Magnetic declination from the World Magnetic Model 2025 (files wmm2025.wmm
// and wmm2025.wmm.cof). The model is valid from 2025.0 up to, not including,
// 2030.0; GeographicLib does not enforce that, so this class does.
class MagneticVariation {
public:
    // Loads the model from the folder holding its two files; see error().
    explicit MagneticVariation(const QString &folder);
    ~MagneticVariation();
    MagneticVariation(const MagneticVariation &) = delete;
    MagneticVariation &operator=(const MagneticVariation &) = delete;

    // German message when the model could not be loaded, else empty.
    [[nodiscard]] const QString &error() const { return error_; }

    // year + (day of year - 1) / days in the year, as NOAA counts.
    [[nodiscard]] static double fractionalYear(const QDate &date);
    // A failure saying so when the model does not cover the date.
    [[nodiscard]] static platform::Result<> checkDate(const QDate &date);

    // Declination in degrees, east positive, at a position (degrees, north and
    // east positive) and height above sea level in metres. Empty when the model
    // is not loaded, the year lies outside the model or the position is invalid.
    [[nodiscard]] std::optional<double> declination(double latitude, double longitude, double heightMetres,
                                                    double year) const;
    [[nodiscard]] std::optional<double> declination(double latitude, double longitude, double heightMetres,
                                                    const QDate &date) const;

private:
    std::unique_ptr<GeographicLib::MagneticModel> model_;
    QString error_;
};

}  // namespace volmira::store::shipped
