# Installs the build tree, stripped, into a fresh staging folder, as a package build does.
# -DBUILD_DIR=<build tree> -DSTAGE=<folder> -DPREFIX=<install prefix>
file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${STAGE}"
          "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" --strip
  OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${STAGE} failed: ${rc}")
endif()
