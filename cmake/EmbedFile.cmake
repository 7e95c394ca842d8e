file(READ "${INPUT}" content HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
file(WRITE "${OUTPUT}"
"// Generated from ${INPUT}; do not edit.\n#include <string_view>\nnamespace yardmark::embedded {\nstatic const char data_[] = {${bytes} 0};\nextern const std::string_view ${SYMBOL}(data_, sizeof(data_) - 1);\n}\n")
