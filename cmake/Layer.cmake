# tallyrune_layer(NAME): the static library of one folder under src/, from every .cpp in it, with
# src/ as its include root. Each folder's CMakeLists.txt then links the layers below it that it
# includes (tools/check-includes.py holds the same table and checks the #include lines).
function(tallyrune_layer name)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

# The Qt headers that most files of a layer include, parsed once a library instead of once a
# file (TALLYRUNE_PRECOMPILE=OFF parses them in every file, to find a missing include).
option(TALLYRUNE_PRECOMPILE "Precompile the Qt and GoogleTest headers" ON)
set(TALLYRUNE_QT_HEADERS <QByteArray> <QDir> <QFile> <QFileInfo> <QImage> <QPainter> <QString>
                         <QStringList>)
function(tallyrune_precompile target)
    if(TALLYRUNE_PRECOMPILE)
        target_precompile_headers(${target} PRIVATE ${TALLYRUNE_QT_HEADERS} ${ARGN})
    endif()
endfunction()
