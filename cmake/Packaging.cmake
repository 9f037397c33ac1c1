# The Debian package: what it installs where, and how CPack builds it (scripts/package.sh runs
# CPack on the build folder, which it does not build again).
set(KW_PACKAGE_NAME kickwerk06-editor)
set(KW_APP_ID org.kickwerkeditor.KwEdit)
set(KW_PACKAGE_DATA ${PROJECT_SOURCE_DIR}/packaging)
set(KW_MAINTAINER "Kickwerk Editor developers <team@kickwerkeditor.org>")
set(KW_HOMEPAGE https://kickwerkeditor.org)

# The renderer plug-in gets a folder of its own below the architecture's library folder; the
# editor looks for it there relative to its own program folder.
set(KW_MULTIARCH "${CMAKE_LIBRARY_ARCHITECTURE}")
if(NOT KW_MULTIARCH)
    find_program(DPKG_ARCHITECTURE dpkg-architecture)
    if(DPKG_ARCHITECTURE)
        execute_process(COMMAND ${DPKG_ARCHITECTURE} -qDEB_HOST_MULTIARCH
                        OUTPUT_VARIABLE KW_MULTIARCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
endif()
if(KW_MULTIARCH)
    set(KW_PLUGIN_INSTALL_DIR lib/${KW_MULTIARCH}/kwedit)
else()
    set(KW_PLUGIN_INSTALL_DIR lib/kwedit)
endif()

# Folders the package makes are 755 whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The installed programs bind every symbol at start, so their relocation tables can be read-only.
foreach(program kwtool kwedit Renderer)
    if(TARGET ${program})
        target_link_options(${program} PRIVATE LINKER:-z,now)
    endif()
endforeach()

install(TARGETS kwtool RUNTIME DESTINATION bin)
if(TARGET kwedit)
    file(RELATIVE_PATH plugin_from_program /usr/bin /usr/${KW_PLUGIN_INSTALL_DIR})
    target_compile_definitions(kw_controls
                               PRIVATE KW_PACKAGED_PLUGIN_FOLDER="${plugin_from_program}")
    install(TARGETS kwedit RUNTIME DESTINATION bin)
    # Loaded, never run: a library without the executable bit.
    install(TARGETS Renderer LIBRARY DESTINATION ${KW_PLUGIN_INSTALL_DIR}
            PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    install(FILES ${KW_PACKAGE_DATA}/${KW_APP_ID}.desktop DESTINATION share/applications)
    install(FILES ${KW_PACKAGE_DATA}/${KW_APP_ID}.metainfo.xml DESTINATION share/metainfo)
    install(DIRECTORY ${KW_PACKAGE_DATA}/icons/hicolor DESTINATION share/icons)
endif()
install(FILES ${KW_PACKAGE_DATA}/kwtool.bash-completion
        DESTINATION share/bash-completion/completions RENAME kwtool)

# Texts that go into the package compressed, made when CMake configures (gzip -n: no name and no
# time stamp, so the bytes depend on the text alone).
set(KW_PACKAGE_TEXTS ${CMAKE_BINARY_DIR}/package-texts)
file(MAKE_DIRECTORY ${KW_PACKAGE_TEXTS})
function(kw_compressed_text source target)
    execute_process(COMMAND gzip -9 -n -c ${source} OUTPUT_FILE ${target}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip could not compress ${source}")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

foreach(page kwedit kwtool)
    kw_compressed_text(${PROJECT_SOURCE_DIR}/docs/man/${page}.1 ${KW_PACKAGE_TEXTS}/${page}.1.gz)
    install(FILES ${KW_PACKAGE_TEXTS}/${page}.1.gz DESTINATION share/man/man1)
endforeach()

# The newest entries of the changelog and of the AppStream releases name the project's version.
function(kw_check_release file pattern)
    file(READ ${KW_PACKAGE_DATA}/${file} text)
    string(REGEX MATCH "${pattern}" found "${text}")
    if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "The newest release in packaging/${file} is \"${CMAKE_MATCH_1}\", the "
                            "project's version ${PROJECT_VERSION}: describe the release there")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KW_PACKAGE_DATA}/${file})
endfunction()
kw_check_release(changelog "^[^ ]+ \\(([^)]+)\\)")
kw_check_release(${KW_APP_ID}.metainfo.xml "<release version=\"([^\"]+)\"")
kw_compressed_text(${KW_PACKAGE_DATA}/changelog ${KW_PACKAGE_TEXTS}/changelog.gz)

# The machine-readable copyright file, made from LICENSE: its copyright line and its text.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
if(NOT license MATCHES "Copyright \\(c\\) ([^\n]+)\n+(.+[^\n])\n*$")
    message(FATAL_ERROR "LICENSE lacks the line \"Copyright (c) ...\" followed by the text")
endif()
set(copyright_holders "${CMAKE_MATCH_1}")
set(license_text "${CMAKE_MATCH_2}")
# Continuation lines begin with a blank; an empty line is written as " .".
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text "${license_text}")
file(WRITE ${KW_PACKAGE_TEXTS}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Kickwerk 06 Editor
Upstream-Contact: ${KW_MAINTAINER}
Source: ${KW_HOMEPAGE}

Files: *
Copyright: ${copyright_holders}
License: MIT

License: MIT
 ${license_text}
")
install(FILES ${KW_PACKAGE_TEXTS}/copyright ${KW_PACKAGE_TEXTS}/changelog.gz
        DESTINATION share/doc/${KW_PACKAGE_NAME})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KW_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${KW_MAINTAINER})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "database editor of the football-management game Kickwerk 06")
# Lines of at most 79 characters: the package managers show them as they are.
set(CPACK_PACKAGE_DESCRIPTION
    "Opens the world of Kickwerk 06 (206 countries with their leagues, cups,
clubs, players, staff and stadiums, stored as a folder of text files), edits
it through dialogs with undo, checks it, saves it, packs it into archives and
builds the binary master file the game reads. Without a game installation it
shows a generated demo world.

The package holds the editor kwedit, whose batch build (kwedit -master) makes
the master file without any window, the command-line tool kwtool for scripts
(statistics, checks, spreadsheet exchange, archives, database comparison) and
the reference renderer plug-in for kit and look previews.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KW_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KW_MAINTAINER})
# The libraries the programs link come from dpkg-shlibdeps; Qt's display plug-ins are loaded at
# run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
