# cmake -DCLI=<klettra-cli> -DSTAGING=<dir> -DOUTPUT=<grating.dat> -DTEXTS=<file;file...> -P buildtemplates.cmake
#
# Adds the template texts, in order, to a template set built in a staging directory, then renames
# the finished set into place. A failure leaves the previous set, or none, but never half of one.
foreach(var CLI STAGING OUTPUT TEXTS)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "buildtemplates.cmake: ${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${STAGING}")
file(MAKE_DIRECTORY "${STAGING}")

foreach(text IN LISTS TEXTS)
    execute_process(
        COMMAND "${CLI}" --no-seed --data-dir "${STAGING}" templates add "${text}"
        RESULT_VARIABLE result
        OUTPUT_QUIET
        ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
        file(REMOVE_RECURSE "${STAGING}")
        message(FATAL_ERROR "Cannot add the templates of ${text}:\n${error}")
    endif()
endforeach()

get_filename_component(outputDir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${outputDir}")
file(RENAME "${STAGING}/grating.dat" "${OUTPUT}")
file(REMOVE_RECURSE "${STAGING}")
