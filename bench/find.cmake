# Find benchmarks
