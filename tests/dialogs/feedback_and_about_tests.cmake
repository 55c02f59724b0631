# The feedback window, the about box and their parts.
find_package(Qt6 REQUIRED COMPONENTS Network)
lintaro_add_test(test_feedback_and_about
    SOURCES dialogs_test_main.cpp test_falling_letters.cpp test_drop_down_menu.cpp
            test_about_box.cpp test_feedback_message.cpp test_feedback_form.cpp test_artwork.cpp
            translation_fixture.cpp menu_closer.cpp url_recorder.cpp
    LIBS lintaro_dialogs Qt6::Network Qt6::Test)
lintaro_test_timing(test_feedback_and_about 60 SLOW)

# Shows a window for scripts/dialog-screenshots; not a test.
add_executable(lintaro_show_dialog show_dialog_main.cpp)
target_link_libraries(lintaro_show_dialog PRIVATE lintaro_dialogs)
