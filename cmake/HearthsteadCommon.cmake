# Compile settings every Hearthstead target shares.
add_library(hs_common INTERFACE)
target_compile_options(hs_common INTERFACE -Wall -Wextra)
target_compile_definitions(hs_common INTERFACE
    QT_NO_CONTEXTLESS_CONNECT
    QT_USE_QSTRINGBUILDER
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
)
if(HEARTHSTEAD_COVERAGE)
    target_compile_options(hs_common INTERFACE --coverage -O0)
    target_link_options(hs_common INTERFACE --coverage)
endif()
if(HEARTHSTEAD_SANITIZE)
    target_compile_options(hs_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                           -fno-sanitize-recover=undefined)
    target_link_options(hs_common INTERFACE -fsanitize=address,undefined)
endif()

# hs_add_library(name SOURCES ... DEPS ...): one static library per room.
function(hs_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC hs_common ${ARG_DEPS})
endfunction()

# hs_forbid_link(target dependency...): fails the configuration when the target links any of the
# dependencies, directly or through the libraries it links, so a layer cannot quietly climb up.
function(hs_collect_links target out)
    set(seen ${${out}})
    get_target_property(links ${target} LINK_LIBRARIES)
    get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
    foreach(link IN LISTS links interface)
        if(NOT link OR link IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${link})
        if(TARGET ${link} AND NOT link MATCHES "^Qt6::")
            hs_collect_links(${link} seen)
        endif()
    endforeach()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(hs_forbid_link target)
    set(links "")
    hs_collect_links(${target} links)
    foreach(forbidden IN LISTS ARGN)
        if(forbidden IN_LIST links)
            message(FATAL_ERROR "${target} must not link ${forbidden}: it sits below the widgets")
        endif()
    endforeach()
endfunction()

# hs_gzip(input output): a reproducible, fully compressed copy (no name or time stamp), as Debian
# wants manual pages and change logs; made again whenever CMake runs.
function(hs_gzip input output)
    execute_process(COMMAND gzip -9 -n -c ${input} OUTPUT_FILE ${output} COMMAND_ERROR_IS_FATAL ANY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input})
endfunction()
