# yardmark_add_test(test_roster SOURCES ... LIBS yardmark_guitestsupport)
