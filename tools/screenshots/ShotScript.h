#pragma once

#include "tools/screenshots/ShotCamera.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class CMainFrame;
class ShotPrompts;
class QWidget;

// The states of the program the user guide shows, one after the other, each
// reached through the window's own commands and controls and taken as a
// picture. The input must hear a tone pair: a 441 Hz sine on the left (its
// period is 100 samples at 44100 Hz), any tone on the right.
class ShotScript {
 public:
  // Pictures go to `camera`'s folder, the files the program writes on the
  // way (a recording, the report as PDF) to `scratch`.
  ShotScript(CMainFrame* frame, ShotPrompts* prompts, ShotCamera camera, QString scratch);

  // Takes every picture. False when one could not be taken as planned; each
  // failure is told on stderr.
  bool Run();

 private:
  void Fail(const QString& what);
  // Fails unless the messages shown since the last check are `expected`.
  void CheckMessages(const QString& scene, const QStringList& expected = {});
  // Runs command `id`, which shows a modal dialog, and `inside` on the dialog
  // while it is up. The dialog is closed afterwards if `inside` left it open.
  void WithDialog(int id, const QString& scene, const std::function<void(QWidget*)>& inside);
  // The control panel's form, where it lies on the screen.
  QRect PanelArea() const;
  // Drags with the left button in the view from `from` to `to` (view pixels).
  void DragInView(QPoint from, QPoint to);
  void Shoot(const QString& name, const QRect& area);

  bool WaitForTone();
  void MainWindow();
  void OutlookBar();
  // The picture NAME of the menu that holds command `firstId`, open.
  void Menu(const QString& name, int firstId);
  void Report();
  void Rulers();
  void FrequencyDomain();
  void DistortionAnalyzer();
  void Replay();
  void FunctionSignal();
  void Settings();
  void PluginManager();

  CMainFrame* frame_;
  ShotPrompts* prompts_;
  ShotCamera camera_;
  QString scratch_;
  bool ok_ = true;
};
