# The update-available popup, shown when the update check announces a version.
target_sources(lintaro_dialogs PRIVATE
    ink_room.cpp
    ink_room.h
    new_ver.cpp
    new_ver.h
)
target_link_libraries(lintaro_dialogs PUBLIC lintaro_update)
