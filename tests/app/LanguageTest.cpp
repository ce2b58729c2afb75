#include "app/Language.h"

#include <gtest/gtest.h>

TEST(Language, TheOptionWinsElseTheFirstEnglishOrChineseUiLanguageElseChinese) {
  const struct {
    std::optional<QString> option;
    QStringList uiLanguages;
    const char* expected;
  } cases[] = {
      {"en", {"zh-Hans-CN"}, "en"}, {"zh", {"en-US"}, "zh"},       {{}, {"en-GB", "en"}, "en"},
      {{}, {"de-DE", "en_US"}, "en"}, {{}, {"fr", "zh-CN", "en"}, "zh"}, {{}, {"C"}, "zh"},
      {{}, {"eng"}, "zh"},  // not the code "en"
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseLanguage(c.option, c.uiLanguages), c.expected) << c.uiLanguages.join(',').toStdString();
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
