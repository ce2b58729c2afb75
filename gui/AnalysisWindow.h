#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

// A top-level analysis window opened from the View menu: it refreshes on a
// timer only while it is shown (closed or hidden, it costs nothing), closes
// on the desktop's Close key (Ctrl+W), and there is one of each at a time.
class AnalysisWindow : public QWidget {
  Q_OBJECT

 public:
  AnalysisWindow(int refreshMs, QWidget* parent);

  // Shows `window`, made by `make()` when there is none yet, and raises it
  // when it is open already.
  template <typename Window, typename Make>
  static Window* Open(QPointer<Window>& window, Make make) {
    if (!window) window = make();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
  }

 protected:
  // Once as the window is shown, then on every tick while it is.
  virtual void Shown() = 0;
  virtual void Tick() = 0;

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QTimer timer_;
};
