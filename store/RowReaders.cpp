#include "store/RowReaders.h"

namespace volmira::store {

ArptRow readAirport(const Statement &s, int c) {
    ArptRow r;
    r.ICAO = s.text(c);
    r.Name = s.text(c + 1);
    r.COORDINATES = s.text(c + 2);
    r.WGS_DLAT = s.optDouble(c + 3);
    r.WGS_DLONG = s.optDouble(c + 4);
    r.ELEV = s.optDouble(c + 5);
    r.PR = s.text(c + 6);
    r.MAG_VAR = s.optDouble(c + 7);
    r.RwyALen = s.optInt(c + 8);
    r.RwyGLen = s.optInt(c + 9);
    r.Type = s.text(c + 10);
    r.Date = s.text(c + 11);
    r.Time = s.text(c + 12);
    r.LastDate = s.text(c + 13);
    r.LastKat = s.text(c + 14);
    return r;
}

RwyRow readRunway(const Statement &s, int c) {
    return RwyRow{s.int64(c),          s.text(c + 1),       s.text(c + 2),       s.text(c + 3),
                  s.text(c + 4),       s.text(c + 5),       s.text(c + 6),       s.optInt(c + 7),
                  s.optInt(c + 8),     s.optInt(c + 9),     s.text(c + 10),      s.text(c + 11)};
}

AcomRow readFrequency(const Statement &s, int c) {
    return AcomRow{s.int64(c), s.text(c + 1), s.text(c + 2), s.text(c + 3), s.text(c + 4), s.text(c + 5)};
}

IlsRow readApproach(const Statement &s, int c) {
    return IlsRow{s.int64(c),    s.text(c + 1), s.text(c + 2), s.text(c + 3), s.text(c + 4),
                  s.text(c + 5), s.text(c + 6), s.text(c + 7), s.text(c + 8), s.text(c + 9)};
}

MyInfoRow readNote(const Statement &s, int c) {
    return MyInfoRow{s.int64(c),    s.text(c + 1), s.text(c + 2), s.text(c + 3),
                     s.text(c + 4), s.text(c + 5), s.text(c + 6)};
}

}  // namespace volmira::store
