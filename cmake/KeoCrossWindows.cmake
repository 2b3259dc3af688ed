# What a Windows build needs beyond the common project: GoogleTest built from Debian's sources with
# the same compiler, the header-only JSON library from the host, and test discovery deferred to
# ctest so that building never starts Wine.
if(NOT WIN32)
    return()
endif()

# Tests and test discovery run the programs under Wine, which finds KEOUI64.dll in its build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${PROJECT_SOURCE_DIR}/tools/wine-run.sh --path ${CMAKE_BINARY_DIR}/src/plugin)

# Found through cmake/cross/<Package>/ before the toolchain's search roots.
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/cross/nlohmann_json CACHE PATH "" FORCE)

if(KEO_BUILD_TESTS)
    set(KEO_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${KEO_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # Its warnings are not ours.
    target_compile_options(gtest PRIVATE -w)
    target_compile_options(gtest_main PRIVATE -w)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    set(GTest_DIR ${CMAKE_CURRENT_LIST_DIR}/cross/GTest CACHE PATH "" FORCE)

    set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
endif()
