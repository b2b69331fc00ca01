"""The session log: every kind of record (records), reading it back (reader, lines), writing
it as the session runs (recorder, output), and the checks every reader and writer shares."""
