#pragma once
// Long work off the GUI thread, so the window goes on repainting while a helper process reads
// a file, under a progress dialog whose Cancel stops the work at once.
#include <exception>
#include <functional>
#include <optional>
#include <type_traits>

class QProgressDialog;

namespace yardmark {

// Runs job on a pool thread and processes events until it has ended; the dialog's Cancel calls
// stop on the GUI thread. The dialog is reset (hidden) at the end.
void runJobInBackground(QProgressDialog& progress, std::function<void()> job, const std::function<void()>& stop);

// The same for work with a result: returns it, or throws on the GUI thread what the work threw.
// stop must make the work end soon, since the caller waits for it.
template <typename Work>
std::invoke_result_t<Work&> runInBackground(QProgressDialog& progress, Work work, const std::function<void()>& stop) {
  std::optional<std::invoke_result_t<Work&>> result;
  std::exception_ptr failure;
  runJobInBackground(
      progress,
      [&] {
        try {
          result.emplace(work());
        } catch (...) {
          failure = std::current_exception();
        }
      },
      stop);
  if (failure) std::rethrow_exception(failure);
  return std::move(*result);
}

}  // namespace yardmark
