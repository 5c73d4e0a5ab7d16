#include "files/files.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace {

constexpr std::size_t CHUNK = 64 * 1024;

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
    error = "通常のファイルではありません。";
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

std::string replace_file(const std::filesystem::path& file, std::string_view bytes) {
  std::string name = file.string() + ".XXXXXX";
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return describe_error(errno);
  // mkostemp makes the file private; a settings file is as readable as any other.
  bool ok = ::fchmod(fd, 0644) == 0 && write_all(fd, bytes) && ::fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(name.c_str(), file.c_str()) != 0) {
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
