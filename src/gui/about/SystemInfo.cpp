#include "gui/about/SystemInfo.h"

#include <QProcess>
#include <QStandardPaths>

namespace yardmark {

QStringList PathSystemInfoLookup::defaultTools() {
  return {"hardinfo", "kinfocenter", "gnome-system-monitor", "mate-system-monitor", "xfce4-taskmanager"};
}

PathSystemInfoLookup::PathSystemInfoLookup(QStringList tools, QStringList searchPath)
    : m_tools(std::move(tools)), m_searchPath(std::move(searchPath)) {}

std::optional<QString> PathSystemInfoLookup::toolPath() {
  for (const QString& tool : m_tools) {
    const QString found = QStandardPaths::findExecutable(tool, m_searchPath);
    if (!found.isEmpty()) return found;
  }
  return std::nullopt;
}

bool PathSystemInfoLookup::start(const QString& path) { return QProcess::startDetached(path, {}); }

}  // namespace yardmark
