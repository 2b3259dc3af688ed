# The motion-cueing engine for hosts: the configuration record with its JSON reading, the engine,
# the drives and the rig kinematics are installed as static libraries beside the editor library,
# in the same package (find_package(KEOUI64), then link KEOUI64::keo_drive or KEOUI64::keo_rig).
# Their headers go below include/KEOUI64/sdk, where they keep the paths they have in the source
# tree ("engine/Engine.h").
include(GNUInstallDirs)
set(KEO_SDK_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/KEOUI64/sdk)
set(KEO_SDK_TARGETS keo_config keo_engine keo_drive keo_rig)

foreach(target IN LISTS KEO_SDK_TARGETS)
    target_include_directories(${target} INTERFACE
        $<INSTALL_INTERFACE:${KEO_SDK_INCLUDE_DIR}>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
    )
    # The same names in the tree as for a host that found the package.
    add_library(KEOUI64::${target} ALIAS ${target})
endforeach()

install(TARGETS ${KEO_SDK_TARGETS} EXPORT KEOUI64Targets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/config ${PROJECT_SOURCE_DIR}/src/engine
    ${PROJECT_SOURCE_DIR}/src/rig
    DESTINATION ${KEO_SDK_INCLUDE_DIR}
    FILES_MATCHING PATTERN "*.h")
