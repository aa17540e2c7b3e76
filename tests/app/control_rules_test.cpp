#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "app/control_rules.h"

namespace qm {
namespace {

TEST(ControlRules, ConditionsCombineLoadedUndoAndSelection) {
    struct Case {
        ControlState state;
        bool loaded, undo, selection;
    } cases[] = {
        {{false, false, false}, false, false, false},
        {{true, false, false}, true, false, false},
        {{true, true, false}, true, true, false},
        // A selection left over without a picture enables nothing.
        {{false, false, true}, false, false, false},
        {{true, false, true}, true, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isEnabled(EnabledWhen::ImageLoaded, c.state), c.loaded);
        EXPECT_EQ(isEnabled(EnabledWhen::UndoHeld, c.state), c.undo);
        EXPECT_EQ(isEnabled(EnabledWhen::ImageLoadedWithSelection, c.state), c.selection);
    }
}

TEST(ControlRules, EachControlHasOneRuleAndAlwaysOnCommandsNone) {
    std::set<std::string_view> seen;
    for (const ControlRule& rule : controlRules()) EXPECT_TRUE(seen.insert(rule.control).second) << rule.control;
    for (std::string_view always : {"New1", "btnNew", "Open1", "btnOpen", "Exit1", "PrintSetup1", "Feedback1"})
        EXPECT_FALSE(seen.contains(always)) << always;
}

}  // namespace
}  // namespace qm
