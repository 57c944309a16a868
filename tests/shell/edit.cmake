# Edit, Find and comment suites
saltor_add_test(edit_commands_test edit_commands_test.cpp)
saltor_add_test(find_test find_test.cpp)
saltor_add_test(comment_commands_test comment_commands_test.cpp)
