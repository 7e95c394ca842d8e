#pragma once
// Finding and starting the operating system's system-information tool. There are no registry
// keys that name it here; the tool is looked for on the PATH instead.
#include <QString>
#include <QStringList>
#include <optional>

namespace yardmark {

class SystemInfoLookup {
 public:
  virtual ~SystemInfoLookup() = default;
  // Full path of the tool, or nothing when there is none.
  virtual std::optional<QString> toolPath() = 0;
  // Starts the tool in a window of its own; false when it could not be started.
  virtual bool start(const QString& path) = 0;
};

class PathSystemInfoLookup : public SystemInfoLookup {
 public:
  // The tools looked for, best first.
  static QStringList defaultTools();

  // searchPath empty: the PATH of the environment.
  explicit PathSystemInfoLookup(QStringList tools = defaultTools(), QStringList searchPath = {});

  std::optional<QString> toolPath() override;
  bool start(const QString& path) override;

 private:
  QStringList m_tools;
  QStringList m_searchPath;
};

}  // namespace yardmark
