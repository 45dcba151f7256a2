# Turns a text file into a C++ source that defines it as a zero-terminated char array:
#   cmake -DINPUT=file.txt -DOUTPUT=file.cpp -DSYMBOL=kName -P embed_text.cmake
# Bytes rather than a string literal, so that no line of the data can end the literal early.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(('\\\\x[0-9a-f][0-9a-f]',){16})" "\\1\n" bytes "${bytes}")
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${name} by embed_text.cmake; edit the text file, not this one.\n"
  "namespace tv::tuner {\n"
  "extern const char ${SYMBOL}[];\n"
  "const char ${SYMBOL}[] = {\n${bytes}'\\0'};\n"
  "}  // namespace tv::tuner\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
