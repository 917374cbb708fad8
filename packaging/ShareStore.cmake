# Install step: hands the program and the store folder to the group games, through the same
# shell function as the package's postinst. Needs KELVARA_SHARE_STORE_SH and KELVARA_PROGRAM.
execute_process(COMMAND sh -c ". \"$0\"; share_store \"$1\" \"$2\""
    ${KELVARA_SHARE_STORE_SH} "$ENV{DESTDIR}" ${KELVARA_PROGRAM})
