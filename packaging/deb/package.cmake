# SPDX-License-Identifier: GPL-2.0-or-later
# The Debian package: "cpack -G DEB" in the build folder packs the install rules of
# packaging/CMakeLists.txt under /usr, with the maintainer scripts beside this file.
set(KVELM_PACKAGE_MAINTAINER "kvelm developers <kvelm@localhost>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvelm)
set(CPACK_PACKAGE_VENDOR "kvelm developers")
set(CPACK_PACKAGE_CONTACT "${KVELM_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility for KV_ELM gaming mice")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KVELM_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "configuration utility for KV_ELM gaming mice
 kvelm sets DPI stages, polling rate, lighting, button assignments, macros, gun
 presets and named profiles of the KV_ELM USB gaming mice. kvelmctl, its command
 line, lists the devices, prints their settings and applies a stored profile.
 .
 A udev rule gives the user at the seat access to the mice's hidraw nodes.")
# The libraries come from dpkg-shlibdeps; the SVG image plugin, libcurl and libcrypto are
# loaded when first used, not linked, so they are named here; so is PipeWire's filter-chain
# module (the headset's equaliser, optional).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libcurl4, libssl3")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "udev, fonts-dejavu-core, fonts-wqy-microhei, qt6-wayland, libpipewire-0.3-modules")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_SOURCE_DIR}/deb/postinst ${CMAKE_CURRENT_SOURCE_DIR}/deb/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
