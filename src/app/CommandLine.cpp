#include "app/CommandLine.h"

#include <algorithm>

#include "core/text/ShownText.h"

namespace yardmark::cli {

namespace {

const Option* find(const Grammar& grammar, const std::string& name) {
  static const Option root{"--root", "a directory"};
  if (name == root.name) return &root;
  const auto it =
      std::find_if(grammar.options.begin(), grammar.options.end(), [&](const Option& o) { return o.name == name; });
  return it == grammar.options.end() ? nullptr : &*it;
}

}  // namespace

Args parse(const Grammar& grammar, const std::vector<std::string>& args) {
  Args r;
  bool optionsOpen = true;
  for (size_t i = 0; i < args.size() && r.problem.empty(); ++i) {
    const std::string& arg = args[i];
    if (optionsOpen && arg == "--") {
      optionsOpen = false;
    } else if (!optionsOpen || !arg.starts_with(grammar.optionsFirst ? "--" : "-")) {
      if (grammar.optionsFirst) optionsOpen = false;
      if (r.operands.size() == grammar.maxOperands) r.problem = std::string(grammar.stray) + " " + arg;
      r.operands.push_back(arg);
    } else if (arg == "--help") {
      r.help = true;
      return r;
    } else if (const Option* o = find(grammar, arg); !o) {
      r.problem = std::string(grammar.stray) + " " + arg;
    } else if (!o->value) {
      r.given[arg];
    } else if (i + 1 == args.size() || args[i + 1].empty()) {
      // An empty value would quietly mean the default folder, or none.
      r.problem = arg + " needs " + o->value;
    } else {
      r.given[arg] = args[++i];
    }
  }
  return r;
}

int usage(const char* tool, const std::string& problem, const std::string& text) {
  if (!problem.empty()) std::fprintf(stderr, "%s: %s\n", tool, spellControls(problem).c_str());
  std::fputs(text.c_str(), stderr);
  return kExitUsage;
}

}  // namespace yardmark::cli
