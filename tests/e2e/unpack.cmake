# Unpacks the release package ZIP into a fresh folder DIR, for the package test.
if(NOT EXISTS "${ZIP}")
  message(FATAL_ERROR "No release package at ${ZIP}: make it with scripts/package")
endif()
file(REMOVE_RECURSE "${DIR}")
file(MAKE_DIRECTORY "${DIR}")
file(ARCHIVE_EXTRACT INPUT "${ZIP}" DESTINATION "${DIR}")
message(STATUS "Unpacked ${ZIP} into ${DIR}")
