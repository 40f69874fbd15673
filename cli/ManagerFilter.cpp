#include "cli/ManagerFilter.h"

#include "cli/Options.h"
#include "cli/Session.h"
#include "manager/FilterFile.h"
#include "manager/ListFilter.h"

#include <QDir>

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

std::optional<QString> listPrefix(const Options &options, const char *usage) {
    const QString prefix = options.arguments.size() == 1 ? options.arguments.first() : QString();
    if (options.arguments.size() == 1 && (prefix.isEmpty() || prefix.size() > 4))
        err() << "Das Präfix hat 1 bis 4 Zeichen." << Qt::endl;
    if (prefix.isEmpty() || prefix.size() > 4) {
        err() << "Aufruf: volmira-apt " << usage << Qt::endl;
        return std::nullopt;
    }
    return prefix;
}

platform::Result<store::AirportFilter> filterOptions(const Options &options, store::AirportFilter filter) {
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
    if (options.has("min-length")) {
        const std::optional<int> length = manager::minimumLength(options.value("min-length"));
        if (!length) return platform::Failure{manager::kLengthMessage.toString()};
        filter.minLength = *length;
    }
    return filter;
}

platform::Result<store::AirportFilter> listFilter(const Options &options, const QString &dataFolder) {
    const manager::FilterSettings saved =
        manager::readFilterFile(QDir(dataFolder).filePath(manager::kFilterFileName)).over(manager::FilterSettings{});
    const manager::ListFilter list = manager::listFilter(saved);
    if (!options.has("min-length") && !list.lengthReadable) err() << manager::kLengthMessage << Qt::endl;
    return filterOptions(options, list.filter);
}

}  // namespace volmira::cli
