# Installation into a freedesktop tree (program, launcher, icons, AppStream metadata) and the
# Debian package built from it by `cpack` (or the `package` target). Include this file after the
# `curvanta` target has been defined.
include(GNUInstallDirs)

set(CURVANTA_APP_ID io.github.curvanta.Curvanta)

install(TARGETS curvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${CURVANTA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${CURVANTA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES assets/icon-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${CURVANTA_APP_ID}.png)
endforeach()
install(FILES assets/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${CURVANTA_APP_ID}.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME curvanta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Curvanta developers")
set(CPACK_PACKAGE_CONTACT "Curvanta developers <curvanta@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Plots a chosen function on a sheet of graph paper")
set(CPACK_PACKAGE_DESCRIPTION
    "Curvanta draws one of eleven function families (trigonometric functions and their\n\
reciprocals, powers of x, a cubic and an exponential) as red dots on graph paper, with\n\
the coefficients and the x range chosen in its window.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/curvanta/curvanta")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: the fonts the window asks for by metric
# equivalence, and the platform plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/build-[^/]*/")
include(CPack)
