# The data version of the program's own read-only databases (drucken.mdb,
# tarvik.mdb, infos.mdb), stamped into each as SQLite's user_version. At
# start a per-user copy with a smaller (or no) version is replaced by the
# installed one, so every release brings its layouts and reference rows to
# users who started an earlier one. It grows with the project version;
# raise the revision when these databases change between two releases.
set(VELMORA_DATENREVISION 2)
math(EXPR VELMORA_DATA_VERSION
     "${PROJECT_VERSION_MAJOR} * 1000000 + ${PROJECT_VERSION_MINOR} * 10000 + ${PROJECT_VERSION_PATCH} * 100 + ${VELMORA_DATENREVISION}")
set(VELMORA_VERSIONIERTE_DATENBANKEN drucken.mdb tarvik.mdb infos.mdb)
