# Installs the list control into a fresh prefix, then configures, builds and runs the consumer
# project against that prefix alone.
foreach(variable HS_BUILD_DIR HS_WORK_DIR HS_SOURCE_DIR HS_GENERATOR)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

function(run_step name)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${name} failed (${result})")
    endif()
endfunction()

file(REMOVE_RECURSE ${HS_WORK_DIR})
set(prefix ${HS_WORK_DIR}/prefix)
run_step(install ${CMAKE_COMMAND} --install ${HS_BUILD_DIR} --prefix ${prefix} --component HearthsteadAutoList)
run_step(configure ${CMAKE_COMMAND} -S ${HS_SOURCE_DIR} -B ${HS_WORK_DIR}/build -G ${HS_GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=${HS_BUILD_TYPE}
    "-DCMAKE_CXX_FLAGS=${HS_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${HS_FLAGS}")
run_step(build ${CMAKE_COMMAND} --build ${HS_WORK_DIR}/build)
run_step(run ${HS_WORK_DIR}/build/autolist_consumer)
