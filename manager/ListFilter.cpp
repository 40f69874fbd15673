#include "manager/ListFilter.h"

#include "platform/NumberText.h"

#include <cmath>

namespace volmira::manager {

namespace {

// The four tests of a pair of boxes in their order, a later match replacing
// an earlier one; `unmatched` when none matches.
template <typename Outcome>
Outcome pairOutcome(BoxState first, BoxState second, Outcome firstOnly, Outcome secondOnly, Outcome both,
                    Outcome neither, Outcome unmatched) {
    Outcome outcome = unmatched;
    if (first == BoxState::Checked) outcome = firstOnly;
    if (second == BoxState::Checked) outcome = secondOnly;
    if (first == BoxState::Checked && second == BoxState::Checked) outcome = both;
    if (first == BoxState::Unchecked && second == BoxState::Unchecked) outcome = neither;
    return outcome;
}

}  // namespace

Qt::CheckState toCheckState(BoxState state) {
    switch (state) {
    case BoxState::Unchecked: return Qt::Unchecked;
    case BoxState::Checked: return Qt::Checked;
    case BoxState::Grey: return Qt::PartiallyChecked;
    }
    return Qt::Unchecked;
}

BoxState fromCheckState(Qt::CheckState state) {
    switch (state) {
    case Qt::Unchecked: return BoxState::Unchecked;
    case Qt::Checked: return BoxState::Checked;
    case Qt::PartiallyChecked: return BoxState::Grey;
    }
    return BoxState::Unchecked;
}

store::SurfaceFilter surfaceFilter(BoxState hard, BoxState grass) {
    using store::SurfaceFilter;
    return pairOutcome(hard, grass, SurfaceFilter::Hard, SurfaceFilter::Grass, SurfaceFilter::Any,
                       SurfaceFilter::None, SurfaceFilter::Off);
}

store::TypeFilter typeFilter(BoxState vlp, BoxState slp) {
    using store::TypeFilter;
    return pairOutcome(vlp, slp, TypeFilter::VLP, TypeFilter::SLP, TypeFilter::Any, TypeFilter::None,
                       TypeFilter::Any);
}

std::optional<int> minimumLength(const QString &text) {
    const std::optional<double> number = platform::readNumber(text);
    if (!number) return std::nullopt;
    const double whole = std::nearbyint(*number);  // the default rounding: a half to the even neighbour
    if (std::abs(whole) > kLengthLimit) return std::nullopt;
    return int(whole);
}

ListFilter listFilter(const FilterSettings &settings) {
    const std::optional<int> length = minimumLength(settings.length);
    return {{surfaceFilter(settings.surface[0], settings.surface[1]), typeFilter(settings.type[0], settings.type[1]),
             length.value_or(0)},
            length.has_value()};
}

}  // namespace volmira::manager
