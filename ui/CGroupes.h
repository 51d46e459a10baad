// The column groups' toolbar commands and the text ids of their names.
#pragma once

#include "config/CConfig.h"
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

// The setting that shows the columns of an ItemGroup; nullptr for the
// always-shown group.
inline CKProfile<bool>* GroupShown(int group) {
  CConfig& c = Config();
  CKProfile<bool>* const shown[kGroupCount] = {nullptr,         &c.aff_grp_base,   &c.aff_grp_audio, &c.aff_grp_id3v1,
                                               &c.aff_grp_audtag, &c.aff_grp_video, &c.aff_grp_vidtag, &c.aff_grp_img,
                                               &c.aff_grp_exif,  &c.aff_grp_iptc,  &c.aff_grp_doc,    &c.aff_grp_exe};
  return group >= 0 && group < kGroupCount ? shown[group] : nullptr;
}

// The ItemGroup of a group button; -1 for any other command.
inline int GroupOfCommand(int command) {
  for (int g = kGroupBase; g < kGroupCount; ++g)
    if (GroupCommand(g) == command) return g;
  return -1;
}
