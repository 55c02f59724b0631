# lintaro_embed_version_record(target [DESCRIPTION text])
#
# Gives an executable its version record: a VS_VERSIONINFO block in the section that
# GetEXEVersionData reads, generated from the project version at build time. The file version
# has the record's four numbers; the product version is the project version as written, the
# one text that --version, the about box and the package show.
function(lintaro_embed_version_record target)
    # Set here, not at file scope: callers live in other directories.
    set(LINTARO_COMPANY_NAME "Kelmora")
    set(LINTARO_PRODUCT_NAME "Lintaro")
    set(LINTARO_COPYRIGHT_YEAR 2026)
    cmake_parse_arguments(ARG "" "DESCRIPTION" "" ${ARGN})
    if(NOT ARG_DESCRIPTION)
        set(ARG_DESCRIPTION "${LINTARO_PRODUCT_NAME} barcode generator")
    endif()
    get_target_property(file_name ${target} OUTPUT_NAME)
    if(NOT file_name)
        set(file_name ${target})
    endif()
    set(tweak 0)
    if(NOT "${Lintaro_VERSION_TWEAK}" STREQUAL "")
        set(tweak ${Lintaro_VERSION_TWEAK})
    endif()
    set(version "${Lintaro_VERSION_MAJOR}.${Lintaro_VERSION_MINOR}.${Lintaro_VERSION_PATCH}.${tweak}")

    set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_record.cpp)
    add_custom_command(
        OUTPUT ${source}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:lintaro_make_version_record> ${source} ${version} ${version}
                "CompanyName=${LINTARO_COMPANY_NAME}"
                "FileDescription=${ARG_DESCRIPTION}"
                "FileVersion=${version}"
                "InternalName=${file_name}"
                "LegalCopyright=Copyright (C) ${LINTARO_COPYRIGHT_YEAR} ${LINTARO_COMPANY_NAME}"
                "OriginalFileName=${file_name}"
                "ProductName=${LINTARO_PRODUCT_NAME}"
                "ProductVersion=${Lintaro_VERSION}"
        DEPENDS lintaro_make_version_record
        COMMENT "Generating the version record of ${target}"
        VERBATIM)
    set_source_files_properties(${source} PROPERTIES GENERATED ON SKIP_AUTOGEN ON)
    target_sources(${target} PRIVATE ${source})
endfunction()
