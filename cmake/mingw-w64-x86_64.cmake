# Cross-building for 64-bit Windows with Debian's mingw-w64 (POSIX thread model) against a Qt built
# for the win32-g++ target. The Qt folder comes from KEO_QT_MINGW (environment or cache), default
# /opt/qt5-mingw; its host tools (moc, rcc, qmlcachegen) are Linux programs and run here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KEO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KEO_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${KEO_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${KEO_MINGW_PREFIX}-windres)

if(NOT KEO_QT_MINGW)
    if(DEFINED ENV{KEO_QT_MINGW})
        set(KEO_QT_MINGW $ENV{KEO_QT_MINGW})
    else()
        set(KEO_QT_MINGW /opt/qt5-mingw)
    endif()
endif()
set(KEO_QT_MINGW ${KEO_QT_MINGW} CACHE PATH "Qt 5.15 built for 64-bit Windows with mingw-w64")
# NLopt cross-built with the same compiler, from KEO_NLOPT_MINGW (default /opt/nlopt-mingw).
if(NOT KEO_NLOPT_MINGW)
    if(DEFINED ENV{KEO_NLOPT_MINGW})
        set(KEO_NLOPT_MINGW $ENV{KEO_NLOPT_MINGW})
    else()
        set(KEO_NLOPT_MINGW /opt/nlopt-mingw)
    endif()
endif()
set(KEO_NLOPT_MINGW ${KEO_NLOPT_MINGW} CACHE PATH "NLopt built for 64-bit Windows with mingw-w64")
# try_compile projects see only what is listed here.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KEO_QT_MINGW KEO_NLOPT_MINGW)

# The sources Debian installs for GoogleTest and the header-only JSON library live in the host's
# /usr; only their headers and sources are taken from there, never its libraries.
set(CMAKE_FIND_ROOT_PATH /usr/${KEO_MINGW_PREFIX} ${KEO_QT_MINGW} ${KEO_NLOPT_MINGW} /usr)
set(CMAKE_PREFIX_PATH ${KEO_QT_MINGW} ${KEO_NLOPT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs built here run under Wine (tools/wine-run.sh); the project sets that up.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
