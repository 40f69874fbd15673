#pragma once

#include "platform/Result.h"
#include "store/Rows.h"

#include <QString>

#include <vector>

// SEL of the editing commands: which of an airport's rows a command means.
// "#N" is the N-th row as lookup lists it; otherwise a runway is named by
// either end or its pair ("25R", "07L / 25R", blanks and letter case aside), a
// frequency by its name and an approach by its runway, in any letter case.
// No match and more than one are failures that say so in German.
namespace volmira::cli {

[[nodiscard]] platform::Result<store::RwyRow> selectRunway(const std::vector<store::RwyRow> &rows,
                                                           const QString &selector);
[[nodiscard]] platform::Result<store::AcomRow> selectFrequency(const std::vector<store::AcomRow> &rows,
                                                               const QString &selector);
[[nodiscard]] platform::Result<store::IlsRow> selectApproach(const std::vector<store::IlsRow> &rows,
                                                             const QString &selector);

}  // namespace volmira::cli
