target_sources(saltor_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/recorddialogs.h ${CMAKE_CURRENT_LIST_DIR}/recorddialogs.cpp
)
