#pragma once

#include "platform/Clock.h"
#include "platform/Result.h"
#include "store/Database.h"
#include "store/Rows.h"

#include <vector>

namespace volmira::store {

// The user's notes per airport and category, and the categories.
class NoteStore {
public:
    NoteStore(Database &db, const platform::Clock &clock) : db_(db), clock_(clock) {}

    // The airport's notes in the order they were added.
    [[nodiscard]] platform::Result<std::vector<MyInfoRow>> ofAirport(const QString &icao);
    // Stores the note of a category, replacing the airport's note of that
    // category; stamped now.
    [[nodiscard]] platform::Result<> save(const QString &icao, const QString &category, const QString &richText,
                                          const QString &plainText);
    // A plain insert that keeps the row's own Date and Time (importing data).
    [[nodiscard]] platform::Result<> insert(const MyInfoRow &row);
    [[nodiscard]] platform::Result<> insertCategory(const QString &category);

private:
    Database &db_;
    const platform::Clock &clock_;
};

}  // namespace volmira::store
