# GoogleTest for a cross build: the targets come from Debian's sources under /usr/src/googletest,
# built by the top-level project with the cross compiler (see cmake/KeoCrossWindows.cmake).
if(NOT TARGET GTest::gtest OR NOT TARGET GTest::gtest_main)
    set(GTest_FOUND FALSE)
    set(GTest_NOT_FOUND_MESSAGE "GoogleTest was not built from /usr/src/googletest")
endif()
