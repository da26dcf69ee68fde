# Writes a Hershey font file (.jhf) into a C++ source, as it stands, for StrokeFont.cpp to read:
# the installed program, and the Windows build, then need no font file of their own.
#   cmake -DJHF=<font.jhf> -DOUT=<source.cpp> -P EmbedStrokeFont.cmake
file(READ "${JHF}" glyphs)
if(glyphs MATCHES "\\)jhf\"")
    message(FATAL_ERROR "${JHF} cannot be embedded as it stands")
endif()
file(WRITE "${OUT}.new"
    "// Generated from ${JHF} by EmbedStrokeFont.cmake; the Hershey fonts are in the public\n"
    "// domain, drawn by Dr. A. V. Hershey at the U. S. National Bureau of Standards, in the\n"
    "// format of James Hurt, Cognition, Inc.\n"
    "#include <string_view>\n\n"
    "namespace markast::hpgl {\n"
    "extern const std::string_view StrokeFontJhf;\n"
    "const std::string_view StrokeFontJhf = R\"jhf(${glyphs})jhf\";\n"
    "} // namespace markast::hpgl\n")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
