#include "app/gui/COndrixDoc.h"

#include "app/gui/AppTitle.h"

void COndrixDoc::SetTitle(const QString&) { title_ = AppTitleSuffix(); }

bool COndrixDoc::OnNewDocument() {
  SetTitle(QString());
  return true;
}
