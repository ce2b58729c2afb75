#include "gui/COndrixDoc.h"

#include "gui/AppTitle.h"

void COndrixDoc::SetTitle(const QString&) { title_ = AppTitleSuffix(); }

bool COndrixDoc::OnNewDocument() {
  SetTitle(QString());
  return true;
}
