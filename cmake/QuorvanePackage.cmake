# The Debian package (cpack -G DEB): runtime dependencies come from dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "monitor for the RF envelope of PSK31/PSK63 transmissions")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland plugin: the program runs natively where a Wayland session has no XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The extended description, below the summary in the package's control file.
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvane is the PC side of the Quorvane meter, a box on an RS-232 port that
samples the envelope of a transmitter's RF output. It turns each frame into
peak volts, estimated power, IMD in dB and the deviation from an ideal sine
arch, and shows the signal's class in a chart, a status line and a coloured
tray light. Automatic Level Control steers the sound card's volumes to keep
the IMD at or under a target.")
include(CPack)
