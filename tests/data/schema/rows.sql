-- A few rows in every table of the data file, the same in every format.
INSERT INTO ARPT (ICAO, Name, NameKey, COORDINATES, WGS_DLAT, WGS_DLONG, ELEV, PR, MAG_VAR, RwyALen, RwyGLen, Type, Date, Time, LastDate, LastKat) VALUES ('EDDF', 'Frankfurt/Main', 'frankfurt/main', '5002.0 N / 00834.2 E', 50.033, 8.570, 364, 'Platzrunde Nord', 2.9, 4000, 0, 'VLP', '2026-03-14', '10:15:00', '2026-03-14', 'Tanken');
INSERT INTO ARPT (ICAO, Name, NameKey, COORDINATES, WGS_DLAT, WGS_DLONG, ELEV, PR, MAG_VAR, RwyALen, RwyGLen, Type, Date, Time, LastDate, LastKat) VALUES ('EDHN', 'Neumünster', 'neumünster', '5405.3 N / 00957.5 E', 54.079, 9.941, 72, NULL, 3.1, 0, 650, 'SLP', '2025-11-02', '08:00:00', NULL, NULL);
INSERT INTO RWY VALUES (1, 'EDDF', '07C / 25C', '07C', '25C', '069 / 249', '0.1 / -0.1', 4000, 60, 0, '2026-03-14', '10:15:00');
INSERT INTO RWY VALUES (2, 'EDHN', '08 / 26', '08', '26', '081 / 261', NULL, 650, 30, 1, '2025-11-02', '08:00:00');
INSERT INTO ACOM VALUES (1, 'EDDF', 'TOWER', '119.905', '2026-03-14', '10:15:00');
INSERT INTO ACOM VALUES (2, 'EDHN', 'INFO', '123.500', '2025-11-02', '08:00:00');
INSERT INTO ILS VALUES (1, 'EDDF', '25C', '110.70', 'IFC', '330.2', '75.00', 'FW', '2026-03-14', '10:15:00');
INSERT INTO MyInfo VALUES (1, 'EDDF', 'Tanken', '{\rtf1 Jet A1\par}', 'Jet A1', '2026-03-14', '10:15:00');
INSERT INTO MyInfo VALUES (2, 'EDHN', 'Zoll', '{\rtf1 nach PPR\par}', 'nach PPR', '2025-11-02', '08:00:00');
INSERT INTO MAPDATA (id, ICAO, Number, Name, Location, File, Active, W1, H1, SX, SY, SW, SH, SlideMap) VALUES (1, 'EDDF', 0, 'Platz', '/karten', 'eddf.pdf', 1, 800, 600, 0, 0, 0, 0, 0);
INSERT INTO AirportCode VALUES ('FRA', 'EDDF');
INSERT INTO ICAOCODE VALUES ('ED', 'Deutschland');
INSERT INTO Version VALUES ('14.03.2026', '1.0');
INSERT INTO RwyRoute VALUES (1, 'EDDF', 'Frankfurt/Main', 'VLP', 'ELEV: 364 ft', NULL, NULL, '2,9 E', 'TOWER 119.905', '07C / 25C', NULL, NULL, '4000 m', '60 m', 'Asphalt', NULL);
INSERT INTO MyCategory VALUES (1, 'Tanken');
INSERT INTO MyCategory VALUES (2, 'Zoll');
