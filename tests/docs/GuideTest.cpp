// The user guide: the README leads to it, every picture it shows or links
// exists, each picture exists in English and in Chinese, and each is a small
// palette PNG as scripts/screenshots.sh makes them. No picture lies unused.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QDir kSource(QStringLiteral(ONDRIX_SOURCE_DIR));
constexpr qint64 kMaxPictureBytes = 200 * 1024;

QString ReadText(const QString& path) {
  QFile file(kSource.filePath(path));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The file names of the pictures in docs/images/LANGUAGE.
QSet<QString> PicturesIn(const QString& language) {
  const QStringList files = QDir(kSource.filePath("docs/images/" + language)).entryList({"*.png"}, QDir::Files);
  return {files.begin(), files.end()};
}

// The anchors of a Markdown file's headings, as GitHub makes them: lower
// case, spaces to hyphens, other punctuation dropped.
QSet<QString> HeadingAnchors(const QString& markdown) {
  QSet<QString> anchors;
  static const QRegularExpression heading(QStringLiteral("^#+ (.+)$"), QRegularExpression::MultilineOption);
  static const QRegularExpression dropped(QStringLiteral("[^\\w\\- ]"), QRegularExpression::UseUnicodePropertiesOption);
  for (const QRegularExpressionMatch& m : heading.globalMatch(markdown))
    anchors << m.captured(1).toLower().remove(dropped).replace(' ', '-');
  return anchors;
}

}  // namespace

TEST(Guide, TheReadmeLinksTheGuide) { EXPECT_TRUE(ReadText("README.md").contains("(docs/guide.md)")); }

TEST(Guide, LinksToSectionsFindTheirHeadings) {
  const QString guide = ReadText("docs/guide.md");
  const QSet<QString> own = HeadingAnchors(guide), readme = HeadingAnchors(ReadText("README.md"));
  static const QRegularExpression link(QStringLiteral(R"(\]\(((?:\.\./README\.md)?)#([^)]+)\))"));
  int links = 0;
  for (const QRegularExpressionMatch& m : link.globalMatch(guide)) {
    ++links;
    EXPECT_TRUE((m.captured(1).isEmpty() ? own : readme).contains(m.captured(2))) << m.captured(0).toStdString();
  }
  EXPECT_GT(links, 10);
}

TEST(Guide, EveryPictureIsThereInBothLanguagesAndUsed) {
  const QString guide = ReadText("docs/guide.md");
  ASSERT_FALSE(guide.isEmpty());
  QSet<QString> linked;
  static const QRegularExpression link(QStringLiteral(R"(\]\((images/[^)\s]+)\))"));
  for (const QRegularExpressionMatch& m : link.globalMatch(guide)) {
    const QString target = m.captured(1);
    EXPECT_TRUE(QFile::exists(kSource.filePath("docs/" + target))) << target.toStdString();
    EXPECT_TRUE(target.startsWith("images/en/") || target.startsWith("images/zh/")) << target.toStdString();
    linked << target.section('/', -1);
  }
  EXPECT_FALSE(linked.isEmpty());
  EXPECT_EQ(PicturesIn("en"), PicturesIn("zh"));
  EXPECT_EQ(PicturesIn("en"), linked);
}

TEST(Guide, PicturesAreSmallPalettePngs) {
  for (const QString& language : {QStringLiteral("en"), QStringLiteral("zh")}) {
    for (const QString& name : PicturesIn(language)) {
      QFile file(kSource.filePath("docs/images/" + language + "/" + name));
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
      const QByteArray head = file.read(26);
      EXPECT_LE(file.size(), kMaxPictureBytes) << name.toStdString();
      // The signature, then the IHDR chunk; its colour type (byte 25) 3 is a palette.
      EXPECT_TRUE(head.startsWith("\x89PNG\r\n\x1a\n")) << name.toStdString();
      EXPECT_EQ(head.mid(12, 4), "IHDR") << name.toStdString();
      EXPECT_EQ(head.size() > 25 ? head.at(25) : -1, 3) << name.toStdString();
    }
  }
}
