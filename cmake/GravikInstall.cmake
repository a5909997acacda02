# What `cmake --install` puts in place: the two programs, the desktop entry with its
# file types, the icon in the usual sizes, the AppStream metainfo, the manual pages
# and the folder for packs installed for everyone.
include(GNUInstallDirs)

set(GRAVIK_APP_ID "invalid.gravik.Gravik")
set(desktop_source ${PROJECT_SOURCE_DIR}/assets/desktop)
set(desktop_build ${PROJECT_BINARY_DIR}/desktop)
configure_file(${desktop_source}/gravik.desktop.in ${desktop_build}/${GRAVIK_APP_ID}.desktop @ONLY)
configure_file(${desktop_source}/gravik.metainfo.xml.in
               ${desktop_build}/${GRAVIK_APP_ID}.metainfo.xml @ONLY)

install(TARGETS gravik gravik-pack RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${desktop_build}/${GRAVIK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_build}/${GRAVIK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_source}/gravik-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${GRAVIK_APP_ID}.xml)
install(FILES ${desktop_source}/gravik.6 ${desktop_source}/gravik-pack.6
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The game looks for installed packs in <prefix>/share/gravik/packs/.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/packs/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/gravik/packs)

# The icon is drawn by the art generator in every size at build time.
set(icon_folder ${PROJECT_BINARY_DIR}/icons)
set(icon_sizes 16 22 24 32 48 64 96 128 256)
set(icon_files "")
foreach(size ${icon_sizes})
    list(APPEND icon_files ${icon_folder}/${size}x${size}/apps/${GRAVIK_APP_ID}.png)
endforeach()
add_custom_command(
    OUTPUT ${icon_files}
    COMMAND gravik_artgen --icons ${icon_folder} ${GRAVIK_APP_ID}
    DEPENDS gravik_artgen
    COMMENT "Drawing the desktop icon"
    VERBATIM)
add_custom_target(gravik_icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${icon_folder}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
