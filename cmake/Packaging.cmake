# The Debian package, built by CPack from what `cmake --install` puts in place:
#   cmake --workflow --preset package   ->   build/package/wagecourt_1.00-1_amd64.deb
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wagecourt)
set(CPACK_PACKAGE_VERSION ${WAGECOURT_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "The Wagecourt developers")
set(CPACK_PACKAGE_CONTACT ${WAGECOURT_MAINTAINER})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# What `cmake --install` puts in place, and the Debian-only files, in one package.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
# Directories as Debian wants them, whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "weekly salary calculator for Courtlore players")
# The summary above is the synopsis line; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Wagecourt works out the weekly salary of a player of the online
basketball-management game Courtlore. Copy the player's skill list from the
game's page, press Calculate Salary, and the window shows the salary he earns
at his best-paid position, with every skill level in its own colour. A click
on a level steps it up or down and shows at once what a training step is
worth.
.
It knows the game's eight languages: English, Turkish, Spanish, Italian,
French, German, Polish and Portuguese. The package also holds wagecourt-cli,
which computes the same salaries for scripts and whole rosters.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${WAGECOURT_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${WAGECOURT_MAINTAINER})
# A companion to a game rather than a game: "games" would ask for /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries as dpkg-shlibdeps finds them, the faces the layout is drawn with, and
# the SQLite driver the player book opens as a plugin, which no library check sees.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-dejavu-core, libqt6sql6-sqlite")
# Native Wayland, for sessions without XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
