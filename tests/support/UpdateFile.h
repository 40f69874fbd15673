#pragma once

#include "store/exchange/ExchangeFile.h"
#include "store/recordfile/RecordFile.h"

#include <gtest/gtest.h>

namespace volmira::test {

// Builds update files record by record, as the data maker would.
class UpdateFile {
public:
    UpdateFile &airport(const QString &icao, const QString &name, const QString &date = "2026-07-01") {
        return raw(store::exchange::recordOf<store::ArptRow>(
            {icao, name, "5000.0 N / 00800.0 E", 50.0, 8.0, 300.0, "", 2.0, 1200, 0, "VLP", date, "09:00:00", {}, {}}));
    }
    UpdateFile &frequency(const QString &icao, const QString &name) {
        return raw(store::exchange::recordOf<store::AcomRow>({0, icao, name, "123.450", "2026-07-01", "09:00:00"}));
    }
    UpdateFile &runway(const QString &icao, const QString &rwy, const QString &date = "2026-07-01") {
        return raw(store::exchange::recordOf<store::RwyRow>({0, icao, rwy, "09", "27", "087 / 267", "", 1200, 30, 0, date, "09:00:00"}));
    }
    UpdateFile &approach(const QString &icao) {
        return raw(store::exchange::recordOf<store::IlsRow>({0, icao, "27", "109.900", "IXX", "", "", "", "2026-07-01", "09:00:00"}));
    }
    UpdateFile &note(const QString &icao, const QString &category, const QString &text) {
        return raw(store::exchange::recordOf<store::MyInfoRow>({0, icao, category, "{\\rtf1 " + text + "}", text, "2026-07-01", "09:00:00"}));
    }
    UpdateFile &raw(store::recordfile::Row row) {
        rows_.push_back(std::move(row));
        return *this;
    }
    QString save(const QString &path) const {
        store::recordfile::Writer writer(path, store::exchange::fields());
        EXPECT_EQ(writer.open().error(), "");
        for (const store::recordfile::Row &row : rows_) writer.write(row);
        EXPECT_EQ(writer.commit().error(), "");
        return path;
    }

private:
    std::vector<store::recordfile::Row> rows_;
};

}  // namespace volmira::test
