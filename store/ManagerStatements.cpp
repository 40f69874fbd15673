#include "store/ManagerStatements.h"

#include "store/Tables.h"

namespace volmira::store::sql {

namespace {

const char *surfaceCondition(SurfaceFilter surface) {
    switch (surface) {
    case SurfaceFilter::Hard: return " AND RwyALen > ?3";
    case SurfaceFilter::Grass: return " AND RwyGLen > ?3";
    case SurfaceFilter::Any: return " AND (RwyALen > ?3 OR RwyGLen > ?3)";
    case SurfaceFilter::None: return " AND RwyALen < 0 AND RwyGLen < 0";
    case SurfaceFilter::Off: break;
    }
    return "";
}

// The type is compared without regard to case: older data holds "vlp".
const char *typeCondition(TypeFilter type) {
    switch (type) {
    case TypeFilter::VLP: return " AND Type = 'VLP' COLLATE NOCASE";
    case TypeFilter::SLP: return " AND Type = 'SLP' COLLATE NOCASE";
    case TypeFilter::None: return " AND 0";
    case TypeFilter::Any: break;
    }
    return "";
}

}  // namespace

std::string filterConditions(SurfaceFilter surface, TypeFilter type) {
    return std::string(surfaceCondition(surface)) + typeCondition(type);
}

bool usesMinLength(SurfaceFilter surface) {
    return surface == SurfaceFilter::Hard || surface == SurfaceFilter::Grass || surface == SurfaceFilter::Any;
}

std::string airportList(SurfaceFilter surface, TypeFilter type) {
    return arptTable().select("WHERE ICAO >= ?1 AND ICAO < ?2" + filterConditions(surface, type) + " ORDER BY ICAO");
}

}  // namespace volmira::store::sql
