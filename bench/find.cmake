# Find benchmarks
saltor_add_bench(find_bench find_bench.cpp)
