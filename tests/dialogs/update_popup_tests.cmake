# The update-available popup.
lintaro_add_test(test_new_ver
    SOURCES dialogs_test_main.cpp test_new_ver.cpp
    LIBS lintaro_dialogs Qt6::Test)
