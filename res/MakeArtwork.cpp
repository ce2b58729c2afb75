// Draws the program's artwork and writes it into OUTDIR:
//   Toolbar_.bmp  eleven 24 x 24 toolbar images side by side, 24-bit, on button face
//   icons32.png   the outlook bar's six 32 x 32 images (transparent)
//   icons16.png   the same six images at 16 x 16
//   ondrix.png    the 64 x 64 program icon
//   artwork.qrc   the Qt resource file listing the three PNG files
// The files are committed; this program is only run to regenerate them
// (scripts/make-artwork.sh).
//
// Style: flat shapes, dark outlines (1 px on 24 and 16 px images, 2 px on
// 32 and 64 px images), one small palette. Every outlined shape is given by
// its outer edge, and the stroke is laid inside it, so that edges on whole
// pixels stay sharp at every size.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// ---- palette -------------------------------------------------------------

const QColor kInk(28, 32, 44);            // outlines
const QColor kButtonFace(192, 192, 192);  // toolbar background (BMP only)
const QColor kBezel(226, 230, 238);       // instrument bodies, screen frames
const QColor kScreen(14, 40, 32);         // scope screens
const QColor kGrid(38, 86, 70);           // scope graticule
const QColor kTrace(84, 240, 112);        // scope trace
const QColor kPaper(252, 252, 250);       // pages, sheets, windows
const QColor kPaperLine(150, 158, 172);   // text lines and table rules
const QColor kBlue(36, 96, 200);
const QColor kLightBlue(176, 216, 250);
const QColor kRed(214, 48, 40);
const QColor kGreen(46, 178, 74);
const QColor kDarkGreen(30, 130, 60);
const QColor kYellow(248, 206, 84);
const QColor kYellowDark(216, 162, 46);
const QColor kOrange(236, 116, 32);
const QColor kMetal(154, 164, 178);
const QColor kMetalLight(212, 218, 226);
const QColor kSlate(102, 102, 153);       // the outlook bar's background
const QColor kWood(196, 132, 60);
const QColor kCamera(62, 70, 84);

constexpr double kPi = 3.14159265358979323846;

// ---- drawing helpers -----------------------------------------------------

// A filled shape with its stroke laid inside the outer rectangle `outer`.
void Box(QPainter& p, const QRectF& outer, const QColor& fill, double pen, double radius = 0) {
  const QRectF r = outer.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
  p.setPen(pen > 0 ? QPen(kInk, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin) : Qt::NoPen);
  p.setBrush(fill);
  if (radius > 0)
    p.drawRoundedRect(r, radius, radius);
  else
    p.drawRect(r);
}

void Fill(QPainter& p, const QRectF& r, const QColor& fill) {
  p.fillRect(r, fill);
}

