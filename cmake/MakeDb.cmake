# Builds one SQLite database from text sources: cmake -DSQLITE=... -DOUT=... -DSOURCES="a.sql|b.sql" [-DVERSION=n] -P MakeDb.cmake
# VERSION, when given, is stamped as the database's user_version (the data version).
# The database is written next to OUT and renamed into place, so a failed run leaves no half-made file.

# Runs one sqlite3 command on the new file; on failure removes it and stops.
function(sqlite_ausfuehren befehl was)
    execute_process(COMMAND "${SQLITE}" -bail "${OUT}.tmp" "${befehl}" RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        file(REMOVE "${OUT}.tmp")
        message(FATAL_ERROR "${was} failed: ${err}")
    endif()
endfunction()

file(REMOVE "${OUT}.tmp")
string(REPLACE "|" ";" SOURCES "${SOURCES}")
foreach(src IN LISTS SOURCES)
    sqlite_ausfuehren(".read ${src}" "Building ${OUT} from ${src}")
endforeach()
if(DEFINED VERSION)
    sqlite_ausfuehren("PRAGMA user_version = ${VERSION};" "Stamping ${OUT} with data version ${VERSION}")
endif()
file(RENAME "${OUT}.tmp" "${OUT}")
