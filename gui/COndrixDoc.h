#pragma once

#include <QString>

// The document: holds no data (the samples live in the view, the settings in
// g_settings); its title is always the title suffix.
class COndrixDoc {
 public:
  // Whatever title is proposed, the document is named by the title suffix.
  void SetTitle(const QString& proposed);
  QString Title() const { return title_; }
  bool OnNewDocument();

 private:
  QString title_;
};
