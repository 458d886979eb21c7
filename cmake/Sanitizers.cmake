# PIVORA_SANITIZE=address,undefined or thread: instruments every target of the build.
set(PIVORA_SANITIZE "" CACHE STRING "Sanitizers to build with (address,undefined | thread)")
if(PIVORA_SANITIZE)
  add_compile_options(-fsanitize=${PIVORA_SANITIZE} -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${PIVORA_SANITIZE})
endif()

# PIVORA_FUZZ builds the libFuzzer targets (needs clang).
option(PIVORA_FUZZ "Build libFuzzer targets" OFF)
