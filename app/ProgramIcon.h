#pragma once
// The program's own icon, for its windows' title bars: the PNGs embedded under :/icons/, one
// for each size the build embeds (data/icons/tirnel-N.png).

#include <QIcon>

namespace tirnel {

QIcon ProgramIcon();

}  // namespace tirnel
