# The language dialog, its message dialog, flags and restart script.
lintaro_add_test(test_translate_form
    SOURCES dialogs_test_main.cpp test_translate_form.cpp test_custom_dialog.cpp
            test_restart_script.cpp
    LIBS lintaro_dialogs Qt6::Test)
