#include "app/Language.h"

#include <gtest/gtest.h>

#include <optional>

TEST(Language, TheOptionWinsElseTheFirstEnglishOrChineseUiLanguageElseChinese) {
  const struct {
    std::optional<QString> option;
    QStringList uiLanguages;
    const char* expected;
  } cases[] = {
      {"en", {"zh-Hans-CN"}, "en"},
      {"zh", {"en-US", "en"}, "zh"},
      {{}, {"en-GB", "en"}, "en"},
      {{}, {"EN_us"}, "en"},
      {{}, {"zh-Hant-TW"}, "zh"},
      {{}, {"de-DE", "en-US"}, "en"},  // German is not offered; English comes next
      {{}, {"fr-FR", "zh-CN", "en"}, "zh"},
      {{}, {"de-DE"}, "zh"},
      {{}, {"C"}, "zh"},
      {{}, {}, "zh"},
      {{}, {"eng"}, "zh"},  // not the language code "en"
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseLanguage(c.option, c.uiLanguages), c.expected) << c.uiLanguages.join(',').toStdString();
}

TEST(Language, TheOptionIsTakenFromAnywhereOnTheLineAndOnlyEnOrZhIsAccepted) {
  const struct {
    QStringList args;
    std::optional<QString> value;
    QStringList rest;
    bool refused;
  } cases[] = {
      {{"measure", "a.wav"}, std::nullopt, {"measure", "a.wav"}, false},
      {{"--lang", "en", "measure", "a.wav"}, "en", {"measure", "a.wav"}, false},
      {{"measure", "a.wav", "--lang=zh"}, "zh", {"measure", "a.wav"}, false},
      {{"--lang", "zh", "info", "--lang", "en"}, "en", {"info"}, false},  // the last one counts
      {{"info", "--lang", "fr"}, std::nullopt, {}, true},
      {{"--lang=", "info"}, std::nullopt, {}, true},
      {{"info", "--lang"}, std::nullopt, {}, true},
  };
  for (const auto& c : cases) {
    QStringList args = c.args;
    QString error;
    const std::optional<QString> value = TakeLanguageOption(args, &error);
    const std::string what = c.args.join(' ').toStdString();
    EXPECT_EQ(!error.isEmpty(), c.refused) << what;
    EXPECT_EQ(value, c.value) << what;
    if (!c.refused) {
      EXPECT_EQ(args, c.rest) << what;
    }
  }
}
