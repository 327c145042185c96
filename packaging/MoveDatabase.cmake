# Runs inside CPack, after the application folder has been installed into the
# staging folder and before the .deb is made: the shipped database leaves the
# package's file list and travels as a template in /usr/share/zendaro, so that
# an upgrade or a removal of the package never overwrites or deletes the scales
# a user has saved. The package's postinst copies it into place on first install.
set(stage "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
file(GLOB_RECURSE found "${stage}/*/donustur.evk")
if(NOT found)
  message(FATAL_ERROR "packaging: donustur.evk is not in the staging folder ${stage}")
endif()
list(GET found 0 database)
file(MAKE_DIRECTORY "${stage}/usr/share/zendaro")
file(RENAME "${database}" "${stage}/usr/share/zendaro/donustur.evk")
