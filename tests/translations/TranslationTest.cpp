// The English translation covers every text of the program: lupdate, run
// over the sources as `update_translations` runs it, finds no text without a
// finished translation; and each translation keeps what the code relies on.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

namespace {

struct Message {
  QString context, source, translation;
  bool finished = false;
  bool operator<(const Message& o) const { return std::tie(context, source) < std::tie(o.context, o.source); }
  bool operator==(const Message& o) const { return context == o.context && source == o.source; }
};

std::vector<Message> ReadTs(const QString& path) {
  std::vector<Message> messages;
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() != u"message") continue;
    Message m{context, {}, {}, false};
    QString type;
    while (xml.readNextStartElement()) {
      if (xml.name() == u"source") {
        m.source = xml.readElementText();
      } else if (xml.name() == u"translation") {
        type = xml.attributes().value("type").toString();
        m.translation = xml.readElementText();
      } else {
        xml.skipCurrentElement();
      }
    }
    // Texts no source has any more are not shown; lupdate drops them.
    if (type == u"vanished" || type == u"obsolete") continue;
    m.finished = type.isEmpty() && !m.translation.isEmpty();
    messages.push_back(m);
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

// The texts of `sources` that a copy of the repository's .ts, brought up to
// date by lupdate, has no finished translation for.
std::set<Message> Untranslated(const QStringList& sources) {
  QTemporaryDir dir;
  const QString ts = dir.filePath("ondrix_en.ts");
  EXPECT_TRUE(QFile::copy(ONDRIX_TS_FILE, ts));
  QProcess lupdate;
  lupdate.setProcessChannelMode(QProcess::MergedChannels);
  lupdate.start(ONDRIX_LUPDATE, QString(ONDRIX_LUPDATE_OPTIONS).split('|') + sources + QStringList{"-ts", ts});
  EXPECT_TRUE(lupdate.waitForFinished(120000));
  const QString output = QString::fromUtf8(lupdate.readAll());
  EXPECT_EQ(lupdate.exitCode(), 0) << output.toStdString();
  // A tr() lupdate cannot place in a class would get another context than
  // the running program gives it.
  EXPECT_FALSE(output.contains("unknown namespace/class")) << output.toStdString();
  std::set<Message> untranslated;
  for (const Message& m : ReadTs(ts))
    if (!m.finished) untranslated.insert(m);
  return untranslated;
}

QStringList TranslatedDirs() { return QString(ONDRIX_TRANSLATED_DIRS).split('|'); }

// What a translation must keep of its source, as one comparable text: the
// printf conversions of the picture's readout formats in their order (the
// numbers are filled in by position), Qt's %1.. markers, line breaks (a
// status prompt and its tooltip are split at one), tabs with the shortcut
// after them, and the count of mnemonics ("&File") and doubled ampersands.
std::string Skeleton(const QString& context, const QString& text) {
  QStringList parts;
  if (context == u"PictureText") {
    static const QRegularExpression printf(R"(%[-+ #0]*\d*(?:\.\d+)?(?:hh|h|ll|l|L|z)?[diouxXeEfFgGcs%])");
    for (const auto& match : printf.globalMatch(text)) parts << match.captured();
  } else {
    static const QRegularExpression marker(R"(%\d+)");
    QStringList markers;
    for (const auto& match : marker.globalMatch(text)) markers << match.captured();
    markers.sort();
    parts << markers;
  }
  parts << QStringLiteral("lines %1").arg(text.count('\n'));
  if (const int tab = text.indexOf('\t'); tab >= 0) parts << "shortcut " + text.mid(tab + 1);
  QString rest = text;
  parts << QStringLiteral("&& %1").arg(rest.count("&&"));
  rest.remove("&&");
  parts << QStringLiteral("& %1").arg(rest.count('&'));
  return parts.join(" | ").toStdString();
}

void PrintTo(const Message& m, std::ostream* os) {
  *os << m.context.toStdString() << ": \"" << m.source.toStdString() << "\"";
}

}  // namespace

TEST(Translation, EveryTextOfTheProgramHasAFinishedEnglishTranslation) {
  EXPECT_EQ(Untranslated(TranslatedDirs()), std::set<Message>())
      << "translate them in translations/ondrix_en.ts (cmake --build build --target update_translations adds them)";
}

TEST(Translation, ANewTextWithoutATranslationIsFound) {
  QTemporaryDir dir;
  QFile probe(dir.filePath("Probe.cpp"));
  ASSERT_TRUE(probe.open(QIODevice::WriteOnly));
  probe.write("#include <QCoreApplication>\n"
              "class Probe { Q_DECLARE_TR_FUNCTIONS(Probe) public: QString Text() { return tr(\"新文本\"); } };\n");
  probe.close();
  const std::set<Message> found = Untranslated(TranslatedDirs() << dir.path());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found.begin()->context, "Probe");
  EXPECT_EQ(found.begin()->source, "新文本");
}

TEST(Translation, TranslationsKeepTheConversionsMarkersLinesShortcutsAndMnemonicsOfTheirSources) {
  const std::vector<Message> messages = ReadTs(ONDRIX_TS_FILE);
  ASSERT_GT(messages.size(), 200u);
  for (const Message& m : messages) {
    if (!m.finished) continue;  // reported by the test above
    EXPECT_EQ(Skeleton(m.context, m.translation), Skeleton(m.context, m.source))
        << m.context.toStdString() << ": \"" << m.source.toStdString() << "\" -> \"" << m.translation.toStdString()
        << "\"";
  }
}