void Ellipse(QPainter& p, const QRectF& outer, const QColor& fill, double pen) {
  const QRectF r = outer.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
  p.setPen(pen > 0 ? QPen(kInk, pen) : QPen(Qt::NoPen));
  p.setBrush(fill);
  p.drawEllipse(r);
}

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, double pen) {
  p.setPen(pen > 0 ? QPen(kInk, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
  p.setBrush(fill);
  p.drawPath(path);
}

void Stroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

void Line(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width,
          Qt::PenCapStyle cap = Qt::FlatCap) {
  p.setPen(QPen(colour, width, Qt::SolidLine, cap));
  p.drawLine(a, b);
}

// A sine across `box`: `cycles` periods starting at `phase` (radians),
// peaks touching the top and bottom of the box.
QPainterPath Sine(const QRectF& box, double cycles, double phase = 0) {
  QPainterPath path;
  const int n = 96;
  for (int i = 0; i <= n; ++i) {
    const double t = double(i) / n;
    const QPointF pt(box.left() + t * box.width(),
                     box.center().y() - box.height() / 2 * std::sin(phase + 2 * kPi * cycles * t));
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  return path;
}

QPainterPath Polyline(std::initializer_list<QPointF> pts) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& pt : pts) {
    if (first)
      path.moveTo(pt);
    else
      path.lineTo(pt);
    first = false;
  }
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> pts) {
  QPainterPath path = Polyline(pts);
  path.closeSubpath();
  return path;
}

// A gear centred on `c` with `teeth` teeth, outer radius `ro`, root radius
// `ri` and a hole of radius `rh`.
QPainterPath Gear(QPointF c, int teeth, double ro, double ri, double rh) {
  QPainterPath path;
  const double step = 2 * kPi / teeth;
  for (int i = 0; i < teeth; ++i) {
    const double a = i * step - kPi / 2;
    const double angles[4] = {a - step * 0.30, a - step * 0.17, a + step * 0.17, a + step * 0.30};
    const double radii[4] = {ri, ro, ro, ri};
    for (int k = 0; k < 4; ++k) {
      const QPointF pt(c.x() + radii[k] * std::cos(angles[k]), c.y() + radii[k] * std::sin(angles[k]));
      if (i == 0 && k == 0)
        path.moveTo(pt);
      else
        path.lineTo(pt);
    }
    // root arc to the next tooth
    const double a0 = a + step * 0.30, a1 = a + step * 0.70;
    for (int k = 1; k <= 4; ++k) {
      const double aa = a0 + (a1 - a0) * k / 4;
      path.lineTo(c.x() + ri * std::cos(aa), c.y() + ri * std::sin(aa));
    }
  }
  path.closeSubpath();
  path.addEllipse(c, rh, rh);
  path.setFillRule(Qt::OddEvenFill);
  return path;
}

// ---- toolbar images (24 x 24, 1 px outlines) -----------------------------

void ToolStart(QPainter& p) {
  // a small sine below, the green play triangle over it
  Stroke(p, Sine(QRectF(2.5, 15.5, 19, 6), 1.5), kBlue, 2);
  Shape(p, Polygon({{6.5, 2.5}, {19.5, 10}, {6.5, 17.5}}), kGreen, 1);
}

void ToolStop(QPainter& p) {
  Stroke(p, Sine(QRectF(2.5, 15.5, 19, 6), 1.5), kBlue, 2);
  Box(p, QRectF(6, 3, 13, 13), kRed, 1, 1.5);
}

void ToolOpen(QPainter& p) {
  // folder back with its tab
  Shape(p, Polygon({{1.5, 19.5}, {1.5, 5.5}, {3.5, 3.5}, {8.5, 3.5}, {10.5, 5.5},
                    {18.5, 5.5}, {18.5, 19.5}}),
        kYellowDark, 1);
  // a sheet sticking out
  Box(p, QRectF(4, 7, 12, 8), kPaper, 1);
  // the open front flap
  Shape(p, Polygon({{1.5, 20.5}, {5.5, 10.5}, {22.5, 10.5}, {18.5, 20.5}}), kYellow, 1);
}

void ToolSave(QPainter& p) {
  // disk body with a clipped corner
  Shape(p, Polygon({{2.5, 2.5}, {19.5, 2.5}, {21.5, 4.5}, {21.5, 21.5}, {2.5, 21.5}}), kBlue, 1);
  // metal shutter at the top with its window
  Box(p, QRectF(6, 2, 12, 8), kMetalLight, 1);
  Fill(p, QRectF(13, 4, 3, 4), kCamera);
  // label
  Box(p, QRectF(5, 12, 14, 10), kPaper, 1);
  Fill(p, QRectF(7, 15, 10, 1), kPaperLine);
  Fill(p, QRectF(7, 18, 10, 1), kPaperLine);
}

void ToolCapture(QPainter& p) {
  // a trace along the bottom, the camera taking it
  Stroke(p, Sine(QRectF(1.5, 16.5, 21, 5), 2), kBlue, 2);
  Shape(p, Polygon({{7.5, 5.5}, {9.5, 2.5}, {14.5, 2.5}, {16.5, 5.5}}), kCamera, 1);
  Box(p, QRectF(2, 5, 20, 11), kCamera, 1, 1.5);
  Ellipse(p, QRectF(7, 4, 10, 10), kMetalLight, 1);
  Ellipse(p, QRectF(9, 6, 6, 6), kBlue, 0);
  Fill(p, QRectF(10, 7, 2, 2), kLightBlue);
  Fill(p, QRectF(18, 7, 2, 2), kYellow);
}

void ToolClear(QPainter& p) {
  // a trace along the bottom, a red cross over it: the sample is wiped
  Stroke(p, Sine(QRectF(2.5, 15.5, 19, 6), 1.5), kBlue, 2);
  Line(p, {7, 3}, {17, 13}, kInk, 5, Qt::RoundCap);
  Line(p, {17, 3}, {7, 13}, kInk, 5, Qt::RoundCap);
  Line(p, {7, 3}, {17, 13}, kRed, 3, Qt::RoundCap);
  Line(p, {17, 3}, {7, 13}, kRed, 3, Qt::RoundCap);
}

void ToolSettings(QPainter& p) {
  Shape(p, Gear({12, 12}, 8, 10.5, 7.5, 3), kMetal, 1);
}

void ToolPrintPreview(QPainter& p) {
  // page with a folded corner and lines of text
  Shape(p, Polygon({{3.5, 1.5}, {13.5, 1.5}, {17.5, 5.5}, {17.5, 21.5}, {3.5, 21.5}}), kPaper, 1);
  Shape(p, Polygon({{13.5, 1.5}, {13.5, 5.5}, {17.5, 5.5}}), kMetalLight, 1);
  for (int y = 8; y <= 17; y += 3)
    Fill(p, QRectF(6, y, 9, 1), kPaperLine);
  // magnifier
  Line(p, {16.5, 16.5}, {21.5, 21.5}, kInk, 3.5, Qt::RoundCap);
  Ellipse(p, QRectF(8, 8, 11, 11), kLightBlue, 1.5);
}

// A small window: frame, title bar, white client.
void SmallWindow(QPainter& p) {
  Box(p, QRectF(1, 2, 22, 20), kPaper, 1);
  Fill(p, QRectF(2, 3, 20, 3), kBlue);
  Fill(p, QRectF(2, 6, 20, 1), kInk);
}

void ToolHideList(QPainter& p) {
  SmallWindow(p);
  // the list column on the left, in the outlook bar's colour
  Fill(p, QRectF(2, 7, 6, 14), kSlate);
  Fill(p, QRectF(8, 7, 1, 14), kInk);
  // arrow pointing left: the column folds away
  Shape(p, Polygon({{11.5, 14}, {16.5, 9.5}, {16.5, 12.5}, {20.5, 12.5}, {20.5, 15.5},
                    {16.5, 15.5}, {16.5, 18.5}}),
        kGreen, 1);
}

void ToolHideControls(QPainter& p) {
  SmallWindow(p);
  // the control panel along the bottom
  Fill(p, QRectF(2, 16, 20, 5), kMetal);
  Fill(p, QRectF(2, 15, 20, 1), kInk);
  Fill(p, QRectF(4, 18, 4, 1), kInk);
  Fill(p, QRectF(10, 18, 4, 1), kInk);
  // arrow pointing down: the panel slides out of sight
  Shape(p, Polygon({{12, 14.5}, {7.5, 10.5}, {10.5, 10.5}, {10.5, 7.5}, {13.5, 7.5},
                    {13.5, 10.5}, {16.5, 10.5}}),
        kGreen, 1);
}

void ToolAbout(QPainter& p) {
  Ellipse(p, QRectF(1, 1, 22, 22), kBlue, 1);
  // the letter i, drawn as shapes
  Ellipse(p, QRectF(10, 4.5, 4, 4), kPaper, 0);
  p.setPen(Qt::NoPen);
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(10, 10, 4, 9), 1, 1);
  p.drawRect(QRectF(8.5, 10, 3, 2));
  p.drawRect(QRectF(8.5, 17, 7, 2));
}

