# Builds the release zip, unpacks it, checks what it holds and plays a
# session in hostsim with the DLL and the sample settings file from the zip.
set(work ${BUILD_DIR}/package-test)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/unpacked)
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${work}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
set(zip ${work}/Tunecrier-${VERSION}-${PLATFORM}.zip)
if(NOT rc EQUAL 0 OR NOT EXISTS ${zip})
  message(FATAL_ERROR "cpack made no ${zip}:\n${out}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${work}/unpacked RESULT_VARIABLE rc)
file(GLOB held RELATIVE ${work}/unpacked ${work}/unpacked/*)
list(SORT held)
if(NOT held STREQUAL "README.md;ROVIriv.ini;Tunecrier.dll")
  message(FATAL_ERROR "the zip holds [${held}], want README.md, ROVIriv.ini, Tunecrier.dll")
endif()
execute_process(COMMAND ${EMULATOR} ${HOSTSIM} --module ${work}/unpacked/Tunecrier.dll
                        --settings ${work}/unpacked/ROVIriv.ini
                        --check ${SOURCE_DIR}/tests/package/from_zip.hostsim
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
message("${out}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the module from the zip did not play its session")
endif()
