#include "state/bracket_table.h"

#include "state/state_settings.h"

namespace qv {

BracketColumns stateTableFor(const StateTaxSettings& s, std::string_view status) {
    if (status == "Single") return {s.StateMinBS, s.StateAmtBS, s.StatePerBS};
    return {s.StateMinBM, s.StateAmtBM, s.StatePerBM};
}

}  // namespace qv
