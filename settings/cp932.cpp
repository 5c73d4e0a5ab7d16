#include "settings/cp932.h"

#include <iconv.h>

namespace {

std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
  const iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  // One input byte never becomes more than three output bytes in either direction.
  std::string out(in.size() * 3 + 4, '\0');
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char* dst = out.data();
  std::size_t dstLeft = out.size();
  const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1) &&
                  iconv(cd, nullptr, nullptr, &dst, &dstLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace

std::optional<std::string> utf8_to_cp932(std::string_view text) {
  return convert("CP932", "UTF-8", text);
}

std::optional<std::string> cp932_to_utf8(std::string_view bytes) {
  return convert("UTF-8", "CP932", bytes);
}
