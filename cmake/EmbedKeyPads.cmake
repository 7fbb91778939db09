# Turns the key pad file into a C++ source of constant bytes, so the program carries
# pads of its own; a pads file found at run time takes their place. MORVANE_KEY_PADS
# names the file; the source also records whether its bytes are the repository's
# placeholders, so that the programs can warn that a real robot's files read wrong.

set(MORVANE_KEY_PADS_SIZE 1452)

function(morvane_embed_key_pads out_source)
  file(SIZE "${MORVANE_KEY_PADS}" pad_size)
  if(NOT pad_size EQUAL MORVANE_KEY_PADS_SIZE)
    message(FATAL_ERROR "${MORVANE_KEY_PADS} holds ${pad_size} bytes; key pads must be ${MORVANE_KEY_PADS_SIZE}")
  endif()
  file(SHA256 "${MORVANE_KEY_PADS}" pad_hash)
  file(SHA256 "${CMAKE_SOURCE_DIR}/data/key_pads.bin" placeholder_hash)
  if(pad_hash STREQUAL placeholder_hash)
    set(placeholders true)
  else()
    set(placeholders false)
  endif()
  file(READ "${MORVANE_KEY_PADS}" pad_hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," pad_bytes "${pad_hex}")
  string(REGEX REPLACE "((0x..,){16})" "\\1\n    " pad_bytes "${pad_bytes}")
  set(source "// Generated from ${MORVANE_KEY_PADS}; do not edit.\n#include \"reports/KeyPads.h\"\n\n")
  string(APPEND source "namespace morvane {\nconst KeyPadBytes kBuiltInKeyPads = {\n    ${pad_bytes}\n};\n")
  string(APPEND source "const bool kBuiltInKeyPadsArePlaceholders = ${placeholders};\n}\n")
  file(CONFIGURE OUTPUT "${out_source}" CONTENT "${source}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${MORVANE_KEY_PADS}")
endfunction()
