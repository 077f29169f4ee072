#include "editor/editormodes.h"

namespace norvane {

PopupMenu makePopupMenu(PopupKind kind, bool canPaste)
{
  PopupMenu menu;
  menu.kind = kind;
  using C = EditorCommand;
  switch (kind) {
  case PopupKind::Item:
    menu.items = {{"&Cancel", C::Cancel}, {"&Orientation", C::Orientation},
                  {"&Edit", C::Edit},     {"&Copy", C::Copy},
                  {"Cu&t", C::Cut},       {"D&uplicate", C::Duplicate},
                  {"&Delete", C::Delete}};
    break;
  case PopupKind::Drag:
    menu.items = {{"&Cancel", C::Cancel}, {"&Orientation", C::Orientation}};
    break;
  case PopupKind::Sheet:
    // Paste is offered only when there is something to paste.
    menu.items = {{"&Paste", C::Paste, canPaste},
                  {"&Cancel", C::Cancel},
                  {"&Wire", C::Wire},
                  {"&Gnd", C::Ground},
                  {"&Resistor", C::Resistor},
                  {"&Capacitor", C::Capacitor},
                  {"&Inductor", C::Inductor},
                  {"&TxLine", C::TxLine},
                  {"Measurement Port ", C::MeasurementPort}};
    break;
  }
  return menu;
}

} // namespace norvane
