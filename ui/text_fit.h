#pragma once
// Words that fit: a dialog's layout widened where a text needs more room than
// its control has (a translation longer than the English the table was drawn
// for). The control grows by what its text lacks; the controls to its right
// in the same row move along by as much; a container grows when what it holds
// reaches further right than before, keeping its right margin, and in turn
// moves what stands to its right; the form's client grows the same way.
// Nothing moves or grows when every text fits. Heights never change, nor do
// fonts. No Win32 here: the dialog layer measures, this decides.
#include <vector>

#include "ui/control_table.h"

namespace orlavox::ui {

struct FitItem {
  int Parent = -1;  // the index of its container in the list; -1: the form
  PixelRect Rect;   // in its container, at the dialog's scale
  int Need = 0;     // the width its text needs (its box included); 0: no text
  // Sized to its own text (a label without a width): its room runs to the
  // next control on its right in its row, else to the container's inner edge.
  bool ToNeighbour = false;
};

struct FitLayout {
  std::vector<PixelRect> Rects;  // each item's place, in the order given
  int ClientWidth = 0;           // the form's client width
};

// `edge`: the margin kept inside a container's right edge by a control sized
// to its text that has no neighbour (at the dialog's scale).
FitLayout FitTexts(const std::vector<FitItem>& items, int clientWidth, int edge);

}  // namespace orlavox::ui
