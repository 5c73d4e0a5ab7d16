#include "files/files.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace {

constexpr std::size_t CHUNK = 64 * 1024;
// As many symbolic links in a row as the kernel itself follows.
constexpr int MAX_LINKS = 40;
// A new file is readable by everyone, like any other file the user makes.
constexpr mode_t NEW_FILE_MODE = 0644;
// Seven bytes, hidden; mkostemp fills in the X's.
constexpr char TEMPORARY_NAME[] = ".XXXXXX";
constexpr char NOT_REGULAR[] = "通常のファイルではありません。";

// Opens a regular file for reading, or says why not. O_NONBLOCK keeps the open of a pipe from
// waiting for a writer; it changes nothing for a regular file.
int open_regular(const std::filesystem::path& file, std::string& error) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = describe_error(errno);
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    error = describe_error(errno);
  } else if (S_ISDIR(st.st_mode)) {
    error = describe_error(EISDIR);
  } else if (!S_ISREG(st.st_mode)) {
    error = NOT_REGULAR;
  } else {
    return fd;
  }
  ::close(fd);
  return -1;
}

// Reads up to `size` bytes, retrying after signals; -1 with errno set on failure.
ssize_t read_some(int fd, char* buffer, std::size_t size) {
  ssize_t n;
  do n = ::read(fd, buffer, size);
  while (n < 0 && errno == EINTR);
  return n;
}

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The path at the end of the chain of symbolic links that starts at `file` (the file itself when
// it is no link, or the path the last link names when nothing is there yet). Relative links count
// from their own folder. Sets `error` when the chain cannot be followed.
std::filesystem::path follow_links(std::filesystem::path file, int& error) {
  for (int hops = 0; hops <= MAX_LINKS; ++hops) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0) {
      if (errno != ENOENT) error = errno;
      return file;
    }
    if (!S_ISLNK(st.st_mode)) return file;
    std::string text(PATH_MAX, '\0');
    const ssize_t n = ::readlink(file.c_str(), text.data(), text.size());
    if (n < 0) {
      error = errno;
      return file;
    }
    text.resize(static_cast<std::size_t>(n));
    const std::filesystem::path to = text;
    file = to.is_absolute() ? to : file.parent_path() / to;
  }
  error = ELOOP;
  return file;
}

// Why the user may not replace this file, or nothing when they may both read and write it. The
// kernel is asked by opening it, which weighs permissions, access lists, read-only mounts and
// files marked unchangeable alike; nothing is read or written.
std::string refusal(const std::filesystem::path& file) {
  const struct {
    int flags;
    const char* denied;
  } checks[] = {{O_RDONLY, "読み込みが許可されていないファイルです。"},
                {O_WRONLY, "書き込みが許可されていないファイルです。"}};
  for (const auto& check : checks) {
    const int fd = ::open(file.c_str(), check.flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == EACCES ? check.denied : describe_error(errno);
    ::close(fd);
  }
  return {};
}

}  // namespace

FileBytes read_whole_file(const std::filesystem::path& file) {
  FileBytes out;
  const int fd = open_regular(file, out.error);
  if (fd < 0) return out;
  char buffer[CHUNK];
  for (;;) {
    const ssize_t n = read_some(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      out.error = describe_error(errno);
      out.bytes.clear();
      break;
    }
    out.bytes.insert(out.bytes.end(), buffer, buffer + n);
  }
  ::close(fd);
  return out;
}

std::vector<std::string> read_first_lines(const std::filesystem::path& file, std::size_t count,
                                          std::size_t limit) {
  std::vector<std::string> lines;
  std::string error;
  const int fd = open_regular(file, error);
  if (fd < 0) return lines;
  std::string line;
  bool started = false;   // a byte of the current line has been seen
  bool after_cr = false;  // the last byte ended a line with CR; an LF now belongs to that end
  const auto finish = [&] {
    lines.push_back(std::move(line));
    line.clear();
    started = false;
  };
  char buffer[CHUNK];
  ssize_t n;
  while (lines.size() < count && (n = read_some(fd, buffer, sizeof buffer)) > 0) {
    for (ssize_t i = 0; i < n && lines.size() < count; ++i) {
      const char c = buffer[i];
      if (c == '\n' && after_cr) {
        after_cr = false;
        continue;
      }
      after_cr = c == '\r';
      if (c == '\r' || c == '\n') {
        finish();
        continue;
      }
      started = true;
      if (line.size() <= limit) line.push_back(c);
    }
  }
  if (started && lines.size() < count) finish();
  ::close(fd);
  return lines;
}

