# Installing the programs (`cmake --install`) and the Debian package made from that install (CPack).
# Included after every target is defined: the cutting tool is installed when it is part of the build.
include(GNUInstallDirs)

# An installed program reads its help page and shipped lists from <prefix>/share/doravel3, found
# from its own folder, so a package installed under any prefix finds them.
set(DORAVEL_SHARED_DATA_DIR ${CMAKE_INSTALL_DATADIR}/doravel3)
file(RELATIVE_PATH doravel_shared_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/doravel3)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/model/ProgramFolder.cpp DIRECTORY ${CMAKE_SOURCE_DIR}/src
             APPEND PROPERTY COMPILE_DEFINITIONS DORAVEL_SHARED_DATA_FROM_BIN="${doravel_shared_from_bin}")

# Everything the package holds is readable by all, as Debian expects.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(doravel_data_permissions OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

install(TARGETS doravel3 doravel3-sheet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET doravel3-cut)
    install(TARGETS doravel3-cut RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/db/ DESTINATION ${DORAVEL_SHARED_DATA_DIR}/db
        FILE_PERMISSIONS ${doravel_data_permissions})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/dv3_help/ DESTINATION ${DORAVEL_SHARED_DATA_DIR}/dv3_help
        FILE_PERMISSIONS ${doravel_data_permissions})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILE_PERMISSIONS ${doravel_data_permissions})
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/com.merkona.doravel3.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications PERMISSIONS ${doravel_data_permissions})
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/com.merkona.doravel3.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo PERMISSIONS ${doravel_data_permissions})

# Debian wants the copyright and a compressed changelog of a package in its doc folder, and a
# manual page for each program.
set(doravel_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/doravel3)
set(doravel_generated ${CMAKE_BINARY_DIR}/package)
file(MAKE_DIRECTORY ${doravel_generated})
add_custom_command(OUTPUT ${doravel_generated}/changelog.gz ${doravel_generated}/doravel3.1.gz
                          ${doravel_generated}/doravel3-sheet.1.gz
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/data/debian/changelog > ${doravel_generated}/changelog.gz
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/data/debian/doravel3.1 > ${doravel_generated}/doravel3.1.gz
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/data/debian/doravel3-sheet.1 > ${doravel_generated}/doravel3-sheet.1.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/data/debian/changelog ${CMAKE_SOURCE_DIR}/data/debian/doravel3.1
            ${CMAKE_SOURCE_DIR}/data/debian/doravel3-sheet.1
    COMMENT "Compressing the package's changelog and manual pages")
add_custom_target(doravel_package_docs ALL DEPENDS ${doravel_generated}/changelog.gz
                  ${doravel_generated}/doravel3.1.gz ${doravel_generated}/doravel3-sheet.1.gz)
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright ${doravel_generated}/changelog.gz
        DESTINATION ${doravel_doc_dir} PERMISSIONS ${doravel_data_permissions})
install(FILES ${doravel_generated}/doravel3.1.gz ${doravel_generated}/doravel3-sheet.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 PERMISSIONS ${doravel_data_permissions})

# The Debian package: `scripts/package.sh` builds what it holds (doravel_package_contents below) and
# makes it; installing never builds the tests and benchmarks first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME doravel3)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Merkona)
set(CPACK_PACKAGE_CONTACT "Merkona <destek@merkona.com.tr>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.merkona.com.tr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from the programs themselves; what they load at run time is named here: the
# fonts of the printed sheet, the database drivers and the Turkish
# texts of the toolkit's own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, fonts-open-sans, fonts-comic-neue, fonts-dejavu-core, libqt6sql6-sqlite, libqt6sql6-psql, qt6-translations-l10n")
# The maker's web page opens in the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
# The first line is the summary; Debian's control file has one description, so the Turkish text
# follows the English one.
file(READ ${CMAKE_SOURCE_DIR}/data/debian/description doravel_description)
string(STRIP "${doravel_description}" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
include(CPack)

# What the package holds, built without the tests and benchmarks: `scripts/package.sh` builds this.
add_custom_target(doravel_package_contents)
add_dependencies(doravel_package_contents doravel3 doravel3-sheet doravel_package_docs)
if(TARGET doravel3-cut)
    add_dependencies(doravel_package_contents doravel3-cut)
endif()
