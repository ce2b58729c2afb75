#pragma once

#include <QWidget>

// The control panel's form (dialog template 130, 571 x 95 dialog units). Its
// controls come later; for now it is the empty form at its size. The size is
// only a hint: like a form view it may be shown narrower than the form (a
// minimum would take the outlook bar's column on a small screen).
class CBarTool : public QWidget {
  Q_OBJECT

 public:
  explicit CBarTool(QWidget* parent = nullptr);
  ~CBarTool() override;

  // Called once by the frame after the view's initial update; makes this the
  // panel the other parts reach through g_controlPanel.
  void OnInitialUpdate();

  // Enables or disables the sample-rate slider (1016): disabled while a
  // sampling plug-in, not the slider, sets the rate.
  void EnableSampleRateSlider(bool enable);
  // Moves the sample-rate slider to g_settings.sampleRate without writing the
  // slider's value back (after the settings sheet's OK).
  void SyncSampleRateSlider();

  QSize sizeHint() const override { return formSize_; }

 private:
  QSize formSize_;
};
