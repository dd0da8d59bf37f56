# Files installed compressed (manual pages, the changelog): gzip -9 without a name or time stamp,
# so the same input always gives the same bytes.
find_program(GZIP_PROGRAM gzip REQUIRED)

function(tallyrune_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${GZIP_PROGRAM} -9nc ${source} > ${output}
        DEPENDS ${source}
        COMMENT "Compressing ${output}")
endfunction()