std::string replace_file(const std::filesystem::path& file, std::string_view bytes, Flush flush) {
  // 1. The file that really holds the data, at the end of any symbolic links, so that a link
  // the user made stays and its target gets the new contents.
  int error = 0;
  const std::filesystem::path target = follow_links(file, error);
  if (error != 0) return describe_error(error);
  // 2. Only a plain file the user may read and write is replaced; it keeps its permissions.
  mode_t mode = NEW_FILE_MODE;
  struct stat st {};
  if (::lstat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return describe_error(EISDIR);
    if (!S_ISREG(st.st_mode)) return NOT_REGULAR;
    const std::string refused = refusal(target);
    if (!refused.empty()) return refused;
    mode = st.st_mode & 0777;
  } else if (errno != ENOENT) {
    return describe_error(errno);
  }
  // 3. The bytes go to a temporary file beside the target, then the rename swaps it in at once.
  // Its name is short, so any name the folder accepts for the file works for it too.
  std::string name = (target.parent_path() / TEMPORARY_NAME).string();
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return describe_error(errno);
  bool ok = ::fchmod(fd, mode) == 0 && write_all(fd, bytes) &&
            (flush == Flush::ToSystem || ::fsync(fd) == 0);
  error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(name.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (ok) return {};
  ::unlink(name.c_str());
  return describe_error(error);
}

std::string describe_error(int error) {
  // Every text is the game's own: the C library's descriptions are English.
  switch (error) {
    case ENOENT:
      return "ファイルまたはフォルダーが見つかりません。";
    case EACCES:
    case EPERM:
      return "アクセスが拒否されました。";
    case EROFS:
      return "読み取り専用の場所です。";
    case ENOSPC:
    case EDQUOT:
      return "ディスクの空き容量が足りません。";
    case EFBIG:
    case EOVERFLOW:
      return "ファイルが大きすぎます。";
    case EISDIR:
      return "同じ名前のフォルダーがあります。";
    case EIO:
      return "ディスクの読み書きに失敗しました。";
    case ELOOP:
      return "シンボリックリンクが多すぎるか、循環しています。";
    case ENAMETOOLONG:
      return "ファイル名またはパスが長すぎます。";
    case ENOTDIR:
      return "パスの途中にフォルダーではないものがあります。";
    case EEXIST:
      return "同じ名前のファイルがすでにあります。";
    case ENOTEMPTY:
      return "フォルダーが空ではありません。";
    case EBUSY:
    case ETXTBSY:
      return "ファイルまたは装置が使用中です。";
    case EMFILE:
    case ENFILE:
      return "開いているファイルが多すぎます。";
    case ENOMEM:
      return "メモリが足りません。";
    case EXDEV:
      return "別のドライブをまたいで置き換えることはできません。";
    case EMLINK:
      return "リンクの数が多すぎます。";
    case EAGAIN:
      return "一時的に使用できません。しばらくしてからやり直して下さい。";
    case EINTR:
      return "操作が中断されました。";
    case EINVAL:
      return "この名前や操作は使えません。";
    case ENXIO:
    case ENODEV:
      return "装置が見つかりません。";
    case ENOSYS:
    case EOPNOTSUPP:
      return "この場所ではその操作ができません。";
    case ENOLCK:
    case EDEADLK:
      return "ファイルをロックできません。";
    case ESTALE:
      return "ネットワーク上のファイルが使えなくなりました。";
    case ETIMEDOUT:
      return "応答がないまま時間切れになりました。";
    case ENOTCONN:
    case ENETDOWN:
    case ENETUNREACH:
    case EHOSTUNREACH:
    case ECONNREFUSED:
    case ECONNRESET:
      return "ネットワークにつながりません。";
    default:
      return "システムのエラーです（エラー番号 " + std::to_string(error) + "）。";
  }
}
