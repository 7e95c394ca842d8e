#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "core/files/DataTree.h"

namespace fs = std::filesystem;

namespace yardmark::test {

TempRoot::TempRoot() {
  std::random_device rd;
  m_dir = fs::temp_directory_path() / ("yardmark-test-" + std::to_string(rd()) + std::to_string(rd()));
  fs::create_directories(m_dir);
  // Like a real program folder: the executable "yardmark" beside its data folder "YardMark",
  // so a lookup that takes the wrong entry fails.
  std::ofstream(m_dir / "yardmark", std::ios::binary) << "#!/bin/sh\n";
  fs::permissions(m_dir / "yardmark", fs::perms::owner_all, fs::perm_options::replace);
  layOutTree(m_dir);
}

TempRoot::~TempRoot() {
  std::error_code ec;
  fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(m_dir, ec);
}

fs::path TempRoot::writeFile(const std::string& relative, const std::string& bytes) const {
  const fs::path p = m_dir / relative;
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << bytes;
  return p;
}

fs::path TempRoot::copyTemplate(const std::string& relative) const {
  const fs::path p = m_dir / relative;
  fs::create_directories(p.parent_path());
  fs::copy_file(databases() / "yardMark_master.mdb", p, fs::copy_options::overwrite_existing);
  return p;
}

fs::path fixture(const std::string& name) { return fs::path(YARDMARK_FIXTURES_DIR) / name; }

void expectReference(const std::string& text, const std::string& name) {
  if (std::getenv("YARDMARK_REGENERATE")) std::ofstream(fixture(name), std::ios::binary) << text;
  EXPECT_EQ(text, readBytes(fixture(name))) << name;
}

std::string readBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace yardmark::test
