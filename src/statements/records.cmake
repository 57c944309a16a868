target_sources(saltor_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/recorddialogs.h ${CMAKE_CURRENT_LIST_DIR}/recorddialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recordstatements.h ${CMAKE_CURRENT_LIST_DIR}/recordstatements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/markup.h ${CMAKE_CURRENT_LIST_DIR}/markup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/markupguard.h ${CMAKE_CURRENT_LIST_DIR}/markupguard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hostdialog.h ${CMAKE_CURRENT_LIST_DIR}/hostdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diaryrecorddialog.h ${CMAKE_CURRENT_LIST_DIR}/diaryrecorddialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/taskdescriptiondialog.h ${CMAKE_CURRENT_LIST_DIR}/taskdescriptiondialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/markerdialog.h ${CMAKE_CURRENT_LIST_DIR}/markerdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picturedialog.h ${CMAKE_CURRENT_LIST_DIR}/picturedialog.cpp
)
