-- The delivered local store lzdat.dll, shared by the browser and the updater.
-- lzmkstore runs this script once on a fresh file at build time; the programs
-- only open the delivered file and never create a table or a column.

PRAGMA journal_mode = WAL;   -- kept in the file: readers never wait for a writer

-- Remembered pages: one row per tab caption, written by the visit recorder
-- and edited in the record manager.
CREATE TABLE bt (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    bt TEXT,                        -- title as shown on the tab
    ur TEXT,                        -- address
    rq TEXT,                        -- day of the first visit, yyyy-MM-dd
    sj TEXT,                        -- moment of the first visit, yyyy-MM-dd hh:mm:ss
    sy INTEGER NOT NULL DEFAULT 0   -- 1 = frequently used, 0 = not
);
CREATE INDEX bt_bt ON bt(bt);           -- visit recorder's lookup by title
CREATE INDEX bt_rq ON bt(rq);           -- record manager's day filter
CREATE INDEX bt_sy ON bt(sy DESC, id);  -- every ordered list

-- Background of the main window: 0..5 built-in pictures, 6 the user's own file lj.
CREATE TABLE bj (
    bj INTEGER,
    lj TEXT
);
INSERT INTO bj (bj, lj) VALUES (0, '');

-- Exit prompt (tc = 1 asks before exiting) and the default-browser box (mrt).
CREATE TABLE tc (
    tc INTEGER,
    mrt INTEGER
);
INSERT INTO tc (tc, mrt) VALUES (1, 0);

-- Update server host, its account, and the installed browser's version.
CREATE TABLE reg (
    ip TEXT,
    yhm TEXT,
    mm TEXT,
    ser TEXT
);
INSERT INTO reg (ip, yhm, mm, ser) VALUES ('127.0.0.1', 'lzup', 'lzup', '1.0');
