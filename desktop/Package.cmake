# `make deb`: the installed files as a Debian package, ponigari_VERSION_ARCH.deb. The shared
# libraries give most dependencies; what the game loads at run time is named here: the
# GStreamer elements that decode and play the wave files, and the fonts its windows ask for.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ponigari)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${PONIGARI_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-urw-base35")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fcitx5-frontend-qt6 | ibus")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "horizontal shoot-'em-up against the ぽに and their boss ガルモ")
set(CPACK_PACKAGE_DESCRIPTION
    "Fly a small ship across the field, shoot down waves of ぽに with three weapons
that grow with the items they drop, and survive until the boss ガルモ arrives.
A five-place ranking in each player's own folder keeps the best results;
every game can be recorded and replayed.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Debian keeps the commands of games in /usr/games.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/DebianGames.cmake)
include(CPack)
