# Warning, sanitizer and Windows-specific flags shared by every target of the tree.

add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(MORVANE_WERROR)
  add_compile_options(-Werror)
endif()

if(MORVANE_SANITIZE OR MORVANE_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(MORVANE_FUZZ)
  # Coverage feedback from all the code under test, not only from the fuzz targets.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(WIN32)
  # Wide-character Win32 calls everywhere; the program never uses the ANSI entry points.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()
