# The language dialog and the flag pictures it embeds.
target_sources(lintaro_dialogs PRIVATE
    application_language.cpp
    application_language.h
    custom_dialog.cpp
    custom_dialog.h
    whole_title.cpp
    whole_title.h
    language_flags.cpp
    language_flags.h
    mirrored_placement.cpp
    mirrored_placement.h
    restart_script.cpp
    restart_script.h
    translate_form.cpp
    translate_form.h
)

# Flags from the Debian package famfamfam-flag-png (Mark James, public domain; its licence in
# /usr/share/doc/famfamfam-flag-png/copyright),
# copied into the build tree at configure time and embedded through a generated resource file.
set(LINTARO_FLAG_DIR /usr/share/flags/countries/16x11 CACHE PATH
    "Folder of the 16 x 11 famfamfam flag pictures (Debian package famfamfam-flag-png)")
# picture name of the dialog's list = file of the flag set
set(flag_files
    english=gb de=de fr=fr tr=tr al=al sa=sa bg=bg cn=cn tw=tw cz=cz nl=nl fi=fi gr=gr il=il
    hu=hu it=it jp=jp kr=kr ir=ir pl=pl br=br pt=pt ro=ro ru=ru si=si es=es se=se ua=ua
    vi=vn sk=sk us=us no=no ca=catalonia)
set(flag_build_dir ${CMAKE_CURRENT_BINARY_DIR}/flags)
set(flag_qrc "<RCC>\n    <qresource prefix=\"/flags\">\n")
foreach(pair IN LISTS flag_files)
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 picture)
    list(GET pair 1 file)
    if(NOT EXISTS ${LINTARO_FLAG_DIR}/${file}.png)
        message(FATAL_ERROR "Flag picture ${LINTARO_FLAG_DIR}/${file}.png is missing: "
                            "run scripts/install-deps (package famfamfam-flag-png)")
    endif()
    configure_file(${LINTARO_FLAG_DIR}/${file}.png ${flag_build_dir}/${picture}.png COPYONLY)
    string(APPEND flag_qrc "        <file>${picture}.png</file>\n")
endforeach()
string(APPEND flag_qrc "    </qresource>\n</RCC>\n")
file(CONFIGURE OUTPUT ${flag_build_dir}/flags.qrc CONTENT "${flag_qrc}")
target_sources(lintaro_dialogs PRIVATE ${flag_build_dir}/flags.qrc)
