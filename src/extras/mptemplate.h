#pragma once

#include <QString>

#include <array>

namespace saltor {

// The four sides of the multiplayer template in their fixed order: BLUFOR, OPFOR, RES, CIV.
constexpr int kMpSideCount = 4;
using MpSideTicks = std::array<bool, kMpSideCount>;

// The multiplayer briefing template: the header comment, "switch (side <unitName>) do {",
// one case block per ticked side in side order, and "};". Every line ends with CRLF, the last
// too. The unit name goes in exactly as typed.
QString mpTemplate(const QString& unitName, const MpSideTicks& ticked);

} // namespace saltor
