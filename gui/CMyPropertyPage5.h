#pragma once

#include "gui/PropertyPage.h"

// "其他" (dialog 109): an empty page.
class CMyPropertyPage5 : public PropertyPage {
 public:
  using PropertyPage::PropertyPage;
};
