# The main window's side of the update check, against a loopback update service.
lintaro_add_test(test_app_update
    SOURCES app_test_main.cpp gui_test_base.cpp test_app_update.cpp
    LIBS lintaro_app Qt6::Test)
target_compile_definitions(test_app_update PRIVATE LINTARO_EXECUTABLE="$<TARGET_FILE:lintaro>")
add_dependencies(test_app_update lintaro)
lintaro_test_timing(test_app_update 60 SLOW)
