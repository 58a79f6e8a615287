-- Sample bills for the demo database. Written here in UTF-8 for reading; the demo script
-- converts it to code page 950 (Big5) before loading, as the sales system stores its text.
-- The demo user is 王小明; the other users are 李大華 and S002.

CREATE TABLE sal_master (masterbillid VARCHAR(20), chg_user VARCHAR(20), bill_date DATE);
CREATE TABLE sal_temp (masterbillid VARCHAR(20), tran_check CHAR(1), state VARCHAR(10));
CREATE INDEX sal_temp_bill ON sal_temp (masterbillid);
COMMIT;

-- Pending for 王小明 through his own unconfirmed changes.
INSERT INTO sal_master VALUES ('銷20261201001', '王小明', '2026-12-01');
INSERT INTO sal_temp VALUES ('銷20261201001', NULL, 'INSERT');
INSERT INTO sal_temp VALUES ('銷20261201001', NULL, 'UPDATE');
INSERT INTO sal_master VALUES ('銷20261202003', '王小明', '2026-12-02');
INSERT INTO sal_temp VALUES ('銷20261202003', NULL, 'UPDATE');
INSERT INTO sal_master VALUES ('許20261203002', '王小明', '2026-12-03');
INSERT INTO sal_temp VALUES ('許20261203002', NULL, 'INSERT');
INSERT INTO sal_master VALUES ('S20261204001', '王小明', '2026-12-04');
INSERT INTO sal_temp VALUES ('S20261204001', 'Y', 'INSERT');
INSERT INTO sal_temp VALUES ('S20261204001', NULL, 'UPDATE');

-- Already confirmed by 王小明: not listed.
INSERT INTO sal_master VALUES ('銷20261130007', '王小明', '2026-11-30');
INSERT INTO sal_temp VALUES ('銷20261130007', 'Y', 'INSERT');
INSERT INTO sal_temp VALUES ('銷20261130007', 'Y', 'UPDATE');

-- Deleted bills that were never sent as inserted: listed for every user.
INSERT INTO sal_master VALUES ('銷20261125004', '李大華', '2026-11-25');
INSERT INTO sal_temp VALUES ('銷20261125004', 'Y', 'DELETE');
INSERT INTO sal_master VALUES ('S20261126002', 'S002', '2026-11-26');
INSERT INTO sal_temp VALUES ('S20261126002', NULL, 'DELETE');

-- Other users' unconfirmed changes: not listed for 王小明.
INSERT INTO sal_master VALUES ('銷20261205001', '李大華', '2026-12-05');
INSERT INTO sal_temp VALUES ('銷20261205001', NULL, 'UPDATE');
INSERT INTO sal_master VALUES ('S20261205002', 'S002', '2026-12-05');
INSERT INTO sal_temp VALUES ('S20261205002', NULL, 'INSERT');

-- Deleted after being inserted, by another user: not listed for 王小明.
INSERT INTO sal_master VALUES ('銷20261206001', '李大華', '2026-12-06');
INSERT INTO sal_temp VALUES ('銷20261206001', NULL, 'INSERT');
INSERT INTO sal_temp VALUES ('銷20261206001', NULL, 'DELETE');
COMMIT;
