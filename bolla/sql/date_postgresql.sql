-- date() for the delivery-note query on PostgreSQL, which has no such function:
-- the shop's current date. current_date follows the session's TimeZone, so the
-- database should carry the shop's zone, e.g.
--   ALTER DATABASE bolla SET timezone = 'Europe/Rome';
-- Run once in the distribution database:  psql -d bolla -f date_postgresql.sql
CREATE OR REPLACE FUNCTION public.date() RETURNS date
    LANGUAGE sql STABLE PARALLEL SAFE
    AS $$ SELECT current_date $$;
