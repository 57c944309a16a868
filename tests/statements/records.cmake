# Diary record, task description and markup dialog suites
