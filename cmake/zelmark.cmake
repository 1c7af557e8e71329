# Project-wide compile settings, applied per target so that only the
# project's own code gets the warnings.

option(ZELMARK_WERROR "Turn warnings into errors (scripts/test switches it on)" OFF)

if(ZELMARK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz build instruments every library for coverage; only the fuzz
# targets themselves link libFuzzer's main.
if(ZELMARK_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(zelmark_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  # GCC 12 at -O2 reports -Wrestrict inside std::string's own copies (a
  # known false positive of that release); it says nothing about our code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(ZELMARK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Folders are the layers. A target's include path holds only its own
# headers and, through what it links, those of the layers below it: the
# headers of each folder are linked into an include root of the target's
# own. An include that goes the wrong way names a header that is not there,
# so it fails to compile instead of waiting for a review.
#   zelmark_publish_headers(target PUBLIC|PRIVATE|INTERFACE folder...)
function(zelmark_publish_headers target visibility)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(REMOVE_RECURSE ${root})
  foreach(folder ${ARGN})
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header ${headers})
      get_filename_component(name ${header} NAME)
      file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
    endforeach()
  endforeach()
  target_include_directories(${target} ${visibility} ${root})
endfunction()

# Engine code must stay free of Qt: it reaches the system only through the
# plain headers of platform/. Its targets get no Qt include path at all.
#   zelmark_engine_library(target FOLDER folder SOURCES ...)
function(zelmark_engine_library target)
  cmake_parse_arguments(ARG "" "FOLDER" "SOURCES" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  zelmark_target(${target})
  zelmark_publish_headers(${target} PUBLIC ${ARG_FOLDER})
endfunction()

# Window code uses Qt Widgets directly.
function(zelmark_window_library target)
  cmake_parse_arguments(ARG "" "FOLDER" "SOURCES" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  zelmark_target(${target})
  zelmark_publish_headers(${target} PUBLIC ${ARG_FOLDER})
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_link_libraries(${target} PUBLIC Qt6::Widgets Qt6::Gui Qt6::Core)
endfunction()
