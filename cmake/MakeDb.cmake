# Builds one SQLite database from text sources: cmake -DSQLITE=... -DOUT=... -DSOURCES="a.sql|b.sql" [-DVERSION=n] -P MakeDb.cmake
# VERSION, when given, is stamped as the database's user_version (the data version).
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
if(DEFINED VERSION)
    execute_process(COMMAND "${SQLITE}" -bail "${OUT}.tmp" "PRAGMA user_version = ${VERSION};"
                    RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        file(REMOVE "${OUT}.tmp")
        message(FATAL_ERROR "Stamping ${OUT} with data version ${VERSION} failed: ${err}")
    endif()
endif()
file(RENAME "${OUT}.tmp" "${OUT}")
