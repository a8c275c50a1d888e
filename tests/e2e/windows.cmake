# The Windows executable: its image is inspected in every Windows build; the
# 64-bit one also runs end to end under Wine.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CORVALEN_BITS 32)
else()
  set(CORVALEN_BITS 64)
endif()
string(REGEX REPLACE "windres$" "objdump" CORVALEN_OBJDUMP "${CMAKE_RC_COMPILER}")

add_test(NAME pe.image
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/pe_inspection.sh
    $<TARGET_FILE:corvalen> ${CORVALEN_OBJDUMP} ${CMAKE_RC_COMPILER}
    ${CORVALEN_BITS})
set_tests_properties(pe.image PROPERTIES LABELS pe)

if(NOT CORVALEN_BITS EQUAL 64)
  return()
endif()

add_executable(windows_facts e2e/windows_facts.cpp)
target_include_directories(windows_facts PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(windows_facts PRIVATE iphlpapi)
target_link_options(windows_facts PRIVATE -static)

set(CORVALEN_WINE_WORK ${CMAKE_CURRENT_BINARY_DIR}/wine)
foreach(case "win2003;Windows 2003;5.2" "vista;windows vista;6.0"
             "win7;windows 7;6.1" "win10;windows 10;6.2")
  list(GET case 0 version)
  list(GET case 1 name)
  list(GET case 2 number)
  add_test(NAME wine.report.${version}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/wine_report.sh
      $<TARGET_FILE:corvalen> $<TARGET_FILE:windows_facts>
      ${CORVALEN_WINE_WORK}/${version} ${version} ${name} ${number})
  set_tests_properties(wine.report.${version} PROPERTIES
    LABELS "wine;e2e" TIMEOUT 300)
endforeach()

add_executable(capture_probe e2e/capture_probe.cpp)
target_link_libraries(capture_probe PRIVATE corvalen_core)
target_link_options(capture_probe PRIVATE -static)

add_test(NAME wine.capture
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/wine_capture.sh
    $<TARGET_FILE:corvalen> $<TARGET_FILE:capture_probe>
    ${CORVALEN_WINE_WORK}/capture)
set_tests_properties(wine.capture PROPERTIES LABELS "wine;e2e" TIMEOUT 300)

add_executable(run_without_stdin e2e/run_without_stdin.cpp)
target_link_options(run_without_stdin PRIVATE -static -municode)

add_test(NAME faults.wine
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/wine_faults.sh
    $<TARGET_FILE:corvalen> $<TARGET_FILE:run_without_stdin>
    ${CORVALEN_WINE_WORK}/faults)
set_tests_properties(faults.wine PROPERTIES LABELS "wine;faults" TIMEOUT 300)
set_tests_properties(wine.capture PROPERTIES LABELS "wine;e2e;faults")

add_test(NAME wine.wmi_without_wmic
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/wine_wmi.sh
    $<TARGET_FILE:corvalen> ${CORVALEN_WINE_WORK}/wmi)
set_tests_properties(wine.wmi_without_wmic PROPERTIES LABELS "wine;e2e" TIMEOUT 300)
