# Copies each shipped file (db files, the help page) unless the destination already holds one.
file(MAKE_DIRECTORY ${DST})
file(GLOB files RELATIVE ${SRC} ${SRC}/*)
foreach(f ${files})
    if(NOT EXISTS ${DST}/${f})
        file(COPY ${SRC}/${f} DESTINATION ${DST})
    endif()
endforeach()
