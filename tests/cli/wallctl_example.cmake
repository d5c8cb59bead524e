# Runs the installed wallctl binary on the brightness example and compares
# its standard output byte for byte.
file(REMOVE_RECURSE "${WORKDIR}")
file(MAKE_DIRECTORY "${WORKDIR}")
file(WRITE "${WORKDIR}/Setting.ini" "[SETTING]\nCmdForm=0\n")
execute_process(
    COMMAND "${WALLCTL}" --settings "${WORKDIR}/Setting.ini" --trace --select 1:2-2:3 write 0x41 50
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "wallctl exited with ${rc}: ${err}")
endif()
if(NOT out STREQUAL "write 1 FB B1 12 23 41 32 AE\n")
    message(FATAL_ERROR "unexpected trace: [${out}]")
endif()
if(NOT err STREQUAL "")
    message(FATAL_ERROR "unexpected messages: [${err}]")
endif()
