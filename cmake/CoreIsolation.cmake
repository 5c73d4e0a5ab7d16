# The core must stay free of Qt and SDL so that it builds and tests without a display or a
# sound card; fail the configuration as soon as a core source includes either.
function(check_core_isolation dirs)
  foreach(dir IN LISTS dirs)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp
         ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    foreach(f IN LISTS files)
      file(STRINGS ${f} bad REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|SDL)")
      if(bad)
        message(FATAL_ERROR "${f} includes a window or sound header: ${bad}")
      endif()
    endforeach()
  endforeach()
endfunction()
