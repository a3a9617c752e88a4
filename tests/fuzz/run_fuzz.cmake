# Runs one fuzz target for a bounded time on a fresh copy of its seed corpus (libFuzzer adds what
# it finds to the corpus it is given, and the seeds stay as they are in the source tree).
file(REMOVE_RECURSE ${WORK})
# Every run saves a file, and saving syncs it to disk: on a RAM disk that costs nothing.
if(IS_DIRECTORY /dev/shm)
    set(ENV{TMPDIR} /dev/shm)
endif()
file(COPY ${SEEDS}/ DESTINATION ${WORK})
execute_process(
    COMMAND ${TARGET} -max_total_time=20 -rss_limit_mb=512 -max_len=70000 -artifact_prefix=${ARTIFACTS} ${WORK}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TARGET} found a fault (exit ${result}); the input is kept under ${ARTIFACTS}")
endif()
