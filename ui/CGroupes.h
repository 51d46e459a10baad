// The column groups' toolbar commands and the text ids of their names.
#pragma once

#include "expr/CColonnes.h"
#include "res/resource.h"

// The group button of an ItemGroup; 0 for the always-shown group.
inline int GroupCommand(int group) {
  static constexpr int kCommands[kGroupCount] = {0,           CMD_GRP_BASE,  CMD_GRP_AUDIO,  CMD_GRP_ID3V1,
                                                 CMD_GRP_AUDTAG, CMD_GRP_VIDEO, CMD_GRP_VIDTAG, CMD_GRP_IMG,
                                                 CMD_GRP_EXIF,  CMD_GRP_IPTC,  CMD_GRP_DOC,    CMD_GRP_EXE};
  return group >= 0 && group < kGroupCount ? kCommands[group] : 0;
}

// The text id of a group button's name (the buttons go from 40000 in the
// order of these names); 0 for any other command.
inline int GroupNameId(int command) {
  static constexpr int kNames[] = {266, 267, 268, 269, 270, 271, 272, 273, 274, 276, 277};
  const int i = command - CMD_GRP_AUDIO;
  return i >= 0 && i < static_cast<int>(sizeof kNames / sizeof kNames[0]) ? kNames[i] : 0;
}
