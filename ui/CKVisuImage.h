// The image pane below the file list. It paints its background; the
// focused entry's picture is drawn here once the preview exists.
#pragma once

#include <windows.h>

#include "ui/CKFenetre.h"

class CKVisuImage : public CKFenetre {
 public:
  static constexpr const char* kClassName = "CKVisuImage_class";
  bool Create(HWND parent, HINSTANCE inst, int id);

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};
