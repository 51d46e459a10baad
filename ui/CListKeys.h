// The keys that act on the files only while the list has the focus: in the
// combos and the label editor they edit text as usual.
#pragma once

#include "res/resource.h"

struct CListKeys {
  // The command of a key typed in the list, 0 for a key the list keeps.
  static int Command(unsigned vk, bool ctrl, bool shift) {
    switch (vk) {
      case 0x08:
        return ctrl || shift ? 0 : CMD_PARENT_DIR;  // Backspace
      case 0x2E:
        return ctrl || shift ? 0 : CMD_DELETE;  // Delete
      case 0x20:
        return ctrl || shift ? 0 : CMD_SEL_TOGGLE;  // Space
      case 0x71:
        return ctrl || shift ? 0 : CMD_MANUAL_RENAME;  // F2
      case 0x0D:                                       // Enter
        if (ctrl && shift) return 0;
        return ctrl ? CMD_SELECT : shift ? CMD_UNSELECT : CMD_EXECUTE;
      default:
        return 0;
    }
  }
};
