# Installs the build into a throw-away prefix, checks that every file lands where the desktop
# looks for it, and starts the installed program, which must find its data there.
#   cmake -DBUILD=<build dir> -DWORK=<empty dir> -P install_test.cmake
file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(file bin/tessera bin/tessera-render bin/tessera-dict bin/tessera-gen share/tessera/TIPS.TXT share/tessera/help/index.html
             share/applications/tessera.desktop share/icons/hicolor/scalable/apps/tessera.svg
             share/icons/hicolor/16x16/apps/tessera.png share/icons/hicolor/48x48/apps/tessera.png
             share/icons/hicolor/256x256/apps/tessera.png)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(EXISTS ${prefix}/share/tessera/desktop)
  message(FATAL_ERROR "the desktop files must not land among the program's data")
endif()

find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND ${VALIDATE} ${prefix}/share/applications/tessera.desktop RESULT_VARIABLE result
                  OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${output}")
  endif()
endif()

# The installed program, started in a home of its own and asked to close after a moment as the
# desktop asks at logout, fills its program directory from the installed data.
set(home ${WORK}/home)
file(MAKE_DIRECTORY ${home}/runtime)
file(CHMOD ${home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen HOME=${home}
                        XDG_CONFIG_HOME=${home}/config XDG_DATA_HOME=${home}/data XDG_RUNTIME_DIR=${home}/runtime
                        timeout -s TERM 6 ${prefix}/bin/tessera
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
set(program_directory "${home}/data/Marrowdale Software/Tessera")
if(NOT EXISTS "${program_directory}/TIPS.TXT")
  message(FATAL_ERROR "the installed program did not find its data (exit ${result})")
endif()
if(NOT EXISTS "${home}/config/Marrowdale Software/Tessera.conf")
  message(FATAL_ERROR "the installed program did not close as asked (exit ${result})")
endif()
message(STATUS "installed into ${prefix}; the program started from there and found its data")
