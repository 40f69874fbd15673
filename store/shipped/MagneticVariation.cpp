#include "store/shipped/MagneticVariation.h"

#include <GeographicLib/MagneticModel.hpp>

#include <QDir>

#include <cmath>

namespace volmira::store::shipped {

namespace {

constexpr double kFirstYear = 2025.0;
constexpr double kEndYear = 2030.0;

bool covered(double year) { return year >= kFirstYear && year < kEndYear; }

}  // namespace

MagneticVariation::MagneticVariation(const QString &folder) {
    try {
        model_ = std::make_unique<GeographicLib::MagneticModel>("wmm2025", QDir(folder).absolutePath().toStdString());
    } catch (const std::exception &e) {
        error_ = QStringLiteral("Das Magnetfeldmodell WMM2025 (wmm2025.wmm, wmm2025.wmm.cof) kann im Ordner %1 nicht "
                                "geladen werden: %2")
                     .arg(QDir::toNativeSeparators(folder), QString::fromLocal8Bit(e.what()));
    }
}

MagneticVariation::~MagneticVariation() = default;

double MagneticVariation::fractionalYear(const QDate &date) {
    return date.year() + double(date.dayOfYear() - 1) / date.daysInYear();
}

platform::Result<> MagneticVariation::checkDate(const QDate &date) {
    if (date.isValid() && covered(fractionalYear(date))) return {};
    return platform::Failure{
        QStringLiteral("Das Datum %1 liegt außerhalb des Magnetfeldmodells WMM2025 (01.01.2025 bis 31.12.2029).")
            .arg(date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QStringLiteral("(ungültig)"))};
}

std::optional<double> MagneticVariation::declination(double latitude, double longitude, double heightMetres,
                                                     double year) const {
    if (!model_ || !covered(year)) return std::nullopt;
    if (!(std::abs(latitude) <= 90.0) || !std::isfinite(longitude) || !std::isfinite(heightMetres))
        return std::nullopt;
    double east = 0, north = 0, up = 0;
    (*model_)(year, latitude, longitude, heightMetres, east, north, up);
    double horizontal = 0, total = 0, declination = 0, inclination = 0;
    GeographicLib::MagneticModel::FieldComponents(east, north, up, horizontal, total, declination, inclination);
    if (!std::isfinite(declination)) return std::nullopt;
    return declination;
}

std::optional<double> MagneticVariation::declination(double latitude, double longitude, double heightMetres,
                                                     const QDate &date) const {
    if (!date.isValid()) return std::nullopt;
    return declination(latitude, longitude, heightMetres, fractionalYear(date));
}

}  // namespace volmira::store::shipped
