include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# The bundle's object library goes along: consumers link its objects directly.
# Two components, which the Debian packages follow: the library for developers
# ("dev") and the program for users ("program").
install(TARGETS gen ${GEN_RESOURCE_TARGETS}
    EXPORT genTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev
    OBJECTS DESTINATION ${CMAKE_INSTALL_LIBDIR}/gen-objects COMPONENT dev
    FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT dev)

install(EXPORT genTargets
    NAMESPACE gen::
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/gen
    COMPONENT dev)

configure_package_config_file(
    ${PROJECT_SOURCE_DIR}/cmake/genConfig.cmake.in
    ${PROJECT_BINARY_DIR}/genConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/gen)
write_basic_package_version_file(
    ${PROJECT_BINARY_DIR}/genConfigVersion.cmake
    VERSION ${PROJECT_VERSION}
    COMPATIBILITY SameMajorVersion)
install(FILES
    ${PROJECT_BINARY_DIR}/genConfig.cmake
    ${PROJECT_BINARY_DIR}/genConfigVersion.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/gen
    COMPONENT dev)

# The demo program only when it is ours to ship, not a parent project's.
if(PROJECT_IS_TOP_LEVEL)
    install(TARGETS hello-qt6 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
    # The desktop finds the icon by the entry's Icon= name in the hicolor
    # theme, so the file is installed under exactly that name.
    install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/hello-qt6.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT program)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/hello-qt6.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT program)
    # What software centres show about the program.
    install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/org.gen.HelloQt6.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT program)
    include(${PROJECT_SOURCE_DIR}/cmake/HelloPackage.cmake)
endif()
