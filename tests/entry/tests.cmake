# yardmark_add_test(test_entry SOURCES ... LIBS yardmark_guitestsupport)
