#include "editing/FieldLengths.h"

#include "store/TextWidth.h"

namespace volmira::editing {

std::optional<EntryFailure> fieldLengthFailure(std::span<const BoxLimit> limits, std::span<const QString> texts,
                                               std::span<const QString> openedWith) {
    for (std::size_t box = 0; box < limits.size() && box < texts.size(); ++box) {
        const bool unchanged = box < openedWith.size() && texts[box] == openedWith[box];
        if (unchanged || store::textWidth(texts[box]) <= limits[box].maximum) continue;
        const QString text = QStringLiteral("Maximum number of characters allowed in field ( %1 ) is %2. "
                                            "- Please change.")
                                 .arg(limits[box].caption.toString())
                                 .arg(limits[box].maximum);
        return EntryFailure{text,
                            kLengthErrorTitle.toString(), int(box)};
    }
    return std::nullopt;
}

}  // namespace volmira::editing
