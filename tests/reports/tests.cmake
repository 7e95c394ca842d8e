# yardmark_add_test(test_reports SOURCES ... LIBS yardmark_guitestsupport)
