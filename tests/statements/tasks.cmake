# Task dialog suites