// ---- outlook bar images (drawn in a 32 x 32 space, 2 px outlines) --------
// Outlined shapes have their outer edges on even coordinates, so they fall
// on whole pixels at 16 x 16 too. `small` drops details that would only be
// noise at 16 x 16.

// The scope screen shared by the time and frequency images; returns the
// screen's inner rectangle.
QRectF ScopeScreen(QPainter& p, bool small) {
  Box(p, QRectF(0, 2, 32, 28), kBezel, 2, small ? 0 : 3);
  const QRectF screen(4, 6, 24, 20);
  Fill(p, screen, kScreen);
  if (!small) {
    p.setPen(QPen(kGrid, 1, Qt::DotLine));
    for (int x = 10; x < 28; x += 6)
      p.drawLine(QPointF(x + 0.5, 6), QPointF(x + 0.5, 26));
    for (int y = 11; y < 26; y += 5)
      p.drawLine(QPointF(4, y + 0.5), QPointF(28, y + 0.5));
  }
  return screen;
}

void IconTime(QPainter& p, bool small) {
  const QRectF s = ScopeScreen(p, small);
  Stroke(p, Sine(s.adjusted(2, 3, -2, -3), 1.25), kTrace, small ? 3 : 2.5);
}

void IconFrequency(QPainter& p, bool small) {
  const QRectF s = ScopeScreen(p, small);
  const double bottom = s.bottom() - 2;
  if (small) {
    // six bars, one pixel wide, one pixel apart
    const int h[6] = {6, 14, 10, 6, 8, 4};
    for (int i = 0; i < 6; ++i)
      Fill(p, QRectF(6 + 4 * i, bottom - h[i], 2, h[i]), kTrace);
  } else {
    const int h[7] = {6, 15, 11, 7, 9, 5, 3};
    for (int i = 0; i < 7; ++i)
      Fill(p, QRectF(6 + 3 * i, bottom - h[i], 2, h[i]), kTrace);
  }
}

