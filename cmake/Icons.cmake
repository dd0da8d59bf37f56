# The application and document icons in the hicolor theme: the SVG files as they are, and PNG
# renderings of them at the sizes desktops and software centres look for, made by rsvg-convert.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(ICON_SIZES 16 22 24 32 48 64 128 256)
set(HICOLOR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
set(ICON_FOLDER ${PROJECT_BINARY_DIR}/icons/hicolor)

set(PNG_ICONS)
foreach(icon "apps;${PROJECT_SOURCE_DIR}/resources/tallyrune.svg"
             "mimetypes;${PROJECT_SOURCE_DIR}/resources/desktop/application-x-tallyrune.svg")
    list(GET icon 0 context)
    list(GET icon 1 svg)
    get_filename_component(name ${svg} NAME_WE)
    install(FILES ${svg} DESTINATION ${HICOLOR}/scalable/${context})
    foreach(size ${ICON_SIZES})
        set(folder ${ICON_FOLDER}/${size}x${size}/${context})
        add_custom_command(OUTPUT ${folder}/${name}.png
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${folder}/${name}.png ${svg}
            DEPENDS ${svg}
            COMMENT "Icon ${name} at ${size} pixels")
        list(APPEND PNG_ICONS ${folder}/${name}.png)
    endforeach()
endforeach()
add_custom_target(tallyrune_icons DEPENDS ${PNG_ICONS})
add_dependencies(tallyrune tallyrune_icons)
install(DIRECTORY ${ICON_FOLDER}/ DESTINATION ${HICOLOR} FILES_MATCHING PATTERN "*.png")
