# Included from ui/CMakeLists.txt: the lifecycle handlers (both builds) and
# the program itself (Windows builds).
add_library(vorlix_lifecycle STATIC ${CMAKE_CURRENT_LIST_DIR}/lifecycle.cpp)
vorlix_warnings(vorlix_lifecycle)
target_link_libraries(vorlix_lifecycle PUBLIC vorlix_platform vorlix_magnifier)

if(WIN32)
  add_executable(vorlix WIN32 ${CMAKE_CURRENT_LIST_DIR}/win32_main.cpp)
  vorlix_warnings(vorlix)
  target_link_options(vorlix PRIVATE -municode)
  target_link_libraries(vorlix PRIVATE
    vorlix_lifecycle vorlix_ui_win32 vorlix_ui_core vorlix_resources vorlix_platform_win32
    vorlix_readout vorlix_magnifier)
  # build/windows/vorlix.exe: one self-contained program.
  set_target_properties(vorlix PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
