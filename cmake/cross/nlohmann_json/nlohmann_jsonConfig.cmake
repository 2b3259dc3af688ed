# The header-only JSON library for a cross build: the host's headers, without putting the host's
# whole /usr/include (and its C library) on the Windows compiler's search path.
if(NOT TARGET nlohmann_json::nlohmann_json)
    set(_keo_json_headers ${CMAKE_BINARY_DIR}/host-headers/json)
    file(MAKE_DIRECTORY ${_keo_json_headers})
    file(CREATE_LINK /usr/include/nlohmann ${_keo_json_headers}/nlohmann SYMBOLIC)
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
    set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES ${_keo_json_headers})
endif()
