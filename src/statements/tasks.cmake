target_sources(saltor_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/taskdialogs.h ${CMAKE_CURRENT_LIST_DIR}/taskdialogs.cpp
)
