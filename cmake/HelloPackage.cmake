# Debian packages, made by `cmake --build <build> --target package` (CPack):
# hello-qt6 with the program, its desktop entry, icon and AppStream metadata,
# and hello-qt6-dev with the gen library, its headers and its CMake package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hello-qt6)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "hello-qt6 developers <hello-qt6@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program dev)
# <name>_<version>_<architecture>.deb, as Debian names its own.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME hello-qt6)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION devel)
# The program's dependencies are read from the libraries it links, never listed by hand; all but
# one: Qt loads its SVG plugins, which draw every icon, at run time, where no linker sees them.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4)")
string(CONCAT CPACK_COMPONENT_PROGRAM_DESCRIPTION
    "Qt 6 widget demonstration\n"
    "Four tabs show a widget toolkit at work: an animated trigonometry plot, a ball bouncing under\n"
    "the gravity of a chosen body, worker threads reporting to the window and an about page with a\n"
    "slideshow, above a colour-coded log panel.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME hello-qt6-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
# A static library: its users link Qt themselves, through the CMake package.
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "qt6-base-dev (>= 6.4), qt6-svg-dev (>= 6.4)")
string(CONCAT CPACK_COMPONENT_DEV_DESCRIPTION
    "gen, the library behind hello-qt6 (development files)\n"
    "A widget toolkit driven by named callbacks, a thread-safe logger with a colour-coded log view,\n"
    "a typed settings store and three colour themes, for Qt 6 widget programs. A static library with\n"
    "its headers and a CMake package: find_package(gen).")

include(CPack)
