# The Linux binary run end to end.
add_executable(native_facts e2e/native_facts.cpp)
target_include_directories(native_facts PRIVATE ${PROJECT_SOURCE_DIR})

add_test(NAME e2e.native_report
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/native_report.sh
    $<TARGET_FILE:corvalen> $<TARGET_FILE:native_facts>
    ${CMAKE_CURRENT_BINARY_DIR}/e2e-native)
set_tests_properties(e2e.native_report PROPERTIES LABELS e2e TIMEOUT 120)

add_test(NAME e2e.native_pause
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/native_pause.sh
    $<TARGET_FILE:corvalen> ${CMAKE_CURRENT_BINARY_DIR}/e2e-pause)
set_tests_properties(e2e.native_pause PROPERTIES LABELS e2e TIMEOUT 120)

# memcheck needs the C library's malloc to be replaceable, so it runs a
# dynamically linked build of the same program.
find_program(CORVALEN_VALGRIND valgrind)
option(CORVALEN_MEMCHECK "Run the binary under memcheck (not with sanitizers)" ON)
if(CORVALEN_VALGRIND AND CORVALEN_MEMCHECK)
  add_executable(corvalen_dynamic ${PROJECT_SOURCE_DIR}/app/main.cpp)
  target_link_libraries(corvalen_dynamic PRIVATE corvalen_core)
  add_test(NAME memcheck.report
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/memcheck.sh ${CORVALEN_VALGRIND}
      $<TARGET_FILE:corvalen_dynamic> ${CMAKE_CURRENT_BINARY_DIR}/memcheck)
  set_tests_properties(memcheck.report PROPERTIES LABELS memcheck TIMEOUT 300)
endif()

add_test(NAME faults.native_streams
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/native_faults.sh
    $<TARGET_FILE:corvalen> ${CMAKE_CURRENT_BINARY_DIR}/faults)
set_tests_properties(faults.native_streams PROPERTIES LABELS faults TIMEOUT 120)

# The icon is drawn by a script; the committed file must be what it draws.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME resources.icon_reproducible
    COMMAND ${CMAKE_COMMAND}
      -DPYTHON=${Python3_EXECUTABLE}
      -DSCRIPT=${PROJECT_SOURCE_DIR}/resources/make_icon.py
      -DCOMMITTED=${PROJECT_SOURCE_DIR}/resources/corvalen.ico
      -DDRAWN=${CMAKE_CURRENT_BINARY_DIR}/corvalen-drawn.ico
      -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/icon_reproducible.cmake)
  set_tests_properties(resources.icon_reproducible PROPERTIES LABELS resources)
endif()
