target_sources(saltor_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/taskdialogs.h ${CMAKE_CURRENT_LIST_DIR}/taskdialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/taskstatements.h ${CMAKE_CURRENT_LIST_DIR}/taskstatements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/createsimpletask.h ${CMAKE_CURRENT_LIST_DIR}/createsimpletask.cpp
    ${CMAKE_CURRENT_LIST_DIR}/twofieldtable.h ${CMAKE_CURRENT_LIST_DIR}/twofieldtable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/twofielddialog.h ${CMAKE_CURRENT_LIST_DIR}/twofielddialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settaskstate.h ${CMAKE_CURRENT_LIST_DIR}/settaskstate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/taskhint.h ${CMAKE_CURRENT_LIST_DIR}/taskhint.cpp
)
