# The pictures and icons in the tree are the ones tools/drawpictures draws,
# to the last bit of an edge pixel's colour, which another processor may
# round the other way. The card is drawn from the geometry the window's layout uses
# too, so a change to either that the pictures do not follow fails here until
# tools/drawpictures/redraw.sh has drawn them again.
#   cmake -DTOOL=drawpictures -DSOURCE_DIR=<tree> -DSCRATCH=<folder> -P check_pictures.cmake

function(draw)
    execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE failed OUTPUT_QUIET)
    if(failed)
        message(FATAL_ERROR "drawpictures ${ARGN} failed: ${failed}")
    endif()
endfunction()

set(pictures ${SOURCE_DIR}/src/ui/pictures)
set(svg ${SOURCE_DIR}/data/io.github.wagecourt.Wagecourt.svg)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/icons)

draw(${SCRATCH})
draw(--icon ${svg} ${SCRATCH}/icon.png)
file(GLOB kept RELATIVE ${pictures} ${pictures}/*.jpg)
file(GLOB drawn RELATIVE ${SCRATCH} ${SCRATCH}/*.jpg)
if(NOT kept STREQUAL drawn)
    message(FATAL_ERROR "the tool draws ${drawn}\nthe tree holds ${kept}")
endif()
set(pairs "")
foreach(name IN LISTS kept ITEMS icon.png)
    list(APPEND pairs ${pictures}/${name} ${SCRATCH}/${name})
endforeach()

# The desktop theme's sizes, as many as the tree holds.
file(GLOB themed RELATIVE ${SOURCE_DIR}/data/icons ${SOURCE_DIR}/data/icons/*/io.github.wagecourt.Wagecourt.png)
if(NOT themed)
    message(FATAL_ERROR "no desktop icons under ${SOURCE_DIR}/data/icons")
endif()
foreach(icon IN LISTS themed)
    string(REGEX REPLACE "/.*" "" size ${icon})
    draw(--icon ${svg} --size ${size} ${SCRATCH}/icons/${size}.png)
    list(APPEND pairs ${SOURCE_DIR}/data/icons/${icon} ${SCRATCH}/icons/${size}.png)
endforeach()

set(differing "")
while(pairs)
    list(POP_FRONT pairs expected actual)
    execute_process(COMMAND ${TOOL} --compare ${expected} ${actual} RESULT_VARIABLE differs)
    if(differs)
        list(APPEND differing ${expected})
    endif()
endwhile()
if(differing)
    list(JOIN differing "\n  " lines)
    message(FATAL_ERROR "drawn otherwise than the tree holds them:\n  ${lines}\n"
        "Redraw them with tools/drawpictures/redraw.sh, or undo the change that moved them.")
endif()
