# Fails when core/ or records/ include a Qt Gui or Widgets header.
file(GLOB_RECURSE rule_files ${ROOT}/core/*.h ${ROOT}/core/*.cpp ${ROOT}/records/*.h ${ROOT}/records/*.cpp)
foreach(f ${rule_files})
    file(STRINGS ${f} hits REGEX "#include *<(QtWidgets|QtGui|QWidget|QLabel|QPainter|QPixmap|QImage|QApplication)")
    if(hits)
        message(FATAL_ERROR "${f} includes a screen header: ${hits}")
    endif()
endforeach()
message(STATUS "core/ and records/ are free of screen headers")
