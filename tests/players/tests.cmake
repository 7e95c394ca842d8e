# yardmark_add_test(test_players SOURCES ... LIBS yardmark_guitestsupport)
