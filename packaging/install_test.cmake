# Installs the build into a scratch prefix, checks that every installed desktop file is in place and
# valid, then runs the installed game headless from an unrelated folder (so it must find its data
# through ../share/mossmeadow) up to the title.
# Arguments: -DBUILD=<build folder> -DWORK=<scratch folder> -DID=<desktop id>
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
run(appstreamcli validate-tree --no-net ${PREFIX})

# From an empty user folder the installed game clicks the two splash pictures away, reaches the
# title, where a dialog asks a new player for a name, and creates that player.
file(WRITE ${WORK}/title.txt
     "wait 10\nclick 20 20\nwait 90\nclick 20 20\nwait 900\nscreenshot ${WORK}/title.png\ntype Ann\\n\nwait 60\nquit\n")
run(${PREFIX}/bin/mossmeadow --headless --fixed-dt 1 --seed 7 --user-dir ${WORK}/user --script ${WORK}/title.txt)
if(NOT EXISTS ${WORK}/user/Profiles/Ann.sav)
  message(FATAL_ERROR "the installed game did not create the player at the title: ${WORK}")
endif()
file(SIZE ${WORK}/title.png size)
if(size LESS 100000)
  message(FATAL_ERROR "the title screen is nearly empty (${size} bytes): ${WORK}/title.png")
endif()
file(REMOVE_RECURSE ${WORK})
