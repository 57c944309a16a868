# Find benchmarks
saltor_add_bench(find_bench ${CMAKE_CURRENT_LIST_DIR}/find_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/benchsupport.cpp)
