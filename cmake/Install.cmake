# Installation into a freedesktop tree (program, launcher, icons, AppStream metadata) and the
# Debian package built from it by `cpack` (or the `package` target). Include this file after the
# `curvanta` target has been defined.
include(GNUInstallDirs)

install(TARGETS curvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${CURVANTA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
include(cmake/Changelog.cmake)
configure_file(data/${CURVANTA_APP_ID}.metainfo.xml.in ${CURVANTA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${CURVANTA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES assets/icon-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${CURVANTA_APP_ID}.png)
endforeach()
install(FILES assets/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${CURVANTA_APP_ID}.svg)

set(CPACK_PACKAGE_CONTACT "Curvanta developers <curvanta@example.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/curvanta/curvanta")

# The documentation a Debian package carries: the copyright in machine-readable form (the license
# text taken from LICENSE), the changelog and the manual page, compressed as Debian's policy asks.
# The manual page is made by help2man from the program's own --help, in English, named after the
# command as typed and dated by the newest release so that rebuilding gives the same bytes.
set(CURVANTA_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/curvanta)
file(STRINGS LICENSE license_lines)
set(CURVANTA_LICENSE_TEXT "")
set(in_grant FALSE)
foreach(line IN LISTS license_lines)
    if(line MATCHES "^Permission is hereby granted")
        set(in_grant TRUE)
    endif()
    if(in_grant AND line STREQUAL "")
        string(APPEND CURVANTA_LICENSE_TEXT " .\n")
    elseif(in_grant)
        string(APPEND CURVANTA_LICENSE_TEXT " ${line}\n")
    endif()
endforeach()
string(STRIP "${CURVANTA_LICENSE_TEXT}" CURVANTA_LICENSE_TEXT)
string(PREPEND CURVANTA_LICENSE_TEXT " ")
configure_file(data/copyright.in copyright @ONLY)

find_program(CURVANTA_GZIP gzip REQUIRED)
find_program(CURVANTA_HELP2MAN help2man REQUIRED)
find_program(CURVANTA_PERL perl REQUIRED)
add_custom_command(OUTPUT changelog.gz
    COMMAND ${CURVANTA_GZIP} -9nc ${PROJECT_SOURCE_DIR}/CHANGELOG > changelog.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG)
add_custom_command(OUTPUT curvanta.1.gz
    COMMAND ${CMAKE_COMMAND} -E env --unset=LANGUAGE LC_ALL=C.UTF-8 LANG=C.UTF-8
            SOURCE_DATE_EPOCH=${CURVANTA_RELEASE_EPOCH} ASAN_OPTIONS=detect_leaks=0
            ${CURVANTA_HELP2MAN} --no-info --section=1 --output=curvanta.1
            "--name=plot a chosen function on a sheet of graph paper"
            "--version-string=curvanta ${PROJECT_VERSION}" $<TARGET_FILE:curvanta>
    # help2man takes each continued line of a command in --help (it begins with an option) for an
    # option of its own; the command is set line by line instead, indented as --help shows it.
    COMMAND ${CURVANTA_PERL} -0pi -e [=[s{^\.IP\n(.* \\e\n)((?:\.HP\n.*\n)+)}{my ($first, $rest) = ($1, $2); $rest =~ s/^\.HP\n/    /mg; ".IP\n.nf\n$first$rest.fi\n"}gme]=]
            curvanta.1
    COMMAND ${CURVANTA_GZIP} -9nf curvanta.1
    DEPENDS curvanta
    VERBATIM)
add_custom_target(curvanta_docs ALL DEPENDS changelog.gz curvanta.1.gz)
install(FILES ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${CURVANTA_DOCDIR})
install(FILES ${PROJECT_BINARY_DIR}/curvanta.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME curvanta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Curvanta developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Plots a chosen function on a sheet of graph paper")
set(CPACK_PACKAGE_DESCRIPTION
    "Curvanta draws one of eleven function families (trigonometric functions\n\
and their reciprocals, powers of x, a cubic and an exponential) as red\n\
dots on graph paper, with the coefficients and the x range chosen in its\n\
window.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: the fonts the window asks for by metric
# equivalence, and the platform plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
# Qt's own dialogs and buttons in the user's language, and the window native on a Wayland desktop
# (without the plugin Qt falls back to X11 through Xwayland).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
# Directories in the package as Debian's policy wants them, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/build-[^/]*/")
include(CPack)
