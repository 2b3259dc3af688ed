# The plug-in as a Windows DLL: named KEOUI64.dll as the hosts load it, exporting only the functions
# marked for export (the entry points), with the ELF version script left to other systems.
if(NOT WIN32)
    return()
endif()
get_target_property(_keo_link_options KEOUI64 LINK_OPTIONS)
if(_keo_link_options)
    list(FILTER _keo_link_options EXCLUDE REGEX "--version-script")
    set_target_properties(KEOUI64 PROPERTIES LINK_OPTIONS "${_keo_link_options}")
endif()
set_target_properties(KEOUI64 PROPERTIES PREFIX "" IMPORT_PREFIX "" LINK_DEPENDS "")
# No automatic export of every symbol, and the runtime libraries keep their own exports.
target_link_options(KEOUI64 PRIVATE -Wl,--exclude-all-symbols -Wl,--exclude-libs,ALL)

# mingw's <cmath> defines M_PI and its kin only on request in standard C++ mode.
target_compile_definitions(keo_graph PUBLIC _USE_MATH_DEFINES)
target_compile_definitions(keo_editor_host PUBLIC _USE_MATH_DEFINES)
