# The downloads come out the same, bit for bit, from any checkout path, at
# any time and under any umask; scripts/release.sh sets SOURCE_DATE_EPOCH
# for the package's times.

# No checkout path in an optimised object. Debug builds keep full paths,
# so that a debugger finds the sources from anywhere.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>")
endif()

# The PE header's time stamp is zero, not the time of the link, and with it
# the header's checksum stays the same.
if(MINGW)
    add_link_options(LINKER:--no-insert-timestamp)
endif()

# Installed folders, and so the package's, are 755 whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
