# Compiler warnings and sanitizers for the project's own targets.
#
#   DIALWRIGHT_WERROR=ON     warnings are errors (the CI turns this on)
#   DIALWRIGHT_SANITIZE=ON   AddressSanitizer and UndefinedBehaviorSanitizer;
#                            any finding stops the program
#   DIALWRIGHT_TSAN=ON       ThreadSanitizer (it cannot be combined with the
#                            address sanitizer); a program that saw a data
#                            race exits with status 66
#
# The flags are given to the targets, not to the whole directory tree, so a
# library brought in from elsewhere keeps its own. Qt's headers come in as
# system headers and its warnings stay quiet; the code AUTOMOC and AUTOUIC
# generate is compiled as part of our targets and is held to the same
# warnings.

option(DIALWRIGHT_WERROR "Treat compiler warnings in the project's own code as errors" OFF)
option(DIALWRIGHT_SANITIZE
    "Build with AddressSanitizer and UndefinedBehaviorSanitizer (GCC or clang)" OFF)
option(DIALWRIGHT_TSAN "Build with ThreadSanitizer (GCC or clang)" OFF)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(DIALWRIGHT_WARNING_FLAGS -Wall -Wextra -Wpedantic -Wshadow)
    if(DIALWRIGHT_WERROR)
        list(APPEND DIALWRIGHT_WARNING_FLAGS -Werror)
    endif()
elseif(MSVC)
    set(DIALWRIGHT_WARNING_FLAGS /W4)
    if(DIALWRIGHT_WERROR)
        list(APPEND DIALWRIGHT_WARNING_FLAGS /WX)
    endif()
endif()

set(DIALWRIGHT_SANITIZE_FLAGS)
if(DIALWRIGHT_SANITIZE)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        message(FATAL_ERROR "DIALWRIGHT_SANITIZE needs GCC or clang")
    endif()
    set(DIALWRIGHT_SANITIZE_FLAGS
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
endif()
if(DIALWRIGHT_TSAN)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        message(FATAL_ERROR "DIALWRIGHT_TSAN needs GCC or clang")
    endif()
    if(DIALWRIGHT_SANITIZE)
        message(FATAL_ERROR "DIALWRIGHT_TSAN and DIALWRIGHT_SANITIZE cannot be combined")
    endif()
    set(DIALWRIGHT_SANITIZE_FLAGS -fsanitize=thread -fno-omit-frame-pointer)
endif()

# dialwright_apply_build_flags(DIRECTORIES dir...)
# Gives the warnings and sanitizer flags to every target defined in the
# given folders (relative to the current one; those this configuration did
# not add are skipped) and the folders below them. Called once, after those
# folders are added, so a target added later gets the same flags unasked.
function(dialwright_apply_build_flags)
    cmake_parse_arguments(ARG "" "" "DIRECTORIES" ${ARGN})
    get_property(added DIRECTORY PROPERTY SUBDIRECTORIES)
    set(pending)
    foreach(dir IN LISTS ARG_DIRECTORIES)
        get_filename_component(dir ${dir} ABSOLUTE)
        if(dir IN_LIST added)
            list(APPEND pending ${dir})
        endif()
    endforeach()
    while(pending)
        list(POP_FRONT pending dir)
        get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
        list(APPEND pending ${subdirs})

        get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(target IN LISTS targets)
            get_target_property(type ${target} TYPE)
            if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
                continue()
            endif()
            target_compile_options(${target} PRIVATE
                ${DIALWRIGHT_WARNING_FLAGS} ${DIALWRIGHT_SANITIZE_FLAGS})
            if(DIALWRIGHT_SANITIZE_FLAGS AND NOT type STREQUAL "OBJECT_LIBRARY")
                # A static library passes the runtime on to whatever links it.
                if(type STREQUAL "STATIC_LIBRARY")
                    target_link_options(${target} INTERFACE ${DIALWRIGHT_SANITIZE_FLAGS})
                else()
                    target_link_options(${target} PRIVATE ${DIALWRIGHT_SANITIZE_FLAGS})
                endif()
            endif()
        endforeach()
    endwhile()
endfunction()
