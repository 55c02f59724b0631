# Where the installed program lives: the program folder holds both executables with the
# Languages folder and license.txt beside them, because the program looks for those beside
# its own file. Not the multiarch library folder: nothing in it is a library.
include(GNUInstallDirs)
set(LINTARO_INSTALL_PROGRAMDIR lib/lintaro)

# lintaro_install_program(target)
#
# Installs an executable into the program folder and links <bindir>/<name> to it with a
# relative link, so the installed tree can be moved (DESTDIR, a package's staging folder).
function(lintaro_install_program target)
    install(TARGETS ${target} DESTINATION ${LINTARO_INSTALL_PROGRAMDIR})
    set(name $<TARGET_FILE_NAME:${target}>)
    install(CODE "
        set(program \"\${CMAKE_INSTALL_PREFIX}/${LINTARO_INSTALL_PROGRAMDIR}/${name}\")
        set(link \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${name}\")
        cmake_path(GET link PARENT_PATH link_folder)
        file(RELATIVE_PATH relative \"\${link_folder}\" \"\${program}\")
        message(STATUS \"Linking: \$ENV{DESTDIR}\${link} -> \${relative}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${link_folder}\")
        file(CREATE_LINK \"\${relative}\" \"\$ENV{DESTDIR}\${link}\" SYMBOLIC)")
endfunction()
