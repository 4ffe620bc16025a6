# Sanitizer builds instrument our code only; Debian's Qt, libcurl and fontconfig are not
# instrumented, which is why the suppression files under tests/sanitizers name those libraries.
if(ZERLITH_SANITIZE STREQUAL "address-undefined")
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
elseif(ZERLITH_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT ZERLITH_SANITIZE STREQUAL "")
  message(FATAL_ERROR "Unknown ZERLITH_SANITIZE value: ${ZERLITH_SANITIZE}")
endif()
