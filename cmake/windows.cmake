# The Windows executable: static runtime, console subsystem, embedded resources.
enable_language(RC)

target_compile_definitions(corvalen_core PUBLIC UNICODE _UNICODE)
# ole32 and oleaut32 are loaded at run time, only where WMI is asked.
target_link_libraries(corvalen_core PUBLIC iphlpapi wbemuuid)
target_sources(corvalen_core PRIVATE commands/wmi_windows.cpp)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # Windows XP is the oldest system the 32-bit executable runs on; keeping the
  # headers at its level makes any newer API a compile error. The Visual C++
  # 2005 layout gives the 64-bit time_t that Windows' own DLLs use in the
  # adapter records.
  target_compile_definitions(corvalen_core PUBLIC
    _WIN32_WINNT=0x0501 WINVER=0x0501 __MINGW_USE_VC2005_COMPAT)
  target_sources(corvalen_core PRIVATE probes/record_sizes_windows_x86.cpp)
  set(CORVALEN_SUBSYSTEM_FLAGS
    -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,1
    -Wl,--major-os-version,5 -Wl,--minor-os-version,1)
else()
  target_compile_definitions(corvalen_core PUBLIC
    _WIN32_WINNT=0x0601 WINVER=0x0601)
  set(CORVALEN_SUBSYSTEM_FLAGS)
endif()

set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} --codepage=65001")

add_executable(corvalen app/main.cpp resources/corvalen.rc)
set_target_properties(corvalen PROPERTIES OUTPUT_NAME Corvalen)
set_source_files_properties(resources/corvalen.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/resources/corvalen.manifest;${CMAKE_CURRENT_SOURCE_DIR}/resources/corvalen.ico")
target_link_libraries(corvalen PRIVATE corvalen_core)
target_link_options(corvalen PRIVATE
  -static -static-libgcc -static-libstdc++
  -Wl,--subsystem,console
  -Wl,--dynamicbase -Wl,--nxcompat
  $<$<CONFIG:Release>:-s>
  ${CORVALEN_SUBSYSTEM_FLAGS})
set(CORVALEN_EXECUTABLE corvalen)
