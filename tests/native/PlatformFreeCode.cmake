# Shared by the native projects of tests/native and tests/fuzz: the product's platform-free
# sources, as the Windows build lists them, built for Linux.
get_filename_component(QUORREL_ROOT "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)

set(QUORREL_PLATFORM_FREE_LIST "" CACHE FILEPATH
  "platform-free-sources.txt of a configured Windows build tree")
if(NOT EXISTS "${QUORREL_PLATFORM_FREE_LIST}")
  message(FATAL_ERROR "Set QUORREL_PLATFORM_FREE_LIST to the platform-free-sources.txt of a "
    "configured Windows build (scripts/lib/native.sh does)")
endif()
# A source added to or removed from the product's list configures this build again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${QUORREL_PLATFORM_FREE_LIST}")
file(STRINGS "${QUORREL_PLATFORM_FREE_LIST}" quorrel_platform_free_sources)

# quorrel_platform_free_library(NAME): the list as one static library, with the sources' own
# include root.
function(quorrel_platform_free_library name)
  add_library(${name} STATIC ${quorrel_platform_free_sources})
  target_include_directories(${name} PUBLIC "${QUORREL_ROOT}")
  target_compile_options(${name} PRIVATE -Wall -Wextra -Werror)
endfunction()
