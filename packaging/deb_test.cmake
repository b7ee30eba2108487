# Builds the Debian package and checks what it holds and that its dependencies were computed.
# Arguments: -DBUILD=<build folder> -DWORK=<scratch folder> -DCPACK=<cpack> -DID=<desktop id>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB debs ${WORK}/mossmeadow_*.deb)
list(LENGTH debs count)
if(NOT status EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made no package (${status}):\n${out}")
endif()

execute_process(COMMAND dpkg-deb --contents ${debs} OUTPUT_VARIABLE contents RESULT_VARIABLE status)
foreach(path ./usr/bin/mossmeadow ./usr/share/mossmeadow/Data/common.xml ./usr/share/mossmeadow/Data/Music/Village.ogg
             ./usr/share/applications/${ID}.desktop ./usr/share/metainfo/${ID}.metainfo.xml
             ./usr/share/icons/hicolor/48x48/apps/${ID}.png ./usr/share/icons/hicolor/scalable/apps/${ID}.svg
             ./usr/share/man/man6/mossmeadow.6.gz)
  string(FIND "${contents}" " ${path}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks ${path}:\n${contents}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb --field ${debs} Depends OUTPUT_VARIABLE depends)
foreach(library libsdl2-2.0-0 libpng16-16 libfreetype6 libfontconfig1 libvorbisfile3 libjpeg62-turbo libc6)
  string(FIND "${depends}" "${library}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package does not depend on ${library}: ${depends}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
