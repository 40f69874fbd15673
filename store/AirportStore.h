#pragma once

#include "platform/Clock.h"
#include "store/AirportDeletion.h"
#include "store/AirportEdits.h"
#include "store/AirportLists.h"
#include "store/AirportReads.h"
#include "store/Database.h"
#include "store/MapStore.h"
#include "store/NoteStore.h"
#include "store/RowEdits.h"

namespace volmira::store {

// The parts of the store on the one connection, handed to the windows and
// commands together: lookup reads, edits, the manager's lists and deletion, notes, the
// single rows the editing writes, the map links.
class AirportStore {
public:
    AirportStore(Database &db, const platform::Clock &clock)
        : reads(db), edits(db, clock), lists(db), deletion(db), notes(db, clock), rows(db), maps(db), db_(db) {}

    AirportReads reads;
    AirportEdits edits;
    AirportLists lists;
    AirportDeletion deletion;
    NoteStore notes;
    RowEdits rows;
    MapStore maps;

    Database &database() { return db_; }

private:
    Database &db_;
};

}  // namespace volmira::store
