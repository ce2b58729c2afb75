#pragma once

#include "acquisition/AudioInput.h"
#include "acquisition/SamplingEngine.h"
#include "display/ComposeDisplay.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>


// The measurement view: owns the sampling engine and the sound card's input,
// converts one frame on every 20 ms tick and paints the measurement picture,
// composed off screen and copied once. The left button drags the crosshair
// and the cursors.
class COndrixView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 20;

  // `input` is the sound card; null gives the Qt Multimedia input.
  explicit COndrixView(std::unique_ptr<AudioInput> input = nullptr, QWidget* parent = nullptr);
  ~COndrixView() override;

  // First update: becomes g_view, loads setting.ini from the current
  // directory, clears the buffers and the ruler state, makes the pens and font.
  void OnInitialUpdate();
  // Starts the display tick (at start-up, once the window is up).
  void StartDisplayTimer();
  // One display tick: converts a frame and asks for a repaint.
  void OnTimer();

  SamplingEngine& Engine() { return engine_; }
  const ViewGeometry& Geometry() const { return geometry_; }
  int plotLeft() const { return geometry_.plotLeft; }
  int plotTop() const { return geometry_.plotTop; }
  const DisplayStyle& Style() const { return style_; }

  // The sound card, as the frame's commands reach it.
  void OpenWaveIn() { engine_.OpenWaveIn(); }
  void CloseWaveIn() { engine_.CloseWaveIn(); }
  void StartWaveIn() { engine_.StartWaveIn(); }
  void StopWaveIn() { engine_.StopWaveIn(); }
  void CaptureSample() { engine_.CaptureSample(); }
  // Writes the picture as a 24-bit bitmap, composed as on screen but with the
  // export's measurement order; "error 2!" when the file cannot be written.
  bool ExportBitmap(const QString& path);
  void ClearSample() { engine_.ClearSample(); }

  // Sampling plug-ins: binds the library at `path` (see acquisition/SamplingPlugin.h).
  bool LoadSamplingPlugin(const QString& path);

  // Generates the generator's signal from g_generator into the recording
  // without playing it (function or sweep signal by functionMode); false,
  // after telling the user why, when the parameters are refused.
  bool GenerateSignal();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::unique_ptr<AudioInput> input_;
  SamplingEngine engine_;
  ViewGeometry geometry_;
  DisplayStyle style_;
  QTimer timer_;
  QImage frame_;             // the off-screen picture, reused from paint to paint
  DisplayList displayList_;  // likewise
};
