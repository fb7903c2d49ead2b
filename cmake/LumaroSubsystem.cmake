# lumaro_add_subsystem(<name> [DEPS libs...] [UI_DEPS libs...])
#
# Builds the subsystem in the current folder as two static libraries:
#   lumaro_<name>     from *.cpp in the folder: text-deciding code on Qt Core
#                     and Gui only, testable without widgets;
#   lumaro_<name>_ui  from ui/*.cpp: widgets, dialogs and views.
# Sources are collected by glob, so adding a file needs no CMake change.
function(lumaro_add_subsystem name)
    cmake_parse_arguments(ARG "" "" "DEPS;UI_DEPS" ${ARGN})
    file(GLOB core_sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    file(GLOB ui_sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.qrc)
    set(core lumaro_${name})
    set(ui lumaro_${name}_ui)
    if(core_sources MATCHES "\\.cpp")
        add_library(${core} STATIC ${core_sources})
        target_include_directories(${core} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
        target_link_libraries(${core} PUBLIC Qt6::Core Qt6::Gui ${ARG_DEPS})
    else()
        add_library(${core} INTERFACE)
        target_include_directories(${core} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
        target_link_libraries(${core} INTERFACE Qt6::Core Qt6::Gui ${ARG_DEPS})
    endif()
    if(ui_sources MATCHES "\\.cpp")
        add_library(${ui} STATIC ${ui_sources})
        target_include_directories(${ui} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/ui)
        target_link_libraries(${ui} PUBLIC ${core} Qt6::Widgets Qt6::PrintSupport ${ARG_UI_DEPS})
    else()
        add_library(${ui} INTERFACE)
        target_include_directories(${ui} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR}/ui)
        target_link_libraries(${ui} INTERFACE ${core} Qt6::Widgets Qt6::PrintSupport ${ARG_UI_DEPS})
    endif()
endfunction()
