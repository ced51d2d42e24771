#!/bin/sh
# Makes a demo delivery-note database (SQLite) and the data link file that
# names it, in the folder given, so that the viewer has something to show:
#   sh scripts/demo_bolla.sh /tmp/bolla-demo
# Needs sqlite3 and iconv. An existing demo database in that folder is replaced.
set -eu

[ $# -eq 1 ] || { echo "uso: $0 CARTELLA" >&2; exit 2; }
mkdir -p "$1"
folder=$(cd "$1" && pwd)
db="$folder/bolla.db"
udl="$folder/Testo.udl"

today=$(date +%F)
yesterday=$(date -d yesterday +%F)

rm -f "$db"
sqlite3 "$db" <<SQL
CREATE TABLE numeri (
    titolo     TEXT NOT NULL,
    sot_titolo TEXT,
    num_copert INTEGER,
    dat_uscita TEXT NOT NULL,   -- YYYY-MM-DD, as date() gives it
    prz_copert REAL,
    prz_netto  REAL,
    fornitodl  INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX numeri_dat_uscita ON numeri (dat_uscita);
INSERT INTO numeri VALUES
    ('Gazzetta del Borgo',     'Edizione del mattino', 1187, '$today',     2.50, 1.875,  12),
    ('Il Corriere di Valle',   'Cronaca locale',        342, '$today',     1.50, 1.1355, 20),
    ('Notizie Sportive',       'Calcio e motori',       905, '$today',     2.00, 1.99,    5),
    ('Settimanale Casa',       'Arredare con poco',      48, '$today',     3.90, 2.8275,  4),
    ('Viaggi e Sapori',        'Speciale Liguria',      213, '$today',     4.50, 3.2625,  3),
    ('Il Piccolo Lettore',     'Fumetti e giochi',       77, '$today',     2.90, 2.1025,  6),
    ('Rivista di Giardinaggio','Orto in balcone',        19, '$today',     5.00, 3.625,   0),
    ('Gazzetta del Borgo',     'Edizione del mattino', 1186, '$yesterday', 2.50, 1.875,  12),
    ('Notizie Sportive',       'Calcio e motori',       904, '$yesterday', 2.00, 1.99,    5);
SQL

# A data link file as Windows writes one: UTF-16LE with its byte-order mark.
quoted=$(printf '%s' "$db" | sed 's/"/""/g')
{
    printf '\377\376'
    printf '[oledb]\r\n; Everything after this line is an OLE DB initstring\r\nProvider=SQLite;Data Source="%s"\r\n' "$quoted" |
        iconv -f UTF-8 -t UTF-16LE
} >"$udl"

echo "Database:                 $db"
echo "File di collegamento dati: $udl"
