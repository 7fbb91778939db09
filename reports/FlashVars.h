// The flash variables of FVAR: 64 signed values, the first eleven of them with names.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace morvane {

inline constexpr std::size_t kFlashVarCount = 64;

// The named slots. Skill levels (maturity, walkSkill, ballSkill, boneSkill) run from 0 to
// 10000 in hundredths of a percent; maturity below 10000 means the robot has not grown
// up. activeTime counts half-minutes. The flags and futureSkill6 are not interpreted.
enum class FlashVarSlot : std::size_t {
    flag0,
    flag1,
    flag2,
    maturity,
    skill4,
    walkSkill,
    futureSkill6,
    ballSkill,
    boneSkill,
    futureSkill9,
    activeTime,
};

struct FlashVars {
    std::array<std::int32_t, kFlashVarCount> values{};

    std::int32_t& operator[](FlashVarSlot slot) { return values[static_cast<std::size_t>(slot)]; }
    std::int32_t operator[](FlashVarSlot slot) const { return values[static_cast<std::size_t>(slot)]; }
    bool operator==(const FlashVars&) const = default;
};

// The labels the FVAR dump prints for slots 0 to 17; the later slots should hold 0.
inline constexpr std::array<const char*, 18> kFlashVarLabels{
    " 0: Flag0",
    " 1: Flag1",
    " 2: Flag2",
    " 3: Baby Skill Level",
    " 4: Skill4 Level",
    " 5: Walk Skill Level",
    " 6: Future Skill 6",
    " 7: Ball Skill Level",
    " 8: Bone Skill Level",
    " 9: Future Skill 9",
    "10: time counter (1/2 min)",
    "11: TBD",
    "12: TBD",
    "13: TBD",
    "14: TBD",
    "15: TBD",
    "16: TBD",
    "17: TBD",
};

}  // namespace morvane
