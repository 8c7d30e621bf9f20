# The Windows program, its resources and the Windows-side tests.
enable_language(RC)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_compile_definitions(NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

# Win32 implementations of the portable interfaces.
add_library(tavrilond_win32 STATIC
  winsys/window_system_win32.cpp
  output/edit_control_win32.cpp
)
target_link_libraries(tavrilond_win32 PUBLIC tavrilond_core)

file(GLOB framework_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/framework/*.cpp)
list(REMOVE_ITEM framework_sources ${CMAKE_SOURCE_DIR}/framework/recent_file_list.cpp
     ${CMAKE_SOURCE_DIR}/framework/command_line_info.cpp)
add_library(tavrilond_framework STATIC ${framework_sources})
target_include_directories(tavrilond_framework PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tavrilond_framework PUBLIC tavrilond_framework_portable comdlg32 advapi32 gdi32 user32 shlwapi)

file(GLOB program_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/*.cpp ${CMAKE_SOURCE_DIR}/view/*.cpp)
add_executable(Tavrilond WIN32 ${program_sources})
target_link_libraries(Tavrilond PRIVATE tavrilond_framework tavrilond_win32)
target_link_options(Tavrilond PRIVATE -static -mwindows)
include(${CMAKE_SOURCE_DIR}/res/resources.cmake OPTIONAL)

option(TAVRILOND_WINDOWS_TESTS "Build the Windows-side test suites" OFF)
if(TAVRILOND_WINDOWS_TESTS)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  include(GoogleTest)
  foreach(suite tests/e2e tests/e2e/resources tests/e2e/app_shell)
    if(EXISTS ${CMAKE_SOURCE_DIR}/${suite}/CMakeLists.txt)
      add_subdirectory(${suite})
    endif()
  endforeach()
endif()

# The program itself: machine, GUI subsystem, system DLLs only.
if(TAVRILOND_WINDOWS_TESTS)
  find_program(objdump_64 x86_64-w64-mingw32-objdump REQUIRED)
  add_test(NAME Executable.TestBuildIsA64BitGuiProgramWithSystemImportsOnly
           COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/check-executable $<TARGET_FILE:Tavrilond> pei-x86-64 ${objdump_64})
  if(TAVRILOND_RELEASE_EXE)
    find_program(objdump_32 i686-w64-mingw32-objdump REQUIRED)
    add_test(NAME Executable.ReleaseBuildIsA32BitGuiProgramWithSystemImportsOnly
             COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/check-executable ${TAVRILOND_RELEASE_EXE} pei-i386 ${objdump_32})
  endif()
endif()

# Presses the get-board button of a running program and prints the box.
add_executable(board_probe tools/board_probe.cpp)
target_link_options(board_probe PRIVATE -static)
