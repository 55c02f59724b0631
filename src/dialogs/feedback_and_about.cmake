# The feedback window, the about box and the program's own SVG pictures.
find_package(Qt6 REQUIRED COMPONENTS Svg)
target_sources(lintaro_dialogs PRIVATE
    about_box.cpp
    about_box.h
    artwork.cpp
    artwork.h
    choice_panel.cpp
    choice_panel.h
    drop_down_menu.cpp
    drop_down_menu.h
    falling_letters.cpp
    falling_letters.h
    feedback_form.cpp
    feedback_form.h
    feedback_message.cpp
    feedback_message.h
    limited_text_edit.cpp
    limited_text_edit.h
    maker_pages.cpp
    maker_pages.h
    open_address.cpp
    open_address.h
    program_facts.h
    qt_user_notices.cpp
    qt_user_notices.h
    text_window.cpp
    text_window.h
    user_notices.h
    ${PROJECT_SOURCE_DIR}/resources/artwork.qrc
)
target_link_libraries(lintaro_dialogs PRIVATE lintaro_net lintaro_update Qt6::Svg)
