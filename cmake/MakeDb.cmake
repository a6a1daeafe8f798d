# Builds one SQLite database from text sources: cmake -DSQLITE=... -DOUT=... -DSOURCES="a.sql|b.sql" -P MakeDb.cmake
# The database is written next to OUT and renamed into place, so a failed run leaves no half-made file.
file(REMOVE "${OUT}.tmp")
string(REPLACE "|" ";" SOURCES "${SOURCES}")
foreach(src IN LISTS SOURCES)
    execute_process(COMMAND "${SQLITE}" -bail "${OUT}.tmp" ".read ${src}"
                    RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        file(REMOVE "${OUT}.tmp")
        message(FATAL_ERROR "Building ${OUT} from ${src} failed: ${err}")
    endif()
endforeach()
file(RENAME "${OUT}.tmp" "${OUT}")
