// A splitter divides a rectangle between two panes and an 8-pixel bar the
// user drags. CKSplitter holds the arithmetic; CKSplitterHor is the bar
// window between a top and a bottom pane.
#pragma once

#include <windows.h>

#include "ui/CKFenetre.h"

class CKSplitter {
 public:
  // Display types: the second pane only, both panes, the first pane only.
  enum Type { kSecond = 0, kBoth = 1, kFirst = 2 };
  static constexpr int kBar = 8;

  // A type outside 0-2 shows both panes; a ratio outside 0-1 (or not a
  // number) is brought back into it.
  void SetState(int type, double ratio);
  int DisplayType() const { return type_; }
  double Ratio() const { return ratio_; }
  // The first pane's height in a rectangle of height total (the bar follows).
  int FirstHeight(int total) const;
  // Puts the bar at position p of the height left to the panes: the ratio
  // becomes p / that height and, with the two-pane switch on, both panes are
  // shown. False (nothing changes) when p is outside it.
  bool PlaceBar(int p, int total);
  // Moves the bar one type up (towards the second pane only) or down.
  void Step(bool up);
  void SetTwoPaneSwitch(bool on) { twoPanes_ = on; }

 private:
  int type_ = kBoth;
  double ratio_ = 0.75;
  bool twoPanes_ = true;
};

class CKSplitterHor : public CKFenetre, public CKSplitter {
 public:
  static constexpr const char* kClassName = "CKSplitterHor_class";
  bool Create(HWND parent, HINSTANCE inst, int id, HWND top, HWND bottom);
  // Lays the panes and the bar out in the parent's rectangle r.
  void Layout(const RECT& r);
  void Relayout() { Layout(area_); }

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  HWND top_ = nullptr;
  HWND bottom_ = nullptr;
  RECT area_ = {};
  int grab_ = 0;  // where the bar was taken, from its top edge
};
