// The translations cover every text of the program: lupdate, run over the
// sources as `update_translations` runs it, finds no text without a finished
// English translation, nor a text written in English without a finished
// Chinese one; and each translation keeps what the code relies on.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace {

struct Message {
  QString translation;
  bool finished = false;
};
// By "context: source".
using Messages = std::map<std::string, Message>;

Messages ReadTs(const QString& path) {
  Messages messages;
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  QString context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() == u"source") source = xml.readElementText();
    if (xml.name() != u"translation") continue;
    const QString type = xml.attributes().value("type").toString();
    const QString translation = xml.readElementText();
    // Texts no source has any more are not shown; lupdate drops them.
    if (type != u"vanished" && type != u"obsolete")
      messages[(context + ": " + source).toStdString()] = {translation, type.isEmpty() && !translation.isEmpty()};
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

// One of the program's translation files and how lupdate brings it up to
// date; the Chinese one holds only the contexts whose texts are English.
struct TsFile {
  const char* path;
  const char* lupdateOptions;
  bool englishContextsOnly;
};
const TsFile kEnglish{ONDRIX_TS_FILE, ONDRIX_LUPDATE_OPTIONS, false};
const TsFile kChinese{ONDRIX_ZH_TS_FILE, ONDRIX_ZH_LUPDATE_OPTIONS, true};

bool InFile(const TsFile& ts, const std::string& key) {
  static const QStringList english = QString(ONDRIX_ENGLISH_CONTEXTS).split('|');
  return !ts.englishContextsOnly || english.contains(QString::fromStdString(key).section(": ", 0, 0));
}

// The texts of the program's sources and `more` that a copy of `ts`, brought
// up to date by lupdate, has no finished translation for.
std::vector<std::string> Untranslated(const TsFile& ts, const QStringList& more = {}) {
  QTemporaryDir dir;
  const QString copy = dir.filePath(QFileInfo(ts.path).fileName());
  EXPECT_TRUE(QFile::copy(ts.path, copy));
  QProcess lupdate;
  lupdate.setProcessChannelMode(QProcess::MergedChannels);
  lupdate.start(ONDRIX_LUPDATE, QString(ts.lupdateOptions).split('|') + QString(ONDRIX_TRANSLATED_DIRS).split('|') +
                                    more + QStringList{"-ts", copy});
  EXPECT_TRUE(lupdate.waitForFinished(120000));
  const std::string output = lupdate.readAll().toStdString();
  EXPECT_EQ(lupdate.exitCode(), 0) << output;
  // A tr() lupdate cannot place in its class would get another context than the program gives it.
  EXPECT_EQ(output.find("unknown namespace/class"), std::string::npos) << output;
  std::vector<std::string> untranslated;
  for (const auto& [key, m] : ReadTs(copy))
    if (!m.finished && InFile(ts, key)) untranslated.push_back(key);
  return untranslated;
}

// What a translation must keep of its source: the printf conversions of the
// picture's readout formats in their order, Qt's %1.. markers, the line
// breaks (a status prompt and its tooltip are split at one), the shortcut
// after a tab, and the mnemonics ("&File") and doubled ampersands.
std::string Skeleton(const std::string& key, const QString& text) {
  static const QRegularExpression printf(R"(%[-+ #0]*\d*(?:\.\d+)?[dfsuxc%])"), marker(R"(%\d+)");
  QStringList parts;
  for (const auto& match : (key.starts_with("PictureText: ") ? printf : marker).globalMatch(text))
    parts << match.captured();
  if (!key.starts_with("PictureText: ")) parts.sort();
  parts << QString::number(text.count('\n')) << text.section('\t', 1) << QString::number(text.count("&&"))
        << QString::number(QString(text).remove("&&").count('&'));
  return parts.join(" | ").toStdString();
}

}  // namespace

TEST(Translation, EveryTextOfTheProgramHasAFinishedEnglishTranslation) {
  EXPECT_EQ(Untranslated(kEnglish), std::vector<std::string>())
      << "translate them in translations/ondrix_en.ts (cmake --build build --target update_translations adds them)";
}

TEST(Translation, EveryTextWrittenInEnglishHasAFinishedChineseTranslation) {
  EXPECT_EQ(Untranslated(kChinese), std::vector<std::string>())
      << "translate them in translations/ondrix_zh.ts (cmake --build build --target update_translations adds them)";
}

// A Chinese text needs its English; an English one (ondrix-cli's) needs its
// Chinese too.
TEST(Translation, ANewTextWithoutATranslationIsFound) {
  QTemporaryDir dir;
  QFile probe(dir.filePath("Probe.cpp"));
  ASSERT_TRUE(probe.open(QIODevice::WriteOnly));
  probe.write("#include \"cli/CliText.h\"\n"
              "class Probe { Q_DECLARE_TR_FUNCTIONS(Probe) public: QString Text() { return tr(\"新文本\"); } };\n"
              "QString Message() { return CliText::tr(\"a new message\"); }\n");
  probe.close();
  EXPECT_EQ(Untranslated(kEnglish, {dir.path()}), (std::vector<std::string>{"CliText: a new message", "Probe: 新文本"}));
  EXPECT_EQ(Untranslated(kChinese, {dir.path()}), std::vector<std::string>{"CliText: a new message"});
}

TEST(Translation, TranslationsKeepTheConversionsMarkersLinesShortcutsAndMnemonicsOfTheirSources) {
  static const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
  const struct {
    TsFile ts;
    size_t atLeast;
  } files[] = {{kEnglish, 200}, {kChinese, 80}};
  for (const auto& [ts, atLeast] : files) {
    const Messages messages = ReadTs(ts.path);
    ASSERT_GT(messages.size(), atLeast) << ts.path;
    for (const auto& [key, m] : messages) {
      const QString source = QString::fromStdString(key).section(": ", 1, -1);
      EXPECT_TRUE(InFile(ts, key)) << key << " is a Chinese text in " << ts.path;
      if (!m.finished) continue;
      EXPECT_EQ(Skeleton(key, m.translation), Skeleton(key, source)) << key << " -> " << m.translation.toStdString();
      // A Chinese translation that is its English source left as it was is no translation.
      if (ts.englishContextsOnly) {
        EXPECT_TRUE(m.translation.contains(chinese)) << key;
      }
    }
  }
}
