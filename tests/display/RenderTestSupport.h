#pragma once

#include <functional>

// Reading a renderer's display list back as texts and lines.

#include "app/Globals.h"
#include "display/DisplayList.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

// Lets GoogleTest print QStrings as readable UTF-8 in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

inline QString Q(const char* utf8) {
  return QString::fromUtf8(utf8);
}

inline std::vector<DisplayText> TextsOf(const DisplayList& list) {
  std::vector<DisplayText> texts;
  for (const DisplayItem& item : list.items)
    if (auto t = std::get_if<DisplayText>(&item)) texts.push_back(*t);
  return texts;
}

inline std::vector<DisplayLine> LinesOf(const DisplayList& list, PenRole pen) {
  std::vector<DisplayLine> lines;
  for (const DisplayItem& item : list.items)
    if (auto l = std::get_if<DisplayLine>(&item); l && l->pen == pen) lines.push_back(*l);
  return lines;
}

// The text of readout row r of the plot at (x, y); a null string when the
// row is empty. A row written twice fails the test.
inline QString RowText(const DisplayList& list, int x, int y, int row) {
  QString found;
  int count = 0;
  for (const DisplayText& t : TextsOf(list)) {
    if (t.anchor == TextAnchor::LeftTop && t.at == QPoint(x + 630, y + 20 * row)) {
      found = t.text;
      ++count;
    }
  }
  EXPECT_LE(count, 1) << "row " << row << " written " << count << " times";
  return found;
}

// The rows that are written, by number.
inline std::vector<int> WrittenRows(const DisplayList& list, int x, int y) {
  std::vector<int> rows;
  for (const DisplayText& t : TextsOf(list)) {
    if (t.anchor != TextAnchor::LeftTop) continue;
    EXPECT_EQ(t.at.x(), x + 630);
    EXPECT_EQ((t.at.y() - y) % 20, 0);
    rows.push_back((t.at.y() - y) / 20);
  }
  return rows;
}

// The texts with the given anchor, in drawing order.
inline QStringList TextsAnchored(const DisplayList& list, TextAnchor anchor) {
  QStringList out;
  for (const DisplayText& t : TextsOf(list))
    if (t.anchor == anchor) out << t.text;
  return out;
}

// The Y label hanging from (x - 6, y + top); a null string when there is none.
inline QString YLabelAt(const DisplayList& list, int x, int y, int top) {
  for (const DisplayText& t : TextsOf(list))
    if (t.anchor == TextAnchor::RightTop && t.at == QPoint(x - 6, y + top)) return t.text;
  return QString();
}

// Every test starts from the program's initial state and leaves it behind.
// Any of the six renderers.
using Renderer = std::function<void(DisplayList&, int, int, int)>;

class RenderTest : public ::testing::Test {
 protected:
  static constexpr int x = 100;  // plotLeft
  static constexpr int y = 50;   // plotTop
  RenderTest() {
    ResetGlobals();
    g_settings.channels = 2;
    g_settings.sampleRate = 44100;
    g_settings.bitsPerSample = 16;
    g_settings.timeUnit = Milliseconds;
    // The cursors and the crosshair where a resize puts them; rulers on.
    g_cursorX1 = x + 120;
    g_cursorX2 = x + 480;
    g_cursorY1 = y + 80;
    g_cursorY2 = y + 320;
    g_crossX = x + 300;
    g_crossY = y + 200;
    g_rulerXOn = g_rulerYOn = true;
  }
  ~RenderTest() override { ResetGlobals(); }

  DisplayList Render(const Renderer& render) {
    DisplayList list;
    render(list, x, y, g_settings.sampleRate);
    return list;
  }
  QString Row(const DisplayList& list, int r) { return RowText(list, x, y, r); }
};
