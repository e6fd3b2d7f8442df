# Builds one bundled dictionary with klettra-cli itself:
#
#   cmake -DCLI=<klettra-cli> -DNAME=<dictionary> -DSOURCES=<file>|<file>... -DOUTPUT=<name.db>
#         -DSTAGING=<empty work directory> -P builddictionary.cmake
#
# The table is built in the staging directory and renamed over OUTPUT only once it is complete,
# so a failed build leaves the previous dictionary, or none, never half of one.

foreach(variable CLI NAME SOURCES OUTPUT STAGING)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "builddictionary.cmake: ${variable} is not set")
    endif()
endforeach()
string(REPLACE "|" ";" sources "${SOURCES}")

file(REMOVE_RECURSE "${STAGING}")
file(MAKE_DIRECTORY "${STAGING}")
set(cli "${CLI}" --no-seed --data-dir "${STAGING}" dict)

execute_process(COMMAND ${cli} create "${NAME}"
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "Cannot create the dictionary ${NAME}:\n${errors}")
endif()

execute_process(COMMAND ${cli} import-tsv "${NAME}" ${sources}
    RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "Cannot fill the dictionary ${NAME}:\n${errors}${report}")
endif()
# The bundled sources are kept clean: a line the entry rules refuse is a fault in them.
if(NOT report MATCHES "(^|\n)skipped 0\n$")
    message(FATAL_ERROR "Lines of the sources of ${NAME} were refused:\n${report}")
endif()

get_filename_component(outputDir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${outputDir}")
file(RENAME "${STAGING}/${NAME}.db" "${OUTPUT}")
file(REMOVE_RECURSE "${STAGING}")
