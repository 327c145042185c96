# cmake -DSOURCE=... -DTARGET=... -P CopyReadOnly.cmake
# Puts SOURCE at TARGET as a read-only file, replacing an older copy.
get_filename_component(folder "${TARGET}" DIRECTORY)
get_filename_component(name "${TARGET}" NAME)
file(MAKE_DIRECTORY "${folder}")
file(REMOVE "${TARGET}")
file(COPY "${SOURCE}" DESTINATION "${folder}" FILE_PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
