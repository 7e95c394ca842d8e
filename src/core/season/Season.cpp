#include "core/season/Season.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "core/db/Database.h"
#include "core/files/FileKind.h"
#include "core/text/CaseFold.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

std::string gameReason(const fs::path& path, const DbError& e) {
  if (e.number() == dberr::FileNotFound) {
    // A name that is there but cannot be followed (a loop of links, a folder not to be read)
    // is not a missing file: say why.
    std::error_code ec;
    static_cast<void>(fs::status(path, ec));
    if (!ec || ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory)
      return "the game file does not exist.";
    std::string why = ec.message();
    if (!why.empty()) why[0] = lowerAscii(why[0]);
    return "the game file cannot be reached: " + why + ".";
  }
  // The database layer may have said so already, naming the table at fault.
  const bool said = e.description().find(" is not a YardMark game file") != std::string::npos;
  if (!said &&
      (e.number() == dberr::NotADatabase || e.number() == dberr::NoSuchTable || e.number() == dberr::NoSuchField))
    return "it is not a YardMark game file: " + e.description();
  return e.description();
}

Game readOne(const fs::path& file) {
  try {
    return readGame(file);
  } catch (const DbError& e) {
    // A file of the earlier version: say how to convert it rather than that it is not ours.
    throw MergeError(file, isJetFile(file) ? oldFileReason() + "." : gameReason(file, e));
  }
}

// Games read on two threads and handed over one by one in list order. Opening a game file is
// most of a report's work and each thread opens its own, while the games are still merged in
// order, so every output is as if they were read one after the other. Reading stays at most a
// few games ahead of the merge: enough that a thread the system sets aside for a while seldom
// holds up the other, few enough that a season of any length holds little at once.
class ReadAhead {
 public:
  explicit ReadAhead(const std::vector<fs::path>& files) : m_files(files), m_slots(files.size()) {}
  ~ReadAhead() { stop(); }  // the helper finishes the game in hand, then is joined
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  void run(const std::function<void(const Game&)>& take) {
    if (m_files.size() > 1 && std::thread::hardware_concurrency() > 1) m_helper = std::jthread([this] { help(); });
    for (size_t i = 0; i < m_files.size(); ++i) {
      const Slot slot = handOver(i);
      // The first game in list order that cannot be read is the one told, as when read in turn.
      if (slot.error) std::rethrow_exception(slot.error);
      take(*slot.game);
    }
  }

 private:
  static constexpr size_t kAhead = 16;
  struct Slot {
    std::optional<Game> game;
    std::exception_ptr error;
    bool ready = false;
  };

  // The next game to read, when within reach of the merge; under the lock.
  std::optional<size_t> claim() {
    if (m_stopped || m_claimed == m_files.size() || m_claimed >= m_taken + kAhead) return std::nullopt;
    return m_claimed++;
  }

  void read(size_t i, std::unique_lock<std::mutex>& lock) {
    lock.unlock();
    Slot slot;
    try {
      slot.game = readOne(m_files[i]);
    } catch (...) {
      slot.error = std::current_exception();
    }
    slot.ready = true;
    lock.lock();
    m_slots[i] = std::move(slot);
    m_changed.notify_all();
  }

  void help() {
    std::unique_lock lock(m_mutex);
    while (!m_stopped && m_claimed < m_files.size()) {
      if (const auto i = claim())
        read(*i, lock);
      else
        m_changed.wait(lock);
    }
  }

  // Game i, read by whichever thread claimed it; this thread reads others while it waits.
  Slot handOver(size_t i) {
    std::unique_lock lock(m_mutex);
    while (!m_slots[i].ready) {
      if (const auto j = claim())
        read(*j, lock);
      else
        m_changed.wait(lock);
    }
    Slot slot = std::move(m_slots[i]);
    m_slots[i] = Slot{};
    m_taken = i + 1;
    m_changed.notify_all();
    return slot;
  }

  void stop() {
    const std::lock_guard lock(m_mutex);
    m_stopped = true;
    m_changed.notify_all();
  }

  const std::vector<fs::path>& m_files;
  std::vector<Slot> m_slots;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  size_t m_claimed = 0, m_taken = 0;
  bool m_stopped = false;
  std::jthread m_helper;  // last: joined before the state it uses goes
};

}  // namespace

void readSeason(const std::vector<fs::path>& files, const std::function<void(const Game&)>& take) {
  ReadAhead(files).run(take);
}

std::vector<Game> readSeason(const std::vector<fs::path>& files) {
  std::vector<Game> games;
  games.reserve(files.size());
  for (const fs::path& file : files) games.push_back(readOne(file));
  return games;
}

bool playerKeyInto(const Value& name, std::string& key) {
  if (name.isNull()) return false;
  // The kind goes into the key so that a text never equals a number of the same digits.
  key.assign(1, name.isText() ? 't' : 'n');  // appended, not prefixed: GCC 12 -O3 warns on insert (-Wrestrict)
  key += name.isText() ? name.text() : textOf(name);
  return true;
}

std::optional<std::string> playerKey(const Value& name) {
  std::string key;
  if (!playerKeyInto(name, key)) return std::nullopt;
  return key;
}

}  // namespace yardmark
