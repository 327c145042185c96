# The Windows application folder: beside zendaro.exe everything it loads
# from Qt (Qt's own deployment tool is not built for a cross build), the
# SQLite library, mingw's run-time libraries and Qt's Turkish texts.
# Included by app/CMakeLists.txt in a build for Windows.

# Qt's libraries, from the targets the program links.
foreach(module Core Gui Widgets Sql)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()

# The plugins Qt loads at run time, in the folders it looks for them in.
foreach(plugin platforms:QWindowsIntegrationPlugin sqldrivers:QSQLiteDriverPlugin sqldrivers:QPSQLDriverPlugin
               styles:QWindowsVistaStylePlugin)
  string(REPLACE ":" ";" plugin "${plugin}")
  list(GET plugin 0 folder)
  list(GET plugin 1 target)
  install(FILES $<TARGET_FILE:Qt6::${target}> DESTINATION ${folder})
endforeach()

# SQLite and libpq, in the Windows Qt folder beside their import libraries.
get_filename_component(sqlite_folder "${SQLite3_LIBRARY}" DIRECTORY)
install(FILES ${sqlite_folder}/../bin/sqlite3.dll ${sqlite_folder}/../bin/libpq.dll DESTINATION .)

# mingw's run-time libraries, where the compiler itself finds them.
foreach(runtime libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  # (The bare name when the compiler does not know the file.)
  if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
    message(FATAL_ERROR "mingw's ${runtime} is missing")
  endif()
  install(FILES ${runtime_path} DESTINATION .)
endforeach()

# Qt's Turkish texts (the .qm files serve every system), in the folder qt.conf
# names; qt.conf ties Qt's folders to the application folder.
install(FILES /usr/share/qt6/translations/qtbase_tr.qm DESTINATION translations)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION .)

# Debian's Liberation fonts, which the windows name for the fonts of the old
# platform (the program adds the fonts in fonts/ at start), with their licence.
file(GLOB liberation_fonts /usr/share/fonts/truetype/liberation2/Liberation*.ttf)
if(NOT liberation_fonts)
  message(FATAL_ERROR "the Liberation fonts are missing (Debian: fonts-liberation2)")
endif()
install(FILES ${liberation_fonts} DESTINATION fonts)
install(FILES /usr/share/doc/fonts-liberation2/copyright DESTINATION fonts RENAME LICENSE.txt)
