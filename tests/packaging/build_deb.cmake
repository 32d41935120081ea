# Builds the Debian package of a staged install, with the package settings of the build
# tree, into a folder of the test's own.
# -DCPACK=<cpack> -DCPACK_CONFIG=<CPackConfig.cmake> -DSTAGE=<staged install>
# -DOUT_DIR=<folder> -DDEB=<the .deb it must produce>
file(REMOVE_RECURSE "${OUT_DIR}")
set(from_stage "${STAGE}" ".")  # copy the staged tree to the package's root
execute_process(
  COMMAND "${CPACK}" --config "${CPACK_CONFIG}" -G DEB -B "${OUT_DIR}"
          -D CPACK_INSTALL_CMAKE_PROJECTS= -D "CPACK_INSTALLED_DIRECTORIES=${from_stage}"
  OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}")
endif()
if(NOT EXISTS "${DEB}")
  file(GLOB made "${OUT_DIR}/*.deb")
  message(FATAL_ERROR "expected ${DEB}, cpack made: ${made}")
endif()