void IconFunction(QPainter& p, bool small) {
  // the generator: a light panel with a square wave above a triangle wave
  Box(p, QRectF(0, 2, 32, 28), kPaper, 2, small ? 0 : 3);
  if (small) {
    // vertical and horizontal strokes centred on pixel centres, 45-degree slopes
    Stroke(p, Polyline({{5, 15}, {5, 7}, {11, 7}, {11, 15}, {17, 15}, {17, 7}, {23, 7}, {23, 15},
                        {27, 15}}),
           kOrange, 2);
    Stroke(p, Polyline({{5, 25}, {11, 19}, {17, 25}, {23, 19}, {27, 23}}), kBlue, 3);
  } else {
    Stroke(p, Polyline({{5, 14}, {5, 7}, {12, 7}, {12, 14}, {19, 14}, {19, 7}, {26, 7}, {26, 14}}),
           kOrange, 2.5);
    Stroke(p, Polyline({{5, 25}, {10.5, 18}, {16, 25}, {21.5, 18}, {27, 25}}), kBlue, 2.5);
  }
}

void IconInput(QPainter& p, bool small) {
  // a microphone on a stand
  Stroke(p, Polyline({{7, 14}, {7, 16}}), kInk, 2);
  QPainterPath holder;
  holder.moveTo(7, 14);
  holder.cubicTo(7, 26, 25, 26, 25, 14);
  Stroke(p, holder, kInk, small ? 3 : 2.5);
  Line(p, {16, 22}, {16, 28}, kInk, 3);
  Box(p, QRectF(8, 26, 16, 4), kMetal, 2, 1);
  Box(p, QRectF(10, 0, 12, 22), kMetalLight, 2, 6);
  if (!small) {
    for (int y = 6; y <= 14; y += 4)
      Fill(p, QRectF(13, y, 6, 1.5), kMetal);
  } else {
    Fill(p, QRectF(14, 8, 4, 2), kMetal);
    Fill(p, QRectF(14, 12, 4, 2), kMetal);
  }
}

void IconCsv(QPainter& p, bool small) {
  // a spreadsheet: header row in green, a grid of cells
  Box(p, QRectF(2, 2, 28, 28), kPaper, 2);
  Fill(p, QRectF(4, 4, 24, small ? 6 : 5), kGreen);
  const double rule = small ? 2 : 1;
  if (small) {
    Fill(p, QRectF(4, 10, 24, rule), kInk);
    for (int y = 16; y < 28; y += 6)
      Fill(p, QRectF(4, y, 24, rule), kPaperLine);
    for (int x = 12; x < 28; x += 8)
      Fill(p, QRectF(x, 4, rule, 24), kPaperLine);
  } else {
    Fill(p, QRectF(4, 9, 24, rule), kInk);
    for (int y = 14; y < 28; y += 5)
      Fill(p, QRectF(4, y, 24, rule), kPaperLine);
    for (int x = 12; x < 28; x += 8)
      Fill(p, QRectF(x, 4, rule, 24), kPaperLine);
    // a few numbers in the cells
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c)
        Fill(p, QRectF(6 + 8 * c, 11 + 5 * r, c == 0 ? 3 : 4, 1.5), kBlue);
  }
}

void IconBitmap(QPainter& p, bool small) {
  // a wooden frame; inside, sky above a wave-shaped green hill
  Box(p, QRectF(0, 2, 32, 28), kWood, 2);
  const QRectF canvas(6, 8, 20, 16);
  Fill(p, canvas, kLightBlue);
  if (!small)
    Ellipse(p, QRectF(19, 10, 5, 5), kYellow, 0);
  QPainterPath hill = Sine(QRectF(canvas.left(), 13, canvas.width(), 7), 1.0);
  hill.lineTo(canvas.bottomRight());
  hill.lineTo(canvas.bottomLeft());
  hill.closeSubpath();
  p.save();
  p.setClipRect(canvas);
  Shape(p, hill, kGreen, 0);
  Stroke(p, Sine(QRectF(canvas.left(), 13, canvas.width(), 7), 1.0), kDarkGreen,
         small ? 2 : 1.5);
  p.restore();
  // the frame's inner edge
  Box(p, canvas.adjusted(-2, -2, 2, 2), Qt::transparent, 2);
}

// ---- program icon (64 x 64, 2 px outlines) -------------------------------

