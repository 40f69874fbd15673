#include "cli/ManagerFilter.h"

#include "cli/Options.h"
#include "cli/Session.h"

#include <array>
#include <utility>

namespace volmira::cli {

namespace {

using store::SurfaceFilter;
using store::TypeFilter;

constexpr std::array<std::pair<const char *, SurfaceFilter>, 5> kSurfaces{{{"hard", SurfaceFilter::Hard},
                                                                           {"grass", SurfaceFilter::Grass},
                                                                           {"any", SurfaceFilter::Any},
                                                                           {"none", SurfaceFilter::None},
                                                                           {"off", SurfaceFilter::Off}}};
constexpr std::array<std::pair<const char *, TypeFilter>, 4> kTypes{
    {{"vlp", TypeFilter::VLP}, {"slp", TypeFilter::SLP}, {"any", TypeFilter::Any}, {"none", TypeFilter::None}}};

// The outcome named by the option's value, in any letter case.
template <typename Outcome, std::size_t N>
platform::Result<Outcome> named(const Options &options, const char *option,
                                const std::array<std::pair<const char *, Outcome>, N> &names, const char *allowed) {
    const QString value = options.value(option).trimmed().toLower();
    for (const auto &[name, outcome] : names)
        if (value == QLatin1String(name)) return outcome;
    return platform::Failure{QStringLiteral("Ungültiger Wert für --%1: \"%2\" (erlaubt: %3).")
                                 .arg(QLatin1String(option), options.value(option), QLatin1String(allowed))};
}

}  // namespace

platform::Result<store::AirportFilter> listFilter(const Options &options, const QString &dataFolder) {
    (void)dataFolder;
    store::AirportFilter filter;
    if (options.has("surface")) {
        const platform::Result<SurfaceFilter> surface =
            named(options, "surface", kSurfaces, "hard, grass, any, none, off");
        if (!surface) return platform::Failure{surface.error()};
        filter.surface = *surface;
    }
    if (options.has("type")) {
        const platform::Result<TypeFilter> type = named(options, "type", kTypes, "VLP, SLP, any, none");
        if (!type) return platform::Failure{type.error()};
        filter.type = *type;
    }
    if (options.has("min-length")) filter.minLength = options.value("min-length").toInt();
    return filter;
}

}  // namespace volmira::cli
