# The release package: a zip holding a folder "Lumenkin" with the program, the tunes it
# plays and a read-me for Windows users. Included from the top-level CMakeLists.txt after
# the program and the tunes are defined; `cpack` in the build folder makes the zip
# (scripts/package does it for the 32-bit build).
configure_file(${CMAKE_SOURCE_DIR}/resources/package/README.txt.in ${CMAKE_BINARY_DIR}/README.txt
               @ONLY NEWLINE_STYLE CRLF)

install(TARGETS lumenkin RUNTIME DESTINATION Lumenkin)
foreach(name ${TUNE_FILES})
  install(FILES ${CMAKE_BINARY_DIR}/${name} DESTINATION Lumenkin)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION Lumenkin)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Lumenkin)
set(CPACK_PACKAGE_VENDOR Lumenkin)
set(CPACK_PACKAGE_FILE_NAME "lumenkin-${PROJECT_VERSION}-win32")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)   # the debug information stays in the build
include(CPack)
