# Edit, Find and comment suites
