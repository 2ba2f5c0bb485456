# velmora_add_manpage(PAGE): fills in PAGE.in (the version) and installs the page
# compressed with gzip -9n, as Debian ships manual pages.
function(velmora_add_manpage page)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${page})
    configure_file(${page}.in ${out} @ONLY)
    find_program(GZIP_EXECUTABLE gzip REQUIRED)
    execute_process(COMMAND ${GZIP_EXECUTABLE} -9nc ${out} OUTPUT_FILE ${out}.gz COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCH "[0-9]+$" section ${page})
    install(FILES ${out}.gz DESTINATION share/man/man${section})
endfunction()
