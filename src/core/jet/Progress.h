#pragma once
// How long work tells how far it is and learns whether to stop: the one interface of the
// back-up, the restore, the conversion and the helper runner, whoever shows it.
#include <atomic>
#include <string>

namespace yardmark {

class Progress {
 public:
  virtual ~Progress() = default;
  // How far the work is (0 to 1) and what it does now; called on the working thread.
  virtual void step(double done, const std::string& what) = 0;
  // Whether to stop as soon as the work can; asked often, so it must be cheap.
  virtual bool stopRequested() const = 0;
};

// Shown nowhere; stop() from another thread (a Stop button, Ctrl-C) ends the work.
class StopFlag : public Progress {
 public:
  void step(double, const std::string&) override {}
  bool stopRequested() const override { return m_stop.load(); }
  void stop() { m_stop = true; }

 private:
  std::atomic<bool> m_stop{false};
};

}  // namespace yardmark
