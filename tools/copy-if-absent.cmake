# cmake -DSOURCE=a -DTARGET=b -P copy-if-absent.cmake: copies a to b unless b exists.
if(NOT EXISTS "${TARGET}")
  configure_file("${SOURCE}" "${TARGET}" COPYONLY)
endif()