void ProgramIcon(QPainter& p) {
  // instrument body
  Box(p, QRectF(2, 8, 60, 50), kBezel, 2, 5);
  // feet
  Box(p, QRectF(8, 56, 10, 5), kCamera, 2, 1);
  Box(p, QRectF(46, 56, 10, 5), kCamera, 2, 1);
  // screen with graticule and trace
  Box(p, QRectF(6, 12, 38, 42), kScreen, 2, 2);
  const QRectF s(8, 14, 34, 38);
  p.setPen(QPen(kGrid, 1, Qt::DotLine));
  for (int x = 15; x < 42; x += 7)
    p.drawLine(QPointF(x + 0.5, s.top()), QPointF(x + 0.5, s.bottom()));
  for (int y = 21; y < 52; y += 8)
    p.drawLine(QPointF(s.left(), y + 0.5), QPointF(s.right(), y + 0.5));
  p.save();
  p.setClipRect(s);
  Stroke(p, Sine(s.adjusted(2, 7, -2, -7), 1.5), kTrace, 3.5);
  p.restore();
  // controls: two knobs and an input jack
  Ellipse(p, QRectF(47, 14, 12, 12), kMetal, 2);
  Line(p, {53, 16}, {53, 20}, kInk, 2, Qt::RoundCap);
  Ellipse(p, QRectF(47, 29, 12, 12), kMetal, 2);
  Line(p, {49.5, 35}, {53, 35}, kInk, 2, Qt::RoundCap);
  Ellipse(p, QRectF(48, 44, 10, 10), kYellow, 2);
  Ellipse(p, QRectF(51, 47, 4, 4), kInk, 0);
}

// ---- assembling and writing ----------------------------------------------

using Drawer = std::function<void(QPainter&)>;
using IconDrawer = std::function<void(QPainter&, bool)>;

QImage Transparent(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

QImage Toolbar() {
  const std::vector<Drawer> buttons = {ToolStart,    ToolStop,         ToolOpen,
                                       ToolSave,     ToolCapture,      ToolClear,
                                       ToolSettings, ToolPrintPreview, ToolHideList,
                                       ToolHideControls, ToolAbout};
  const int n = int(buttons.size());
  QImage layer = Transparent(24 * n, 24);
  for (int i = 0; i < n; ++i) {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(24 * i, 0);
    p.setClipRect(0, 0, 24, 24);
    buttons[i](p);
  }
  QImage out(layer.size(), QImage::Format_RGB888);
  out.fill(kButtonFace);
  {
    QPainter p(&out);
    p.drawImage(0, 0, layer);
  }
  // The button face is the background only: nudge any drawn pixel that came
  // out exactly that grey, so the background can serve as a mask colour.
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x)
      if (qAlpha(layer.pixel(x, y)) != 0 && out.pixelColor(x, y) == kButtonFace)
        out.setPixelColor(x, y, QColor(191, 191, 191));
  return out;
}

QImage IconStrip(int size) {
  const std::vector<IconDrawer> icons = {IconTime, IconFrequency, IconFunction,
                                         IconInput, IconCsv,       IconBitmap};
  const int n = int(icons.size());
  QImage img = Transparent(size * n, size);
  for (int i = 0; i < n; ++i) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size * i, 0);
    p.setClipRect(0, 0, size, size);
    p.scale(size / 32.0, size / 32.0);
    icons[i](p, size < 32);
  }
  return img.convertToFormat(QImage::Format_ARGB32);
}

QImage Program() {
  QImage img = Transparent(64, 64);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  ProgramIcon(p);
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

bool Save(const QImage& img, const QDir& dir, const char* name, const char* format) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  if (!img.save(path, format)) {
    std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
    return false;
  }
  return true;
}

bool WriteQrc(const QDir& dir) {
  QFile f(dir.filePath("artwork.qrc"));
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
    return false;
  f.write("<!DOCTYPE RCC>\n"
          "<RCC version=\"1.0\">\n"
          "  <qresource prefix=\"/res\">\n"
          "    <file>icons32.png</file>\n"
          "    <file>icons16.png</file>\n"
          "    <file>ondrix.png</file>\n"
          "  </qresource>\n"
          "</RCC>\n");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.exists() && !QDir().mkpath(dir.path())) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  const bool ok = Save(Toolbar(), dir, "Toolbar_.bmp", "BMP") &&
                  Save(IconStrip(32), dir, "icons32.png", "PNG") &&
                  Save(IconStrip(16), dir, "icons16.png", "PNG") &&
                  Save(Program(), dir, "ondrix.png", "PNG");
  if (!ok)
    return 1;
  if (!WriteQrc(dir)) {
    std::fprintf(stderr, "cannot write artwork.qrc\n");
    return 1;
  }
  return 0;
}
