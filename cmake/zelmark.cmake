# Project-wide compile settings, applied per target so that only the
# project's own code gets -Werror.

if(ZELMARK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(zelmark_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# Engine code must stay free of Qt: it reaches the system only through the
# plain headers of platform/. Its targets get no Qt include path at all.
function(zelmark_engine_library target)
  add_library(${target} STATIC ${ARGN})
  zelmark_target(${target})
endfunction()

# Window code uses Qt Widgets directly.
function(zelmark_window_library target)
  add_library(${target} STATIC ${ARGN})
  zelmark_target(${target})
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_link_libraries(${target} PUBLIC Qt6::Widgets Qt6::Gui Qt6::Core)
endfunction()
