# markast_stroke_font(<target>): adds the stroke font's glyphs to target, embedded at build time
# from the Hershey Roman Simplex face that Debian's hershey-fonts-data installs.
set(MARKAST_STROKE_FONT /usr/share/hershey-fonts/rowmans.jhf CACHE FILEPATH
    "The Hershey font (.jhf) that labels are drawn in")
if(NOT EXISTS ${MARKAST_STROKE_FONT})
    message(FATAL_ERROR "No stroke font at ${MARKAST_STROKE_FONT}: install hershey-fonts-data, "
                        "or set MARKAST_STROKE_FONT to a Hershey .jhf file")
endif()
set(MARKAST_EMBED_STROKE_FONT ${CMAKE_CURRENT_LIST_DIR}/EmbedStrokeFont.cmake)

function(markast_stroke_font target)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/StrokeFontData.cpp)
    add_custom_command(OUTPUT ${source}
        COMMAND ${CMAKE_COMMAND} -DJHF=${MARKAST_STROKE_FONT} -DOUT=${source}
                -P ${MARKAST_EMBED_STROKE_FONT}
        DEPENDS ${MARKAST_STROKE_FONT} ${MARKAST_EMBED_STROKE_FONT} VERBATIM)
    target_sources(${target} PRIVATE ${source})
endfunction()
