#pragma once

#include <QString>

namespace kx {

// The effect categories in display order: the caption a user sees and the resource that lists
// the category's effects, one name a line.
struct EffectCategory {
    const char* caption;
    const char* resource;
};

inline constexpr EffectCategory kEffectCategories[] = {
    {"Gain", "gain"},     {"Modulation", "modulation"}, {"Synthesis", "synthesis"},
    {"Filter", "filter"}, {"Dynamic", "dynamic"},       {"Impulse Response", "impulse_response"},
    {"Other", "other"},
};

inline constexpr char kEffectListResource[] = "effect_list";

} // namespace kx
