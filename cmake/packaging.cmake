# Installation and the Debian package: the program, its .desktop entry and its icon in the
# hicolor theme. `cpack` in the build folder writes tamrik_<version>_<arch>.deb.
include(GNUInstallDirs)

install(TARGETS tamrik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(UNIX AND NOT APPLE)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/tamrik.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/tamrik.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamrik)
set(CPACK_PACKAGE_VENDOR "Tamrik")
set(CPACK_PACKAGE_CONTACT "support@example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Seven-segment LED codes, C arrays and binary inverters for firmware writers")
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop utility (Russian interface) for people who write firmware driving
seven-segment LED displays: segment codes for common-cathode and common-anode displays in both
bit orders, a C array builder and binary number inverters.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tamrik <support@example.org>")
# The linked libraries come from dpkg-shlibdeps (libqt6gui6 brings the JPEG image plugin).
# Qt's X11 platform plugin is loaded at run time, so it is named here, with the fonts the
# windows ask for: Times New Roman's metric twin (Liberation) and Tahoma's (Wine).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins (>= 6.4), fonts-liberation, fonts-wine")
include(CPack)
