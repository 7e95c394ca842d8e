#pragma once
// A fresh program directory for one test, laid out from the generated templates.
#include <filesystem>
#include <string>

namespace yardmark::test {

class TempRoot {
 public:
  TempRoot();
  ~TempRoot();
  TempRoot(const TempRoot&) = delete;
  TempRoot& operator=(const TempRoot&) = delete;

  const std::filesystem::path& dir() const { return m_dir; }
  std::filesystem::path yardmark() const { return m_dir / "YardMark"; }
  std::filesystem::path databases() const { return m_dir / "YardMark" / "databases"; }
  std::filesystem::path games() const { return m_dir / "YardMark" / "games"; }

  // Writes bytes to a file below the root and returns its path.
  std::filesystem::path writeFile(const std::string& relative, const std::string& bytes) const;
  // A copy of the master template at the given place below the root.
  std::filesystem::path copyTemplate(const std::string& relative) const;

 private:
  std::filesystem::path m_dir;
};

std::filesystem::path fixture(const std::string& name);
// Expects the text to be the reference file below tests/data byte for byte. YARDMARK_REGENERATE=1
// rewrites the reference instead, on purpose; read it before committing.
void expectReference(const std::string& text, const std::string& name);
std::string readBytes(const std::filesystem::path& p);

}  // namespace yardmark::test
