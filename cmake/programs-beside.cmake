# Copies the built programs next to a target's exe, kept current on every
# build, so tests and benchmarks find them in their own folder.
function(rokan_programs_beside target)
  set(copies)
  foreach(program IN LISTS ARGN)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/${program}${CMAKE_EXECUTABLE_SUFFIX})
    add_custom_command(OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${program}> ${copy}
      DEPENDS ${program})
    list(APPEND copies ${copy})
  endforeach()
  add_custom_target(${target}_programs DEPENDS ${copies})
  add_dependencies(${target} ${target}_programs)
endfunction()
