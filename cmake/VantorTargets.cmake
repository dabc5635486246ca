# Helpers that keep the per-folder CMake files short: sources are collected per folder, so
# adding a class means adding its header/source pair and nothing else.

# vantor_sources(<out-var> <folder>...): every .cpp/.h below the folders, sorted.
function(vantor_sources out)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND files ${found})
  endforeach()
  if(VANTOR_SOURCE_EXCLUDE)
    list(FILTER files EXCLUDE REGEX "${VANTOR_SOURCE_EXCLUDE}")
  endif()
  list(SORT files)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# vantor_test(<name> FOLDERS <folder>... [SKIP <regex>] LIBS <lib>...): one GoogleTest
# executable made of every test source in the folders (but those matching SKIP), registered
# with CTest test by test.
function(vantor_test name)
  cmake_parse_arguments(T "" "SKIP" "FOLDERS;LIBS" ${ARGN})
  vantor_sources(srcs ${T_FOLDERS})
  if(T_SKIP)
    list(FILTER srcs EXCLUDE REGEX "${T_SKIP}")
  endif()
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main rapidcheck)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VANTOR_ROOT=${PROJECT_SOURCE_DIR}")
endfunction()
