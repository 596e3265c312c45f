#Included from ui / CMakeLists.txt : the lifecycle handlers(both builds)and
#the program itself(Windows builds).
add_library(vorlix_lifecycle STATIC ${CMAKE_CURRENT_LIST_DIR} / lifecycle.cpp)
    vorlix_warnings(vorlix_lifecycle)
        target_link_libraries(vorlix_lifecycle PUBLIC vorlix_platform vorlix_magnifier)
