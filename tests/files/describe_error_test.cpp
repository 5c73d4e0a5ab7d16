// Every error the C library can report reaches the player as a Japanese sentence, never as the
// library's own English text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <string>

#include "files/files.h"

namespace {

TEST(DescribeError, EveryErrorNumberIsJapanese) {
  for (int e = -1; e < 256; ++e) {
    SCOPED_TRACE(e);
    const std::string text = describe_error(e);
    EXPECT_FALSE(text.empty());
    EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](unsigned char c) {
      return std::isalpha(c);
    })) << text;
  }
}

TEST(DescribeError, RareFailuresHaveASentenceOfTheirOwn) {
  const std::pair<int, const char*> cases[] = {
      {ELOOP, "シンボリックリンクが多すぎるか、循環しています。"},
      {ENAMETOOLONG, "ファイル名またはパスが長すぎます。"},
      {EROFS, "読み取り専用の場所です。"},
      {EFBIG, "ファイルが大きすぎます。"},
      {ENOSPC, "ディスクの空き容量が足りません。"},
      {EBUSY, "ファイルまたは装置が使用中です。"},
      {EIO, "ディスクの読み書きに失敗しました。"},
      {ENOTDIR, "パスの途中にフォルダーではないものがあります。"},
      {EMFILE, "開いているファイルが多すぎます。"},
  };
  for (const auto& [error, text] : cases) EXPECT_EQ(describe_error(error), text) << error;
  // Anything else is still a sentence, with the number for whoever has to look into it.
  EXPECT_EQ(describe_error(EDOM),
            "システムのエラーです（エラー番号 " + std::to_string(EDOM) + "）。");
}

}  // namespace
