# Document benchmarks
