-- What `volmira-apt lookup EDDF` asks of the engine, for the engine's own shell
-- (bench/run.sh): the key, then the reads of one airport in one read
-- transaction, with the code in place of the bound parameter. The category
-- list compares without the program's own UNICASE collation, which the shell
-- does not have.
PRAGMA key = "x'D9430EAA7367418173EA9A421E1374AEB3FDFF51E1E0EDCA7B790B1A1F59B879'";
BEGIN;
SELECT ICAO, Name, COORDINATES, WGS_DLAT, WGS_DLONG, ELEV, PR, MAG_VAR, RwyALen, RwyGLen, Type, Date, Time, LastDate, LastKat FROM ARPT WHERE ICAO = 'EDDF';
SELECT id, ICAO, RWY, RwyLow, RwyHigh, RWYHDG, SLOPE, Length, Width, SURFACE, Date, Time FROM RWY WHERE ICAO = 'EDDF' ORDER BY RWY COLLATE NOCASE ASC, id;
SELECT id, ICAO, Name, FREQ, Date, Time FROM ACOM WHERE ICAO = 'EDDF' ORDER BY Name COLLATE NOCASE ASC, CAST(FREQ AS REAL), id;
SELECT id, ICAO, RWY, ILS_FREQ, ILS_IDENT, ILS_GS, OM_FREQ, OM_IDENT, Date, Time FROM ILS WHERE ICAO = 'EDDF' ORDER BY RWY COLLATE NOCASE ASC, id;
SELECT * FROM (SELECT 1, 'RWY Info', Date, Time FROM RWY WHERE ICAO = 'EDDF' ORDER BY Date DESC, Time DESC LIMIT 1) UNION ALL SELECT * FROM (SELECT 2, 'COM Info', Date, Time FROM ACOM WHERE ICAO = 'EDDF' ORDER BY Date DESC, Time DESC LIMIT 1) UNION ALL SELECT * FROM (SELECT 3, 'Approach Info', Date, Time FROM ILS WHERE ICAO = 'EDDF' ORDER BY Date DESC, Time DESC LIMIT 1) UNION ALL SELECT * FROM (SELECT 4, 'Flughafen Info', Date, Time FROM ARPT WHERE ICAO = 'EDDF' ORDER BY Date DESC, Time DESC LIMIT 1) UNION ALL SELECT * FROM (SELECT 5, 'Info Kategorie: ' || coalesce(Category, ''), Date, Time FROM MyInfo WHERE ICAO = 'EDDF' ORDER BY Date DESC, Time DESC LIMIT 1) ORDER BY 1;
SELECT id, ICAO, Category, MyInfo, PrintInfo, Date, Time FROM MyInfo WHERE id IN (SELECT id FROM MyInfo WHERE ICAO = 'EDDF') ORDER BY id;
SELECT c.Category, EXISTS (SELECT 1 FROM MyInfo i WHERE i.ICAO = 'EDDF' AND i.Category = c.Category AND i.PrintInfo <> '') FROM MyCategory c ORDER BY c.id;
COMMIT;
