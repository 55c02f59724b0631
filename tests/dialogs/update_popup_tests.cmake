# The update-available popup.
lintaro_add_test(test_new_ver
    SOURCES dialogs_test_main.cpp test_new_ver.cpp test_popup_title_ink.cpp
            recording_user_notices.h
    LIBS lintaro_dialogs Qt6::Test)
target_compile_definitions(test_new_ver PRIVATE LINTARO_LANGUAGES_DIR="${PROJECT_SOURCE_DIR}/Languages")
