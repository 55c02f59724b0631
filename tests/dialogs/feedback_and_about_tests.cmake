# The feedback window, the about box and their parts.
lintaro_add_test(test_feedback_and_about
    SOURCES dialogs_test_main.cpp test_falling_letters.cpp test_drop_down_menu.cpp
            test_about_box.cpp translation_fixture.cpp menu_closer.cpp url_recorder.cpp
    LIBS lintaro_dialogs Qt6::Test)
