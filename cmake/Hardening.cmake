# Debian's hardening flags, as dpkg-buildflags gives them to a package build: fortified libc
# calls, the strong stack protector, format checks, and relocations made read-only and bound at
# start (relro, bindnow). The build type keeps its own optimisation and debug flags, and the
# paths in the debug information stay as they are. _FORTIFY_SOURCE needs an optimised build and
# gets in the sanitizers' way, so those builds go without.
option(TALLYRUNE_HARDEN "Build with Debian's hardening flags (dpkg-buildflags)" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)

function(tallyrune_buildflags name out)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env
            "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
            "DEB_CXXFLAGS_MAINT_STRIP=-g -O2"
            ${DPKG_BUILDFLAGS} --get ${name}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

if(TALLYRUNE_HARDEN AND DPKG_BUILDFLAGS AND NOT TALLYRUNE_SANITIZE
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    tallyrune_buildflags(CPPFLAGS cppflags)
    tallyrune_buildflags(CXXFLAGS cxxflags)
    tallyrune_buildflags(LDFLAGS ldflags)
    add_compile_options(${cppflags} ${cxxflags})
    add_link_options(${ldflags})
    string(JOIN " " shown ${cppflags} ${cxxflags} ${ldflags})
    message(STATUS "Hardening: ${shown}")
endif()
