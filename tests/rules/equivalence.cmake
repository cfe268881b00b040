# The naive reference of the trail search and the test that holds the fast
# search and board check to it. Included from tests/rules/CMakeLists.txt.
add_executable(trail_search_equivalence_test
    ${CMAKE_CURRENT_LIST_DIR}/literal_trail_search.cpp
    ${CMAKE_CURRENT_LIST_DIR}/trail_search_equivalence_test.cpp
    $<TARGET_OBJECTS:velmora_frontend_null>)
target_include_directories(trail_search_equivalence_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(trail_search_equivalence_test PRIVATE velmora_rules GTest::gtest_main)
gtest_discover_tests(trail_search_equivalence_test)
