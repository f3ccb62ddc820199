# What `cmake --install` puts under the prefix: the program by its command
# name, its desktop entry and icons, and the licences.

# Installing and packaging need the program only, not every test and tool:
# the install step builds nothing, so build the program first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(Q5_APP_ID "com.velmora.q5controlpanel")
set(Q5_COMMAND "q5-control-panel")

# The artefact's name has spaces in it; installed, the program goes by a
# command name.
install(PROGRAMS "$<TARGET_FILE:q5_control_panel>" DESTINATION bin RENAME "${Q5_COMMAND}")
# install(PROGRAMS) never strips, so --strip and packaging are handled here.
if(CMAKE_STRIP)
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/${Q5_COMMAND}\"
                    RESULT_VARIABLE q5_strip_result)
    if(NOT q5_strip_result EQUAL 0)
        message(FATAL_ERROR \"could not strip ${Q5_COMMAND}\")
    endif()
endif()")
endif()

# The entry names the program by its absolute path, which only the prefix
# given at install time decides, so it is written then.
set(Q5_DESKTOP_ENTRY "${CMAKE_BINARY_DIR}/packaging/${Q5_APP_ID}.desktop")
install(CODE "set(q5_desktop_template [[${PROJECT_SOURCE_DIR}/packaging/${Q5_APP_ID}.desktop.in]])
set(q5_desktop_entry [[${Q5_DESKTOP_ENTRY}]])
set(q5_program_path [[bin/${Q5_COMMAND}]])")
install(CODE [[
set(q5_exec "${CMAKE_INSTALL_PREFIX}/${q5_program_path}")
cmake_path(ABSOLUTE_PATH q5_exec NORMALIZE)
# A path with characters the Exec key reserves is quoted, with \ " ` $
# escaped inside the quotes; % is a field code unless doubled. The value is
# then a string, where a backslash is written twice.
string(REPLACE "%" "%%" q5_exec "${q5_exec}")
if(q5_exec MATCHES "[^-A-Za-z0-9_./+,:@%=]")
    string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" q5_exec "${q5_exec}")
    set(q5_exec "\"${q5_exec}\"")
endif()
string(REPLACE "\\" "\\\\" Q5_DESKTOP_EXEC "${q5_exec}")
configure_file("${q5_desktop_template}" "${q5_desktop_entry}" @ONLY)
]])
install(FILES "${Q5_DESKTOP_ENTRY}" DESTINATION share/applications)

# The icons are committed as <N>x<N>.png; the theme wants them by size folder.
file(GLOB Q5_ICONS CONFIGURE_DEPENDS "${Q5_RESOURCE_DIR}/icons/*.png")
if(NOT Q5_ICONS)
    message(FATAL_ERROR "no desktop icons in ${Q5_RESOURCE_DIR}/icons")
endif()
foreach(icon IN LISTS Q5_ICONS)
    get_filename_component(size "${icon}" NAME_WE)
    if(NOT size MATCHES "^[0-9]+x[0-9]+$")
        message(FATAL_ERROR "${icon}: not named by its size, e.g. 48x48.png")
    endif()
    install(FILES "${icon}" DESTINATION "share/icons/hicolor/${size}/apps" RENAME "${Q5_APP_ID}.png")
endforeach()

install(FILES
    "${PROJECT_SOURCE_DIR}/LICENSE"
    "${Q5_RESOURCE_DIR}/font_Display.LICENSE.txt"
    "${Q5_RESOURCE_DIR}/font_Menu.LICENSE.txt"
    DESTINATION "share/doc/${Q5_COMMAND}")

include("${CMAKE_CURRENT_LIST_DIR}/Package.cmake")
