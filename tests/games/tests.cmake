# yardmark_add_test(test_games SOURCES ... LIBS yardmark_guitestsupport)
