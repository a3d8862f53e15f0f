# Installs the build into WORK_DIR/prefix, asks the installed program its version, then starts it
# once with an empty XDG_DATA_HOME and checks that its data folder was seeded from the delivered file.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

foreach(file IN ITEMS bin/hearthstead share/hearthstead/HOMEDATA.DAT share/hearthstead/default.jpg
                      share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
                      share/icons/hicolor/scalable/apps/${APP_ID}.svg
                      share/icons/hicolor/48x48/apps/${APP_ID}.png share/man/man1/hearthstead.1.gz)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "The install lacks ${file}")
    endif()
endforeach()

unset(ENV{HEARTHSTEAD_APPDIR})
set(ENV{XDG_DATA_HOME} ${WORK_DIR}/data)
set(ENV{HEARTHSTEAD_REGISTRY_DIR} ${WORK_DIR}/config)
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{XDG_RUNTIME_DIR} ${WORK_DIR})
execute_process(COMMAND ${prefix}/bin/hearthstead --version OUTPUT_VARIABLE version
                COMMAND_ERROR_IS_FATAL ANY)
if(NOT version MATCHES "^Hearthstead v[0-9.]+ \\(Desktop Edition\\)\n$")
    message(FATAL_ERROR "Unexpected version line: ${version}")
endif()

# The program keeps running with its window open; the seeding happens before, so a short run does.
execute_process(COMMAND ${prefix}/bin/hearthstead TIMEOUT 10 RESULT_VARIABLE result ERROR_VARIABLE errors)
set(seeded ${WORK_DIR}/data/hearthstead/HOMEDATA.DAT)
if(NOT EXISTS ${seeded})
    message(FATAL_ERROR "No seeded data file (${result}): ${errors}")
endif()
if(errors MATCHES "error opening the database")
    message(FATAL_ERROR "The installed program could not open its data file: ${errors}")
endif()
