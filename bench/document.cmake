saltor_add_bench(document_bench ${CMAKE_CURRENT_LIST_DIR}/document_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/benchsupport.cpp)
saltor_add_bench(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/benchsupport.cpp)
