#include "manager/FilterFile.h"

#include "store/WriteNotation.h"

namespace volmira::manager {

namespace {

constexpr qsizetype kValueCount = 5;

std::optional<BoxState> boxState(const store::WrittenValue &value) {
    const std::optional<qint64> number = value.integer();
    if (!number || *number < 0 || *number > 2) return std::nullopt;
    return BoxState(*number);
}

}  // namespace

FilterSettings FilterFileRead::over(FilterSettings current) const {
    for (std::size_t i = 0; i < 2; ++i) {
        current.surface[i] = surface[i].value_or(current.surface[i]);
        current.type[i] = type[i].value_or(current.type[i]);
    }
    current.length = length.value_or(current.length);
    return current;
}

FilterFileRead readFilterFile(const QString &path) {
    FilterFileRead read;
    const std::optional<QList<store::WrittenValue>> values = store::readWrittenFile(path);
    if (!values) return read;
    // The boxes in file order: surface 0, surface 1, type 0, type 1.
    std::optional<BoxState> *const boxes[] = {&read.surface[0], &read.surface[1], &read.type[0], &read.type[1]};
    for (qsizetype i = 0; i < 4; ++i) {
        if (i >= values->size()) return read;
        const std::optional<BoxState> state = boxState(values->at(i));
        if (!state) return read;
        *boxes[i] = state;
    }
    if (values->size() < kValueCount) return read;
    read.length = values->at(4).text;
    read.complete = true;
    return read;
}

platform::Result<> writeFilterFile(const QString &path, const FilterSettings &settings) {
    const auto state = [](BoxState s) { return store::bareNumber(int(s)); };
    return store::writeWrittenFile(path, {state(settings.surface[0]), state(settings.surface[1]),
                                          state(settings.type[0]), state(settings.type[1]),
                                          store::quotedText(settings.length)});
}

platform::Result<> writeFirstRunFilterFile(const QString &path) {
    const store::WrittenValue checked = store::bareNumber(int(BoxState::Checked));
    return store::writeWrittenFile(path, {checked, checked, checked, checked, store::bareNumber(0)});
}

}  // namespace volmira::manager
