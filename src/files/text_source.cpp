// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/text_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace vrel {

namespace {

InMemoryFiles* current = nullptr;

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

void DropByteOrderMark(std::string& text) {
  if (text.starts_with(ByteOrderMark)) text.erase(0, ByteOrderMark.size());
}

FileContent Unreadable() { return {}; }

FileContent TooLarge(std::uintmax_t size) {
  FileContent content;
  content.status = FileContent::Status::TooLarge;
  content.size = size;
  return content;
}

FileContent Read(std::string text) {
  DropByteOrderMark(text);
  FileContent content;
  content.status = FileContent::Status::Read;
  content.text = std::move(text);
  return content;
}

// Closes the descriptor however the reading ends.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// Writes all of the text, resuming after interruptions and short writes.
bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The file a name stands for: a symbolic link is followed, so that saving through it replaces
// the file it points to rather than the link.
std::string WrittenPath(const std::string& path) {
  struct stat link {};
  if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

}  // namespace

InMemoryFiles::InMemoryFiles() : previous_(current) { current = this; }

InMemoryFiles::~InMemoryFiles() { current = previous_; }

const std::string* InMemoryFiles::Find(const std::string& path) const {
  auto it = files_.find(path);
  return it == files_.end() ? nullptr : &it->second;
}

FileContent ReadFileContent(const std::string& path, std::uintmax_t largest) {
  if (current != nullptr)
    if (const std::string* content = current->Find(path))
      return content->size() > largest ? TooLarge(content->size()) : Read(*content);
  // Opening without blocking: a pipe without a writer would otherwise hold the open itself.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return Unreadable();
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return Unreadable();
  const auto size = static_cast<std::uintmax_t>(status.st_size);
  if (size > largest) return TooLarge(size);
  std::string text;
  text.reserve(static_cast<std::size_t>(size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return Unreadable();
    }
    if (got == 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
    // A file that grows while it is read is held to the same bound.
    if (text.size() > largest) return TooLarge(text.size());
  }
  return Read(std::move(text));
}

std::optional<std::string> ReadTextFile(const std::string& path) {
  FileContent content = ReadFileContent(path);
  if (content.status != FileContent::Status::Read) return std::nullopt;
  return std::move(content.text);
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  const std::string target = WrittenPath(path);
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return false;
  // A pipe or a device (a script's /dev/stdout, say) keeps its place and takes the text as it
  // comes; a pipe nobody reads is refused rather than waited on.
  if (exists && !S_ISREG(existing.st_mode)) {
    Descriptor fd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return false;
    const int flags = ::fcntl(fd.get(), F_GETFL);
    return flags >= 0 && ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) == 0 &&
           WriteAll(fd.get(), text) && ::close(fd.release()) == 0;
  }
  std::string temporary = target + ".XXXXXX";
  Descriptor fd(::mkstemp(temporary.data()));
  if (fd.get() < 0) return false;
  // The new file gets the old one's permissions, or those a newly created file would get.
  mode_t mode = existing.st_mode & 07777;
  if (!exists) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  const bool written = ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), text) &&
                       ::close(fd.release()) == 0 &&
                       ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!written) ::unlink(temporary.c_str());
  return written;
}

}  // namespace vrel
