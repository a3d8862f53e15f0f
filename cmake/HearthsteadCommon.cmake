# Compile settings every Hearthstead target shares.
add_library(hs_common INTERFACE)
target_compile_options(hs_common INTERFACE -Wall -Wextra)
target_compile_definitions(hs_common INTERFACE
    QT_NO_CONTEXTLESS_CONNECT
    QT_USE_QSTRINGBUILDER
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
)
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
