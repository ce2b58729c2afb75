#include "app/Language.h"

#include <gtest/gtest.h>

// The lists are what QLocale::system().uiLanguages() gives in each environment.
TEST(Language, TheOptionWinsElseTheFirstEnglishOrChineseUiLanguageElseEnglish) {
  const struct {
    const char* environment;
    std::optional<QString> option;
    QStringList uiLanguages;
    const char* expected;
  } cases[] = {
      {"LANG=C, LANG=C.UTF-8, LC_ALL=POSIX", {}, {"C"}, "en"},
      {"LANG=de_DE.UTF-8", {}, {"de-DE", "de-Latn-DE", "de"}, "en"},
      {"LANG=en_US.UTF-8", {}, {"en-US", "en-Latn-US", "en"}, "en"},
      {"LANG=zh_CN.UTF-8", {}, {"zh-CN", "zh-Hans-CN", "zh"}, "zh"},
      {"LANG=zh_TW.UTF-8", {}, {"zh-TW", "zh-Hant-TW"}, "zh"},
      {"LANGUAGE=zh_CN:en", {}, {"zh-CN", "zh-Hans-CN", "zh", "en", "en-Latn-US", "en-US"}, "zh"},
      {"LANGUAGE=de:zh", {}, {"de", "de-Latn-DE", "de-DE", "zh", "zh-Hans-CN", "zh-CN"}, "zh"},
      {"LANGUAGE=de:en", {}, {"de", "de-Latn-DE", "de-DE", "en", "en-Latn-US", "en-US"}, "en"},
      {"no languages", {}, {}, "en"},
      {"a code that only starts like English", {}, {"eng", "zh"}, "zh"},
      {"--lang zh", "zh", {"en-US"}, "zh"},
      {"--lang en", "en", {"zh-CN", "zh-Hans-CN", "zh"}, "en"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseLanguage(c.option, c.uiLanguages).toStdString(), c.expected) << c.environment;
}

TEST(Language, TheOptionIsTakenFromAnywhereOnTheLineAndOnlyEnOrZhIsAccepted) {
  const struct {
    QStringList args;
    std::optional<QString> value;  // none and refused when `rest` is empty
    QStringList rest;
  } cases[] = {
      {{"info", "a.wav"}, {}, {"info", "a.wav"}},
      {{"--lang", "zh", "info", "--lang=en"}, "en", {"info"}},  // the last one counts
      {{"info", "--lang", "fr"}, {}, {}},
      {{"info", "--lang"}, {}, {}},
  };
  for (const auto& c : cases) {
    QStringList args = c.args;
    QString error;
    EXPECT_EQ(TakeLanguageOption(args, &error), c.value) << c.args.join(' ').toStdString();
    EXPECT_EQ(error.isEmpty(), !c.rest.isEmpty()) << c.args.join(' ').toStdString();
    EXPECT_EQ(args, c.rest.isEmpty() ? args : c.rest);
  }
}
