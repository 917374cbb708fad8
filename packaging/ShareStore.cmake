# Install step: hands the program and the store folder to the group games, through the same
# shell function as the package's postinst, and lists the store's files for uninstall. Needs
# KELVARA_SHARE_STORE_SH and KELVARA_PROGRAM.
execute_process(COMMAND sh -c ". \"$0\"; share_store \"$1\" \"$2\""
    ${KELVARA_SHARE_STORE_SH} "$ENV{DESTDIR}" ${KELVARA_PROGRAM})
foreach(file Kelvara.reg Kelvara.reg.bak)
    if(EXISTS "$ENV{DESTDIR}/var/games/kelvara/${file}")
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES /var/games/kelvara/${file})
    endif()
endforeach()
