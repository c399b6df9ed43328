#include "live_timing_keys.h"

#include <array>

namespace {

struct KeyRule {
    bool shift;
    bool ctrl;
    TimingKeyAction action;
};

constexpr std::array<KeyRule, 4> kRules{{
    {false, false, TimingKeyAction::Press},
    {true, false, TimingKeyAction::Undo},
    {false, true, TimingKeyAction::StartStop},
    {true, true, TimingKeyAction::PitInOut},
}};

} // namespace

TimingKey TimingKeyOf(int key, Qt::KeyboardModifiers modifiers) {
    if (key < Qt::Key_F5 || key > Qt::Key_F8) return {};
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    for (const KeyRule& rule : kRules)
        if (rule.shift == shift && rule.ctrl == ctrl) return {rule.action, key - Qt::Key_F5 + 1};
    return {};
}
