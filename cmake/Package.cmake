# The Debian package, made by `cpack` in the build folder (or `make package`).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME "${Q5_COMMAND}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Velmora")
set(Q5_PACKAGE_MAINTAINER "Velmora <packages@velmora.invalid>" CACHE STRING "Maintainer of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${Q5_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control panel for the Velmora Q5 USB audio interface")
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop panel that finds the Q5 on its MIDI ports and keeps the gain knob, input source buttons and headphone mute in step with the device. It lives in the tray and can start at login.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")

set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The debug information stays in the build folder.
set(CPACK_STRIP_FILES ON)

include(CPack)
