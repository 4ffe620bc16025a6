# Every target of ours gets the same warning set; CI turns it into errors.
add_library(zerlith_warnings INTERFACE)
target_compile_options(zerlith_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
  -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
if(ZERLITH_WERROR)
  target_compile_options(zerlith_warnings INTERFACE -Werror)
endif()
