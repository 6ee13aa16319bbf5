# The program's version texts, all from project(VERSION): major.minor.revision.
#   ROKAN_VERSION_NUMBERS   0.1.1       the window title and the About box
#   ROKAN_VERSION_QUAD      0.1.0.1     the manifest (ROKAN_VERSION_COMMAS: 0,1,0,1 for the version resource)
#   ROKAN_VERSION_RESOURCE  0.01.0001   the version resource's text: minor in two digits, revision in four
function(rokan_zero_padded out value width)
  string(LENGTH "${value}" length)
  if(length LESS width)
    math(EXPR missing "${width} - ${length}")
    string(REPEAT "0" ${missing} zeros)
    set(value "${zeros}${value}")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

math(EXPR major "${PROJECT_VERSION_MAJOR}")
math(EXPR minor "${PROJECT_VERSION_MINOR}")
math(EXPR revision "${PROJECT_VERSION_PATCH}")
set(ROKAN_VERSION_NUMBERS "${major}.${minor}.${revision}")
set(ROKAN_VERSION_QUAD "${major}.${minor}.0.${revision}")
set(ROKAN_VERSION_COMMAS "${major},${minor},0,${revision}")
rokan_zero_padded(padded_minor ${minor} 2)
rokan_zero_padded(padded_revision ${revision} 4)
set(ROKAN_VERSION_RESOURCE "${major}.${padded_minor}.${padded_revision}")
