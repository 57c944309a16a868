# Diary record, task description and markup dialog suites
saltor_add_test(records_builders_test recordbuilders_test.cpp)
saltor_add_test(records_dialogs_test recorddialogs_test.cpp)
saltor_add_test(records_markup_test markupdialogs_test.cpp)
