# Installs the build into a scratch prefix, checks that every installed desktop file is in place and
# valid, then runs the installed game headless from an unrelated folder (so it must find its data
# through ../share/mossmeadow) and compares its title screen with the build folder's game.
# Arguments: -DBUILD=<build folder> -DWORK=<scratch folder> -DGAME=<built program> -DID=<desktop id>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/elsewhere)
set(PREFIX ${WORK}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK}/elsewhere RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX})

foreach(path bin/mossmeadow share/mossmeadow/Data/common.xml share/mossmeadow/Data/Music/Village.ogg
             share/mossmeadow/Data/Fonts/Quicksand-Bold.ttf share/applications/${ID}.desktop
             share/metainfo/${ID}.metainfo.xml share/icons/hicolor/16x16/apps/${ID}.png
             share/icons/hicolor/48x48/apps/${ID}.png share/icons/hicolor/256x256/apps/${ID}.png
             share/icons/hicolor/scalable/apps/${ID}.svg share/man/man6/mossmeadow.6.gz)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
if(EXISTS ${PREFIX}/share/mossmeadow/Data/.generated)
  message(FATAL_ERROR "the build's stamp file was installed")
endif()

run(desktop-file-validate ${PREFIX}/share/applications/${ID}.desktop)
run(appstreamcli validate --no-net ${PREFIX}/share/metainfo/${ID}.metainfo.xml)

# Both games start from the same empty user folder state, click the two splash pictures away and
# stop at the title, where a new player's name is asked for.
file(WRITE ${WORK}/title.txt "wait 10\nclick 20 20\nwait 90\nclick 20 20\nwait 600\n")
foreach(which installed built)
  if(which STREQUAL installed)
    set(program ${PREFIX}/bin/mossmeadow)
  else()
    set(program ${GAME})
  endif()
  run(${program} --headless --fixed-dt 1 --seed 7 --user-dir ${WORK}/user-${which} --script ${WORK}/title.txt
      --screenshot ${WORK}/${which}.png)
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/installed.png ${WORK}/built.png
                RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "the installed game draws another title than the built one: ${WORK}/installed.png")
endif()
file(SIZE ${WORK}/installed.png size)
if(size LESS 100000)
  message(FATAL_ERROR "the title screen is nearly empty (${size} bytes): ${WORK}/installed.png")
endif()
file(REMOVE_RECURSE ${WORK})
