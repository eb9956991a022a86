# The carols shipped beside lumenkin.exe and the key-click sound, written at build
# time by resources/tunegen. Included from the top-level CMakeLists.txt after the
# art section (it hangs its output on the `art` target).
#
# A build that cannot run the generator (the 32-bit one) takes the files from
# LUMENKIN_TUNES_DIR instead; when that is empty but LUMENKIN_ART_DIR is set, the
# "tunes" folder beside that art folder is used (the 64-bit build's output).
set(LUMENKIN_TUNES_DIR "" CACHE PATH
    "Take the generated tunes and key click from this folder instead of running the generator")

set(TUNE_FILES xmastune.mid wewish.mid deckhall.mid otannen.mid joyworld.mid silentnt.mid)

if(LUMENKIN_TUNES_DIR)
  set(TUNES_DIR ${LUMENKIN_TUNES_DIR})
elseif(LUMENKIN_ART_DIR)
  get_filename_component(_art_parent ${LUMENKIN_ART_DIR} DIRECTORY)
  set(TUNES_DIR ${_art_parent}/tunes)
else()
  set(TUNES_DIR ${CMAKE_BINARY_DIR}/tunes)
endif()
set(TUNES_STAMP ${TUNES_DIR}/tunegen.stamp)

if(LUMENKIN_TUNES_DIR OR LUMENKIN_ART_DIR)
  if(NOT EXISTS ${TUNES_STAMP})
    message(WARNING "No generated tunes in ${TUNES_DIR}: build the 64-bit program first")
  endif()
else()
  file(MAKE_DIRECTORY ${TUNES_DIR})
  file(GLOB TUNEGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/tunegen/*.cpp)
  add_executable(tunegen ${TUNEGEN_SOURCES})
  set_target_properties(tunegen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
  add_custom_command(
    OUTPUT ${TUNES_STAMP}
    COMMAND tunegen .
    WORKING_DIRECTORY ${TUNES_DIR}
    DEPENDS tunegen
    COMMENT "Writing the carols and the key click")
endif()

# The tunes go beside the program, where the playlist looks for them.
set(_shipped)
foreach(name ${TUNE_FILES})
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TUNES_DIR}/${name} ${CMAKE_BINARY_DIR}/${name}
    DEPENDS ${TUNES_STAMP}
    VERBATIM)
  list(APPEND _shipped ${CMAKE_BINARY_DIR}/${name})
endforeach()
add_custom_target(tunes ALL DEPENDS ${TUNES_STAMP} ${_shipped})

# keyclick.wav is a WAVE resource of resources/sound.rc: windres looks for it in the
# tunes folder, and the resource script is compiled again when the generator has run.
# The resource target is defined after this file is included, so the wiring waits
# until the end of the directory.
add_dependencies(art tunes)
function(lumenkin_attach_tunes)
  target_include_directories(lumenkin_res PRIVATE ${TUNES_DIR})
  set_property(SOURCE ${CMAKE_SOURCE_DIR}/resources/lumenkin.rc APPEND PROPERTY OBJECT_DEPENDS ${TUNES_STAMP})
endfunction()
cmake_language(DEFER CALL lumenkin_attach_tunes)
